#include "frontends/web/web_framework.h"

#include "frontends/web/page_bridge.h"
#include "frontends/web/page_description.h"
#include "res/dialog_templates.h"

namespace {

// A template without controls is a window that draws its client area itself: the game's.
bool DrawsItself(const DialogTemplate* dialog) { return dialog == nullptr || dialog->controls.empty(); }

void OpenWindow(int window, int templateId, const std::string& appTitle) {
  const DialogTemplate* dialog = FindDialogTemplate(templateId);
  if (DrawsItself(dialog)) {
    const CRect client = ClientAreaOf(templateId);
    const std::string title = dialog != nullptr ? std::string(dialog->title) : appTitle;
    page_open_canvas_window(window, title.c_str(), client.Width(), client.Height(),
                            MenuJson(dialog != nullptr ? dialog->menuId : 0).c_str());
  } else {
    page_open_dialog(window, TemplateJson(*dialog).c_str());
  }
}

}  // namespace

int WebFramework::RunModal(CDialog& dialog) {
  const int window = m_nextWindow++;
  OpenWindow(window, dialog.TemplateId(), AppTitle());
  WebWindowPort port(window, dialog, ClientAreaOf(dialog.TemplateId()));
  dialog.AttachPort(&port);
  m_loop.Add(port);
  dialog.OnInitDialog();
  m_loop.RunUntil([&port] { return port.Result().has_value(); });
  dialog.OnDestroy();
  dialog.DetachPort();
  m_loop.Remove(port);
  page_close_window(window);
  return *port.Result();
}

int WebFramework::MessageBox(CDialog*, std::string_view text, std::string_view caption,
                             unsigned type) {
  const int request = m_nextWindow++;
  const std::string title = caption.empty() ? AppTitle() : std::string(caption);
  page_message_box(request, std::string(text).c_str(), title.c_str(), static_cast<int>(type));
  m_loop.AwaitAnswer(request);
  return IDOK;
}

int WebFramework::RunFileDialog(CDialog*, const FileDialogOptions& options, std::string& path) {
  const int request = m_nextWindow++;
  const std::string filter = FilterJson(options.filter);
  if (options.open) {
    page_open_file(request, filter.c_str());
  } else {
    page_save_file(request, filter.c_str(), options.defaultExt.c_str());
  }
  PageAnswer answer = m_loop.AwaitAnswer(request);
  if (answer.result != IDOK || answer.text.empty()) return IDCANCEL;
  path = std::move(answer.text);
  return IDOK;
}

void WebFramework::ShowCursor(bool show) { page_show_cursor(show ? 1 : 0); }

void WebFramework::OpenUrl(std::string_view url, int) { page_open_url(std::string(url).c_str()); }

std::int64_t WebFramework::CurrentTimeSeconds() const {
  return static_cast<std::int64_t>(page_epoch_seconds());
}
