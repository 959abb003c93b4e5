#include "storage/score_text.h"

#include <cstdio>

std::string FormatScore(double score) {
  char text[400];  // "%.0lf" of the largest double has 309 digits
  const int length = std::snprintf(text, sizeof text, "%.0lf", score);
  return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}
