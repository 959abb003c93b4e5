#pragma once

#include <cstdint>

// The game's random number generator: a 32-bit linear congruential state. Every random
// decision of a game draws from its own generator, so a seed plus the player's inputs replays
// a game exactly.
class GameRandom {
 public:
  explicit GameRandom(std::uint32_t seed = 0) : m_state(seed) {}
  void Seed(std::uint32_t value) { m_state = value; }
  // Advances the state and returns a draw 0..32767.
  int Next() {
    m_state = m_state * 214013u + 2531011u;
    return static_cast<int>((m_state >> 16) & 32767u);
  }
  std::uint32_t State() const { return m_state; }

  bool operator==(const GameRandom&) const = default;

 private:
  std::uint32_t m_state;
};
