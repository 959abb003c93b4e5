#pragma once

#include <cstdint>

// The game's one random number generator: a 32-bit linear congruential state. Every random
// decision draws from it, so a seed plus the player's inputs replays a game exactly.
class GameRandom {
 public:
  static void Seed(std::uint32_t value) { s_state = value; }
  // Advances the state and returns a draw 0..32767.
  static int Next() {
    s_state = s_state * 214013u + 2531011u;
    return static_cast<int>((s_state >> 16) & 32767u);
  }
  static std::uint32_t State() { return s_state; }

 private:
  static inline std::uint32_t s_state = 0;
};
