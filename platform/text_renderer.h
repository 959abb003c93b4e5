#pragma once

#include <string_view>

#include "platform/bitmap.h"
#include "platform/font.h"
#include "platform/types.h"

// Draws text into a bitmap. Text is the one kind of drawing the core leaves to the back end:
// the toolkit implementation renders glyphs, the scripted one records the calls.
class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  // Text with its top-left corner at (x, y), transparent background. text is UTF-8.
  virtual void TextOut(CBitmap& target, const FontSpec& font, COLORREF color, int x, int y,
                       std::string_view text) = 0;
  // Text laid out in rect by format (DT_RIGHT: right-aligned, top), clipped to rect.
  virtual void DrawText(CBitmap& target, const FontSpec& font, COLORREF color, const CRect& rect,
                        std::string_view text, unsigned format) = 0;
};
