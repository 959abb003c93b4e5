#include <cstdlib>
#include <optional>
#include <string>

#include "tests/support/test_surface.h"
#include "tests/view/view_fixture.h"
#include "view/board_cursor.h"

namespace {

// Brightness of a 0xFFRRGGBB pixel, 0..255.
int Luma(std::uint32_t pixel) {
  const int r = static_cast<int>((pixel >> 16) & 0xFF);
  const int g = static_cast<int>((pixel >> 8) & 0xFF);
  const int b = static_cast<int>(pixel & 0xFF);
  return (299 * r + 587 * g + 114 * b) / 1000;
}

// The most two pixels of a cut across the outline may differ in brightness from a third.
int BestContrast(const CBitmap& frame, CPoint from, CPoint step, int count, std::uint32_t beside) {
  int best = 0;
  for (int i = 0; i < count; ++i) {
    const std::uint32_t pixel = frame.Pixel(from.x + step.x * i, from.y + step.y * i);
    best = std::max(best, std::abs(Luma(pixel) - Luma(beside)));
  }
  return best;
}

// Every straight cut across the outline's three rings, from outside in, holds a pixel that
// stands out by at least minimum against the frame's pixel just outside the cut and against
// the one just inside it. Returns a description of the first cut that does not.
std::string WeakCut(const CBitmap& frame, BoardSquare square, int minimum) {
  const CRect a = BoardCursorArea(square);
  struct Side {
    CPoint start;  // the outer ring's pixel of the first cut
    CPoint along;  // to the next cut
    CPoint in;     // from the outside inwards
  };
  const Side sides[] = {{{a.left + 3, a.top}, {1, 0}, {0, 1}},
                        {{a.left + 3, a.bottom - 1}, {1, 0}, {0, -1}},
                        {{a.left, a.top + 3}, {0, 1}, {1, 0}},
                        {{a.right - 1, a.top + 3}, {0, 1}, {-1, 0}}};
  for (const Side& side : sides) {
    for (int i = 0; i < a.Width() - 6; ++i) {
      const CPoint cut{side.start.x + side.along.x * i, side.start.y + side.along.y * i};
      const std::uint32_t outside = frame.Pixel(cut.x - side.in.x, cut.y - side.in.y);
      const std::uint32_t inside = frame.Pixel(cut.x + 3 * side.in.x, cut.y + 3 * side.in.y);
      if (BestContrast(frame, cut, side.in, 3, outside) < minimum ||
          BestContrast(frame, cut, side.in, 3, inside) < minimum) {
        return "cut at (" + std::to_string(cut.x) + ", " + std::to_string(cut.y) + ")";
      }
    }
  }
  return {};
}

class BoardCursor : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    m_dialog.GetGame().Seed(7);
    m_dialog.NewGame();
    Board& board = m_dialog.GetGame().EditPosition().board;
    board = Board{};
    board[CellIndex(DRY.col, DRY.row)].CopyFrom(PieceCatalogue[PIECE_CROSS]);
    board[CellIndex(DRY.col + 1, DRY.row)].CopyFrom(PieceCatalogue[PIECE_HORIZONTAL]);
    PipeCell& wet = board[CellIndex(WET.col, WET.row)];
    wet.CopyFrom(PieceCatalogue[PIECE_CROSS]);
    for (PipeNode& node : wet.nodes) node.fill = FILL_WET;
    PipeCell& wetBeside = board[CellIndex(WET.col, WET.row + 1)];
    wetBeside.CopyFrom(PieceCatalogue[PIECE_VERTICAL]);
    for (PipeNode& node : wetBeside.nodes) node.fill = FILL_WET;
    m_dialog.RedrawBoard(true);
  }

  const CBitmap& Compose(std::optional<BoardSquare> cursor, bool pieceOnIt = false) {
    FrameExtras extras;
    extras.cursor = cursor;
    if (cursor && pieceOnIt) extras.piece = SquareCentre(*cursor);
    extras.popups = &m_dialog.Popups();
    m_dialog.View().ComposeFrame(m_dialog.GetGame().Position(), extras);
    return m_dialog.View().Frame();
  }

  static constexpr BoardSquare DRY{4, 5};
  static constexpr BoardSquare WET{10, 3};
  static constexpr BoardSquare PARCHMENT{8, 12};
  static constexpr BoardSquare CORNER{0, 0};  // its outline reaches off the board
};

TEST_F(BoardCursor, OutlineStandsOutOnEveryGroundAndTheCarriedPieceLeavesItWhole) {
  const CBitmap without = Compose(std::nullopt);
  for (const BoardSquare square : {DRY, WET, PARCHMENT, CORNER}) {
    for (const bool pieceOnIt : {false, true}) {
      const CBitmap& frame = Compose(square, pieceOnIt);
      const std::string where = "square (" + std::to_string(square.col) + ", " +
                                std::to_string(square.row) + "), piece " + std::to_string(pieceOnIt);
      EXPECT_EQ(WeakCut(frame, square, 100), "") << where;
      EXPECT_TRUE(SameOutside(frame, without, BoardCursorArea(square))) << where;
    }
  }
  // The pause picture hides the cursor with everything else.
  m_dialog.GetGame().EditPosition().state = Paused;
  const CBitmap paused = Compose(std::nullopt);
  EXPECT_TRUE(SameBitmap(Compose(WET), paused));
}

}  // namespace
