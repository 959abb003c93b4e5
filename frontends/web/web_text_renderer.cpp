#include "frontends/web/web_text_renderer.h"

#include <string>

#include "frontends/web/page_bridge.h"

namespace {

unsigned Rgb(COLORREF color) {
  return static_cast<unsigned>(GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color));
}

int PixelHeight(const FontSpec& font) { return font.height > 0 ? font.height : 12; }

}  // namespace

void WebTextRenderer::TextOut(CBitmap& target, const FontSpec& font, COLORREF color, int x, int y,
                              std::string_view text) {
  if (target.IsEmpty()) return;
  page_draw_text(target.Bits(), target.Width(), target.Height(), PixelHeight(font),
                 font.weight >= 600, Rgb(color), x, y, 0, 0, target.Width(), target.Height(), 0,
                 std::string(text).c_str());
}

void WebTextRenderer::DrawText(CBitmap& target, const FontSpec& font, COLORREF color,
                               const CRect& rect, std::string_view text, unsigned format) {
  if (target.IsEmpty()) return;
  page_draw_text(target.Bits(), target.Width(), target.Height(), PixelHeight(font),
                 font.weight >= 600, Rgb(color), rect.left, rect.top, rect.left, rect.top,
                 rect.right, rect.bottom, (format & DT_RIGHT) != 0 ? 1 : 0,
                 std::string(text).c_str());
}
