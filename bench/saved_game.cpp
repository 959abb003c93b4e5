// Saving and loading a full game: every square holds a joined crossing with water in every
// node and a full front, which makes the longest records, and so the largest file, the game
// can write.

#include <benchmark/benchmark.h>

#include "app/game_dlg.h"
#include "model/piece_catalogue.h"
#include "frontends/scripted/scripted_framework.h"
#include "frontends/scripted/temp_folder.h"

namespace {

struct FullGame {
  FullGame() {
    framework.Open(game);
    game.GetGame().Seed(2024);
    game.NewGame();
    for (int i = 0; i < BOARD_CELLS; ++i) {
      PipeCell& cell = game.GetGame().EditPosition().board[i];
      cell.CopyFrom(PieceCatalogue[PIECE_CROSS + i % 3]);
      for (PipeNode& node : cell.nodes) {
        if (node.kind > 0) node.fill = FILL_WET;
      }
      cell.front = {PORT_TOP, PORT_BOTTOM, PORT_LEFT, PORT_RIGHT, 4, 5, 6, 7};
      cell.frontCount = FRONT_CAPACITY;
    }
  }
  ScriptedFramework framework;
  CGameDlg game{framework};
  TempFolder folder;
  std::string path = folder.File("full.flm");
};

void BM_SaveGame(benchmark::State& state) {
  FullGame full;
  for (auto _ : state) {
    if (!full.game.SaveGame(full.path)) state.SkipWithError("save failed");
  }
  state.counters["file_bytes"] = static_cast<double>(FileContents(full.path).size());
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMicrosecond);

void BM_LoadGame(benchmark::State& state) {
  FullGame full;
  full.game.SaveGame(full.path);
  for (auto _ : state) {
    if (!full.game.LoadGame(full.path)) state.SkipWithError("load failed");
  }
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
