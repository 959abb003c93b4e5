// One full water step of the game window over a board full of pieces carrying water, with
// fast-forward on so no popups are recorded.

#include <benchmark/benchmark.h>

#include "bench/alloc_counter.h"
#include "app/game_dlg.h"
#include "model/piece_catalogue.h"
#include "res/resource_ids.h"
#include "platform/scripted/scripted_framework.h"

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

// One water step; with state.range(0) set, the game's drawing surfaces exist and the step
// also refreshes the board picture, as it does in the running program.
void WaterStep(benchmark::State& state) {
  ScriptedFramework framework;
  CGameDlg dlg(framework);
  framework.Open(dlg);
  if (state.range(0) != 0) dlg.CreateDrawingResources();
  dlg.NewGame();
  dlg.GetGame().EditPosition().fastForward = 1;
  FillBoard(dlg);
  const Board start = dlg.GetGame().EditPosition().board;
  long allocations = 0;
  int steps = 0;
  for (auto _ : state) {
    if (steps++ % 4 == 0) {  // restart before the water settles
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

BENCHMARK(WaterStep)->ArgName("withPicture")->Arg(0)->Arg(1);
BENCHMARK_MAIN();
