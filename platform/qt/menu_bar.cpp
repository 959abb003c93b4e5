#include "platform/qt/menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/qt_strings.h"

namespace {

void AddItems(QMenu* popup, std::span<const MenuItem> items,
              const std::function<void(int)>& onCommand) {
  for (const MenuItem& item : items) {
    if (item.id == 0) {
      popup->addSeparator();
      continue;
    }
    QAction* action = popup->addAction(ToQString(item.text));
    action->setData(item.id);
    const int id = item.id;
    QObject::connect(action, &QAction::triggered, popup, [onCommand, id] { onCommand(id); });
  }
}

}  // namespace

QMenuBar* BuildMenuBar(std::span<const MenuPopup> menu, QWidget* parent,
                       const std::function<void(int)>& onCommand) {
  auto* bar = new QMenuBar(parent);
  bar->setNativeMenuBar(false);
  for (const MenuPopup& popup : menu) {
    AddItems(bar->addMenu(ToQString(popup.title)), popup.items, onCommand);
  }
  return bar;
}
