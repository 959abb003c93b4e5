#pragma once

#include <string_view>

#include "platform/bitmap.h"
#include "platform/font.h"
#include "platform/text_renderer.h"
#include "platform/types.h"

// A memory drawing surface: draws into the bitmap selected into it. Copies and fills are plain
// loops over pixels, clipped to both bitmaps, so every picture is exact and testable; text
// goes to the back end's renderer. Without a bitmap every call draws nothing.
class CDC {
 public:
  // Makes the surface usable; text is drawn by `text` (may be null: no text is drawn).
  bool CreateCompatibleDC(TextRenderer* text);
  bool IsCreated() const { return m_created; }

  CBitmap* SelectObject(CBitmap* bitmap);
  const CFont* SelectObject(const CFont* font);
  CBitmap* GetBitmap() const { return m_bitmap; }
  const CFont* GetFont() const { return m_font; }
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const { return m_textColor; }
  int SetBkMode(int mode);
  int GetBkMode() const { return m_bkMode; }

  // Plain copy of w x h pixels from (sx, sy) of src to (x, y).
  bool BitBlt(int x, int y, int w, int h, const CDC& src, int sx, int sy);
  // Copy of w x h pixels that leaves the target unchanged where the source has the key colour.
  // Source and destination sizes must be equal; nothing is stretched.
  bool TransparentBlt(int x, int y, int w, int h, const CDC& src, int sx, int sy, int sw, int sh,
                      COLORREF key);
  void FillSolidRect(const CRect& rect, COLORREF color);

  bool TextOut(int x, int y, std::string_view text);
  int DrawText(std::string_view text, const CRect& rect, unsigned format);

 private:
  bool m_created = false;
  CBitmap* m_bitmap = nullptr;
  const CFont* m_font = nullptr;
  TextRenderer* m_text = nullptr;
  COLORREF m_textColor = 0;
  int m_bkMode = OPAQUE;
};
