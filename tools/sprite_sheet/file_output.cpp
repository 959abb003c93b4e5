#include "file_output.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "view/png_file.h"

namespace {

void PutLittle(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

std::string EncodeBmp(const Canvas& canvas) {
  const int rowBytes = (canvas.Width() * 3 + 3) / 4 * 4;
  const auto imageBytes = static_cast<std::uint32_t>(rowBytes * canvas.Height());
  std::string out;
  out += "BM";
  PutLittle(out, 54 + imageBytes, 4);
  PutLittle(out, 0, 4);
  PutLittle(out, 54, 4);
  PutLittle(out, 40, 4);  // BITMAPINFOHEADER
  PutLittle(out, static_cast<std::uint32_t>(canvas.Width()), 4);
  PutLittle(out, static_cast<std::uint32_t>(canvas.Height()), 4);
  PutLittle(out, 1, 2);
  PutLittle(out, 24, 2);
  PutLittle(out, 0, 4);  // no compression
  PutLittle(out, imageBytes, 4);
  PutLittle(out, 2835, 4);  // 72 dots per inch
  PutLittle(out, 2835, 4);
  PutLittle(out, 0, 4);
  PutLittle(out, 0, 4);
  for (int y = canvas.Height() - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < canvas.Width(); ++x) PutLittle(out, canvas.Get(x, y) & 0xFFFFFF, 3);
    out.append(static_cast<std::size_t>(rowBytes) - (out.size() - start), '\0');
  }
  return out;
}

// Bytes go into string literals, which compilers read far faster than brace lists of
// numbers. Printable characters stand for themselves; everything else is a three-digit octal
// escape, which can never swallow the character after it.
bool WriteEmbeddedBytes(const std::string& path, const std::string& name,
                        const std::string& bytes) {
  std::ostringstream out;
  out << "// Generated at build time by vandrel-sprite-sheet; do not edit.\n"
      << "#include <cstddef>\n\n"
      << "extern const unsigned char " << name << "[];\n"
      << "extern const std::size_t " << name << "_SIZE;\n"
      << "const std::size_t " << name << "_SIZE = " << bytes.size() << ";\n"
      << "const unsigned char " << name << "[] =\n";
  constexpr std::size_t perLine = 96;
  for (std::size_t start = 0; start < bytes.size(); start += perLine) {
    out << "    \"";
    for (std::size_t i = start; i < bytes.size() && i < start + perLine; ++i) {
      const auto c = static_cast<unsigned char>(bytes[i]);
      if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
        out << static_cast<char>(c);
      } else {
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\%03o", c);
        out << escape;
      }
    }
    out << "\"\n";
  }
  if (bytes.empty()) out << "    \"\"\n";
  out << "    ;\n";
  return WriteFile(path, out.str());
}

namespace {

// One icon image as a device-independent bitmap: the header (its height counts the colour
// rows and the mask rows together), the pixels bottom-up as B, G, R, A, then a 1-bit mask that
// marks the fully clear pixels.
std::string EncodeIconBitmap(const Canvas& image) {
  const int size = image.Width();
  std::string out;
  PutLittle(out, 40, 4);
  PutLittle(out, static_cast<std::uint32_t>(size), 4);
  PutLittle(out, static_cast<std::uint32_t>(size * 2), 4);
  PutLittle(out, 1, 2);
  PutLittle(out, 32, 2);
  for (int field = 0; field < 6; ++field) PutLittle(out, 0, 4);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      const std::uint32_t pixel = image.Get(x, y);
      PutLittle(out, pixel, 4);  // 0xAARRGGBB little-endian is B, G, R, A
    }
  }
  const int maskRowBytes = (size + 31) / 32 * 4;
  for (int y = size - 1; y >= 0; --y) {
    std::string row(static_cast<std::size_t>(maskRowBytes), '\0');
    for (int x = 0; x < size; ++x) {
      if ((image.Get(x, y) >> 24) == 0) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out += row;
  }
  return out;
}

}  // namespace

std::string EncodeIco(const std::vector<Canvas>& images) {
  std::vector<std::string> encoded;
  for (const Canvas& image : images) {
    if (image.Width() >= 256) {
      const std::vector<std::uint8_t> png =
          EncodePng(image.Pixels().data(), image.Width(), image.Height(), true);
      encoded.emplace_back(png.begin(), png.end());
    } else {
      encoded.push_back(EncodeIconBitmap(image));
    }
  }
  std::string out;
  PutLittle(out, 0, 2);
  PutLittle(out, 1, 2);  // an icon, not a cursor
  PutLittle(out, static_cast<std::uint32_t>(images.size()), 2);
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const int size = images[i].Width();
    out += static_cast<char>(size >= 256 ? 0 : size);  // 0 stands for 256
    out += static_cast<char>(size >= 256 ? 0 : size);
    PutLittle(out, 0, 2);  // no palette, reserved
    PutLittle(out, 1, 2);  // planes
    PutLittle(out, 32, 2);
    PutLittle(out, static_cast<std::uint32_t>(encoded[i].size()), 4);
    PutLittle(out, offset, 4);
    offset += static_cast<std::uint32_t>(encoded[i].size());
  }
  for (const std::string& image : encoded) out += image;
  return out;
}
