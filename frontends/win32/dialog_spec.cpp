#include "frontends/win32/dialog_spec.h"

#include "platform/windows/wide_text.h"
#include "res/catalogue.h"
#include "res/menu.h"
#include "res/resource_ids.h"

namespace {

NativeControlKind KindOf(ControlType type) {
  switch (type) {
    case ControlType::DefaultButton: return NativeControlKind::DefaultButton;
    case ControlType::Button: return NativeControlKind::Button;
    case ControlType::Edit: return NativeControlKind::Edit;
    case ControlType::Static: return NativeControlKind::Static;
    case ControlType::ListView: return NativeControlKind::ListView;
    case ControlType::Icon: return NativeControlKind::Icon;
  }
  return NativeControlKind::Static;
}

std::vector<NativeMenuPopup> MakeMenu(int menuId) {
  std::vector<NativeMenuPopup> menu;
  for (const MenuPopup& popup : FindMenu(menuId)) {
    NativeMenuPopup& native = menu.emplace_back();
    native.title = WidenUtf8(popup.title);
    for (const MenuItem& item : popup.items) {
      // The shortcut stands right-aligned beside the item's text, as Windows menus show it.
      const std::string text = item.shortcut.empty()
                                   ? std::string(item.text)
                                   : std::string(item.text) + "\t" + std::string(item.shortcut);
      native.items.push_back({item.id, WidenUtf8(text)});
    }
  }
  return menu;
}

// The menu items' shortcuts and the window's keys without an item, as accelerators.
std::vector<NativeAccelerator> MakeAccelerators(int menuId) {
  std::vector<NativeAccelerator> keys;
  for (const MenuPopup& popup : FindMenu(menuId)) {
    for (const MenuItem& item : popup.items) {
      if (!item.shortcut.empty()) keys.push_back({WidenUtf8(item.shortcut), item.id});
    }
  }
  for (const CommandKey& key : FindCommandKeys(menuId)) keys.push_back({WidenUtf8(key.key), key.id});
  return keys;
}

}  // namespace

NativeDialogSpec MakeDialogSpec(const DialogTemplate& layout) {
  NativeDialogSpec form;
  form.title = WidenUtf8(layout.title);
  form.width = layout.width;
  form.height = layout.height;
  form.fontFace = WidenUtf8(layout.fontFace);
  form.fontPoints = layout.fontPoints;
  for (const ControlTemplate& control : layout.controls) {
    form.controls.push_back({control.id, KindOf(control.type), WidenUtf8(control.text), control.x,
                             control.y, control.width, control.height});
  }
  form.menu = MakeMenu(layout.menuId);
  form.accelerators = MakeAccelerators(layout.menuId);
  form.acceptFiles = layout.acceptFiles;
  if (!form.menu.empty()) {
    form.clientWidth = DialogUnitsToPixelsX(layout.width);
    form.clientHeight = DialogUnitsToPixelsY(layout.height);
    // The system menu's About item opens the same box as the Help menu's.
    form.systemMenuItem = WidenUtf8(Text(TEXT_SYSTEM_MENU_ABOUT));
    form.systemMenuItemId = IDM_ABOUTBOX;
    form.systemMenuCommand = ID_HELP_ABOUT;
  }
  return form;
}
