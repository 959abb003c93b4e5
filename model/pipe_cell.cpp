#include "model/pipe_cell.h"

void PipeCell::Clear() {
  for (PipeNode& node : nodes) node = PipeNode{};
  code = CELL_EMPTY;
  frontCount = 0;
}

void PipeCell::CopyFrom(const PipeCell& other) { *this = other; }

bool PipeCell::AddNode(int slot, int kind, int link0, int link1, int link2) {
  int place = -1;
  if (slot >= 0 && slot < PORT_COUNT) {
    place = slot;
  } else {
    for (int i = FIRST_INNER_NODE; i < NODE_COUNT; ++i) {
      if (nodes[i].kind == 0) {
        place = i;
        break;
      }
    }
    if (place < 0) return false;
  }

  for (int target : {link0, link1, link2}) {
    if (!IsNodeIndex(target) || nodes[target].kind <= 0) continue;
    bool written = false;
    for (int& back : nodes[target].links) {
      if (back < 0) {
        back = place;
        written = true;
        break;
      }
    }
    if (!written) return false;
  }

  nodes[place].kind = kind;
  nodes[place].links = {link0, link1, link2};
  return true;
}

bool PipeCell::HasWater() const {
  for (const PipeNode& node : nodes) {
    if (node.fill != FILL_DRY) return true;
  }
  return false;
}

bool PipeCell::SameContents(const PipeCell& other) const {
  if (nodes != other.nodes || code != other.code || frontCount != other.frontCount) return false;
  for (int i = 0; i < frontCount && i < FRONT_CAPACITY; ++i) {
    if (front[i] != other.front[i]) return false;
  }
  return true;
}
