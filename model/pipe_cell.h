#pragma once

#include <array>
#include <string>

#include "model/pipe_constants.h"

// One short slice of pipe inside a square. kind 0 marks a free node place; otherwise kind is
// the sprite-sheet column that pictures the slice. links name the nodes the water reaches
// next, used from slot 0 upward.
struct PipeNode {
  int kind = 0;
  int fill = FILL_DRY;
  std::array<int, LINK_COUNT> links{NO_LINK, NO_LINK, NO_LINK};

  bool operator==(const PipeNode&) const = default;
};

// What lies on one square: up to 18 nodes (0..3 the ports, 4..17 inner slices), what the
// square holds, and the front: the nodes at which water stands or is arriving. A fixed record
// of plain integers, copied by value; nothing here allocates.
struct PipeCell {
  std::array<PipeNode, NODE_COUNT> nodes{};
  int code = CELL_EMPTY;
  std::array<int, FRONT_CAPACITY> front{};
  int frontCount = 0;

  // Makes the square empty. The front entries are left as they are; only frontCount counts.
  constexpr void Clear();
  // Makes this cell an exact copy of other, front entries included.
  void CopyFrom(const PipeCell& other);
  // Defines one node and writes back-links into the existing nodes it links to. Slots 0..3
  // name a port; any other slot takes the lowest free inner place. Returns false when no
  // inner place is free (nothing changed) or a linked node has no free link slot (back-links
  // written earlier in the same call remain, the node itself is not written).
  constexpr bool AddNode(int slot, int kind, int link0, int link1, int link2);
  // Whether any of the 18 nodes holds water, in use or not.
  bool HasWater() const;
  // Moves the water inside this square by one node; returns WATER_* bits.
  int FlowStep();
  // Whether piece may be laid here: on an empty square, or across its crossing partner.
  bool CanTake(const PipeCell& piece) const;
  // Lays piece here, keeping the water of a crossed piece. A pair CanTake refuses leaves the
  // square unchanged.
  void Join(const PipeCell& piece);

  // True for node places 0..3 whose node exists as a port mouth.
  bool HasPortOpening(int port) const {
    const int kind = nodes[port].kind;
    return kind >= PORT_KIND_MIN && kind <= PORT_KIND_MAX;
  }

  // Equality over every field the square's behaviour depends on: the nodes, the code and the
  // valid front entries.
  bool SameContents(const PipeCell& other) const;
};

// True when a node index may be followed: 0..17.
constexpr bool IsNodeIndex(int index) { return index >= 0 && index < NODE_COUNT; }

// Clear and AddNode are constant expressions so that the piece catalogue is built by the
// compiler.
constexpr void PipeCell::Clear() {
  for (PipeNode& node : nodes) node = PipeNode{};
  code = CELL_EMPTY;
  frontCount = 0;
}

constexpr bool PipeCell::AddNode(int slot, int kind, int link0, int link1, int link2) {
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
