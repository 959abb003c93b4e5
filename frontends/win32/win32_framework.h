#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/framework.h"
#include "frontends/win32/native_dialog.h"
#include "frontends/win32/win32_text_renderer.h"

// The framework on the Win32 API. Every modal run builds the dialog's window from its template
// and runs it with the system's dialog manager, so timers and painting of the windows beneath
// go on while a dialog, message box or file dialog is open.
class Win32Framework : public Framework {
 public:
  int RunModal(CDialog& dialog) override;
  int MessageBox(CDialog* owner, std::string_view text, std::string_view caption,
                 unsigned type) override;
  int RunFileDialog(CDialog* owner, const FileDialogOptions& options, std::string& path) override;
  // The system cursor's own show counter.
  void ShowCursor(bool show) override;
  CPoint GetCursorPos() const override;
  // A file:// address is opened as the file it names, which the shell shows in the browser;
  // other addresses go to the shell as they are.
  void OpenUrl(std::string_view url, int showMode) override;
  std::string GetModuleFileName() const override;
  std::int64_t CurrentTimeSeconds() const override;
  TextRenderer* GetTextRenderer() override { return &m_text; }

  // Bookkeeping of the windows in their modal run, oldest first; called by the run itself.
  void Opened(const CDialog& dialog, NativeHandle window) { m_open.emplace_back(&dialog, window); }
  void Closed(const CDialog& dialog);

 private:
  // The window a box or dialog of owner is shown over: owner's own, else the newest open one.
  NativeHandle OwnerWindow(const CDialog* owner) const;

  std::vector<std::pair<const CDialog*, NativeHandle>> m_open;
  Win32TextRenderer m_text;
};
