#include "view/area_memo.h"

#include <algorithm>
#include <cstring>

namespace {

CRect ClipTo(const CBitmap& bitmap, const CRect& area) {
  return CRect{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, bitmap.Width()),
               std::min(area.bottom, bitmap.Height())};
}

std::size_t RowBytes(const CRect& area) { return sizeof(std::uint32_t) * static_cast<std::size_t>(area.Width()); }

void Save(const CBitmap& bitmap, const CRect& area, std::vector<std::uint32_t>& pixels) {
  pixels.resize(static_cast<std::size_t>(area.Width()) * static_cast<std::size_t>(area.Height()));
  std::uint32_t* to = pixels.data();
  for (int y = area.top; y < area.bottom; ++y, to += area.Width()) {
    std::memcpy(to, bitmap.Row(y) + area.left, RowBytes(area));
  }
}

}  // namespace

bool AreaMemo::Replay(CBitmap& target, const CRect& area, std::uint64_t key) const {
  const CRect clipped = ClipTo(target, area);
  if (!m_valid || key != m_key || !(clipped == m_area)) return false;
  const std::uint32_t* before = m_before.data();
  for (int y = m_area.top; y < m_area.bottom; ++y, before += m_area.Width()) {
    if (std::memcmp(target.Row(y) + m_area.left, before, RowBytes(m_area)) != 0) return false;
  }
  const std::uint32_t* after = m_after.data();
  for (int y = m_area.top; y < m_area.bottom; ++y, after += m_area.Width()) {
    std::memcpy(target.Row(y) + m_area.left, after, RowBytes(m_area));
  }
  return true;
}

void AreaMemo::KeepBefore(const CBitmap& target, const CRect& area, std::uint64_t key) {
  m_area = ClipTo(target, area);
  m_key = key;
  m_valid = m_area.Width() > 0 && m_area.Height() > 0;
  if (m_valid) Save(target, m_area, m_before);
}

void AreaMemo::KeepAfter(const CBitmap& target) {
  if (m_valid) Save(target, m_area, m_after);
}
