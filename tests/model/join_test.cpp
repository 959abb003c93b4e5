#include <gtest/gtest.h>

#include <vector>

#include "model/piece_catalogue.h"

namespace {

bool IsCrossingPair(int lying, int laid) {
  const int pairs[][2] = {{0, 1}, {1, 0}, {2, 5}, {5, 2}, {3, 4}, {4, 3}};
  for (const auto& p : pairs) {
    if (p[0] == lying && p[1] == laid) return true;
  }
  return false;
}

TEST(Join, OnlyEmptySquaresAndCrossingPartnersTakeAPiece) {
  PipeCell empty;
  PipeCell source;
  source.code = CELL_SOURCE;
  PipeCell drain;
  drain.code = CELL_DRAIN;
  for (int laid = 0; laid < PIECE_KIND_COUNT; ++laid) {
    const PipeCell& piece = PieceCatalogue[laid];
    EXPECT_TRUE(empty.CanTake(piece));
    EXPECT_FALSE(source.CanTake(piece));
    EXPECT_FALSE(drain.CanTake(piece));
    for (int lying = 0; lying < PIECE_KIND_COUNT; ++lying) {
      EXPECT_EQ(PieceCatalogue[lying].CanTake(piece), IsCrossingPair(lying, laid))
          << lying << " <- " << laid;
    }
  }
}

TEST(Join, LayingOnAnEmptySquareCopiesTheTemplate) {
  PipeCell square;
  square.Join(PieceCatalogue[PIECE_TEE_NO_LEFT]);
  EXPECT_TRUE(square.SameContents(PieceCatalogue[PIECE_TEE_NO_LEFT]));
}

TEST(Join, DryCrossingsDoNotDependOnWhichPieceCameFirst) {
  const int pairs[][3] = {{0, 1, 14}, {2, 5, 15}, {3, 4, 16}};
  for (const auto& p : pairs) {
    PipeCell a = PieceCatalogue[p[0]];
    PipeCell b = PieceCatalogue[p[1]];
    a.Join(PieceCatalogue[p[1]]);
    b.Join(PieceCatalogue[p[0]]);
    EXPECT_TRUE(a.SameContents(PieceCatalogue[p[2]]));
    EXPECT_TRUE(b.SameContents(PieceCatalogue[p[2]]));
  }
}

TEST(Join, CrossingAWetStraightKeepsItsWaterAndFront) {
  PipeCell square = PieceCatalogue[PIECE_HORIZONTAL];
  // Water from the left, wet up to node 7 (tile 15).
  for (int n : {2, 10, 9, 8, 7}) square.nodes[n].fill = FILL_WET;
  square.front[0] = 2;
  square.front[1] = 7;
  square.frontCount = 2;

  square.Join(PieceCatalogue[PIECE_VERTICAL]);
  EXPECT_EQ(square.code, PIECE_CROSS);
  std::vector<int> wet;
  for (int n = 0; n < NODE_COUNT; ++n) {
    if (square.nodes[n].fill == FILL_WET) wet.push_back(n);
  }
  EXPECT_EQ(wet, (std::vector<int>{2, 11, 12, 13, 14}));
  EXPECT_EQ(square.frontCount, 2);
  EXPECT_EQ(square.front[0], 2);
  EXPECT_EQ(square.front[1], 14);
  EXPECT_TRUE(square.HasWater());
}

TEST(Join, WetBendsMoveToTheirPlacesInTheJoinedTemplate) {
  auto wetAll = [](int kind) {
    PipeCell cell = PieceCatalogue[kind];
    for (PipeNode& node : cell.nodes) {
      if (node.kind > 0) node.fill = FILL_WET;
    }
    return cell;
  };
  PipeCell bend2 = wetAll(PIECE_BEND_TOP_RIGHT);
  bend2.Join(PieceCatalogue[PIECE_BEND_BOTTOM_LEFT]);
  PipeCell bend5 = wetAll(PIECE_BEND_BOTTOM_LEFT);
  bend5.Join(PieceCatalogue[PIECE_BEND_TOP_RIGHT]);
  for (int n = 0; n < NODE_COUNT; ++n) {
    const bool firstPath = n == 0 || n == 3 || (n >= 4 && n <= 10);
    EXPECT_EQ(bend2.nodes[n].fill, firstPath ? FILL_WET : FILL_DRY) << n;
    EXPECT_EQ(bend5.nodes[n].fill, firstPath ? FILL_DRY : FILL_WET) << n;
  }
  EXPECT_EQ(bend2.code, PIECE_BENDS_TR_BL);
}

TEST(Join, APairThatCannotCrossLeavesTheSquareUnchanged) {
  PipeCell square = PieceCatalogue[PIECE_VERTICAL];
  square.nodes[0].fill = FILL_WET;
  square.front[0] = 0;
  square.frontCount = 1;
  const PipeCell before = square;
  square.Join(PieceCatalogue[PIECE_VERTICAL]);
  EXPECT_TRUE(square.SameContents(before));
  PipeCell tee = PieceCatalogue[PIECE_TEE_NO_TOP];
  tee.Join(PieceCatalogue[PIECE_HORIZONTAL]);
  EXPECT_TRUE(tee.SameContents(PieceCatalogue[PIECE_TEE_NO_TOP]));
}

}  // namespace
