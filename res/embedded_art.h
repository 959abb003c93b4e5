#pragma once

#include <cstddef>

// Pictures compiled into the program. tools/sprite_sheet draws them and writes these arrays
// at build time; nothing is read from disk at run time.

// Bitmap resource 129, the sprite sheet, as the bytes of a 24-bit BMP file.
extern const unsigned char SPRITE_SHEET_BMP[];
extern const std::size_t SPRITE_SHEET_BMP_SIZE;

// Icon resource 128 at every size of APP_ICON_SIZES (view/app_icon.h), smallest first: each
// size x size pixels, rows top to bottom, four bytes per pixel in the order A, R, G, B.
extern const unsigned char APP_ICON_PIXELS[];
extern const std::size_t APP_ICON_PIXELS_SIZE;
