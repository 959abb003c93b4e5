#pragma once

#include <string>

// What a font was created with; the back end's text renderer turns it into a real face.
struct FontSpec {
  int height = 0;  // cell height in pixels
  int weight = 400;
  bool italic = false;
  int charset = 0;
  int pitchAndFamily = 0;
  std::string face;  // UTF-8
  bool operator==(const FontSpec&) const = default;
};

constexpr int FW_BOLD = 700;
constexpr int GB2312_CHARSET = 134;
constexpr int FF_MODERN_FAMILY = 0x38;

class CFont {
 public:
  // Records the font's parameters, after the desktop API's font call; width, escapement,
  // orientation, underline, strike-out and the precisions are accepted and not used.
  bool CreateFont(int height, int width, int escapement, int orientation, int weight,
                  bool italic, bool underline, bool strikeOut, int charset, int outPrecision,
                  int clipPrecision, int quality, int pitchAndFamily, const std::string& face);
  bool IsCreated() const { return m_created; }
  const FontSpec& Attributes() const { return m_spec; }

 private:
  FontSpec m_spec;
  bool m_created = false;
};
