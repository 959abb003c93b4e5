#pragma once

#include "platform/text_renderer.h"

// Text drawn by the page's canvas in the face the page ships, without smoothing: each glyph
// pixel is either the colour or left as it was, as the desktop program draws its score.
class WebTextRenderer : public TextRenderer {
 public:
  void TextOut(CBitmap& target, const FontSpec& font, COLORREF color, int x, int y,
               std::string_view text) override;
  void DrawText(CBitmap& target, const FontSpec& font, COLORREF color, const CRect& rect,
                std::string_view text, unsigned format) override;
};
