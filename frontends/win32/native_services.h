#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frontends/win32/native_dialog.h"

// Services of the desktop that are not one dialog window's, on the Win32 API. Plain types
// only; see native_dialog.h for why.

// A modal message box with one OK button, centred over owner; type takes the MB_ICON... bits.
// Returns its result.
int NativeMessageBox(NativeHandle owner, const std::wstring& text, const std::wstring& caption,
                     unsigned type);

struct NativeFileDialogOptions {
  bool open = true;
  std::wstring filter;  // "text|pattern|...||"
  std::wstring defaultExt;
  std::wstring fileName;
  bool overwritePrompt = false;
};
// A modal open or save dialog; true with the chosen full path, false when cancelled.
bool NativeRunFileDialog(NativeHandle owner, const NativeFileDialogOptions& options,
                         std::wstring& path);

// The system cursor's show counter, and the pointer's screen position.
void NativeShowCursor(bool show);
void NativeCursorPos(int& x, int& y);
// Hands target (an address or a file) to the shell's "open" verb with show mode showMode.
void NativeShellOpen(const std::wstring& target, int showMode);
// Makes the common controls (list views and visual styles) ready; once, at start.
void NativeInitCommonControls();

// The list-view control in report view whose window is list.
class NativeListView {
 public:
  explicit NativeListView(NativeHandle list) : m_list(list) {}
  unsigned GetExtendedStyle() const;
  void SetExtendedStyle(unsigned style);
  int InsertColumn(int column, const std::wstring& heading, int format);
  bool DeleteColumn(int column);
  int InsertItem(int row, const std::wstring& text);
  bool SetItemText(int row, int column, const std::wstring& text);
  bool DeleteAllItems();
  bool SetColumnWidth(int column, int width);
  int GetColumnCount() const;
  int GetItemCount() const;
  std::wstring GetColumnHeading(int column) const;
  std::wstring GetItemText(int row, int column) const;

 private:
  NativeHandle m_list;
};

// A font for GDI text, as its creation call takes it.
struct NativeFontSpec {
  int height = 0;
  int weight = 400;
  bool italic = false;
  int charset = 0;
  int pitchAndFamily = 0;
  std::wstring face;
};

// Draws text with GDI into a width x height picture of 0xFFRRGGBB pixels, transparent
// background, colour 0x00BBGGRR. With right true the text is right-aligned in the box
// (left, top, right, bottom) and clipped to it; otherwise its top-left corner is (left, top).
// A face the system lacks falls back to a Chinese face Windows ships.
void NativeDrawText(std::uint32_t* pixels, int width, int height, const NativeFontSpec& font,
                    std::uint32_t color, int left, int top, int right, int bottom, bool rightAlign,
                    bool clip, const std::wstring& text);

// The program's command-line arguments after its own name.
std::vector<std::wstring> NativeCommandLineArguments();

// The user's display languages, most preferred first ("en-GB", "zh-CN").
std::vector<std::wstring> NativeUserLanguages();
// Asks the system's own dialogs and boxes (their buttons, the file dialogs) to speak language
// ("en", "zh_CN") where Windows has it installed; else they keep the system's language.
void NativeUseUiLanguage(const std::wstring& language);
