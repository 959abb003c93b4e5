#include "res/dialog_templates.h"

#include "res/resource_ids.h"

namespace {

constexpr ControlTemplate kAboutControls[] = {
    {IDR_MAINFRAME, ControlType::Icon, "", 7, 7, 18, 18},
    {-1, ControlType::Static, "Vandrel 1.0  水管工游戏", 40, 10, 160, 8},
    {-1, ControlType::Static, "接好水管，把水引到出水口。", 72, 54, 135, 8},
    {1, ControlType::DefaultButton, "确定", 109, 25, 50, 16},
};

constexpr ControlTemplate kListControls[] = {
    {1, ControlType::DefaultButton, "确定", 111, 130, 50, 14},
    {1000, ControlType::ListView, "", 7, 7, 154, 113},
    {1001, ControlType::Button, "清空", 7, 130, 50, 14},
};

constexpr ControlTemplate kInputNameControls[] = {
    {1, ControlType::DefaultButton, "确定", 60, 54, 50, 14},
    {1002, ControlType::Edit, "", 23, 28, 123, 14},
    {-1, ControlType::Static, "您的分数已经冲入排行榜，请留下您的姓名:", 7, 7, 156, 8},
};

constexpr DialogTemplate kTemplates[] = {
    {IDD_ABOUTBOX, "关于 Flumora", 214, 69, "MS Shell Dlg", 9, kAboutControls},
    {IDD_GAME, "Vandrel", 274, 262, "MS Shell Dlg", 9, {}, IDR_MENU, true},
    {IDD_LIST, "排行榜", 168, 151, "MS Shell Dlg", 8, kListControls},
    {IDD_INPUT_NAME, "榜上有名", 170, 75, "MS Shell Dlg", 8, kInputNameControls},
};

}  // namespace

CRect ClientAreaOf(int id) {
  if (id == IDD_GAME) return CRect{0, 0, GAME_CLIENT_WIDTH, GAME_CLIENT_HEIGHT};
  const DialogTemplate* t = FindDialogTemplate(id);
  if (t == nullptr) return CRect{0, 0, 200, 100};
  return CRect{0, 0, DialogUnitsToPixelsX(t->width), DialogUnitsToPixelsY(t->height)};
}

const DialogTemplate* FindDialogTemplate(int id) {
  for (const DialogTemplate& t : kTemplates) {
    if (t.id == id) return &t;
  }
  return nullptr;
}
