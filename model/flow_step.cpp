#include "model/pipe_cell.h"

namespace {

// The new front under construction. It lives on the stack and never grows past the front's
// capacity: entries that would not fit are left out, so even a damaged cell cannot make the
// step write outside the record.
struct FrontBuilder {
  std::array<int, FRONT_CAPACITY> entries{};
  int count = 0;

  bool Full() const { return count >= FRONT_CAPACITY; }
  void Append(int node) {
    if (!Full()) entries[count++] = node;
  }
};

using Nodes = std::array<PipeNode, NODE_COUNT>;

// Water moves on from a wet node to linked node t when t exists, is dry and the new front has
// room for it; t then counts as arriving. Links outside 0..17 lead nowhere.
inline void Spread(Nodes& nodes, int t, FrontBuilder& next) {
  if (static_cast<unsigned>(t) >= static_cast<unsigned>(NODE_COUNT)) return;
  PipeNode& target = nodes[t];
  if (target.kind <= 0 || target.fill != FILL_DRY || next.Full()) return;
  target.fill = FILL_ARRIVING;
  next.entries[next.count++] = t;
}

}  // namespace

int PipeCell::FlowStep() {
  if (frontCount <= 0) return 0;

  const int oldCount = frontCount < FRONT_CAPACITY ? frontCount : FRONT_CAPACITY;
  FrontBuilder next;
  int result = 0;

  for (int i = 0; i < oldCount; ++i) {
    const int n = front[i];
    if (!IsNodeIndex(n)) continue;
    const PipeNode& node = nodes[n];
    if (node.fill == FILL_WET) {
      // A wet port stays in the front for good, so its neighbour is offered the water at
      // every step; a wet inner node has passed its water on and is dropped.
      if (n < PORT_COUNT) {
        next.Append(n);
        result |= 1 << n;
      }
      Spread(nodes, node.links[0], next);
      Spread(nodes, node.links[1], next);
      Spread(nodes, node.links[2], next);
    } else if (node.fill == FILL_ARRIVING) {
      next.Append(n);
    }
  }

  // Only entries of the old front spread water, so a node wetted in this step passes it on
  // no sooner than the next step: water advances one node per step.
  for (int i = 0; i < next.count; ++i) {
    front[i] = next.entries[i];
    PipeNode& node = nodes[next.entries[i]];
    if (node.fill == FILL_ARRIVING) {
      node.fill = FILL_WET;
      result |= WATER_MOVED;
    }
  }
  frontCount = next.count;
  return result;
}
