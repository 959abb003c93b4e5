#pragma once

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"
#include "platform/types.h"

// What one drawing did to an area of a bitmap: the area's pixels before and after it, with a
// key for what was drawn. The same drawing over the same pixels gives the same result, so a
// frame whose area lies as it did under the remembered drawing takes the kept result instead
// of drawing again. Used for text, whose layout costs far more than comparing a few rows.
class AreaMemo {
 public:
  // When the area holds what it held before the remembered drawing of key, lays the kept
  // result over it and returns true.
  bool Replay(CBitmap& target, const CRect& area, std::uint64_t key) const;
  // Remembers the area's pixels before drawing key...
  void KeepBefore(const CBitmap& target, const CRect& area, std::uint64_t key);
  // ... and after it.
  void KeepAfter(const CBitmap& target);

 private:
  CRect m_area;
  std::uint64_t m_key = 0;
  bool m_valid = false;
  std::vector<std::uint32_t> m_before;
  std::vector<std::uint32_t> m_after;
};
