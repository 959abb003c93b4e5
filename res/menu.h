#pragma once

#include <span>
#include <string_view>

// The game window's menu as data: one entry per item, separators with id 0. Texts carry "&"
// before the access key. A shortcut is a key in its portable text form ("Ctrl+N", "F1"): it
// runs the item's command while the window is active and is shown beside the item.
struct MenuItem {
  int id;  // 0 for a separator
  std::string_view text;
  std::string_view shortcut = {};
};

// A key that runs a command of the menu's window without an item of its own.
struct CommandKey {
  std::string_view key;  // portable text form, as for MenuItem::shortcut
  int id;
};

struct MenuPopup {
  std::string_view title;
  std::span<const MenuItem> items;
};

// The game window's menu in the language of this run (res/catalogue.h).
std::span<const MenuPopup> GameMenu();
// The menu resource with this id; empty for an unknown id.
std::span<const MenuPopup> FindMenu(int id);
// The keys without a menu item that belong with the menu resource with this id.
std::span<const CommandKey> FindCommandKeys(int menuId);

// How long a finger rests on the game window before the touch counts as a long press (a right
// click) rather than a tap (a left click), in milliseconds.
inline constexpr unsigned LONG_PRESS_MS = 500;

