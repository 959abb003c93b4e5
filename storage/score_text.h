#pragma once

#include <string>

// How both files hold a score: a whole number in plain decimal, rounded on writing ("%.0lf").

// Scores a file may carry. Up to 2^53 every whole number is exact in a double, so what is
// read is what is written back; beyond it a score cannot be a count of points.
constexpr double SCORE_LIMIT = 9007199254740992.0;

constexpr bool IsStorableScore(double score) {
  return score >= -SCORE_LIMIT && score <= SCORE_LIMIT;  // false for NaN
}

// The score rounded to a whole number, as "%.0lf" writes it.
std::string FormatScore(double score);
