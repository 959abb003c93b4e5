#include "platform/dc.h"

#include <algorithm>
#include <cstring>
#include <utility>

bool CBitmap::Create(int width, int height) {
  if (width < 1 || height < 1) return false;
  m_width = width;
  m_height = height;
  m_pixels.assign(static_cast<std::size_t>(width) * height, 0xFF000000u);
  return true;
}

bool CFont::CreateFont(int height, int, int, int, int weight, bool italic, bool, bool,
                       int charset, int, int, int, int pitchAndFamily, const std::string& face) {
  m_spec = FontSpec{height, weight, italic, charset, pitchAndFamily, face};
  m_created = true;
  return true;
}

bool CDC::CreateCompatibleDC(TextRenderer* text) {
  m_created = true;
  m_text = text;
  return true;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) { return std::exchange(m_bitmap, bitmap); }
const CFont* CDC::SelectObject(const CFont* font) { return std::exchange(m_font, font); }
COLORREF CDC::SetTextColor(COLORREF color) { return std::exchange(m_textColor, color); }
int CDC::SetBkMode(int mode) { return std::exchange(m_bkMode, mode); }

namespace {

// The part of a w x h copy from (sx, sy) to (x, y) that lies inside both bitmaps.
struct CopyArea {
  int x, y, sx, sy, w, h;
};

bool ClipCopy(CopyArea& a, const CBitmap& dst, const CBitmap& src) {
  const int shiftX = std::max({0, -a.x, -a.sx});
  const int shiftY = std::max({0, -a.y, -a.sy});
  a.x += shiftX;
  a.sx += shiftX;
  a.w -= shiftX;
  a.y += shiftY;
  a.sy += shiftY;
  a.h -= shiftY;
  a.w = std::min({a.w, dst.Width() - a.x, src.Width() - a.sx});
  a.h = std::min({a.h, dst.Height() - a.y, src.Height() - a.sy});
  return a.w > 0 && a.h > 0;
}

// Copies one row, leaving the target where the source has the key. Pixels go in blocks of
// eight: a block that is all key is skipped, any other is merged without a branch per pixel,
// which compilers turn into vector instructions. The few pixels left over go one by one.
void CopyKeyedRow(const std::uint32_t* from, std::uint32_t* to, int count, std::uint32_t key) {
  constexpr int BLOCK = 8;
  int i = 0;
  for (; i + BLOCK <= count; i += BLOCK) {
    std::uint32_t source[BLOCK];
    std::uint32_t differs = 0;
    for (int k = 0; k < BLOCK; ++k) {
      source[k] = from[i + k];
      differs |= source[k] ^ key;
    }
    if (differs == 0) continue;
    std::uint32_t target[BLOCK];
    for (int k = 0; k < BLOCK; ++k) target[k] = to[i + k];
    for (int k = 0; k < BLOCK; ++k) target[k] = source[k] == key ? target[k] : source[k];
    for (int k = 0; k < BLOCK; ++k) to[i + k] = target[k];
  }
  for (; i < count; ++i) {
    if (from[i] != key) to[i] = from[i];
  }
}

}  // namespace

bool CDC::BitBlt(int x, int y, int w, int h, const CDC& src, int sx, int sy) {
  if (m_bitmap == nullptr || src.m_bitmap == nullptr) return false;
  CopyArea a{x, y, sx, sy, w, h};
  if (!ClipCopy(a, *m_bitmap, *src.m_bitmap)) return true;
  // Rows of one bitmap copied onto itself may overlap; rows of two bitmaps never do.
  const bool sameBitmap = src.m_bitmap == m_bitmap;
  const std::size_t bytes = static_cast<std::size_t>(a.w) * sizeof(std::uint32_t);
  for (int row = 0; row < a.h; ++row) {
    const int fromRow = sameBitmap && a.sy < a.y ? a.h - 1 - row : row;
    const std::uint32_t* from = src.m_bitmap->Row(a.sy + fromRow) + a.sx;
    std::uint32_t* to = m_bitmap->Row(a.y + fromRow) + a.x;
    if (sameBitmap) {
      std::memmove(to, from, bytes);
    } else {
      std::memcpy(to, from, bytes);
    }
  }
  return true;
}

bool CDC::TransparentBlt(int x, int y, int w, int h, const CDC& src, int sx, int sy, int sw,
                         int sh, COLORREF key) {
  if (m_bitmap == nullptr || src.m_bitmap == nullptr || sw != w || sh != h) return false;
  CopyArea a{x, y, sx, sy, w, h};
  if (!ClipCopy(a, *m_bitmap, *src.m_bitmap)) return true;
  const std::uint32_t keyPixel = PixelFromColor(key);
  for (int row = 0; row < a.h; ++row) {
    CopyKeyedRow(src.m_bitmap->Row(a.sy + row) + a.sx, m_bitmap->Row(a.y + row) + a.x, a.w,
                 keyPixel);
  }
  return true;
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
  if (m_bitmap == nullptr) return;
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, m_bitmap->Width());
  const int bottom = std::min(rect.bottom, m_bitmap->Height());
  if (left >= right || top >= bottom) return;
  const std::uint32_t pixel = PixelFromColor(color);
  for (int y = top; y < bottom; ++y) std::fill(m_bitmap->Row(y) + left, m_bitmap->Row(y) + right, pixel);
}

bool CDC::TextOut(int x, int y, std::string_view text) {
  if (m_bitmap == nullptr || m_text == nullptr || m_font == nullptr) return false;
  m_text->TextOut(*m_bitmap, m_font->Attributes(), m_textColor, x, y, text);
  return true;
}

int CDC::DrawText(std::string_view text, const CRect& rect, unsigned format) {
  if (m_bitmap == nullptr || m_text == nullptr || m_font == nullptr) return 0;
  m_text->DrawText(*m_bitmap, m_font->Attributes(), m_textColor, rect, text, format);
  return rect.Height();
}
