#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "model/piece_catalogue.h"
#include "tests/support/invariants.h"

namespace {

// The nodes along a path, starting at `start` and following the one link not yet visited.
std::vector<int> WalkPath(const PipeCell& cell, int start) {
  std::vector<int> path{start};
  int previous = -1;
  int current = start;
  for (;;) {
    int next = -1;
    for (int t : cell.nodes[current].links) {
      if (t >= 0 && t != previous) {
        next = t;
        break;
      }
    }
    if (next < 0) return path;
    path.push_back(next);
    previous = current;
    current = next;
  }
}

std::vector<int> Tiles(const PipeCell& cell, const std::vector<int>& path) {
  std::vector<int> tiles;
  for (int n : path) tiles.push_back(cell.nodes[n].kind);
  return tiles;
}

TEST(Catalogue, EveryTemplateIsADryValidCellOfItsKind) {
  for (int kind = 0; kind < PIECE_KIND_COUNT; ++kind) {
    const PipeCell& t = PieceCatalogue[kind];
    EXPECT_EQ(t.code, kind);
    EXPECT_FALSE(t.HasWater());
    EXPECT_EQ(t.frontCount, 0);
    EXPECT_EQ(CellInvariantBroken(t), "") << "kind " << kind;
    std::set<int> tiles;
    for (const PipeNode& node : t.nodes) {
      if (node.kind > 0) {
        EXPECT_TRUE(tiles.insert(node.kind).second) << "kind " << kind;
      }
    }
  }
}

TEST(Catalogue, StraightsAndBendsAreOnePathOfNineNodes) {
  const struct {
    int kind, from, to;
    std::vector<int> tiles;
  } cases[] = {
      {0, 0, 1, {1, 5, 6, 7, 8, 9, 10, 11, 3}},
      {1, 3, 2, {2, 12, 13, 14, 15, 16, 17, 18, 4}},
      {2, 0, 3, {1, 5, 6, 22, 26, 30, 13, 12, 2}},
      {3, 0, 2, {1, 5, 6, 33, 29, 25, 17, 18, 4}},
      {4, 1, 3, {3, 11, 10, 31, 27, 23, 13, 12, 2}},
      {5, 1, 2, {3, 11, 10, 24, 28, 32, 17, 18, 4}},
  };
  for (const auto& c : cases) {
    const PipeCell& t = PieceCatalogue[c.kind];
    const std::vector<int> path = WalkPath(t, c.from);
    EXPECT_EQ(path, (std::vector<int>{c.from, 4, 5, 6, 7, 8, 9, 10, c.to})) << "kind " << c.kind;
    EXPECT_EQ(Tiles(t, path), c.tiles) << "kind " << c.kind;
  }
  EXPECT_EQ(PieceCatalogue[0].nodes[10].links, (std::array<int, 3>{9, 1, -1}));
  EXPECT_EQ(PieceCatalogue[0].nodes[1].links, (std::array<int, 3>{10, -1, -1}));
}

TEST(Catalogue, TeesBranchAtNodeSixIntoArmsSevenAndEight) {
  const struct {
    int kind, stem, arm7Port, arm8Port;
    std::vector<int> arm7Tiles, arm8Tiles;
  } cases[] = {
      {6, 0, 2, 3, {38, 46, 17, 18}, {42, 50, 13, 12}},
      {7, 2, 0, 1, {45, 53, 6, 5}, {41, 49, 10, 11}},
      {8, 1, 2, 3, {44, 52, 17, 18}, {40, 48, 13, 12}},
      {9, 3, 0, 1, {39, 47, 6, 5}, {43, 51, 10, 11}},
  };
  for (const auto& c : cases) {
    const PipeCell& t = PieceCatalogue[c.kind];
    EXPECT_EQ(t.nodes[6].links, (std::array<int, 3>{5, 7, 8})) << "kind " << c.kind;
    EXPECT_EQ(t.nodes[c.stem].links[0], 4);
    EXPECT_EQ(t.nodes[4].links, (std::array<int, 3>{c.stem, 5, -1}));
    EXPECT_EQ(Tiles(t, {7, 9, 11, 12}), c.arm7Tiles);
    EXPECT_EQ(Tiles(t, {8, 10, 13, 14}), c.arm8Tiles);
    EXPECT_EQ(t.nodes[12].links, (std::array<int, 3>{11, c.arm7Port, -1}));
    EXPECT_EQ(t.nodes[14].links, (std::array<int, 3>{13, c.arm8Port, -1}));
    int junctions = 0;
    for (const PipeNode& node : t.nodes) junctions += node.links[2] >= 0;
    EXPECT_EQ(junctions, 1);
  }
}

TEST(Catalogue, DeadEndsHaveOnePortAndACap) {
  const int ports[] = {PORT_BOTTOM, PORT_TOP, PORT_RIGHT, PORT_LEFT};
  const int caps[] = {54, 56, 57, 55};
  for (int i = 0; i < 4; ++i) {
    const PipeCell& t = PieceCatalogue[PIECE_END_BOTTOM + i];
    EXPECT_EQ(WalkPath(t, ports[i]), (std::vector<int>{ports[i], 4, 5, 6}));
    EXPECT_EQ(t.nodes[6].kind, caps[i]);
    int nodes = 0;
    for (const PipeNode& node : t.nodes) nodes += node.kind > 0;
    EXPECT_EQ(nodes, 4);
  }
}

TEST(Catalogue, JoinedKindsHoldTwoSeparatePathsOverAllEighteenPlaces) {
  const struct {
    int kind, firstEnd, secondStart, secondEnd;
    std::vector<int> secondTiles;
  } cases[] = {
      {14, 1, 2, 3, {4, 18, 17, 21, 20, 19, 13, 12, 2}},
      {15, 3, 1, 2, {3, 11, 10, 24, 28, 32, 17, 18, 4}},
      {16, 2, 1, 3, {3, 11, 10, 31, 27, 23, 13, 12, 2}},
  };
  for (const auto& c : cases) {
    const PipeCell& t = PieceCatalogue[c.kind];
    for (const PipeNode& node : t.nodes) EXPECT_GT(node.kind, 0);
    EXPECT_EQ(WalkPath(t, 0), (std::vector<int>{0, 4, 5, 6, 7, 8, 9, 10, c.firstEnd}));
    const std::vector<int> second = WalkPath(t, c.secondStart);
    EXPECT_EQ(second, (std::vector<int>{c.secondStart, 11, 12, 13, 14, 15, 16, 17, c.secondEnd}));
    EXPECT_EQ(Tiles(t, second), c.secondTiles);
  }
}

}  // namespace
