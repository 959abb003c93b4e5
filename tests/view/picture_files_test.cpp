#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "view/app_icon.h"
#include "view/bmp_image.h"
#include "view/png_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Big(const Bytes& b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
         (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

std::uint32_t Crc(const std::uint8_t* p, std::size_t n) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
  }
  return ~c;
}

// Reads back what a PNG reader would: checks every chunk's CRC and the zlib stream's
// stored blocks and Adler-32, and returns the header and the decompressed image data.
struct ReadPng {
  std::uint32_t width = 0, height = 0;
  int colourType = -1;
  Bytes data;
};

ReadPng Read(const Bytes& png) {
  ReadPng out;
  EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', 13, 10, 26, 10}));
  Bytes zlib;
  std::vector<std::string> types;
  for (std::size_t at = 8; at + 12 <= png.size();) {
    const std::uint32_t length = Big(png, at);
    const std::string type(png.begin() + static_cast<long>(at) + 4, png.begin() + static_cast<long>(at) + 8);
    types.push_back(type);
    EXPECT_EQ(Crc(png.data() + at + 4, length + 4), Big(png, at + 8 + length)) << type;
    if (type == "IHDR") {
      out.width = Big(png, at + 8);
      out.height = Big(png, at + 12);
      out.colourType = png[at + 17];
    }
    if (type == "IDAT") zlib.insert(zlib.end(), png.begin() + static_cast<long>(at) + 8, png.begin() + static_cast<long>(at + 8 + length));
    at += 12 + length;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  std::size_t at = 2;
  for (bool last = false; !last && at + 5 <= zlib.size();) {
    last = (zlib[at] & 1) != 0;
    EXPECT_EQ(zlib[at] & 6, 0) << "not a stored block";
    const std::size_t length = zlib[at + 1] | (zlib[at + 2] << 8);
    EXPECT_EQ(length ^ 0xFFFFu, std::size_t(zlib[at + 3] | (zlib[at + 4] << 8)));
    out.data.insert(out.data.end(), zlib.begin() + static_cast<long>(at) + 5, zlib.begin() + static_cast<long>(at + 5 + length));
    at += 5 + length;
  }
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : out.data) a = (a + byte) % 65521, b = (b + a) % 65521;
  EXPECT_EQ((b << 16) | a, Big(zlib, at));
  return out;
}

TEST(PngFile, RowsComeBackByteForByteWithAndWithoutAlpha) {
  // 150 x 120 RGBA is 72120 bytes of image data: more than one stored block.
  const int w = 150, h = 120;
  std::vector<std::uint32_t> pixels(w * h);
  for (int i = 0; i < w * h; ++i) pixels[i] = static_cast<std::uint32_t>(i) * 2654435761u;
  for (bool alpha : {false, true}) {
    const ReadPng png = Read(EncodePng(pixels.data(), w, h, alpha));
    EXPECT_EQ(png.width, std::uint32_t(w));
    EXPECT_EQ(png.height, std::uint32_t(h));
    EXPECT_EQ(png.colourType, alpha ? 6 : 2);
    const std::size_t channels = alpha ? 4 : 3;
    ASSERT_EQ(png.data.size(), h * (1 + w * channels));
    for (int y = 0; y < h; ++y) {
      const std::uint8_t* row = png.data.data() + y * (1 + w * channels);
      ASSERT_EQ(row[0], 0) << "filter";
      for (int x = 0; x < w; ++x) {
        const std::uint32_t p = pixels[y * w + x];
        const std::uint8_t* c = row + 1 + x * channels;
        ASSERT_EQ(c[0], (p >> 16) & 0xFF);
        ASSERT_EQ(c[1], (p >> 8) & 0xFF);
        ASSERT_EQ(c[2], p & 0xFF);
        if (alpha) {
          ASSERT_EQ(c[3], p >> 24);
        }
      }
    }
  }
}

TEST(PngFile, NothingToWriteOrNowhereToWriteItFails) {
  const std::uint32_t pixel = 0xFF112233u;
  EXPECT_TRUE(EncodePng(nullptr, 1, 1, false).empty());
  EXPECT_TRUE(EncodePng(&pixel, 0, 1, false).empty());
  EXPECT_FALSE(WritePngFile("/nonexistent-folder/frame.png", &pixel, 1, 1, false));
}

// A 24-bit BMP of 3 x 2 pixels: rows of 9 bytes padded to 12, bottom row first unless the
// height is negative.
Bytes SmallBmp(int height, int bitsPerPixel = 24) {
  Bytes b{'B', 'M'};
  auto put = [&b](std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put(54 + 24, 4), put(0, 4), put(54, 4), put(40, 4), put(3, 4), put(static_cast<std::uint32_t>(height), 4);
  put(1, 2), put(static_cast<std::uint32_t>(bitsPerPixel), 2), put(0, 4), put(24, 4);
  put(0, 4), put(0, 4), put(0, 4), put(0, 4);
  for (int row = 0; row < 2; ++row) {
    for (int x = 0; x < 3; ++x) b.insert(b.end(), {std::uint8_t(x), std::uint8_t(row), 0xEE});  // B G R
    b.insert(b.end(), 3, 0);
  }
  return b;
}

TEST(BmpImage, ReadsBottomUpAndTopDownRows) {
  for (int height : {2, -2}) {
    CBitmap bitmap;
    const Bytes bmp = SmallBmp(height);
    ASSERT_TRUE(DecodeBmp(bmp.data(), bmp.size(), bitmap));
    ASSERT_EQ(bitmap.Width(), 3);
    ASSERT_EQ(bitmap.Height(), 2);
    const int fileRowOfTop = height > 0 ? 1 : 0;
    EXPECT_EQ(bitmap.Pixel(2, 0), PixelRgb(0xEE, fileRowOfTop, 2));
    EXPECT_EQ(bitmap.Pixel(0, 1), PixelRgb(0xEE, 1 - fileRowOfTop, 0));
  }
}

TEST(BmpImage, RefusesMalformedFilesAndLeavesTheBitmapAlone) {
  CBitmap bitmap;
  bitmap.Create(5, 5);
  const Bytes good = SmallBmp(2);
  const Bytes truncated(good.begin(), good.end() - 1);
  Bytes wrongMagic = good;
  wrongMagic[0] = 'X';
  Bytes hugeWidth = good;
  hugeWidth[21] = 0x7F;  // width 0x7F000003
  Bytes pastTheEnd = good;
  pastTheEnd[10] = 60;  // pixel data said to start 6 bytes later
  for (const Bytes& bad : {truncated, wrongMagic, hugeWidth, pastTheEnd, SmallBmp(0), SmallBmp(2, 32),
                           Bytes(good.begin(), good.begin() + 20)}) {
    EXPECT_FALSE(DecodeBmp(bad.data(), bad.size(), bitmap));
    EXPECT_EQ(bitmap.Width(), 5);
  }
  EXPECT_FALSE(DecodeBmp(nullptr, 100, bitmap));
}

TEST(AppIcon, EverySizeIsATileOnATransparentGround) {
  for (int size : APP_ICON_SIZES) {
    CBitmap icon;
    ASSERT_TRUE(LoadAppIcon(icon, size));
    ASSERT_EQ(icon.Width(), size);
    ASSERT_EQ(icon.Height(), size);
    EXPECT_EQ(icon.Pixel(0, 0) >> 24, 0u) << size;
    EXPECT_EQ(icon.Pixel(size / 2, size / 2) >> 24, 255u) << size;
  }
  CBitmap icon;
  EXPECT_FALSE(LoadAppIcon(icon, 17));
  EXPECT_TRUE(icon.IsEmpty());
}

}  // namespace
