#pragma once

#include <string>

#include "canvas.h"

// What the generator writes. Each returns false when the file cannot be written completely.

bool WriteFile(const std::string& path, const std::string& bytes);
// The canvas as an uncompressed 24-bit bottom-up BMP (alpha is dropped).
std::string EncodeBmp(const Canvas& canvas);
// The bytes of a file as a C++ source defining `const unsigned char name[]` and
// `const std::size_t name_SIZE`, for embedding in the program.
bool WriteEmbeddedBytes(const std::string& path, const std::string& name,
                        const std::string& bytes);
