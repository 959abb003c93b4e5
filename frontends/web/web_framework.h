#pragma once

#include <string>

#include "frontends/web/web_event_loop.h"
#include "frontends/web/web_text_renderer.h"
#include "platform/framework.h"

// The framework in the browser. Every modal run opens its window on the page (the game's
// canvas under its menu bar, or an HTML dialog built from the template) and runs the page's
// event loop until the window ends; boxes and pickers run the loop until the page answers, so
// the game's timers go on behind them as on the desktop.
class WebFramework : public Framework {
 public:
  int RunModal(CDialog& dialog) override;
  int MessageBox(CDialog* owner, std::string_view text, std::string_view caption,
                 unsigned type) override;
  // Open: the browser's file picker, the chosen file copied into the program's file system.
  // Save: a name (the browser's save picker where it has one), the file delivered once saved.
  int RunFileDialog(CDialog* owner, const FileDialogOptions& options, std::string& path) override;
  void ShowCursor(bool show) override;
  CPoint GetCursorPos() const override { return m_loop.Pointer(); }
  // The program's own pages open in a new tab; other addresses as they are.
  void OpenUrl(std::string_view url, int showMode) override;
  // The program lives in /vandrel of its file system, which the page fills before it starts.
  std::string GetModuleFileName() const override { return "/vandrel/vandrel"; }
  std::int64_t CurrentTimeSeconds() const override;
  TextRenderer* GetTextRenderer() override { return &m_text; }

 private:
  WebEventLoop m_loop;
  WebTextRenderer m_text;
  int m_nextWindow = 1;
};
