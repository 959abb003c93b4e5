#include "frontends/win32/native_template.h"

#include <commctrl.h>

namespace {

// Appends to a WORD vector, keeping DWORDs and strings in the template's little-endian layout.
class TemplateWriter {
 public:
  void Word(WORD value) { m_words.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(const std::wstring& text) {
    for (wchar_t c : text) Word(static_cast<WORD>(c));
    Word(0);
  }
  void Ordinal(WORD value) {
    Word(0xFFFF);
    Word(value);
  }
  // Controls start on a DWORD boundary.
  void AlignDword() {
    if (m_words.size() % 2 != 0) Word(0);
  }
  std::vector<WORD> Take() { return std::move(m_words); }

 private:
  std::vector<WORD> m_words;
};

constexpr WORD CLASS_BUTTON = 0x0080;
constexpr WORD CLASS_EDIT = 0x0081;
constexpr WORD CLASS_STATIC = 0x0082;
constexpr WORD ICON_RESOURCE = 128;

DWORD ControlStyle(NativeControlKind kind) {
  const DWORD base = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case NativeControlKind::DefaultButton:
      return base | WS_TABSTOP | BS_DEFPUSHBUTTON;
    case NativeControlKind::Button:
      return base | WS_TABSTOP | BS_PUSHBUTTON;
    case NativeControlKind::Edit:
      return base | WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL;
    case NativeControlKind::Static:
      return base | SS_LEFT | SS_NOPREFIX;
    case NativeControlKind::ListView:
      return base | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_ALIGNLEFT | LVS_SINGLESEL |
             LVS_SHOWSELALWAYS;
    case NativeControlKind::Icon:
      return base | SS_ICON;
  }
  return base;
}

void WriteControl(TemplateWriter& out, const NativeControl& control) {
  out.AlignDword();
  out.Dword(0);  // help id
  out.Dword(control.kind == NativeControlKind::ListView ? WS_EX_CLIENTEDGE : 0);
  out.Dword(ControlStyle(control.kind));
  out.Word(static_cast<WORD>(control.x));
  out.Word(static_cast<WORD>(control.y));
  out.Word(static_cast<WORD>(control.width));
  out.Word(static_cast<WORD>(control.height));
  out.Dword(static_cast<DWORD>(control.id));
  switch (control.kind) {
    case NativeControlKind::DefaultButton:
    case NativeControlKind::Button:
      out.Ordinal(CLASS_BUTTON);
      break;
    case NativeControlKind::Edit:
      out.Ordinal(CLASS_EDIT);
      break;
    case NativeControlKind::Static:
    case NativeControlKind::Icon:
      out.Ordinal(CLASS_STATIC);
      break;
    case NativeControlKind::ListView:
      out.Text(WC_LISTVIEWW);
      break;
  }
  if (control.kind == NativeControlKind::Icon) {
    out.Ordinal(ICON_RESOURCE);
  } else {
    out.Text(control.text);
  }
  out.Word(0);  // no creation data
}

}  // namespace

std::vector<WORD> BuildDialogTemplate(const NativeDialogSpec& form) {
  const bool game = IsGameWindow(form);
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS;
  // The game window stands at the top-left corner; the other dialogs are centred over their
  // owner when they are set up (DS_CENTER would centre them on the screen).
  DWORD exStyle = game ? WS_EX_APPWINDOW : 0;
  if (form.acceptFiles) exStyle |= WS_EX_ACCEPTFILES;

  TemplateWriter out;
  out.Word(1);       // version
  out.Word(0xFFFF);  // extended template
  out.Dword(0);      // help id
  out.Dword(exStyle);
  out.Dword(style);
  out.Word(static_cast<WORD>(form.controls.size()));
  out.Word(0);
  out.Word(0);
  out.Word(static_cast<WORD>(form.width));
  out.Word(static_cast<WORD>(form.height));
  out.Word(0);  // no menu resource: the game window's menu is built at set-up
  out.Word(0);  // the system's dialog class
  out.Text(form.title);
  out.Word(static_cast<WORD>(form.fontPoints));
  out.Word(FW_NORMAL);
  out.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));
  out.Text(form.fontFace);
  for (const NativeControl& control : form.controls) WriteControl(out, control);
  return out.Take();
}
