#pragma once

#include <array>
#include <bitset>

#include "model/board.h"

// What changed the score.
enum class ScoreKind {
  WaterMoved,  // the water moved on in a square
  Goal,        // the water reached the drain's grate
  Spill,       // water runs out of an open end
  Discard,     // the piece in hand was thrown away
  Unjoined,    // a laid piece meets no opening of a neighbour
  Removal,     // a dry piece was taken off the board
};

// One change of the score: what happened, at which square and how many points. Events are
// reported whether or not the score itself changed: water spilling in a finished game still
// says where it runs out.
struct ScoreEvent {
  ScoreKind kind;
  int col;     // the square; -1 for a discard, which happens at no square
  int row;
  int port;    // the port the water spills from (PORT_TOP...); -1 for the other kinds
  double points;
};

// The most score events one operation can make: a water step in which every square spills at
// all four sides and moves its water.
constexpr int MAX_SCORE_EVENTS = BOARD_CELLS * 5;

// What one operation of a Game did, for the window to show: the score events in order, the
// squares whose picture changed, whether the board must be drawn anew (pieces were laid,
// removed or replaced), and whether the water could go no further.
struct GameReport {
  std::array<ScoreEvent, MAX_SCORE_EVENTS> events;  // the first eventCount are valid
  int eventCount = 0;
  std::bitset<BOARD_CELLS> changedSquares;
  bool rebuild = false;
  bool waterStopped = false;

  void Add(const ScoreEvent& event) {
    if (eventCount < MAX_SCORE_EVENTS) events[eventCount++] = event;
  }
};
