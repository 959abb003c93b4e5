#include "platform/scaled_frame.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Weights of one axis are whole numbers summing to this, so the result is the same on every
// machine.
constexpr int WEIGHT_ONE = 256;

// One frame pixel under a device pixel, and its share of the device pixel.
struct Tap {
  int index;
  int weight;
};

// The frame pixels under each device pixel of one axis: for device pixel d, those between
// (d - offset) / step and (d + 1 - offset) / step, clipped to the frame. first[i] .. first[i+1]
// index the taps of device pixel device + i; none when the frame does not reach it.
struct AxisTaps {
  std::vector<Tap> taps;
  std::vector<std::size_t> first;
};

// Shares of the covered length, rounded so that they sum to WEIGHT_ONE exactly.
void AddShares(AxisTaps& axis, double from, double to, int length) {
  const int low = std::max(0, static_cast<int>(std::floor(from)));
  const int high = std::min(length, static_cast<int>(std::ceil(to)));
  const double covered = std::min<double>(to, length) - std::max(0.0, from);
  if (high <= low || covered <= 0) return;
  const std::size_t start = axis.taps.size();
  int given = 0;
  for (int i = low; i < high; ++i) {
    const double part = std::min<double>(to, i + 1) - std::max<double>(from, i);
    const int weight = static_cast<int>(std::lround(part / covered * WEIGHT_ONE));
    if (weight > 0) axis.taps.push_back({i, weight});
    given += weight;
  }
  if (axis.taps.size() == start) {
    axis.taps.push_back({low, WEIGHT_ONE});
  } else {
    axis.taps.back().weight += WEIGHT_ONE - given;
  }
}

AxisTaps TapsOf(int deviceFrom, int deviceTo, double offset, double step, int length) {
  AxisTaps axis;
  for (int d = deviceFrom; d < deviceTo; ++d) {
    axis.first.push_back(axis.taps.size());
    AddShares(axis, (d - offset) / step, (d + 1 - offset) / step, length);
  }
  axis.first.push_back(axis.taps.size());
  return axis;
}

std::uint32_t Blend(const CBitmap& frame, const AxisTaps& xs, std::size_t xi, const AxisTaps& ys,
                    std::size_t yi) {
  std::uint32_t r = 0, g = 0, b = 0;
  for (std::size_t y = ys.first[yi]; y < ys.first[yi + 1]; ++y) {
    const std::uint32_t* row = frame.Row(ys.taps[y].index);
    for (std::size_t x = xs.first[xi]; x < xs.first[xi + 1]; ++x) {
      const auto weight = static_cast<std::uint32_t>(xs.taps[x].weight * ys.taps[y].weight);
      const std::uint32_t pixel = row[xs.taps[x].index];
      r += ((pixel >> 16) & 0xFFu) * weight;
      g += ((pixel >> 8) & 0xFFu) * weight;
      b += (pixel & 0xFFu) * weight;
    }
  }
  constexpr std::uint32_t HALF = WEIGHT_ONE * WEIGHT_ONE / 2;
  constexpr int SHIFT = 16;  // WEIGHT_ONE squared
  return 0xFF000000u | (((r + HALF) >> SHIFT) << 16) | (((g + HALF) >> SHIFT) << 8) |
         ((b + HALF) >> SHIFT);
}

// The frame pixel a device pixel of one axis shows at a whole factor, or -1 outside the frame.
int BlockSource(int device, double offset, int factor, int length) {
  const double at = std::floor((device - offset) / factor);
  return at >= 0 && at < length ? static_cast<int>(at) : -1;
}

// Whole factors: every device pixel is a copy of the frame pixel whose block it lies in.
void ScaleInBlocks(const CBitmap& frame, const FrameScale& scale, const CRect& device,
                   CBitmap& out) {
  std::vector<int> columns;
  for (int x = device.left; x < device.right; ++x) {
    columns.push_back(BlockSource(x, scale.offsetX, scale.factor, frame.Width()));
  }
  for (int y = 0; y < device.Height(); ++y) {
    std::uint32_t* row = out.Row(y);
    const int source = BlockSource(device.top + y, scale.offsetY, scale.factor, frame.Height());
    if (source < 0) {
      std::fill(row, row + device.Width(), FRAME_MARGIN_PIXEL);
      continue;
    }
    const std::uint32_t* from = frame.Row(source);
    for (int x = 0; x < device.Width(); ++x) {
      const int column = columns[static_cast<std::size_t>(x)];
      row[x] = column >= 0 ? from[column] : FRAME_MARGIN_PIXEL;
    }
  }
}

}  // namespace

void ScaleFrame(const CBitmap& frame, const FrameScale& scale, const CRect& device, CBitmap& out) {
  if (device.IsEmpty()) return;
  if (out.Width() != device.Width() || out.Height() != device.Height()) {
    out.Create(device.Width(), device.Height());
  }
  if (!scale.Smoothed()) {
    ScaleInBlocks(frame, scale, device, out);
    return;
  }
  const AxisTaps xs =
      TapsOf(device.left, device.right, scale.offsetX, scale.stepX, frame.Width());
  const AxisTaps ys =
      TapsOf(device.top, device.bottom, scale.offsetY, scale.stepY, frame.Height());
  for (int y = 0; y < device.Height(); ++y) {
    std::uint32_t* row = out.Row(y);
    const std::size_t yi = static_cast<std::size_t>(y);
    const bool rowCovered = ys.first[yi] < ys.first[yi + 1];
    for (int x = 0; x < device.Width(); ++x) {
      const std::size_t xi = static_cast<std::size_t>(x);
      row[x] = rowCovered && xs.first[xi] < xs.first[xi + 1] ? Blend(frame, xs, xi, ys, yi)
                                                             : FRAME_MARGIN_PIXEL;
    }
  }
}
