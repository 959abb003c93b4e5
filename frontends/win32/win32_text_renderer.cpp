#include "frontends/win32/win32_text_renderer.h"

#include "frontends/win32/native_services.h"
#include "platform/windows/wide_text.h"

namespace {

NativeFontSpec NativeFont(const FontSpec& font) {
  return NativeFontSpec{font.height, font.weight, font.italic, font.charset, font.pitchAndFamily,
                        WidenUtf8(font.face)};
}

}  // namespace

void Win32TextRenderer::TextOut(CBitmap& target, const FontSpec& font, COLORREF color, int x,
                                int y, std::string_view text) {
  if (target.IsEmpty()) return;
  NativeDrawText(target.Bits(), target.Width(), target.Height(), NativeFont(font), color, x, y,
                 x, y, false, false, WidenUtf8(text));
}

void Win32TextRenderer::DrawText(CBitmap& target, const FontSpec& font, COLORREF color,
                                 const CRect& rect, std::string_view text, unsigned format) {
  if (target.IsEmpty()) return;
  NativeDrawText(target.Bits(), target.Width(), target.Height(), NativeFont(font), color,
                 rect.left, rect.top, rect.right, rect.bottom, (format & DT_RIGHT) != 0, true,
                 WidenUtf8(text));
}
