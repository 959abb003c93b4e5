#include "frontends/win32/win32_framework.h"

#include <algorithm>
#include <ctime>

#include "platform/dialog.h"
#include "platform/program_path.h"
#include "frontends/win32/dialog_spec.h"
#include "frontends/win32/native_services.h"
#include "frontends/win32/win32_window_port.h"
#include "platform/windows/wide_text.h"

namespace {

// One modal run: hands the window's events to the dialog's handlers, and attaches the window
// port to the dialog for the life of the window.
class DialogRun : public NativeDialogEvents {
 public:
  DialogRun(CDialog& dialog, const NativeDialogSpec& form, Win32Framework& framework)
      : m_dialog(dialog), m_form(form), m_framework(framework) {}

  bool InitDialog(NativeHandle window) override {
    m_port = std::make_unique<Win32WindowPort>(window, m_form.clientWidth, m_form.clientHeight,
                                               [this](int id) { m_dialog.OnTimer(id); });
    m_port->FitToScreen();
    m_framework.Opened(m_dialog, window);
    m_dialog.AttachPort(m_port.get());
    return m_dialog.OnInitDialog();
  }
  void Command(int id) override { m_dialog.OnButton(id); }
  void Timer(int id) override {
    if (id == Win32WindowPort::WAKE_UP_TIMER) m_port->WakeUpCame();
  }
  void Paint() override { m_dialog.OnPaint(); }
  void Expose(int left, int top, int right, int bottom) override {
    m_port->Expose(CRect{left, top, right, bottom});
  }
  void Mouse(NativeMouse kind, unsigned flags, int x, int y) override {
    const CPoint point = m_port->DeviceToClient(x, y);
    switch (kind) {
      case NativeMouse::LeftDown: m_dialog.OnLButtonDown(flags, point); break;
      case NativeMouse::LeftDoubleClick: m_dialog.OnLButtonDblClk(flags, point); break;
      case NativeMouse::RightDown: m_dialog.OnRButtonDown(flags, point); break;
      case NativeMouse::Move: m_dialog.OnMouseMove(flags, point); break;
      case NativeMouse::Leave: m_dialog.OnMouseLeave(); break;
    }
  }
  void DropFiles(const std::vector<std::wstring>& paths) override {
    std::vector<std::string> utf8;
    for (const std::wstring& path : paths) utf8.push_back(NarrowToUtf8(path));
    m_dialog.OnDropFiles(utf8);
  }
  void DpiChanged() override { m_port->FitToScreen(); }
  void Destroy() override {
    m_dialog.OnDestroy();
    m_dialog.DetachPort();
    m_framework.Closed(m_dialog);
  }

 private:
  CDialog& m_dialog;
  const NativeDialogSpec& m_form;
  Win32Framework& m_framework;
  std::unique_ptr<Win32WindowPort> m_port;
};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The local path of a file:// address: escapes decoded, "/C:/..." without its first slash,
// and Windows separators.
std::string PathOfFileUrl(std::string_view url) {
  std::string path;
  for (std::size_t i = 0; i < url.size(); ++i) {
    if (url[i] == '%' && i + 2 < url.size() && HexValue(url[i + 1]) >= 0 && HexValue(url[i + 2]) >= 0) {
      path += static_cast<char>(HexValue(url[i + 1]) * 16 + HexValue(url[i + 2]));
      i += 2;
    } else {
      path += url[i];
    }
  }
  if (path.size() >= 3 && path[0] == '/' && path[2] == ':') path.erase(0, 1);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

}  // namespace

int Win32Framework::RunModal(CDialog& dialog) {
  const DialogTemplate* layout = FindDialogTemplate(dialog.TemplateId());
  if (layout == nullptr) return -1;
  const NativeDialogSpec form = MakeDialogSpec(*layout);
  DialogRun run(dialog, form, *this);
  return NativeRunDialog(form, OwnerWindow(dialog.GetParent()), run);
}

void Win32Framework::Closed(const CDialog& dialog) {
  std::erase_if(m_open, [&](const auto& open) { return open.first == &dialog; });
}

int Win32Framework::MessageBox(CDialog* owner, std::string_view text, std::string_view caption,
                               unsigned type) {
  const std::string title = caption.empty() ? AppTitle() : std::string(caption);
  return NativeMessageBox(OwnerWindow(owner), WidenUtf8(text), WidenUtf8(title), type);
}

int Win32Framework::RunFileDialog(CDialog* owner, const FileDialogOptions& options,
                                  std::string& path) {
  const NativeFileDialogOptions native{options.open, WidenUtf8(options.filter),
                                       WidenUtf8(options.defaultExt), WidenUtf8(options.fileName),
                                       options.overwritePrompt};
  std::wstring chosen;
  if (!NativeRunFileDialog(OwnerWindow(owner), native, chosen)) return IDCANCEL;
  path = NarrowToUtf8(chosen);
  return IDOK;
}

void Win32Framework::ShowCursor(bool show) { NativeShowCursor(show); }

CPoint Win32Framework::GetCursorPos() const {
  CPoint point;
  NativeCursorPos(point.x, point.y);
  return point;
}

void Win32Framework::OpenUrl(std::string_view url, int showMode) {
  constexpr std::string_view FILE_SCHEME = "file://";
  const std::string target =
      url.starts_with(FILE_SCHEME) ? PathOfFileUrl(url.substr(FILE_SCHEME.size())) : std::string(url);
  NativeShellOpen(WidenUtf8(target), showMode);
}

std::string Win32Framework::GetModuleFileName() const {
  return RunningProgramPath();
}

std::int64_t Win32Framework::CurrentTimeSeconds() const {
  return static_cast<std::int64_t>(std::time(nullptr));
}

NativeHandle Win32Framework::OwnerWindow(const CDialog* owner) const {
  for (const auto& [dialog, window] : m_open) {
    if (dialog == owner) return window;
  }
  return m_open.empty() ? nullptr : m_open.back().second;
}
