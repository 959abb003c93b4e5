#include "platform/qt/frame_diff.h"

#include <algorithm>
#include <cstring>

namespace {

bool RowsEqual(const CBitmap& a, const CBitmap& b, int y) {
  return std::memcmp(a.Row(y), b.Row(y), static_cast<std::size_t>(a.Width()) * 4) == 0;
}

// Widens [left, right) by the columns in which row y of the two frames differs.
void WidenByRow(const CBitmap& a, const CBitmap& b, int y, int& left, int& right) {
  const std::uint32_t* pa = a.Row(y);
  const std::uint32_t* pb = b.Row(y);
  int first = 0;
  while (first < left && pa[first] == pb[first]) ++first;
  left = std::min(left, first);
  int last = a.Width();
  while (last > right && pa[last - 1] == pb[last - 1]) --last;
  right = std::max(right, last);
}

}  // namespace

std::optional<CRect> ChangedRect(const CBitmap& before, const CBitmap& after) {
  if (before.Width() != after.Width() || before.Height() != after.Height()) {
    if (after.IsEmpty()) return std::nullopt;
    return CRect{0, 0, after.Width(), after.Height()};
  }
  int top = 0;
  while (top < after.Height() && RowsEqual(before, after, top)) ++top;
  if (top == after.Height()) return std::nullopt;
  int bottom = after.Height();
  while (bottom > top && RowsEqual(before, after, bottom - 1)) --bottom;

  int left = after.Width();
  int right = 0;
  for (int y = top; y < bottom; ++y) {
    if (!RowsEqual(before, after, y)) WidenByRow(before, after, y, left, right);
  }
  return CRect{left, top, right, bottom};
}
