#pragma once

#include <cstddef>

#include "platform/bitmap.h"

// Reads an uncompressed 24-bit BMP file (bottom-up or top-down rows) held in memory into
// bitmap. Returns false, leaving bitmap unchanged, for anything else: a truncated or
// malformed header, another pixel format, a size of 0 or above 16384 pixels a side, or pixel
// rows that run past the end of the data.
bool DecodeBmp(const unsigned char* data, std::size_t size, CBitmap& bitmap);
