#pragma once

#include "frontends/scripted/scripted_framework.h"

// The scripted framework with text that costs nothing: text goes to the toolkit or the browser
// in the programs, so the benchmarks measure our own pixel work alone.
class SilentText : public TextRenderer {
 public:
  void TextOut(CBitmap&, const FontSpec&, COLORREF, int, int, std::string_view) override {}
  void DrawText(CBitmap&, const FontSpec&, COLORREF, const CRect&, std::string_view,
                unsigned) override {}
};

class BenchFramework : public ScriptedFramework {
 public:
  TextRenderer* GetTextRenderer() override { return &silent; }
  SilentText silent;
};
