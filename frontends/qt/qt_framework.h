#pragma once

#include <string>
#include <vector>

#include "platform/framework.h"
#include "frontends/qt/qt_text_renderer.h"

class QWidget;
class QtDialogWindow;

// The framework on Qt 6 Widgets. Needs a QApplication. Every modal run builds the dialog's
// window from its template and runs QDialog::exec(), so timers and painting of the windows
// beneath go on while a dialog, message box or file dialog is open.
class QtFramework : public Framework {
 public:
  // moduleFileName: the path the program reports as its own executable; empty for the running
  // executable. Tests point it into a temporary folder.
  explicit QtFramework(std::string moduleFileName = {});

  int RunModal(CDialog& dialog) override;
  int MessageBox(CDialog* owner, std::string_view text, std::string_view caption,
                 unsigned type) override;
  int RunFileDialog(CDialog* owner, const FileDialogOptions& options, std::string& path) override;
  // Counts like the desktop's cursor: hidden while more hides than shows have been asked for.
  // A hidden cursor is blank over the drawn client areas (windows without controls).
  void ShowCursor(bool show) override;
  CPoint GetCursorPos() const override;
  void OpenUrl(std::string_view url, int showMode) override;
  std::string GetModuleFileName() const override;
  std::int64_t CurrentTimeSeconds() const override;
  TextRenderer* GetTextRenderer() override { return &m_text; }

  // The window of an open dialog, or null.
  QtDialogWindow* WindowOf(const CDialog* dialog) const;

 private:
  // The window a box or dialog of owner is shown over: owner's own, else the newest open one.
  QWidget* OwnerWindow(const CDialog* owner) const;
  void ApplyCursor(QtDialogWindow& window) const;

  std::vector<QtDialogWindow*> m_open;  // windows in their modal run, oldest first
  int m_cursorCount = 0;
  QtTextRenderer m_text;
  std::string m_moduleFileName;
};
