// The cost of drawing, measured against the cheapest thing that touches as many pixels: a
// plain copy of a 479 x 458 frame of 32-bit pixels. Targets: a game frame at most 3 times
// the copy, a rebuild of a full board picture at most 12 times.
//
//   build/bench/bench_frame --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "app/game_dlg.h"
#include "model/piece_catalogue.h"
#include "res/dialog_templates.h"
#include "bench/silent_framework.h"

namespace {

// A game window after set-up, with a new game on its board.
struct Window {
  BenchFramework framework;
  CGameDlg dialog{framework};
  Window() {
    framework.Open(dialog);
    dialog.SetUpWindow(1234);
  }
};

constexpr std::size_t FRAME_BYTES = std::size_t{GAME_CLIENT_WIDTH} * GAME_CLIENT_HEIGHT * 4;

void BM_PlainCopy(benchmark::State& state) {
  std::vector<unsigned char> from(FRAME_BYTES, 0x5A), to(FRAME_BYTES);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), FRAME_BYTES);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlainCopy);

// A game under way: a third of the board laid, water in some of it, the pointer over the
// board with the system cursor showing (no carried piece) and no popup rising.
void BM_ComposeGameFrame(benchmark::State& state) {
  Window window;
  CGameDlg& game = window.dialog;
  for (int i = 0; i < BOARD_CELLS; i += 3) {
    if (game.GetGame().EditPosition().board[i].code == CELL_EMPTY) game.GetGame().EditPosition().board[i].CopyFrom(PieceCatalogue[i % PIECE_KIND_COUNT]);
  }
  for (int tick = 0; tick < 40; ++tick) game.WaterTick();
  game.RedrawBoard(true);
  game.RedrawBoard(false);
  for (ScorePopup& popup : game.Popups()) popup.rise = popup.limit;
  for (auto _ : state) {
    game.ComposeFrame({200, 200});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposeGameFrame);

// The paint and the animation heartbeat of an idle game: nothing changed since the last frame,
// so nothing is composed, copied or compared. Target: under 1 microsecond.
void BM_IdleFrame(benchmark::State& state) {
  Window window;
  CGameDlg& game = window.dialog;
  for (ScorePopup& popup : game.Popups()) popup.rise = popup.limit;
  window.framework.MovePointerTo(game, {200, 200});
  game.OnPaint();
  const int frames = window.framework.PortOf(game)->Frames();
  for (auto _ : state) {
    game.AnimationTick();
    game.OnPaint();
    benchmark::ClobberMemory();
  }
  if (window.framework.PortOf(game)->Frames() != frames) state.SkipWithError("a frame was composed");
}
BENCHMARK(BM_IdleFrame);

void BM_RebuildFullBoard(benchmark::State& state) {
  Window window;
  CGameDlg& game = window.dialog;
  for (int i = 0; i < BOARD_CELLS; ++i) game.GetGame().EditPosition().board[i].CopyFrom(PieceCatalogue[i % PIECE_KIND_COUNT]);
  for (auto _ : state) {
    game.RedrawBoard(true);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RebuildFullBoard);

}  // namespace

BENCHMARK_MAIN();
