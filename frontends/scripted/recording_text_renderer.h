#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/font.h"
#include "platform/text_renderer.h"
#include "platform/types.h"

// One text call a surface made.
struct TextCall {
  bool drawText;  // DrawText into a rectangle, else TextOut at a point
  int x, y;
  CRect rect;
  unsigned format;
  std::string text;
  COLORREF color;
  FontSpec font;
};

// Records every text call, so tests can check where and in which colour each text was drawn.
class RecordingTextRenderer : public TextRenderer {
 public:
  void TextOut(CBitmap& target, const FontSpec& font, COLORREF color, int x, int y,
               std::string_view text) override;
  void DrawText(CBitmap& target, const FontSpec& font, COLORREF color, const CRect& rect,
                std::string_view text, unsigned format) override;
  std::vector<TextCall> calls;
  // When set, the calls are also passed on (a real renderer that draws the glyphs).
  TextRenderer* forward = nullptr;
};
