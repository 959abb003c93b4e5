// One FlowStep over all 256 squares of a board on which every square carries a water front.

#include <benchmark/benchmark.h>

#include "bench/alloc_counter.h"
#include "model/board.h"
#include "model/piece_catalogue.h"

namespace {

// Every square a crossing with water just handed into all four ports: each step moves the
// water on along both paths, the largest fronts a square can hold.
Board CrossingsWithWaterEntering() {
  Board board;
  for (PipeCell& cell : board) {
    cell = PieceCatalogue[PIECE_CROSS];
    for (int port = 0; port < PORT_COUNT; ++port) {
      cell.nodes[port].fill = FILL_WET;
      cell.front[cell.frontCount++] = port;
    }
  }
  return board;
}

// One FlowStep on every square; counts the allocations it made.
void Sweep(Board& board, long& allocations) {
  const long before = g_allocations.load();
  int bits = 0;
  for (PipeCell& cell : board) bits |= cell.FlowStep();
  allocations += g_allocations.load() - before;
  benchmark::DoNotOptimize(bits);
}

void SweepMovingWater(benchmark::State& state) {
  const Board start = CrossingsWithWaterEntering();
  Board board = start;
  int sweeps = 0;
  long allocations = 0;
  for (auto _ : state) {
    if (sweeps++ % 4 == 0) {  // the water stops after five steps; start again before that
      state.PauseTiming();
      board = start;
      state.ResumeTiming();
    }
    Sweep(board, allocations);
  }
  state.counters["allocations"] = static_cast<double>(allocations);
}

void SweepStandingWater(benchmark::State& state) {
  Board board = CrossingsWithWaterEntering();
  for (int i = 0; i < 12; ++i) {
    for (PipeCell& cell : board) cell.FlowStep();
  }
  long allocations = 0;
  for (auto _ : state) Sweep(board, allocations);
  state.counters["allocations"] = static_cast<double>(allocations);
}

// What the restarts of SweepMovingWater cost on their own, to read its figure against.
void RestartOverhead(benchmark::State& state) {
  int sweeps = 0;
  for (auto _ : state) {
    if (sweeps++ % 4 == 0) {
      state.PauseTiming();
      state.ResumeTiming();
    }
  }
}

}  // namespace

BENCHMARK(SweepMovingWater);
BENCHMARK(RestartOverhead);
BENCHMARK(SweepStandingWater);
BENCHMARK_MAIN();
