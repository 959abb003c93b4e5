#include "frontends/qt/qt_message_box.h"

#include "platform/types.h"

namespace {

// The bits of a message box style that choose its icon.
constexpr unsigned MB_ICONMASK = 0xF0;

}  // namespace

QMessageBox::Icon MessageBoxIcon(unsigned type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONERROR:
      return QMessageBox::Critical;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int RunMessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type) {
  QMessageBox box(MessageBoxIcon(type), caption, text, QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  return IDOK;
}
