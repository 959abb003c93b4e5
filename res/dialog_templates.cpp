#include "res/dialog_templates.h"

#include <array>
#include <span>
#include <utility>

#include "res/catalogue.h"
#include "res/catalogue_data.h"
#include "res/resource_ids.h"

namespace {

// Every language has its own copy of the templates, the same layout with its texts, made by
// the compiler from the catalogues.
template <int L>
constexpr std::string_view T(TextId id) {
  return CATALOGUES[L].texts[id];
}

template <int L>
constexpr ControlTemplate kAboutControls[] = {
    {IDR_MAINFRAME, ControlType::Icon, "", 7, 7, 18, 18},
    {-1, ControlType::Static, T<L>(TEXT_ABOUT_NAME), 40, 10, 160, 8},
    {-1, ControlType::Static, T<L>(TEXT_ABOUT_LINE), 72, 54, 135, 8},
    {1, ControlType::DefaultButton, T<L>(TEXT_BUTTON_OK), 109, 25, 50, 16},
};

template <int L>
constexpr ControlTemplate kListControls[] = {
    {1, ControlType::DefaultButton, T<L>(TEXT_BUTTON_OK), 111, 130, 50, 14},
    {1000, ControlType::ListView, "", 7, 7, 154, 113},
    {1001, ControlType::Button, T<L>(TEXT_LEADERBOARD_CLEAR), 7, 130, 50, 14},
};

template <int L>
constexpr ControlTemplate kInputNameControls[] = {
    {1, ControlType::DefaultButton, T<L>(TEXT_BUTTON_OK), 60, 54, 50, 14},
    {1002, ControlType::Edit, "", 23, 28, 123, 14},
    {-1, ControlType::Static, T<L>(TEXT_NAME_ENTRY_PROMPT), 7, 7, 156, 8},
};

template <int L>
constexpr DialogTemplate kTemplates[] = {
    {IDD_ABOUTBOX, T<L>(TEXT_ABOUT_TITLE), 214, 69, "MS Shell Dlg", 9, kAboutControls<L>},
    {IDD_GAME, "Vandrel", 274, 262, "MS Shell Dlg", 9, {}, IDR_MENU, true},
    {IDD_LIST, T<L>(TEXT_LEADERBOARD_TITLE), 168, 151, "MS Shell Dlg", 8, kListControls<L>},
    {IDD_INPUT_NAME, T<L>(TEXT_NAME_ENTRY_TITLE), 170, 75, "MS Shell Dlg", 8, kInputNameControls<L>},
};

template <int... L>
constexpr auto TemplatesOf(std::integer_sequence<int, L...>) {
  return std::array<std::span<const DialogTemplate>, LANGUAGE_COUNT>{kTemplates<L>...};
}

constexpr auto kTemplatesByLanguage = TemplatesOf(std::make_integer_sequence<int, LANGUAGE_COUNT>());

}  // namespace

CRect ClientAreaOf(int id) {
  if (id == IDD_GAME) return CRect{0, 0, GAME_CLIENT_WIDTH, GAME_CLIENT_HEIGHT};
  const DialogTemplate* t = FindDialogTemplate(id);
  if (t == nullptr) return CRect{0, 0, 200, 100};
  return CRect{0, 0, DialogUnitsToPixelsX(t->width), DialogUnitsToPixelsY(t->height)};
}

const DialogTemplate* FindDialogTemplate(int id) { return FindDialogTemplate(id, TextLanguage()); }

const DialogTemplate* FindDialogTemplate(int id, int language) {
  if (language < 0 || language >= LANGUAGE_COUNT) return nullptr;
  for (const DialogTemplate& t : kTemplatesByLanguage[language]) {
    if (t.id == id) return &t;
  }
  return nullptr;
}
