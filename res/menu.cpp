#include "res/menu.h"

#include "res/resource_ids.h"

namespace {

constexpr MenuItem kGameItems[] = {
    {ID_GAME_NEW, "新游戏(&N)", "Ctrl+N"},
    {0, ""},
    {ID_GAME_OPEN, "打开游戏存档(&O)", "Ctrl+O"},
    {ID_GAME_SAVE, "保存游戏存档(&S)", "Ctrl+S"},
    {0, ""},
    {ID_GAME_LEADERBOARD, "排行榜(&L)"},
    {0, ""},
    {ID_GAME_EXIT, "退出(&Q)"},
};

constexpr MenuItem kHelpItems[] = {
    {ID_HELP_INSTRUCTIONS, "使用说明(&M)", "F1"},
    {ID_HELP_CONTACT, "QQ联系作者(&Q)"},
    {0, ""},
    {ID_HELP_ABOUT, "关于...(&A)"},
};

constexpr MenuPopup kMenu[] = {
    {"游戏(&G)", kGameItems},
    {"帮助(&H)", kHelpItems},
};

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

std::span<const MenuPopup> GameMenu() { return kMenu; }

std::span<const MenuPopup> FindMenu(int id) {
  if (id == IDR_MENU) return GameMenu();
  return {};
}

std::span<const CommandKey> FindCommandKeys(int menuId) {
  if (menuId == IDR_MENU) return kGameKeys;
  return {};
}
