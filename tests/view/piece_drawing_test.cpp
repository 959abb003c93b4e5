#include <vector>

#include "view/pipe_cell_draw.h"
#include "tests/support/test_surface.h"
#include "tests/view/view_fixture.h"

namespace {

constexpr std::uint32_t MARKER = 0xFFFF00FFu;  // a colour the sheet never uses

class PieceDrawing : public ViewTest {
 protected:

  // What drawing `cell` framed at (x, y) over `under` must give, pixel by pixel, worked out
  // from the sheet: each node's 20 x 20 tile in turn, white pixels left out.
  static void Overlay(const CBitmap& sheet, const PipeCell& cell, CBitmap& under, int x, int y) {
    for (const PipeNode& node : cell.nodes) {
      for (int ty = 0; ty < 20; ++ty) {
        for (int tx = 0; tx < 20; ++tx) {
          const std::uint32_t p = sheet.Pixel(19 * node.kind + tx, 19 * node.fill + ty);
          if (p != PIXEL_WHITE) under.SetPixel(x + tx, y + ty, p);
        }
      }
    }
  }

  void FillBoard(std::uint32_t fill) {
    for (int i = 0; i < BOARD_PIXELS * BOARD_PIXELS; ++i) m_dialog.View().m_bmpBoard.Bits()[i] = fill;
  }
};

TEST_F(PieceDrawing, EmptyBoardRebuildsToWhiteWithABlackGridEvery19Pixels) {
  FillBoard(MARKER);
  m_dialog.RedrawBoard(true);
  for (int y = 0; y < BOARD_PIXELS; ++y) {
    for (int x = 0; x < BOARD_PIXELS; ++x) {
      const bool line = x % 19 == 0 || y % 19 == 0;
      ASSERT_EQ(m_dialog.View().m_bmpBoard.Pixel(x, y), line ? BLACK_PIXEL : PIXEL_WHITE) << x << "," << y;
    }
  }
}

TEST_F(PieceDrawing, PiecesAreDrawnTileOverTileWithWhiteLeftOut) {
  for (int kind = 0; kind < PIECE_KIND_COUNT; ++kind) {
    PipeCell cell = PieceCatalogue[kind];
    for (int i = 0; i < NODE_COUNT; i += 2) cell.nodes[i].fill = FILL_WET;
    TestSurface drawn(40, 40, MARKER), expected(40, 40, MARKER);
    DrawCell(cell, m_dialog.View().m_dcSprites, drawn.dc, 7, 5);
    Overlay(Sheet(), cell, expected.bitmap, 7, 5);
    ASSERT_TRUE(SameBitmap(drawn.bitmap, expected.bitmap)) << "kind " << kind;

    // Bare: the same interiors one pixel in, and no frame.
    TestSurface bare(40, 40, MARKER);
    DrawCellBare(cell, m_dialog.View().m_dcSprites, bare.dc, 7, 5);
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        const bool interior = x >= 8 && x <= 25 && y >= 6 && y <= 23;
        ASSERT_EQ(bare.bitmap.Pixel(x, y), interior ? expected.bitmap.Pixel(x, y) : MARKER)
            << "kind " << kind << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(PieceDrawing, BlankSquareLeavesItsFrameAloneAndNothingWhenBare) {
  const PipeCell empty;
  TestSurface framed(20, 20, MARKER), bare(20, 20, MARKER);
  DrawCell(empty, m_dialog.View().m_dcSprites, framed.dc, 0, 0);
  DrawCellBare(empty, m_dialog.View().m_dcSprites, bare.dc, 0, 0);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool frame = x == 0 || y == 0 || x == 19 || y == 19;
      EXPECT_EQ(framed.bitmap.Pixel(x, y), frame ? BLACK_PIXEL : MARKER);
      EXPECT_EQ(bare.bitmap.Pixel(x, y), MARKER);
    }
  }
}

TEST_F(PieceDrawing, RefreshDrawsOnlyTheWaterFronts) {
  PipeCell& stillWet = m_dialog.GetGame().EditPosition().board[CellIndex(3, 4)];
  stillWet.CopyFrom(PieceCatalogue[PIECE_VERTICAL]);
  for (PipeNode& node : stillWet.nodes) node.fill = FILL_WET;  // wet, but no front left
  PipeCell& flowing = m_dialog.GetGame().EditPosition().board[CellIndex(5, 6)];
  flowing.CopyFrom(PieceCatalogue[PIECE_VERTICAL]);
  flowing.nodes[5].fill = FILL_WET;
  flowing.front[0] = 5;
  flowing.frontCount = 1;

  FillBoard(MARKER);
  m_dialog.RedrawBoard(false);
  TestSurface expected(BOARD_PIXELS, BOARD_PIXELS, MARKER);
  PipeCell front;  // just node 5's tile
  front.nodes[0] = flowing.nodes[5];
  Overlay(Sheet(), front, expected.bitmap, 19 * 5, 19 * 6);
  EXPECT_TRUE(SameBitmap(m_dialog.View().m_bmpBoard, expected.bitmap));
}

// Two crossing paths overlap, so a front drawn alone could cover the other path's water;
// a joined square is redrawn whole.
TEST_F(PieceDrawing, RefreshOfAJoinedSquareRedrawsAllItsNodes) {
  PipeCell& cross = m_dialog.GetGame().EditPosition().board[CellIndex(2, 9)];
  cross.CopyFrom(PieceCatalogue[PIECE_CROSS]);
  for (int node : {2, 11, 12, 13, 14}) cross.nodes[node].fill = FILL_WET;
  cross.nodes[0].fill = FILL_WET;
  cross.front[0] = 0;
  cross.frontCount = 1;

  FillBoard(MARKER);
  m_dialog.RedrawBoard(false);
  TestSurface expected(BOARD_PIXELS, BOARD_PIXELS, MARKER);
  Overlay(Sheet(), cross, expected.bitmap, 19 * 2, 19 * 9);
  EXPECT_TRUE(SameBitmap(m_dialog.View().m_bmpBoard, expected.bitmap));
}

// --- The artwork: pieces drawn whole read as outlined pipes ---

bool IsWater(std::uint32_t p) { return p == GREY_PIXEL || p == CYAN_PIXEL; }

// Number of 4-connected regions of pipe fill in the 20 x 20 picture.
int WaterRegions(const CBitmap& b) {
  std::vector<int> seen(400, 0);
  int regions = 0;
  for (int start = 0; start < 400; ++start) {
    if (seen[start] || !IsWater(b.Pixel(start % 20, start / 20))) continue;
    ++regions;
    std::vector<int> stack{start};
    seen[start] = 1;
    while (!stack.empty()) {
      const int at = stack.back();
      stack.pop_back();
      const int x = at % 20, y = at / 20;
      for (int next : {at - 1, at + 1, at - 20, at + 20}) {
        if (next < 0 || next >= 400 || (next % 20 != x && next / 20 != y)) continue;
        if (!seen[next] && IsWater(b.Pixel(next % 20, next / 20))) {
          seen[next] = 1;
          stack.push_back(next);
        }
      }
    }
  }
  return regions;
}

// Every bit of water is walled in by ink, and the pipe meets each open edge of its square
// with the same 10-pixel mouth (so it lines up with its neighbour's) and no other edge.
void ExpectOutlinedPipe(const CBitmap& b, const PipeCell& cell, const char* what) {
  for (int y = 1; y < 19; ++y) {
    for (int x = 1; x < 19; ++x) {
      if (!IsWater(b.Pixel(x, y))) continue;
      for (auto [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
        EXPECT_NE(b.Pixel(nx, ny), PIXEL_WHITE) << what << ": water at " << x << "," << y << " meets white";
      }
    }
  }
  const int edge[PORT_COUNT][2] = {{0, 1}, {0, 18}, {1, 0}, {18, 0}};  // fixed (x or y) per port
  for (int port = 0; port < PORT_COUNT; ++port) {
    for (int i = 1; i < 19; ++i) {
      const bool vertical = port < 2;
      const std::uint32_t p = vertical ? b.Pixel(i, edge[port][1]) : b.Pixel(edge[port][0], i);
      const bool mouth = cell.HasPortOpening(port) && i >= 5 && i <= 14;
      EXPECT_EQ(IsWater(p), mouth) << what << ": port " << port << " at " << i;
    }
  }
}

TEST_F(PieceDrawing, EveryPieceReadsAsOneOutlinedPipeWhetherDryOrWet) {
  for (int kind = 0; kind < PIECE_KIND_COUNT; ++kind) {
    for (int fill : {FILL_DRY, FILL_WET}) {
      PipeCell cell = PieceCatalogue[kind];
      for (PipeNode& node : cell.nodes) node.fill = fill;
      TestSurface picture(20, 20, PIXEL_WHITE);
      DrawCell(cell, m_dialog.View().m_dcSprites, picture.dc, 0, 0);
      const std::string what = "kind " + std::to_string(kind) + (fill ? " wet" : " dry");
      ExpectOutlinedPipe(picture.bitmap, cell, what.c_str());
      // A crossing's lower run disappears under the upper one; every other piece is one pipe.
      if (kind < PIECE_CROSS) {
        EXPECT_EQ(WaterRegions(picture.bitmap), 1) << what;
      }
    }
  }
}

TEST_F(PieceDrawing, SourcesAndDrainsAreOutlinedInEveryOrientation) {
  int found = 0;  // bit (code, port) of each kind of end square seen
  for (std::uint32_t seed = 0; seed < 400 && found != 0xFF; ++seed) {
    m_dialog.GetGame().Seed(seed);
    m_dialog.GetGame().ResetBoard();
    for (const PipeCell& cell : m_dialog.GetGame().EditPosition().board) {
      if (cell.code != CELL_SOURCE && cell.code != CELL_DRAIN) continue;
      int port = 0;
      while (!cell.HasPortOpening(port)) ++port;
      found |= 1 << (port + (cell.code == CELL_SOURCE ? 4 : 0));
      TestSurface picture(20, 20, PIXEL_WHITE);
      DrawCell(cell, m_dialog.View().m_dcSprites, picture.dc, 0, 0);
      ExpectOutlinedPipe(picture.bitmap, cell, cell.code == CELL_SOURCE ? "source" : "drain");
    }
  }
  EXPECT_EQ(found, 0xFF);
}

}  // namespace
