#pragma once

#include <limits>
#include <string>

// How both files hold a score: a whole number in plain decimal, rounded on writing ("%.0lf").

// Scores a file may carry: every finite number. The writer can be handed any score the game
// reaches (one water step can push a large score past 2^53, where whole numbers are no longer
// all exact), and "%.0lf" writes every finite double as a whole number whose value reads back
// as exactly the double written; so whatever is written loads again.
constexpr double SCORE_LIMIT = std::numeric_limits<double>::max();

constexpr bool IsStorableScore(double score) {
  return score >= -SCORE_LIMIT && score <= SCORE_LIMIT;  // false for NaN and the infinities
}

// The score rounded to a whole number, as "%.0lf" writes it.
std::string FormatScore(double score);
