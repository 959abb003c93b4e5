#include "frontends/scripted/recording_text_renderer.h"

void RecordingTextRenderer::TextOut(CBitmap& target, const FontSpec& font, COLORREF color, int x,
                                    int y, std::string_view text) {
  calls.push_back({false, x, y, CRect{}, 0, std::string(text), color, font});
  if (forward) forward->TextOut(target, font, color, x, y, text);
}

void RecordingTextRenderer::DrawText(CBitmap& target, const FontSpec& font, COLORREF color,
                                     const CRect& rect, std::string_view text, unsigned format) {
  calls.push_back({true, rect.left, rect.top, rect, format, std::string(text), color, font});
  if (forward) forward->DrawText(target, font, color, rect, text, format);
}
