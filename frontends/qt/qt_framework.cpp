#include "frontends/qt/qt_framework.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QUrl>
#include <algorithm>

#include "platform/dialog.h"
#include "frontends/qt/pointer_position.h"
#include "frontends/qt/qt_dialog_window.h"
#include "frontends/qt/qt_file_dialog.h"
#include "frontends/qt/qt_message_box.h"
#include "frontends/qt/qt_strings.h"
#include "frontends/qt/qt_window_port.h"
#include "frontends/qt/startup_report.h"

QtFramework::QtFramework(std::string moduleFileName)
    : m_moduleFileName(std::move(moduleFileName)) {}

// Creates the window, runs the set-up, the modal loop and the destruction, in that order. A
// dialog without a template cannot be created: -1, as the desktop framework reports it.
int QtFramework::RunModal(CDialog& dialog) {
  const DialogTemplate* layout = FindDialogTemplate(dialog.TemplateId());
  if (layout == nullptr) return -1;
  QtDialogWindow window(dialog, *layout, OwnerWindow(dialog.GetParent()));
  MarkStartupStage("window");
  QtWindowPort port(window);
  m_open.push_back(&window);
  ApplyCursor(window);
  dialog.AttachPort(&port);
  if (dialog.OnInitDialog()) window.FocusFirstControl();
  MarkStartupStage("set-up");
  const int result = window.Run();
  dialog.OnDestroy();
  dialog.DetachPort();
  m_open.erase(std::find(m_open.begin(), m_open.end(), &window));
  return result;
}

int QtFramework::MessageBox(CDialog* owner, std::string_view text, std::string_view caption,
                            unsigned type) {
  const std::string title = caption.empty() ? AppTitle() : std::string(caption);
  return RunMessageBox(OwnerWindow(owner), ToQString(text), ToQString(title), type);
}

int QtFramework::RunFileDialog(CDialog* owner, const FileDialogOptions& options,
                               std::string& path) {
  return RunQtFileDialog(OwnerWindow(owner), options, path);
}

void QtFramework::ShowCursor(bool show) {
  m_cursorCount += show ? 1 : -1;
  for (QtDialogWindow* window : m_open) ApplyCursor(*window);
}

void QtFramework::ApplyCursor(QtDialogWindow& window) const {
  window.Surface().SetPointerHidden(m_cursorCount < 0 && !window.HasControls());
}

CPoint QtFramework::GetCursorPos() const {
  const QPoint pos = LastPointerPosition();
  return CPoint{pos.x(), pos.y()};
}

// The desktop decides how the browser appears; the show mode has no counterpart here.
void QtFramework::OpenUrl(std::string_view url, int) {
  QDesktopServices::openUrl(QUrl(ToQString(url), QUrl::TolerantMode));
}

std::string QtFramework::GetModuleFileName() const {
  if (!m_moduleFileName.empty()) return m_moduleFileName;
  return ToUtf8(QCoreApplication::applicationFilePath());
}

std::int64_t QtFramework::CurrentTimeSeconds() const {
  return QDateTime::currentSecsSinceEpoch();
}

QtDialogWindow* QtFramework::WindowOf(const CDialog* dialog) const {
  for (QtDialogWindow* window : m_open) {
    if (&window->Dialog() == dialog) return window;
  }
  return nullptr;
}

QWidget* QtFramework::OwnerWindow(const CDialog* owner) const {
  if (QtDialogWindow* window = WindowOf(owner)) return window;
  return m_open.empty() ? nullptr : m_open.back();
}
