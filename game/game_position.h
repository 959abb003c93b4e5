#pragma once

#include <array>

#include "game/game_state.h"
#include "model/board.h"

// Everything that makes up a game's position, and exactly what a saved game holds: the play
// state, the score, the fast-forward switch, the queue (slot 0 the newest, slot 2 handed out
// next), the piece in hand and the board.
struct GamePosition {
  int state = Playing;
  double score = 0.0;
  bool fastForward = false;
  std::array<int, 3> queue{};
  int current = 0;
  Board board{};
};
