#include "tests/support/invariants.h"

#include <algorithm>

std::string CellInvariantBroken(const PipeCell& cell) {
  if (cell.frontCount < 0 || cell.frontCount > FRONT_CAPACITY) return "frontCount out of range";
  for (int n = 0; n < NODE_COUNT; ++n) {
    const PipeNode& node = cell.nodes[n];
    if (node.kind <= 0) continue;
    for (int t : node.links) {
      if (t == NO_LINK) continue;
      if (!IsNodeIndex(t)) return "link out of range at node " + std::to_string(n);
      if (t == n) return "node " + std::to_string(n) + " links itself";
      if (cell.nodes[t].kind <= 0) return "node " + std::to_string(n) + " links a free place";
      const auto& back = cell.nodes[t].links;
      if (std::find(back.begin(), back.end(), n) == back.end()) {
        return "link " + std::to_string(n) + "->" + std::to_string(t) + " has no back-link";
      }
    }
  }
  for (int i = 0; i < cell.frontCount; ++i) {
    const int e = cell.front[i];
    if (!IsNodeIndex(e)) return "front entry out of range";
    const int fill = cell.nodes[e].fill;
    if (fill != FILL_WET && fill != FILL_ARRIVING) return "front entry " + std::to_string(e) + " is dry";
    for (int j = 0; j < i; ++j) {
      if (cell.front[j] == e) return "front entry " + std::to_string(e) + " twice";
    }
  }
  return {};
}
