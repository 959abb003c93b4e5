#include <gtest/gtest.h>

#include "model/pipe_cell.h"

namespace {

TEST(PipeCell, ClearedCellEqualsConstructedOne) {
  PipeCell cell;
  cell.AddNode(PORT_TOP, 1, -1, -1, -1);
  cell.AddNode(-1, 5, 0, -1, -1);
  cell.nodes[4].fill = FILL_WET;
  cell.code = 3;
  cell.front[0] = 4;
  cell.frontCount = 1;
  cell.Clear();
  EXPECT_TRUE(cell.SameContents(PipeCell{}));
  EXPECT_FALSE(cell.HasWater());
}

TEST(PipeCell, AddNodeTakesTheLowestFreeInnerPlaceWhateverTheSlot) {
  PipeCell a;
  PipeCell b;
  a.AddNode(PORT_LEFT, 4, -1, -1, -1);
  b.AddNode(PORT_LEFT, 4, -1, -1, -1);
  EXPECT_TRUE(a.AddNode(-1, 18, PORT_LEFT, -1, -1));
  EXPECT_TRUE(b.AddNode(5, 18, PORT_LEFT, -1, -1));  // inner places cannot be chosen
  EXPECT_TRUE(a.SameContents(b));
  EXPECT_EQ(a.nodes[4].kind, 18);
  EXPECT_EQ(a.nodes[PORT_LEFT].links[0], 4);
}

TEST(PipeCell, AddNodeFailsWithoutAFreeInnerPlaceAndChangesNothing) {
  PipeCell cell;
  for (int i = 0; i < 14; ++i) ASSERT_TRUE(cell.AddNode(-1, 5 + i, -1, -1, -1));
  const PipeCell before = cell;
  EXPECT_FALSE(cell.AddNode(-1, 30, 4, -1, -1));
  EXPECT_TRUE(cell.SameContents(before));
}

TEST(PipeCell, AddNodeStoresLinksToFreePlacesWithoutBackLink) {
  PipeCell cell;
  EXPECT_TRUE(cell.AddNode(-1, 5, 9, 40, -7));
  EXPECT_EQ(cell.nodes[4].links, (std::array<int, 3>{9, 40, -7}));
  EXPECT_EQ(cell.nodes[9].links, (std::array<int, 3>{-1, -1, -1}));
}

TEST(PipeCell, AddNodeStopsAtANodeWithoutFreeLinkSlotKeepingEarlierBackLinks) {
  PipeCell cell;
  cell.AddNode(PORT_TOP, 1, -1, -1, -1);
  cell.AddNode(-1, 5, 0, -1, -1);       // node 4
  cell.AddNode(-1, 6, 4, -1, -1);       // node 5
  cell.AddNode(-1, 7, 4, -1, -1);       // node 6: node 4 now links 0, 5, 6
  EXPECT_FALSE(cell.AddNode(-1, 8, 5, 4, -1));
  EXPECT_EQ(cell.nodes[5].links[1], 7);  // written before node 4 refused
  EXPECT_EQ(cell.nodes[7].kind, 0);      // the new node itself is not written
}

TEST(PipeCell, HasWaterLooksAtEveryNodeInUseOrNot) {
  PipeCell cell;
  EXPECT_FALSE(cell.HasWater());
  cell.nodes[17].fill = FILL_ARRIVING;
  EXPECT_TRUE(cell.HasWater());
}

}  // namespace
