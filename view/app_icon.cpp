#include "view/app_icon.h"

#include <cstddef>
#include <cstdint>
#include <utility>

#include "res/embedded_art.h"

bool LoadAppIcon(CBitmap& bitmap, int size) {
  std::size_t offset = 0;
  for (int candidate : APP_ICON_SIZES) {
    const std::size_t bytes = static_cast<std::size_t>(candidate) * static_cast<std::size_t>(candidate) * 4;
    if (candidate == size) {
      if (offset + bytes > APP_ICON_PIXELS_SIZE) return false;
      CBitmap icon;
      if (!icon.Create(size, size)) return false;
      const unsigned char* p = APP_ICON_PIXELS + offset;
      std::uint32_t* pixels = icon.Bits();
      for (std::size_t i = 0; i < bytes / 4; ++i, p += 4) {
        pixels[i] = (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
                    (std::uint32_t{p[2]} << 8) | p[3];
      }
      bitmap = std::move(icon);
      return true;
    }
    offset += bytes;
  }
  return false;
}
