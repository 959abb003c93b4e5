// Message boxes, file dialogs, the cursor, the shell and the executable's path on Win32.

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include "frontends/win32/native_dialog.h"
#include "frontends/win32/native_placement.h"
#include "frontends/win32/native_services.h"

namespace {

// "text|pattern|text|pattern||" as the file dialogs take it: the same list with NULs.
std::wstring FilterList(const std::wstring& filter) {
  std::wstring list = filter;
  for (wchar_t& c : list) {
    if (c == L'|') c = L'\0';
  }
  list.push_back(L'\0');
  return list;
}

}  // namespace

// Windows centres a message box on the screen; this one stands over the window it belongs to.
int NativeMessageBox(NativeHandle owner, const std::wstring& text, const std::wstring& caption,
                     unsigned type) {
  const CentreNextWindow overOwner(static_cast<HWND>(owner));
  return MessageBoxW(static_cast<HWND>(owner), text.c_str(), caption.c_str(), MB_OK | type);
}

bool NativeRunFileDialog(NativeHandle owner, const NativeFileDialogOptions& options,
                         std::wstring& path) {
  const std::wstring filter = FilterList(options.filter);
  // Longer than the classic 260, so a deep folder never makes the dialog fail.
  std::wstring buffer(32768, L'\0');
  buffer.replace(0, options.fileName.size(), options.fileName);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = static_cast<HWND>(owner);
  dialog.lpstrFilter = options.filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrDefExt = options.defaultExt.empty() ? nullptr : options.defaultExt.c_str();
  // The current folder stays where it was: the program finds its files by its own path.
  dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  if (options.overwritePrompt && !options.open) dialog.Flags |= OFN_OVERWRITEPROMPT;
  const BOOL chosen = options.open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
  if (!chosen || buffer[0] == L'\0') return false;
  path = buffer.c_str();
  return true;
}

void NativeShowCursor(bool show) { NativeCursorHidden(ShowCursor(show ? TRUE : FALSE) < 0); }

void NativeCursorPos(int& x, int& y) {
  POINT point{};
  GetCursorPos(&point);
  x = point.x;
  y = point.y;
}

void NativeShellOpen(const std::wstring& target, int showMode) {
  ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, showMode);
}

void NativeInitCommonControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
}

std::vector<std::wstring> NativeUserLanguages() {
  std::vector<std::wstring> languages;
  ULONG count = 0;
  ULONG size = 0;
  if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) {
    return languages;
  }
  std::wstring list(size, L'\0');
  if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, list.data(), &size)) return languages;
  // Names one after the other, each ended by a NUL, the list by one more.
  for (const wchar_t* name = list.c_str(); *name != L'\0'; name += wcslen(name) + 1) {
    languages.emplace_back(name);
  }
  return languages;
}

void NativeUseUiLanguage(const std::wstring& language) {
  std::wstring names = language;
  for (wchar_t& c : names) {
    if (c == L'_') c = L'-';
  }
  names.append(2, L'\0');
  ULONG count = 0;
  SetThreadPreferredUILanguages(MUI_LANGUAGE_NAME, names.c_str(), &count);
}

std::vector<std::wstring> NativeCommandLineArguments() {
  std::vector<std::wstring> arguments;
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(words[i]);
  LocalFree(words);
  return arguments;
}
