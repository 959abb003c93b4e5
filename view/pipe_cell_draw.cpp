#include <array>

#include "view/pipe_cell_draw.h"

#include "model/pipe_cell.h"
#include "platform/dc.h"
#include "view/sprite_surface.h"

namespace {

// The nodes a list names, at most NODE_COUNT, in a fixed array: drawing allocates nothing.
struct NodeList {
  std::array<const PipeNode*, NODE_COUNT> nodes{};
  int count = 0;
  void Add(const PipeNode& node) { nodes[static_cast<std::size_t>(count++)] = &node; }
  const PipeNode* const* begin() const { return nodes.data(); }
  const PipeNode* const* end() const { return nodes.data() + count; }
};

// Draws the framed tiles of the listed nodes, in order, with their top-left corner at (x, y):
// the same as copying each node's 20 x 20 tile with white as the key. When all tiles share
// their frame (the sheet's grid lines), the frame is written once and then only interiors,
// which lie inside the frame and so never meet it; a node outside the indexed tiles sends
// the whole list back to copying tile by tile, so that nothing depends on the order.
void DrawFramedNodes(const SpriteSurface& sprites, CDC& target, int x, int y, const NodeList& list,
                     bool frameStands) {
  bool indexed = sprites.SharedFrame();
  for (const PipeNode* node : list) indexed = indexed && SpriteSurface::IsTile(node->kind, node->fill);
  if (!indexed) {
    for (const PipeNode* node : list) sprites.CopyFramed(node->kind, node->fill, target, x, y);
    return;
  }
  if (list.count > 0 && !(frameStands && sprites.UniformFrame())) sprites.CopyFrame(target, x, y);
  for (const PipeNode* node : list) sprites.CopyInterior(node->kind, node->fill, target, x, y);
}

}  // namespace

void DrawCell(const PipeCell& cell, const SpriteSurface& sprites, CDC& target, int x, int y,
              bool frameStands) {
  NodeList list;
  for (const PipeNode& node : cell.nodes) {
    if (node.kind >= 0) list.Add(node);
  }
  DrawFramedNodes(sprites, target, x, y, list, frameStands);
}

void DrawCellBare(const PipeCell& cell, const SpriteSurface& sprites, CDC& target, int x, int y) {
  for (const PipeNode& node : cell.nodes) {
    if (node.kind >= 0) sprites.CopyInterior(node.kind, node.fill, target, x, y);
  }
}

void DrawCellFront(const PipeCell& cell, const SpriteSurface& sprites, CDC& target, int x, int y,
                   bool frameStands) {
  if (cell.frontCount <= 0) return;
  // A joined square holds two pieces whose slices overlap at the crossing; redrawing only the
  // front would let a dry slice of one path cover the other's water, so it is drawn whole.
  if (cell.code >= PIECE_CROSS) {
    DrawCell(cell, sprites, target, x, y, frameStands);
    return;
  }
  NodeList list;
  const int count = cell.frontCount < FRONT_CAPACITY ? cell.frontCount : FRONT_CAPACITY;
  for (int i = 0; i < count; ++i) {
    if (IsNodeIndex(cell.front[i])) list.Add(cell.nodes[cell.front[i]]);
  }
  DrawFramedNodes(sprites, target, x, y, list, frameStands);
}
