#include "res/menu.h"

#include <array>
#include <utility>

#include "res/catalogue.h"
#include "res/catalogue_data.h"
#include "res/resource_ids.h"

namespace {

// Every language has its own copy of the menu, made by the compiler from the catalogues.
template <int L>
constexpr std::string_view T(TextId id) {
  return CATALOGUES[L].texts[id];
}

template <int L>
constexpr MenuItem kGameItems[] = {
    {ID_GAME_NEW, T<L>(TEXT_MENU_GAME_NEW), "Ctrl+N"},
    {0, ""},
    {ID_GAME_OPEN, T<L>(TEXT_MENU_GAME_OPEN), "Ctrl+O"},
    {ID_GAME_SAVE, T<L>(TEXT_MENU_GAME_SAVE), "Ctrl+S"},
    {0, ""},
    {ID_GAME_LEADERBOARD, T<L>(TEXT_MENU_GAME_LEADERBOARD)},
    {0, ""},
    {ID_GAME_EXIT, T<L>(TEXT_MENU_GAME_EXIT)},
};

template <int L>
constexpr MenuItem kHelpItems[] = {
    {ID_HELP_INSTRUCTIONS, T<L>(TEXT_MENU_HELP_INSTRUCTIONS), "F1"},
    {ID_HELP_CONTACT, T<L>(TEXT_MENU_HELP_CONTACT)},
    {0, ""},
    {ID_HELP_ABOUT, T<L>(TEXT_MENU_HELP_ABOUT)},
};

template <int L>
constexpr MenuPopup kMenu[] = {
    {T<L>(TEXT_MENU_GAME), kGameItems<L>},
    {T<L>(TEXT_MENU_HELP), kHelpItems<L>},
};

template <int... L>
constexpr auto MenusOf(std::integer_sequence<int, L...>) {
  return std::array<std::span<const MenuPopup>, LANGUAGE_COUNT>{kMenu<L>...};
}

constexpr auto kMenuByLanguage = MenusOf(std::make_integer_sequence<int, LANGUAGE_COUNT>());

// Space and P pause a game in play and resume a paused one. The arrow keys show the board
// cursor and move it; Enter (either key) lays the piece in hand on its square, Delete or
// Backspace takes the piece there off, D discards the piece in hand and F switches
// fast-forward. No key here is a menu's access key or a shortcut, and the letters inside an
// open menu go to the menu.
constexpr CommandKey kGameKeys[] = {
    {"Space", ID_GAME_PAUSE},  {"P", ID_GAME_PAUSE},
    {"Left", ID_KEY_LEFT},     {"Right", ID_KEY_RIGHT},       {"Up", ID_KEY_UP},
    {"Down", ID_KEY_DOWN},     {"Return", ID_KEY_LAY},        {"Enter", ID_KEY_LAY},
    {"Del", ID_KEY_REMOVE},    {"Backspace", ID_KEY_REMOVE},  {"D", ID_KEY_DISCARD},
    {"F", ID_KEY_FAST_FORWARD},
};

}  // namespace

std::span<const MenuPopup> GameMenu() { return kMenuByLanguage[TextLanguage()]; }

std::span<const MenuPopup> FindMenu(int id) {
  if (id == IDR_MENU) return GameMenu();
  return {};
}

std::span<const CommandKey> FindCommandKeys(int menuId) {
  if (menuId == IDR_MENU) return kGameKeys;
  return {};
}
