// vandrel-sprite-sheet: draws the game's sprite sheet and icon from code.
//
// Usage: vandrel-sprite-sheet OUTPUT_DIR
// Writes into OUTPUT_DIR:
//   sprite_sheet.bmp         the sheet, 1697 x 523, 24-bit (for people to look at)
//   sprite_sheet_data.cpp    the same BMP file as bytes, compiled into the game
//   app_icon_data.cpp        the icon's pixels at every size, compiled into the game
//   vandrel-SIZE.png         the icon for a desktop entry, SIZE 16, 32, 48, 64, 128, 256
//   vandrel.ico              the same icon at every size, for the Windows program
// Exits non-zero when a file cannot be written.

#include <cstdio>
#include <string>

#include "file_output.h"
#include "picture_art.h"
#include "strip_art.h"
#include "view/app_icon.h"
#include "view/png_file.h"
#include "view/sprite_layout.h"

namespace {

Canvas DrawSheet() {
  Canvas sheet(SHEET_WIDTH, SHEET_HEIGHT, 0xFFFFFFFFu);
  PaintTileStrip(sheet);
  PaintColumnLabels(sheet);
  PaintScrollBackground(sheet, BACKGROUND_A_X, BACKGROUND_A_Y);
  // Background B is A with the figure added; its two extra columns are bare ground.
  sheet.CopyFrom(sheet, BACKGROUND_A_X, BACKGROUND_A_Y, BACKGROUND_A_WIDTH, BACKGROUND_HEIGHT,
                 BACKGROUND_B_X, BACKGROUND_B_Y);
  for (int y = 0; y < BACKGROUND_HEIGHT; ++y) {
    for (int x = BACKGROUND_A_WIDTH; x < BACKGROUND_B_WIDTH; ++x) {
      sheet.Set(BACKGROUND_B_X + x, BACKGROUND_B_Y + y, GROUND_PIXEL);
    }
  }
  PaintPauseFigure(sheet, BACKGROUND_B_X, BACKGROUND_B_Y);
  return sheet;
}

// Icon pixels as bytes A, R, G, B, one size after the other in APP_ICON_SIZES order.
bool WriteIcons(const std::string& dir) {
  std::string bytes;
  std::vector<Canvas> icons;
  for (int size : APP_ICON_SIZES) {
    const Canvas& icon = icons.emplace_back(DrawAppIcon(size));
    for (std::uint32_t pixel : icon.Pixels()) {
      for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<char>((pixel >> shift) & 0xFF));
    }
    const std::string png = dir + "/vandrel-" + std::to_string(size) + ".png";
    if (!WritePngFile(png, icon.Pixels().data(), size, size, true)) return false;
  }
  return WriteFile(dir + "/vandrel.ico", EncodeIco(icons)) &&
         WriteEmbeddedBytes(dir + "/app_icon_data.cpp", "APP_ICON_PIXELS", bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  const std::string bmp = EncodeBmp(DrawSheet());
  if (!WriteFile(dir + "/sprite_sheet.bmp", bmp) ||
      !WriteEmbeddedBytes(dir + "/sprite_sheet_data.cpp", "SPRITE_SHEET_BMP", bmp) ||
      !WriteIcons(dir)) {
    std::fprintf(stderr, "%s: cannot write into %s\n", argv[0], dir.c_str());
    return 1;
  }
  return 0;
}
