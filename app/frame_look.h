#pragma once

#include <array>

#include "game/game_position.h"
#include "platform/types.h"

// What a composed frame shows apart from the board picture and the rising popups: two equal
// looks give the same frame when neither of those changed either. The pointer counts only
// while the carried piece follows it, and the pause picture shows nothing of the game.
struct FrameLook {
  int state = -1;
  double score = 0.0;
  bool fastForward = false;
  std::array<int, 3> queue{};
  int current = 0;
  bool cursorShown = true;
  bool overDiscard = false;
  CPoint pointer;

  bool operator==(const FrameLook&) const = default;
};

inline FrameLook LookOf(const GamePosition& game, bool cursorShown, bool overDiscard,
                        CPoint pointer) {
  if (game.state == Paused) {
    FrameLook paused;
    paused.state = game.state;
    return paused;
  }
  return FrameLook{game.state, game.score, game.fastForward, game.queue, game.current,
                   cursorShown, overDiscard, cursorShown ? CPoint{} : pointer};
}
