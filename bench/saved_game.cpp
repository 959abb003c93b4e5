// Saving and loading a full game: a board with a piece on every square and water through much
// of it, which is the largest file the game writes.

#include <benchmark/benchmark.h>

#include "game/game_dlg.h"
#include "game/game_random.h"
#include "model/piece_catalogue.h"
#include "tests/support/random_play.h"
#include "tests/support/scripted_framework.h"
#include "tests/support/temp_folder.h"

namespace {

struct FullGame {
  FullGame() {
    BuildPieceCatalogue();
    framework.Open(game);
    GameRandom::Seed(2024);
    game.NewGame();
    FillBoardWithWater(game, framework, 7);
  }
  ScriptedFramework framework;
  CGameDlg game{framework};
  TempFolder folder;
};

void BM_SaveGame(benchmark::State& state) {
  FullGame full;
  const std::string path = full.folder.File("full.flm");
  for (auto _ : state) {
    if (!full.game.SaveGame(path)) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMicrosecond);

void BM_LoadGame(benchmark::State& state) {
  FullGame full;
  const std::string path = full.folder.File("full.flm");
  full.game.SaveGame(path);
  for (auto _ : state) {
    if (!full.game.LoadGame(path)) state.SkipWithError("load failed");
  }
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
