#pragma once

#include "platform/text_renderer.h"

// Draws the framework's text with QPainter straight into a CBitmap's pixels. Needs a
// QGuiApplication (the offscreen platform will do). Font faces the system lacks, such as
// "黑体", fall back to an installed CJK face.
class QtTextRenderer : public TextRenderer {
 public:
  void TextOut(CBitmap& target, const FontSpec& font, COLORREF color, int x, int y,
               std::string_view text) override;
  void DrawText(CBitmap& target, const FontSpec& font, COLORREF color, const CRect& rect,
                std::string_view text, unsigned format) override;
};
