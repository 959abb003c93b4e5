// Text into the game's memory pictures through GDI: the part of the picture the text covers is
// copied into a DIB section, the text drawn there with a transparent background and copied
// back, every pixel opaque again.

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <tuple>

#include "frontends/win32/native_services.h"

namespace {

// Chinese faces Windows ships, tried in order when the asked-for face is missing; the last
// one serves under Wine, which takes its fonts from the system it runs on.
const wchar_t* const FALLBACK_FACES[] = {L"SimHei", L"Microsoft YaHei", L"SimSun",
                                         L"NSimSun", L"WenQuanYi Zen Hei"};

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(const std::wstring& face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  face.copy(query.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &query, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return found;
}

std::wstring AvailableFace(const std::wstring& face) {
  if (face.empty() || FaceInstalled(face)) return face;
  for (const wchar_t* fallback : FALLBACK_FACES) {
    if (FaceInstalled(fallback)) return fallback;
  }
  return face;  // the font mapper picks the nearest by charset and family
}

// Fonts live for the whole run: the game uses two, made once each.
//
// The game's heights are cell heights of "黑体", whose cell is exactly one em. A face standing
// in for it often has a taller cell (WenQuanYi Zen Hei's is about a third taller) and would
// draw smaller glyphs at the same cell height, so the height is asked for as the em height:
// the same size for "黑体" itself, and for a stand-in the glyph size "黑体" would have, as the
// Linux program draws it. The glyphs are drawn without smoothing, crisp on the game's art.
HFONT FontFor(const NativeFontSpec& form) {
  using Key = std::tuple<int, int, bool, int, int, std::wstring>;
  static std::map<Key, HFONT> fonts;
  const Key key{form.height, form.weight, form.italic, form.charset, form.pitchAndFamily, form.face};
  HFONT& font = fonts[key];
  if (font == nullptr) {
    font = CreateFontW(-std::abs(form.height), 0, 0, 0, form.weight, form.italic, FALSE, FALSE,
                       static_cast<BYTE>(form.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       NONANTIALIASED_QUALITY, static_cast<BYTE>(form.pitchAndFamily),
                       AvailableFace(form.face).c_str());
  }
  return font;
}

// A top-down 32-bit DIB section of w x h pixels selected into its own memory DC.
struct Scratch {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  std::uint32_t* bits = nullptr;
  Scratch(int w, int h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc = CreateCompatibleDC(nullptr);
    void* memory = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    bits = static_cast<std::uint32_t*>(memory);
    if (bitmap != nullptr) oldBitmap = SelectObject(dc, bitmap);
  }
  ~Scratch() {
    if (oldBitmap != nullptr) SelectObject(dc, oldBitmap);
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (dc != nullptr) DeleteDC(dc);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
};

// Copies the box between the picture and the scratch, in either direction.
void CopyBox(std::uint32_t* pixels, int width, const RECT& box, std::uint32_t* scratch,
             bool toScratch) {
  const int w = box.right - box.left;
  for (int y = box.top; y < box.bottom; ++y) {
    std::uint32_t* row = pixels + static_cast<std::size_t>(y) * width + box.left;
    std::uint32_t* other = scratch + static_cast<std::size_t>(y - box.top) * w;
    if (toScratch) {
      std::memcpy(other, row, static_cast<std::size_t>(w) * 4);
    } else {
      for (int x = 0; x < w; ++x) row[x] = other[x] | 0xFF000000u;
    }
  }
}

// The box the text covers: the layout box, or from (left, top) as far as the text reaches.
RECT TextBox(HFONT font, const std::wstring& text, int left, int top, int right, int bottom,
             bool layout) {
  if (layout) return RECT{left, top, right, bottom};
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  DeleteDC(dc);
  // Bold and italic glyphs may reach a little past the advance width.
  return RECT{left, top, left + extent.cx + extent.cy / 2, top + extent.cy};
}

}  // namespace

void NativeDrawText(std::uint32_t* pixels, int width, int height, const NativeFontSpec& font,
                    std::uint32_t color, int left, int top, int right, int bottom, bool rightAlign,
                    bool clip, const std::wstring& text) {
  if (pixels == nullptr || text.empty()) return;
  HFONT face = FontFor(font);
  const RECT wanted = TextBox(face, text, left, top, right, bottom, clip);
  const RECT box{std::max<LONG>(wanted.left, 0), std::max<LONG>(wanted.top, 0),
                 std::min<LONG>(wanted.right, width), std::min<LONG>(wanted.bottom, height)};
  if (box.left >= box.right || box.top >= box.bottom) return;
  Scratch scratch(box.right - box.left, box.bottom - box.top);
  if (scratch.bits == nullptr) return;
  CopyBox(pixels, width, box, scratch.bits, true);
  HGDIOBJ oldFont = SelectObject(scratch.dc, face);
  SetBkMode(scratch.dc, TRANSPARENT);
  SetTextColor(scratch.dc, color);
  RECT layout{wanted.left - box.left, wanted.top - box.top, wanted.right - box.left,
              wanted.bottom - box.top};
  const UINT format = DT_TOP | DT_SINGLELINE | DT_NOPREFIX | (rightAlign ? DT_RIGHT : DT_LEFT) |
                      (clip ? 0u : static_cast<UINT>(DT_NOCLIP));
  DrawTextW(scratch.dc, text.c_str(), static_cast<int>(text.size()), &layout, format);
  GdiFlush();
  SelectObject(scratch.dc, oldFont);
  CopyBox(pixels, width, box, scratch.bits, false);
}
