#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/end_pieces.h"
#include "model/piece_catalogue.h"
#include "tests/support/invariants.h"

namespace {

std::vector<int> Front(const PipeCell& cell) {
  return std::vector<int>(cell.front.begin(), cell.front.begin() + cell.frontCount);
}

// Water put into a port the way the water step hands it over.
void Pour(PipeCell& cell, int port, int fill) {
  cell.nodes[port].fill = fill;
  cell.front[cell.frontCount++] = port;
}

TEST(FlowStep, SourceReachesItsPortInFourStepsThenReportsIt) {
  PipeCell source;
  BuildSource(source, 0);
  EXPECT_EQ(source.nodes[0], (PipeNode{1, FILL_DRY, {4, -1, -1}}));
  EXPECT_EQ(source.nodes[4], (PipeNode{5, FILL_DRY, {0, 5, -1}}));
  EXPECT_EQ(source.nodes[6], (PipeNode{7, FILL_DRY, {5, 7, -1}}));
  EXPECT_EQ(source.nodes[7], (PipeNode{58, FILL_WET, {6, -1, -1}}));
  EXPECT_EQ(Front(source), (std::vector<int>{7}));
  const std::vector<std::vector<int>> fronts = {{6}, {5}, {4}, {0}, {0}, {0}};
  const int results[] = {WATER_MOVED, WATER_MOVED, WATER_MOVED, WATER_MOVED, WATER_AT_TOP,
                         WATER_AT_TOP};
  for (int step = 0; step < 6; ++step) {
    EXPECT_EQ(source.FlowStep(), results[step]) << "step " << step + 1;
    EXPECT_EQ(Front(source), fronts[step]) << "step " << step + 1;
  }
}

TEST(FlowStep, VerticalStraightEnteredAtTheTop) {
  PipeCell cell = PieceCatalogue[PIECE_VERTICAL];
  Pour(cell, PORT_TOP, FILL_ARRIVING);
  EXPECT_EQ(cell.FlowStep(), WATER_MOVED);  // the port turns wet, its bit not yet reported
  EXPECT_EQ(Front(cell), (std::vector<int>{0}));
  EXPECT_EQ(cell.FlowStep(), WATER_AT_TOP | WATER_MOVED);
  EXPECT_EQ(Front(cell), (std::vector<int>{0, 4}));
  for (int node = 5; node <= 10; ++node) {
    EXPECT_EQ(cell.FlowStep(), WATER_AT_TOP | WATER_MOVED);
    EXPECT_EQ(Front(cell), (std::vector<int>{0, node}));
  }
  EXPECT_EQ(cell.FlowStep(), WATER_AT_TOP | WATER_MOVED);
  EXPECT_EQ(Front(cell), (std::vector<int>{0, 1}));
  for (int later = 0; later < 3; ++later) {
    EXPECT_EQ(cell.FlowStep(), WATER_AT_TOP | WATER_AT_BOTTOM);
    EXPECT_EQ(Front(cell), (std::vector<int>{0, 1}));
  }
}

TEST(FlowStep, WetPortHandedInMovesOnInTheSameStep) {
  PipeCell cell = PieceCatalogue[PIECE_VERTICAL];
  Pour(cell, PORT_BOTTOM, FILL_WET);
  EXPECT_EQ(cell.FlowStep(), WATER_AT_BOTTOM | WATER_MOVED);
  EXPECT_EQ(Front(cell), (std::vector<int>{1, 10}));
}

TEST(FlowStep, TeeEnteredAtTheTopSplitsArmSevenFirst) {
  PipeCell cell = PieceCatalogue[PIECE_TEE_NO_BOTTOM];
  Pour(cell, PORT_TOP, FILL_WET);
  cell.FlowStep();  // node 4
  cell.FlowStep();  // node 5
  cell.FlowStep();  // junction 6
  EXPECT_EQ(Front(cell), (std::vector<int>{0, 6}));
  const std::vector<std::vector<int>> fronts = {{0, 7, 8}, {0, 9, 10}, {0, 11, 13}, {0, 12, 14},
                                                {0, 2, 3}};
  for (const auto& expected : fronts) {
    EXPECT_TRUE(cell.FlowStep() & WATER_MOVED);
    EXPECT_EQ(Front(cell), expected);
  }
  EXPECT_EQ(cell.FlowStep(), WATER_AT_TOP | WATER_AT_LEFT | WATER_AT_RIGHT);
  EXPECT_EQ(Front(cell), (std::vector<int>{0, 2, 3}));
}

TEST(FlowStep, DeadEndStopsAtItsCap) {
  PipeCell cell = PieceCatalogue[PIECE_END_TOP];
  Pour(cell, PORT_TOP, FILL_WET);
  for (int step = 0; step < 3; ++step) EXPECT_TRUE(cell.FlowStep() & WATER_MOVED);
  EXPECT_EQ(cell.nodes[6].fill, FILL_WET);
  EXPECT_EQ(cell.FlowStep(), WATER_AT_TOP);
  EXPECT_EQ(Front(cell), (std::vector<int>{0}));
}

TEST(FlowStep, CrossingCarriesWaterAlongOnePathOnly) {
  PipeCell cell = PieceCatalogue[PIECE_CROSS];
  Pour(cell, PORT_TOP, FILL_WET);
  for (int step = 0; step < 12; ++step) cell.FlowStep();
  for (int n : {0, 1, 4, 5, 6, 7, 8, 9, 10}) EXPECT_EQ(cell.nodes[n].fill, FILL_WET) << n;
  for (int n : {2, 3, 11, 12, 13, 14, 15, 16, 17}) EXPECT_EQ(cell.nodes[n].fill, FILL_DRY) << n;
}

TEST(FlowStep, WaterFromBothEndsMeetsInTheMiddle) {
  PipeCell cell = PieceCatalogue[PIECE_HORIZONTAL];
  Pour(cell, PORT_LEFT, FILL_WET);
  Pour(cell, PORT_RIGHT, FILL_WET);
  int lastMoved = 0;
  for (int step = 1; step <= 8; ++step) {
    if (cell.FlowStep() & WATER_MOVED) lastMoved = step;
  }
  EXPECT_EQ(lastMoved, 4);  // seven inner nodes, filled from both sides
  EXPECT_EQ(Front(cell), (std::vector<int>{2, 3}));
}

TEST(FlowStep, EmptyOrDryFrontsChangeNothing) {
  PipeCell cell = PieceCatalogue[PIECE_VERTICAL];
  cell.nodes[4].fill = FILL_WET;
  const PipeCell before = cell;
  EXPECT_EQ(cell.FlowStep(), 0);
  EXPECT_TRUE(cell.SameContents(before));

  cell.front[0] = 5;  // a dry entry is dropped, nothing else happens
  cell.frontCount = 1;
  EXPECT_EQ(cell.FlowStep(), 0);
  EXPECT_EQ(cell.frontCount, 0);
  EXPECT_EQ(cell.nodes[6].fill, FILL_DRY);
}

TEST(FlowStep, DamagedCellsNeverLeadOutsideTheRecord) {
  PipeCell cell = PieceCatalogue[PIECE_CROSS];
  for (PipeNode& node : cell.nodes) node.fill = FILL_WET;
  cell.nodes[4].links = {-5, 18, 1000};
  cell.nodes[4].fill = FILL_WET;
  cell.front = {4, 40, -3, 0, 1, 2, 3, 17};
  cell.frontCount = 1000;
  cell.FlowStep();
  EXPECT_LE(cell.frontCount, FRONT_CAPACITY);

  PipeCell crowded = PieceCatalogue[PIECE_CROSS];
  crowded.front = {0, 1, 2, 3, 0, 1, 2, 3};
  crowded.frontCount = 8;
  for (int port = 0; port < 4; ++port) crowded.nodes[port].fill = FILL_WET;
  crowded.FlowStep();  // four wet ports would spread to four dry nodes: at most 8 fit
  EXPECT_EQ(crowded.frontCount, FRONT_CAPACITY);
  for (const PipeNode& node : crowded.nodes) EXPECT_NE(node.fill, FILL_ARRIVING);

  PipeCell negative = PieceCatalogue[PIECE_VERTICAL];
  negative.frontCount = -4;
  EXPECT_EQ(negative.FlowStep(), 0);
}

// Every order in which water can enter a piece's ports: each port either stays dry or is
// handed water (wet or arriving) at some step 0..11.
void CheckFlowKeepsInvariants(PipeCell cell, unsigned seed) {
  std::array<int, PORT_COUNT> entryStep{};
  std::array<int, PORT_COUNT> entryFill{};
  for (int port = 0; port < PORT_COUNT; ++port) {
    seed = seed * 1103515245u + 12345u;
    entryStep[port] = static_cast<int>((seed >> 16) % 14) - 2;  // below 0: never
    entryFill[port] = (seed >> 8) & 1 ? FILL_WET : FILL_ARRIVING;
  }
  for (int step = 0; step < 40; ++step) {
    for (int port = 0; port < PORT_COUNT; ++port) {
      if (entryStep[port] == step && cell.nodes[port].kind > 0 &&
          cell.nodes[port].fill == FILL_DRY && cell.frontCount < FRONT_CAPACITY) {
        Pour(cell, port, entryFill[port]);
      }
    }
    ASSERT_EQ(CellInvariantBroken(cell), "") << "step " << step;
    cell.FlowStep();
    ASSERT_EQ(CellInvariantBroken(cell), "") << "after step " << step;
    for (const PipeNode& node : cell.nodes) ASSERT_NE(node.fill, FILL_ARRIVING);
  }
}

TEST(FlowStep, EveryPieceKeepsItsInvariantsWhateverOrderWaterEnters) {
  for (int kind = 0; kind < PIECE_KIND_COUNT; ++kind) {
    for (unsigned seed = 1; seed <= 400; ++seed) {
      CheckFlowKeepsInvariants(PieceCatalogue[kind], seed * 7919u + static_cast<unsigned>(kind));
      if (HasFatalFailure()) return;
    }
  }
}

TEST(FlowStep, JoinedSquaresWhoseOldPieceHeldWaterKeepTheirInvariants) {
  const int pairs[][2] = {{0, 1}, {1, 0}, {2, 5}, {5, 2}, {3, 4}, {4, 3}};
  for (const auto& pair : pairs) {
    for (int port = 0; port < PORT_COUNT; ++port) {
      for (int steps = 0; steps <= 10; ++steps) {
        PipeCell cell = PieceCatalogue[pair[0]];
        if (cell.nodes[port].kind <= 0) continue;
        Pour(cell, port, FILL_WET);
        for (int s = 0; s < steps; ++s) cell.FlowStep();
        cell.Join(PieceCatalogue[pair[1]]);
        ASSERT_EQ(CellInvariantBroken(cell), "");
        CheckFlowKeepsInvariants(cell, static_cast<unsigned>(port * 100 + steps));
        if (HasFatalFailure()) return;
      }
    }
  }
}

}  // namespace
