#pragma once

#include <array>
#include <optional>

#include "game/game_position.h"
#include "platform/types.h"
#include "view/board_geometry.h"
#include "view/game_view.h"

// What a composed frame shows apart from the board picture and the rising popups: two equal
// looks give the same frame when neither of those changed either. The pause picture shows
// nothing of the game.
struct FrameLook {
  int state = -1;
  double score = 0.0;
  bool fastForward = false;
  std::array<int, 3> queue{};
  int current = 0;
  bool overDiscard = false;
  std::optional<CPoint> piece;
  std::optional<BoardSquare> cursor;

  bool operator==(const FrameLook&) const = default;
};

inline FrameLook LookOf(const GamePosition& game, const FrameExtras& extras) {
  if (game.state == Paused) {
    FrameLook paused;
    paused.state = game.state;
    return paused;
  }
  return FrameLook{game.state,   game.score,         game.fastForward, game.queue,
                   game.current, extras.overDiscard, extras.piece,     extras.cursor};
}
