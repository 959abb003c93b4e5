#include "view/bmp_image.h"

#include <cstdint>
#include <utility>

namespace {

constexpr std::size_t FILE_HEADER_SIZE = 14;
constexpr std::uint32_t INFO_HEADER_MIN = 40;
constexpr std::int64_t MAX_SIDE = 16384;

std::uint32_t Little(const unsigned char* p, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | p[i];
  return value;
}

struct BmpLayout {
  std::int64_t width = 0, height = 0;  // height positive; topDown says the row order
  bool topDown = false;
  std::size_t pixelOffset = 0, stride = 0;
};

bool ReadLayout(const unsigned char* data, std::size_t size, BmpLayout& out) {
  if (data == nullptr || size < FILE_HEADER_SIZE + INFO_HEADER_MIN) return false;
  if (data[0] != 'B' || data[1] != 'M') return false;
  if (Little(data + 14, 4) < INFO_HEADER_MIN) return false;
  const auto width = static_cast<std::int32_t>(Little(data + 18, 4));
  const auto height = static_cast<std::int32_t>(Little(data + 22, 4));
  if (Little(data + 26, 2) != 1 || Little(data + 28, 2) != 24 || Little(data + 30, 4) != 0) {
    return false;
  }
  out.width = width;
  out.topDown = height < 0;
  out.height = out.topDown ? -static_cast<std::int64_t>(height) : height;
  if (out.width < 1 || out.height < 1 || out.width > MAX_SIDE || out.height > MAX_SIDE) return false;
  out.pixelOffset = Little(data + 10, 4);
  out.stride = static_cast<std::size_t>((out.width * 3 + 3) / 4 * 4);
  const std::size_t needed = out.stride * static_cast<std::size_t>(out.height);
  return out.pixelOffset <= size && needed <= size - out.pixelOffset;
}

}  // namespace

bool DecodeBmp(const unsigned char* data, std::size_t size, CBitmap& bitmap) {
  BmpLayout layout;
  if (!ReadLayout(data, size, layout)) return false;
  CBitmap decoded;
  const int width = static_cast<int>(layout.width), height = static_cast<int>(layout.height);
  if (!decoded.Create(width, height)) return false;
  for (int y = 0; y < height; ++y) {
    const int fileRow = layout.topDown ? y : height - 1 - y;
    const unsigned char* p = data + layout.pixelOffset + layout.stride * static_cast<std::size_t>(fileRow);
    std::uint32_t* row = decoded.Row(y);
    for (int x = 0; x < width; ++x, p += 3) row[x] = PixelRgb(p[2], p[1], p[0]);
  }
  bitmap = std::move(decoded);
  return true;
}
