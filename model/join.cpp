#include "model/piece_catalogue.h"
#include "model/pipe_cell.h"

namespace {

// The joined template for an occupied square of kind `lying` taking a piece of kind `laid`,
// or -1 when the two do not cross. Only a straight across the other straight and a bend
// across the opposite bend make a crossing.
int CrossingTemplate(int lying, int laid) {
  struct Pair {
    int lying;
    int laid;
    int joined;
  };
  static constexpr Pair kPairs[] = {
      {PIECE_VERTICAL, PIECE_HORIZONTAL, PIECE_CROSS},
      {PIECE_HORIZONTAL, PIECE_VERTICAL, PIECE_CROSS},
      {PIECE_BEND_TOP_RIGHT, PIECE_BEND_BOTTOM_LEFT, PIECE_BENDS_TR_BL},
      {PIECE_BEND_BOTTOM_LEFT, PIECE_BEND_TOP_RIGHT, PIECE_BENDS_TR_BL},
      {PIECE_BEND_TOP_LEFT, PIECE_BEND_BOTTOM_RIGHT, PIECE_BENDS_TL_BR},
      {PIECE_BEND_BOTTOM_RIGHT, PIECE_BEND_TOP_LEFT, PIECE_BENDS_TL_BR},
  };
  for (const Pair& pair : kPairs) {
    if (pair.lying == lying && pair.laid == laid) return pair.joined;
  }
  return -1;
}

// A node of the old piece lives on in the joined square as the node with the same tile. The
// crossing's horizontal run uses the raised tiles 19..21 where a plain run has 14..16.
bool Corresponds(int oldKind, int newKind) {
  if (oldKind <= 0) return false;
  if (oldKind == newKind) return true;
  return newKind >= 19 && newKind <= 21 && oldKind == newKind - 5;
}

// Index of the node of `joined` that stands for old node `oldNode`, or -1.
int CorrespondingNode(const PipeCell& old, int oldNode, const PipeCell& joined) {
  if (!IsNodeIndex(oldNode)) return -1;
  int found = -1;
  for (int i = 0; i < NODE_COUNT; ++i) {
    if (Corresponds(old.nodes[oldNode].kind, joined.nodes[i].kind)) found = i;
  }
  return found;
}

}  // namespace

bool PipeCell::CanTake(const PipeCell& piece) const {
  return code == CELL_EMPTY || CrossingTemplate(code, piece.code) >= 0;
}

void PipeCell::Join(const PipeCell& piece) {
  if (code == CELL_EMPTY) {
    CopyFrom(piece);
    return;
  }
  const int joinedKind = CrossingTemplate(code, piece.code);
  if (joinedKind < 0) return;

  PipeCell joined;
  joined.CopyFrom(PieceCatalogue[joinedKind]);
  for (int o = 0; o < NODE_COUNT; ++o) {
    if (nodes[o].fill <= 0) continue;
    for (PipeNode& node : joined.nodes) {
      if (Corresponds(nodes[o].kind, node.kind)) node.fill = nodes[o].fill;
    }
  }
  const int count = frontCount < FRONT_CAPACITY ? frontCount : FRONT_CAPACITY;
  int kept = 0;
  for (int i = 0; i < count; ++i) {
    const int target = CorrespondingNode(*this, front[i], joined);
    if (target >= 0) joined.front[kept++] = target;
  }
  joined.frontCount = kept;
  CopyFrom(joined);
}
