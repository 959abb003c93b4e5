#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "view/board_geometry.h"

// One game from seed 1234, as moves on squares, for the tests that play it by mouse, by keys and
// by touch and compare what each saw. The source at (9, 13) opens downwards and the pieces come
// in the order 4 10 8 0 9 6 5 7 4 11: the vertical leads the water down to (9, 14), the dead end
// at (9, 15) stops it there and the game ends. On the way pieces meet nothing or meet a piece,
// one is refused on the source, one is taken off again, two are thrown away, and the game is
// paused and resumed.
struct SampleMove {
  enum Kind { Lay, Remove, Discard, PauseAndResume, Water } kind;
  int col = 0;  // for Water: the steps
  int row = 0;
};
inline constexpr std::uint32_t SAMPLE_SEED = 1234;
inline constexpr SampleMove SAMPLE_GAME[] = {
    {SampleMove::Lay, 3, 3},  {SampleMove::Remove, 3, 3}, {SampleMove::Discard},
    {SampleMove::Lay, 9, 13}, {SampleMove::Lay, 5, 10},   {SampleMove::Lay, 9, 14},
    {SampleMove::Water, 6},   {SampleMove::Lay, 12, 7},   {SampleMove::Discard},
    {SampleMove::PauseAndResume}, {SampleMove::Lay, 0, 0}, {SampleMove::Lay, 15, 15},
    {SampleMove::Water, 10},  {SampleMove::Lay, 12, 6},   {SampleMove::Lay, 9, 15},
};

inline std::string ScriptAt(const char* command, CPoint point) {
  return std::string(command) + " " + std::to_string(point.x) + " " + std::to_string(point.y) + "\n";
}

// The arrow keys that take the board cursor from `from` to `to`.
inline std::string ArrowsTo(BoardSquare& from, BoardSquare to) {
  std::string keys;
  for (; from.col < to.col; ++from.col) keys += "key Right\n";
  for (; from.col > to.col; --from.col) keys += "key Left\n";
  for (; from.row < to.row; ++from.row) keys += "key Down\n";
  for (; from.row > to.row; --from.row) keys += "key Up\n";
  return keys;
}

// The sample game for the script player by mouse, pointing at the middle of each square or
// button before its click as a hand would (the hover tick lights the discard button), and by
// keys alone: the first arrow shows the cursor in the board's middle, and a paused game resumes
// by Enter on the cursor. Both then save to game.flm, answer the end's boxes (the name "Keys")
// and run the water to the end with fast-forward.
inline std::pair<std::string, std::string> SampleGameScripts() {
  const std::string start = "seed " + std::to_string(SAMPLE_SEED) + "\nnew\n";
  std::string mouse = start;
  std::string keys = start + "key Up\n";
  BoardSquare cursor{8, 8};
  for (const SampleMove& move : SAMPLE_GAME) {
    const BoardSquare square{move.col, move.row};
    switch (move.kind) {
      case SampleMove::Lay:
        mouse += ScriptAt("move", SquareCentre(square)) + ScriptAt("click", SquareCentre(square));
        keys += ArrowsTo(cursor, square) + "key Return\n";
        break;
      case SampleMove::Remove:
        mouse += ScriptAt("move", SquareCentre(square)) + ScriptAt("rclick", SquareCentre(square));
        keys += ArrowsTo(cursor, square) + "key Del\n";
        break;
      case SampleMove::Discard:
        mouse += ScriptAt("move", DISCARD_BUTTON.Centre()) + ScriptAt("click", DISCARD_BUTTON.Centre());
        keys += "key D\n";
        break;
      case SampleMove::PauseAndResume:
        // The click that resumes lays nothing, wherever it falls.
        mouse += ScriptAt("click", PAUSE_BUTTON.Centre()) + ScriptAt("click", SquareCentre(cursor));
        keys += "key P\nkey Return\n";
        break;
      case SampleMove::Water:
        mouse += "tick water " + std::to_string(move.col) + "\n";
        keys += "tick water " + std::to_string(move.col) + "\n";
        break;
    }
  }
  const std::string end = "save game.flm\nanswer ok\nanswer ok Keys\nanswer ok\n";
  mouse += end + ScriptAt("move", FAST_FORWARD_BUTTON.Centre()) +
           ScriptAt("click", FAST_FORWARD_BUTTON.Centre());
  keys += end + "key F\n";
  const std::string finish = "tick water 400\nscore\nstate\nboard\n";
  return {mouse + finish, keys + finish};
}
