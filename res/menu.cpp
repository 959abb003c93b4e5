#include "res/menu.h"

#include "res/resource_ids.h"

namespace {

constexpr MenuItem kGameItems[] = {
    {ID_GAME_NEW, "新游戏(&N)"},
    {0, ""},
    {ID_GAME_OPEN, "打开游戏存档(&O)"},
    {ID_GAME_SAVE, "保存游戏存档(&S)"},
    {0, ""},
    {ID_GAME_LEADERBOARD, "排行榜(&L)"},
    {0, ""},
    {ID_GAME_EXIT, "退出(&Q)"},
};

constexpr MenuItem kHelpItems[] = {
    {ID_HELP_INSTRUCTIONS, "使用说明(&M)"},
    {ID_HELP_CONTACT, "QQ联系作者(&Q)"},
    {0, ""},
    {ID_HELP_ABOUT, "关于...(&A)"},
};

constexpr MenuPopup kMenu[] = {
    {"游戏(&G)", kGameItems},
    {"帮助(&H)", kHelpItems},
};

}  // namespace

std::span<const MenuPopup> GameMenu() { return kMenu; }

std::span<const MenuPopup> FindMenu(int id) {
  if (id == IDR_MENU) return GameMenu();
  return {};
}
