#include "model/end_pieces.h"

namespace {

struct EndPieceTiles {
  int port;
  int portTile;
  int slices[3];
  int drainTile;
  int sourceTile;
};

constexpr EndPieceTiles kEndPieces[4] = {
    {PORT_TOP, 1, {5, 6, 7}, 62, 58},
    {PORT_BOTTOM, 3, {11, 10, 9}, 64, 60},
    {PORT_LEFT, 4, {18, 17, 16}, 65, 61},
    {PORT_RIGHT, 2, {12, 13, 14}, 63, 59},
};

void BuildEndPiece(PipeCell& cell, int orientation, bool source) {
  const EndPieceTiles& t = kEndPieces[orientation & 3];
  cell.AddNode(t.port, t.portTile, NO_LINK, NO_LINK, NO_LINK);
  cell.AddNode(NO_LINK, t.slices[0], t.port, NO_LINK, NO_LINK);
  cell.AddNode(NO_LINK, t.slices[1], 4, NO_LINK, NO_LINK);
  cell.AddNode(NO_LINK, t.slices[2], 5, NO_LINK, NO_LINK);
  cell.AddNode(NO_LINK, source ? t.sourceTile : t.drainTile, 6, NO_LINK, NO_LINK);
}

}  // namespace

void BuildSource(PipeCell& cell, int orientation) {
  BuildEndPiece(cell, orientation, true);
  cell.nodes[END_NODE].fill = FILL_WET;
  cell.front[0] = END_NODE;
  cell.frontCount = 1;
  cell.code = CELL_SOURCE;
}

void BuildDrain(PipeCell& cell, int orientation) {
  BuildEndPiece(cell, orientation, false);
  cell.code = CELL_DRAIN;
}
