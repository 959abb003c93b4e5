#pragma once

#include "platform/text_renderer.h"

// The framework's text drawing on GDI: glyphs drawn by Windows into the game's own pictures.
class Win32TextRenderer : public TextRenderer {
 public:
  void TextOut(CBitmap& target, const FontSpec& font, COLORREF color, int x, int y,
               std::string_view text) override;
  void DrawText(CBitmap& target, const FontSpec& font, COLORREF color, const CRect& rect,
                std::string_view text, unsigned format) override;
};
