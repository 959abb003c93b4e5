#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A small PNG encoder: 8 bits per channel, RGB or RGBA, no interlacing, the image data in
// stored (uncompressed) deflate blocks. Files are larger than a compressing encoder's, but
// every PNG reader opens them. Used to write composed frames and the icon's desktop files.
//
// pixels: width x height values 0xAARRGGBB, rows top to bottom (the layout of CBitmap).
// With alpha false the alpha byte is ignored and an RGB image is written.

// The encoded file; empty when the size is not positive or pixels is null.
std::vector<std::uint8_t> EncodePng(const std::uint32_t* pixels, int width, int height,
                                    bool alpha);
// Encodes and writes to path. False when there is nothing to encode or the file could not be
// written completely.
bool WritePngFile(const std::string& path, const std::uint32_t* pixels, int width, int height,
                  bool alpha);
