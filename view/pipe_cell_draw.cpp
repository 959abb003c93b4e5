#include "game/board_geometry.h"
#include "model/pipe_cell.h"
#include "platform/dc.h"
#include "view/sprite_layout.h"

namespace {

constexpr COLORREF KEY_WHITE = RGB(255, 255, 255);

void DrawFramedTile(const CDC& sprites, CDC& target, const PipeNode& node, int x, int y) {
  target.TransparentBlt(x, y, TILE_FRAMED, TILE_FRAMED, sprites, SheetTileX(node.kind),
                        SheetTileY(node.fill), TILE_FRAMED, TILE_FRAMED, KEY_WHITE);
}

}  // namespace

void PipeCell::Draw(const CDC& sprites, CDC& target, int x, int y) const {
  for (const PipeNode& node : nodes) {
    if (node.kind >= 0) DrawFramedTile(sprites, target, node, x, y);
  }
}

void PipeCell::DrawBare(const CDC& sprites, CDC& target, int x, int y) const {
  for (const PipeNode& node : nodes) {
    if (node.kind < 0) continue;
    target.TransparentBlt(x + 1, y + 1, TILE_INTERIOR, TILE_INTERIOR, sprites,
                          SheetTileX(node.kind) + 1, SheetTileY(node.fill) + 1, TILE_INTERIOR,
                          TILE_INTERIOR, KEY_WHITE);
  }
}

void PipeCell::DrawFront(const CDC& sprites, CDC& target, int x, int y) const {
  if (frontCount <= 0) return;
  // A joined square holds two pieces whose slices overlap at the crossing; redrawing only the
  // front would let a dry slice of one path cover the other's water, so it is drawn whole.
  if (code >= PIECE_CROSS) {
    Draw(sprites, target, x, y);
    return;
  }
  const int count = frontCount < FRONT_CAPACITY ? frontCount : FRONT_CAPACITY;
  for (int i = 0; i < count; ++i) {
    if (IsNodeIndex(front[i])) DrawFramedTile(sprites, target, nodes[front[i]], x, y);
  }
}
