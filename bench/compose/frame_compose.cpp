// The same frames composed by the same code, to compare one build with another (the browser's
// WebAssembly against the native program): a whole game frame composed afresh, and a rebuild
// of a full board picture, each timed over many rounds with the text left out (text is the
// browser's or the toolkit's own work). Prints nanoseconds per frame and per rebuild.
//
//   build/bench/bench_frame_compose            (native)
//   node build-web/bench/bench_frame_compose.js  (WebAssembly)

#include <chrono>
#include <cstdio>

#include "app/game_dlg.h"
#include "bench/silent_framework.h"
#include "model/piece_catalogue.h"

namespace {

// Nanoseconds per call of work over rounds calls, after a few to warm up.
template <typename Work>
double NanosecondsPer(int rounds, Work work) {
  for (int i = 0; i < 10; ++i) work();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) work();
  const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / rounds;
}

}  // namespace

int main() {
  BenchFramework framework;
  CGameDlg game(framework);
  framework.Open(game);
  game.SetUpWindow(1234);
  // A game under way: a third of the board laid, water in some of it, no popup rising.
  for (int i = 0; i < BOARD_CELLS; i += 3) {
    PipeCell& square = game.GetGame().EditPosition().board[i];
    if (square.code == CELL_EMPTY) square.CopyFrom(PieceCatalogue[i % PIECE_KIND_COUNT]);
  }
  for (int tick = 0; tick < 40; ++tick) game.WaterTick();
  game.RedrawBoard(true);
  for (ScorePopup& popup : game.Popups()) popup.rise = popup.limit;

  const double frame = NanosecondsPer(400, [&game] {
    game.ForgetShownFrame();
    game.RedrawBoard(true);
    game.ComposeFrame({200, 200});
  });
  const double rebuild = NanosecondsPer(400, [&game] { game.RedrawBoard(true); });
  std::printf("whole frame (board rebuilt and composed): %.0f ns\n", frame);
  std::printf("board picture rebuilt alone:              %.0f ns\n", rebuild);
  return 0;
}
