#pragma once

#include <span>
#include <string_view>

// The game window's menu as data: one entry per item, separators with id 0. Texts carry "&"
// before the access key.
struct MenuItem {
  int id;  // 0 for a separator
  std::string_view text;
};

struct MenuPopup {
  std::string_view title;
  std::span<const MenuItem> items;
};

std::span<const MenuPopup> GameMenu();
// The menu resource with this id; empty for an unknown id.
std::span<const MenuPopup> FindMenu(int id);

// The string of string resource 101, the system-menu About item.
inline constexpr std::string_view ABOUT_MENU_TEXT = "关于 Flumora(&A)...";
