#include "frontends/qt/menu_bar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "frontends/qt/qt_strings.h"

namespace {

QKeySequence KeyOf(std::string_view key) {
  return QKeySequence(ToQString(key), QKeySequence::PortableText);
}

void AddItems(QMenu* popup, std::span<const MenuItem> items,
              const std::function<void(int)>& onCommand) {
  for (const MenuItem& item : items) {
    if (item.id == 0) {
      popup->addSeparator();
      continue;
    }
    QAction* action = popup->addAction(ToQString(item.text));
    action->setData(item.id);
    if (!item.shortcut.empty()) action->setShortcut(KeyOf(item.shortcut));
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

void AddCommandKeys(std::span<const CommandKey> keys, QWidget* window,
                    const std::function<void(int)>& onCommand) {
  for (const CommandKey& key : keys) {
    auto* action = new QAction(window);
    action->setShortcut(KeyOf(key.key));
    const int id = key.id;
    QObject::connect(action, &QAction::triggered, window, [onCommand, id] { onCommand(id); });
    window->addAction(action);
  }
}
