#include "model/piece_catalogue.h"

#include <span>

namespace {

// One node of a template: its index, its tile and its links, exactly as the finished
// template holds them.
struct NodeSpec {
  int node;
  int tile;
  int l0 = NO_LINK;
  int l1 = NO_LINK;
  int l2 = NO_LINK;
};

// Ports are 0 top, 1 bottom, 2 left, 3 right; 4..17 are inner slices in the order they are
// added. A straight or bend is one path port-4..10-port; a tee has its junction at node 6
// with the arms 7-9-11-12 and 8-10-13-14; the joined kinds hold two paths.
constexpr NodeSpec kVertical[] = {{0, 1, 4},     {1, 3, 10},    {4, 5, 0, 5},  {5, 6, 4, 6},
                                  {6, 7, 5, 7},  {7, 8, 6, 8},  {8, 9, 7, 9},  {9, 10, 8, 10},
                                  {10, 11, 9, 1}};
constexpr NodeSpec kHorizontal[] = {{2, 4, 10},     {3, 2, 4},      {4, 12, 3, 5},
                                    {5, 13, 4, 6},  {6, 14, 5, 7},  {7, 15, 6, 8},
                                    {8, 16, 7, 9},  {9, 17, 8, 10}, {10, 18, 9, 2}};
constexpr NodeSpec kBendTopRight[] = {{0, 1, 4},     {3, 2, 10},    {4, 5, 0, 5},
                                      {5, 6, 4, 6},  {6, 22, 5, 7}, {7, 26, 6, 8},
                                      {8, 30, 7, 9}, {9, 13, 8, 10}, {10, 12, 9, 3}};
constexpr NodeSpec kBendTopLeft[] = {{0, 1, 4},     {2, 4, 10},    {4, 5, 0, 5},
                                     {5, 6, 4, 6},  {6, 33, 5, 7}, {7, 29, 6, 8},
                                     {8, 25, 7, 9}, {9, 17, 8, 10}, {10, 18, 9, 2}};
constexpr NodeSpec kBendBottomRight[] = {{1, 3, 4},      {3, 2, 10},    {4, 11, 1, 5},
                                         {5, 10, 4, 6},  {6, 31, 5, 7}, {7, 27, 6, 8},
                                         {8, 23, 7, 9},  {9, 13, 8, 10}, {10, 12, 9, 3}};
constexpr NodeSpec kBendBottomLeft[] = {{1, 3, 4},     {2, 4, 10},    {4, 11, 1, 5},
                                        {5, 10, 4, 6}, {6, 24, 5, 7}, {7, 28, 6, 8},
                                        {8, 32, 7, 9}, {9, 17, 8, 10}, {10, 18, 9, 2}};
constexpr NodeSpec kTeeNoBottom[] = {
    {0, 1, 4},      {2, 4, 12},     {3, 2, 14},      {4, 5, 0, 5},    {5, 6, 4, 6},
    {6, 34, 5, 7, 8}, {7, 38, 6, 9}, {8, 42, 6, 10},  {9, 46, 7, 11},  {10, 50, 8, 13},
    {11, 17, 9, 12}, {12, 18, 11, 2}, {13, 13, 10, 14}, {14, 12, 13, 3}};
constexpr NodeSpec kTeeNoRight[] = {
    {0, 1, 12},     {1, 3, 14},     {2, 4, 4},       {4, 18, 2, 5},   {5, 17, 4, 6},
    {6, 37, 5, 7, 8}, {7, 45, 6, 9}, {8, 41, 6, 10},  {9, 53, 7, 11},  {10, 49, 8, 13},
    {11, 6, 9, 12}, {12, 5, 11, 0}, {13, 10, 10, 14}, {14, 11, 13, 1}};
constexpr NodeSpec kTeeNoTop[] = {
    {1, 3, 4},      {2, 4, 12},     {3, 2, 14},      {4, 11, 1, 5},   {5, 10, 4, 6},
    {6, 36, 5, 7, 8}, {7, 44, 6, 9}, {8, 40, 6, 10},  {9, 52, 7, 11},  {10, 48, 8, 13},
    {11, 17, 9, 12}, {12, 18, 11, 2}, {13, 13, 10, 14}, {14, 12, 13, 3}};
constexpr NodeSpec kTeeNoLeft[] = {
    {0, 1, 12},     {1, 3, 14},     {3, 2, 4},       {4, 12, 3, 5},   {5, 13, 4, 6},
    {6, 35, 5, 7, 8}, {7, 39, 6, 9}, {8, 43, 6, 10},  {9, 47, 7, 11},  {10, 51, 8, 13},
    {11, 6, 9, 12}, {12, 5, 11, 0}, {13, 10, 10, 14}, {14, 11, 13, 1}};
constexpr NodeSpec kEndBottom[] = {{1, 3, 4}, {4, 11, 1, 5}, {5, 10, 4, 6}, {6, 54, 5}};
constexpr NodeSpec kEndTop[] = {{0, 1, 4}, {4, 5, 0, 5}, {5, 6, 4, 6}, {6, 56, 5}};
constexpr NodeSpec kEndRight[] = {{3, 2, 4}, {4, 12, 3, 5}, {5, 13, 4, 6}, {6, 57, 5}};
constexpr NodeSpec kEndLeft[] = {{2, 4, 4}, {4, 18, 2, 5}, {5, 17, 4, 6}, {6, 55, 5}};
constexpr NodeSpec kCross[] = {
    {0, 1, 4},       {1, 3, 10},      {2, 4, 11},      {3, 2, 17},      {4, 5, 0, 5},
    {5, 6, 4, 6},    {6, 7, 5, 7},    {7, 8, 6, 8},    {8, 9, 7, 9},    {9, 10, 8, 10},
    {10, 11, 9, 1},  {11, 18, 2, 12}, {12, 17, 11, 13}, {13, 21, 12, 14}, {14, 20, 13, 15},
    {15, 19, 14, 16}, {16, 13, 15, 17}, {17, 12, 16, 3}};
constexpr NodeSpec kBendsTrBl[] = {
    {0, 1, 4},       {1, 3, 11},      {2, 4, 17},      {3, 2, 10},      {4, 5, 0, 5},
    {5, 6, 4, 6},    {6, 22, 5, 7},   {7, 26, 6, 8},   {8, 30, 7, 9},   {9, 13, 8, 10},
    {10, 12, 9, 3},  {11, 11, 1, 12}, {12, 10, 11, 13}, {13, 24, 12, 14}, {14, 28, 13, 15},
    {15, 32, 14, 16}, {16, 17, 15, 17}, {17, 18, 16, 2}};
constexpr NodeSpec kBendsTlBr[] = {
    {0, 1, 4},       {1, 3, 11},      {2, 4, 10},      {3, 2, 17},      {4, 5, 0, 5},
    {5, 6, 4, 6},    {6, 33, 5, 7},   {7, 29, 6, 8},   {8, 25, 7, 9},   {9, 17, 8, 10},
    {10, 18, 9, 2},  {11, 11, 1, 12}, {12, 10, 11, 13}, {13, 31, 12, 14}, {14, 27, 13, 15},
    {15, 23, 14, 16}, {16, 13, 15, 17}, {17, 12, 16, 3}};

constexpr std::span<const NodeSpec> kTemplates[PIECE_KIND_COUNT] = {
    kVertical,    kHorizontal,   kBendTopRight, kBendTopLeft, kBendBottomRight, kBendBottomLeft,
    kTeeNoBottom, kTeeNoRight,   kTeeNoTop,     kTeeNoLeft,   kEndBottom,       kEndTop,
    kEndRight,    kEndLeft,      kCross,        kBendsTrBl,   kBendsTlBr};

// Only links to ports and to inner nodes added earlier are passed to AddNode; it writes the
// back-links itself, and the later links of a node arrive as back-links from later nodes.
constexpr int EarlierLink(int link, int node) {
  return (link >= 0 && link < PORT_COUNT) || (link >= FIRST_INNER_NODE && link < node) ? link
                                                                                        : NO_LINK;
}

constexpr void BuildTemplate(PipeCell& cell, int kind, std::span<const NodeSpec> layout) {
  cell.Clear();
  for (const NodeSpec& n : layout) {
    if (n.node < PORT_COUNT) cell.AddNode(n.node, n.tile, NO_LINK, NO_LINK, NO_LINK);
  }
  for (const NodeSpec& n : layout) {
    if (n.node < PORT_COUNT) continue;
    int links[LINK_COUNT] = {NO_LINK, NO_LINK, NO_LINK};
    int used = 0;
    for (int link : {n.l0, n.l1, n.l2}) {
      const int earlier = EarlierLink(link, n.node);
      if (earlier != NO_LINK) links[used++] = earlier;
    }
    cell.AddNode(NO_LINK, n.tile, links[0], links[1], links[2]);
  }
  cell.code = kind;
}

// Every template node for node and slot for slot, through AddNode as a piece is built.
constexpr PieceTemplates BuildPieceCatalogue() {
  PieceTemplates templates{};
  for (int kind = 0; kind < PIECE_KIND_COUNT; ++kind) {
    BuildTemplate(templates[kind], kind, kTemplates[kind]);
  }
  return templates;
}

}  // namespace

constexpr PieceTemplates PieceCatalogue = BuildPieceCatalogue();
