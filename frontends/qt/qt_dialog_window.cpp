#include "frontends/qt/qt_dialog_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dialog.h"
#include "frontends/qt/menu_bar.h"
#include "frontends/qt/qt_strings.h"
#include "res/menu.h"

namespace {

// A dialog font of n points on the 96-dots-per-inch screen dialog units are reckoned for.
int PixelsOfPoints(int points) { return (points * 96 + 36) / 72; }

Qt::WindowFlags FlagsFor(bool topLevel) {
  const Qt::WindowFlags frame = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  // A window without owner stands on its own, with its own taskbar button.
  return (topLevel ? Qt::Window : Qt::Dialog) | frame;
}

QSize ClientSize(const DialogTemplate& layout) {
  return QSize(DialogUnitsToPixelsX(layout.width), DialogUnitsToPixelsY(layout.height));
}

}  // namespace

QtDialogWindow::QtDialogWindow(CDialog& dialog, const DialogTemplate& layout, QWidget* owner)
    : QDialog(owner, FlagsFor(owner == nullptr)), m_dialog(dialog) {
  setWindowTitle(ToQString(layout.title));
  QFont dialogFont = font();
  dialogFont.setPixelSize(PixelsOfPoints(layout.fontPoints));
  setFont(dialogFont);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->setSizeConstraint(QLayout::SetFixedSize);
  if (layout.menuId != 0) {
    const auto onCommand = [this](int id) { m_dialog.OnCommand(id); };
    m_menuBar = BuildMenuBar(FindMenu(layout.menuId), this, onCommand);
    AddCommandKeys(FindCommandKeys(layout.menuId), this, onCommand);
    m_menuBar->installEventFilter(this);
    column->setMenuBar(m_menuBar);
  }
  m_surface = new ClientSurface(dialog, ClientSize(layout), layout.acceptFiles, this);
  column->addWidget(m_surface);
  m_controls = BuildControls(layout, m_surface, [this](int id) { m_dialog.OnButton(id); });
}

QWidget* QtDialogWindow::Control(int id) const {
  auto it = m_controls.byId.find(id);
  return it == m_controls.byId.end() ? nullptr : it->second;
}

QtListView* QtDialogWindow::ListView(int id) const {
  auto it = m_controls.lists.find(id);
  return it == m_controls.lists.end() ? nullptr : it->second.get();
}

int QtDialogWindow::Run() {
  if (!m_ended) {
    m_running = true;
    exec();
    m_running = false;
  }
  // A loop that stopped without End (the application quitting) counts as a cancel.
  return m_ended ? m_result : IDCANCEL;
}

void QtDialogWindow::End(int result) {
  m_ended = true;
  m_result = result;
  if (m_running) QDialog::done(result);
}

void QtDialogWindow::FocusFirstControl() {
  if (!m_controls.tabOrder.empty()) m_controls.tabOrder.front()->setFocus();
}

bool QtDialogWindow::HasDefaultButton() const {
  for (const QPushButton* button : findChildren<QPushButton*>()) {
    if (button->isDefault() && button->isVisible()) return true;
  }
  return false;
}

// Enter presses the focused or default button; in a window without one it goes to OnOK.
void QtDialogWindow::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !HasDefaultButton()) {
    m_dialog.OnOK();
    return;
  }
  QDialog::keyPressEvent(event);
}

// A menu bar that was entered from the keyboard keeps the focus after its menu has closed and
// would take the next Esc for itself; Esc goes to the window once no menu is open.
bool QtDialogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_menuBar && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
      QApplication::activePopupWidget() == nullptr) {
    reject();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void QtDialogWindow::accept() { m_dialog.OnOK(); }

// Esc and the close box: the dialog decides, and the window stays open unless it ends.
void QtDialogWindow::reject() { m_dialog.OnCancel(); }
