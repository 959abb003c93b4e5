// One full water step of the game window over a board full of pieces carrying water, with
// fast-forward on so no popups are recorded.

#include <benchmark/benchmark.h>

#include "bench/alloc_counter.h"
#include "app/game_dlg.h"
#include "model/piece_catalogue.h"
#include "res/resource_ids.h"
#include "frontends/scripted/scripted_framework.h"

namespace {

// Every square holds a piece with water standing at its ports and moving inside, in a
// pattern of straights, bends, tees and crossings, so hand-overs, spills and moves all occur.
void FillBoard(CGameDlg& dlg) {
  const int kinds[] = {PIECE_CROSS, PIECE_HORIZONTAL, PIECE_TEE_NO_TOP, PIECE_BEND_TOP_LEFT,
                       PIECE_VERTICAL, PIECE_BENDS_TL_BR};
  for (int i = 0; i < BOARD_CELLS; ++i) {
    PipeCell& cell = dlg.GetGame().EditPosition().board[i];
    cell = PieceCatalogue[kinds[i % 6]];
    for (int port = 0; port < PORT_COUNT; ++port) {
      if (cell.nodes[port].kind > 0 && (i + port) % 3 != 0) {
        cell.nodes[port].fill = FILL_WET;
        cell.front[cell.frontCount++] = port;
      }
    }
  }
}

// How the water behaves in the measured steps.
enum WaterKind {
  EVERY_SQUARE_FLOWING,  // all 256 squares move their water in every step: the worst case
  FRONTS_FLOWING,        // a wet board whose water advances at a few fronts, as in play
  STANDING,              // water stands at the ports and spills; nothing moves
};

// Runs the game's own water steps until nothing in the picture changes any more, then empties
// every seventh square, so that water keeps spilling against dry ground and the game goes on.
// With fronts, every 23rd square is dried again, to be flooded anew from its wet neighbours.
void SettleWater(Game& game, bool fronts) {
  for (int step = 0; step < 400 && game.WaterTick().changedSquares.any(); ++step) {
  }
  Board& board = game.EditPosition().board;
  for (int i = 3; i < BOARD_CELLS; i += 7) board[i].Clear();
  for (int i = 5; fronts && i < BOARD_CELLS; i += 23) {
    for (PipeNode& node : board[i].nodes) node.fill = FILL_DRY;
    board[i].frontCount = 0;
  }
}

// One water step; with state.range(0) set, the game's drawing surfaces exist and the step
// also refreshes the board picture, as it does in the running program. state.range(1) is the
// WaterKind. Target: with the picture at most 1.5 times the step without, in play.
//
//   build/bench/bench_water_tick --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
void WaterStep(benchmark::State& state) {
  ScriptedFramework framework;
  CGameDlg dlg(framework);
  framework.Open(dlg);
  if (state.range(0) != 0) dlg.CreateDrawingResources();
  dlg.NewGame();
  dlg.GetGame().EditPosition().fastForward = 1;
  FillBoard(dlg);
  const bool standing = state.range(1) == STANDING;
  if (state.range(1) != EVERY_SQUARE_FLOWING) SettleWater(dlg.GetGame(), !standing);
  // The picture starts from the board as it stands, as after a laid piece.
  dlg.RedrawBoard(true);
  dlg.RedrawBoard(false);
  const Board start = dlg.GetGame().EditPosition().board;
  if (Game trial = dlg.GetGame(); trial.WaterTick().waterStopped) {
    state.SkipWithError("the water stopped");
    return;
  }
  // The squares a step draws again, on average over the four steps measured from the start.
  Game probe = dlg.GetGame();
  std::size_t changed = 0;
  for (int step = 0; step < 4; ++step) changed += probe.WaterTick().changedSquares.count();
  state.counters["squaresChanged"] = static_cast<double>(changed) / 4;
  long allocations = 0;
  int steps = 0;
  for (auto _ : state) {
    if (!standing && steps++ % 4 == 0) {  // restart before the water settles
      state.PauseTiming();
      dlg.GetGame().EditPosition().board = start;
      state.ResumeTiming();
    }
    const long before = g_allocations.load();
    dlg.WaterTick();
    allocations += g_allocations.load() - before;
  }
  state.counters["allocations"] = static_cast<double>(allocations);
}

}  // namespace

BENCHMARK(WaterStep)->ArgNames({"withPicture", "water"})->ArgsProduct({{0, 1}, {0, 1, 2}});
BENCHMARK_MAIN();
