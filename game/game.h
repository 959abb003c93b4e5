#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/game_position.h"
#include "game/game_random.h"
#include "game/game_report.h"

// Intervals of the water step: every 5 s in play, every 30 ms with fast-forward on and while a
// finished network replays its water.
constexpr unsigned WATER_INTERVAL_MS = 5000;
constexpr unsigned FAST_INTERVAL_MS = 30;

// One game: its position and its own random generator, with the rules that change them. A
// plain value: copies play on independently, and two games with the same seed and the same
// inputs stay equal. It opens no dialog, starts no timer and draws nothing; each operation
// takes its input as arguments and reports what happened.
class Game {
 public:
  explicit Game(std::uint32_t seed = 0) : m_random(seed) {}

  const GamePosition& Position() const { return m_position; }
  const Board& Squares() const { return m_position.board; }
  int State() const { return m_position.state; }
  double Score() const { return m_position.score; }
  bool FastForward() const { return m_position.fastForward; }
  std::uint32_t RandomState() const { return m_random.State(); }

  // Seeds the game's random generator; the next NewGame deals from it.
  void Seed(std::uint32_t seed) { m_random.Seed(seed); }
  // The position itself, for tools and tests that set up a board square by square.
  GamePosition& EditPosition() { return m_position; }
  // Replaces the position, as opening a saved game does; the random generator goes on.
  void Restore(const GamePosition& position) { m_position = position; }

  // Empties the board and lays a drain and a source at random.
  void ResetBoard();
  // A fresh board and queue, score 10, Playing, fast-forward off.
  GameReport NewGame();
  // Moves the queue on by one piece, hands slot 2 to the pointer and deals slot 0 afresh.
  void DealNewPiece();

  // One water step over the whole board with its scoring. When nothing moved, the report says
  // the water stopped and the position is left as it is: the window announces the end while
  // the game still reads Playing, then calls EndOfFlow.
  GameReport WaterTick();
  // The water has stopped: a game in play is over, and the board is drained for the replay
  // (the source keeps its water, so the replay starts again from its wet port).
  GameReport EndOfFlow();

  // The player's moves. They do something only while the game is in play.
  GameReport LayPiece(int col, int row);
  GameReport RemovePiece(int col, int row);
  GameReport Discard();
  void ToggleFastForward();
  void Pause();
  // Only a paused game resumes.
  void Resume();

  // How often the water timer should fire in the present state: none while paused.
  std::optional<unsigned> WaterInterval() const;

  bool operator==(const Game& other) const;

 private:
  void ReRollSlotZero(int reRollModulus);
  int FreshKind() { return m_random.Next() % PIECE_DEALT_COUNT; }
  int Draw14() { return m_random.Next() % 14 + 1; }
  bool StepSquare(int col, int row, GameReport& report);
  bool MeetsNeighbour(const PipeCell& piece, int col, int row) const;
  // Reports event, and adds its points to the score when charge is set.
  void Score(GameReport& report, const ScoreEvent& event, bool charge);

  GamePosition m_position;
  GameRandom m_random;
};
