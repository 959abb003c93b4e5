#include "platform/frame_diff.h"

#include <algorithm>
#include <cstring>

namespace {

// Whether row y of the two frames is equal in the columns [left, right).
bool RowsEqual(const CBitmap& a, const CBitmap& b, int y, int left, int right) {
  return std::memcmp(a.Row(y) + left, b.Row(y) + left, static_cast<std::size_t>(right - left) * 4) == 0;
}

// Widens [left, right) by the columns of [from, to) in which row y of the two frames differs.
void WidenByRow(const CBitmap& a, const CBitmap& b, int y, int from, int to, int& left, int& right) {
  const std::uint32_t* pa = a.Row(y);
  const std::uint32_t* pb = b.Row(y);
  int first = from;
  while (first < left && pa[first] == pb[first]) ++first;
  left = std::min(left, first);
  int last = to;
  while (last > right && pa[last - 1] == pb[last - 1]) --last;
  right = std::max(right, last);
}

}  // namespace

std::optional<CRect> ChangedRect(const CBitmap& before, const CBitmap& after, const CRect& within) {
  if (before.Width() != after.Width() || before.Height() != after.Height()) {
    if (after.IsEmpty()) return std::nullopt;
    return CRect{0, 0, after.Width(), after.Height()};
  }
  const int from = std::max(within.left, 0);
  const int to = std::min(within.right, after.Width());
  if (from >= to) return std::nullopt;
  int top = std::max(within.top, 0);
  int bottom = std::min(within.bottom, after.Height());
  while (top < bottom && RowsEqual(before, after, top, from, to)) ++top;
  if (top == bottom) return std::nullopt;
  while (bottom > top && RowsEqual(before, after, bottom - 1, from, to)) --bottom;

  int left = to;
  int right = from;
  for (int y = top; y < bottom; ++y) {
    if (!RowsEqual(before, after, y, from, to)) WidenByRow(before, after, y, from, to, left, right);
  }
  return CRect{left, top, right, bottom};
}

std::optional<CRect> ChangedRect(const CBitmap& before, const CBitmap& after) {
  return ChangedRect(before, after, CRect{0, 0, after.Width(), after.Height()});
}
