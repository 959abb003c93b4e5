#include "model/pipe_cell.h"

void PipeCell::CopyFrom(const PipeCell& other) { *this = other; }

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
