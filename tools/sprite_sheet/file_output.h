#pragma once

#include <string>
#include <vector>

#include "canvas.h"

// What the generator writes. Each returns false when the file cannot be written completely.

bool WriteFile(const std::string& path, const std::string& bytes);
// The canvas as an uncompressed 24-bit bottom-up BMP (alpha is dropped).
std::string EncodeBmp(const Canvas& canvas);
// A Windows icon file holding each canvas (square, 256 pixels a side at most) as one image:
// 32-bit pixels with alpha and a transparency mask, and a 256-pixel image as PNG, as the
// system expects it.
std::string EncodeIco(const std::vector<Canvas>& images);
// The bytes of a file as a C++ source defining `const unsigned char name[]` and
// `const std::size_t name_SIZE`, for embedding in the program.
bool WriteEmbeddedBytes(const std::string& path, const std::string& name,
                        const std::string& bytes);
