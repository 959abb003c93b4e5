#include "view/game_view.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "res/catalogue.h"
#include "view/board_cursor.h"
#include "view/board_geometry.h"
#include "model/piece_catalogue.h"
#include "view/pipe_cell_draw.h"
#include "view/sprite_layout.h"

namespace {

// The queue's three pieces and the three buttons beside them.
constexpr CRect QUEUE_AND_BUTTONS_AREA{QUEUE_SLOT_POS[0].x, QUEUE_SLOT_POS[0].y,
                                       PAUSE_ICON_POS.x + TILE_INTERIOR, QUEUE_SLOT_POS[0].y + TILE_FRAMED};

// Both game fonts: bold "黑体" from the GB2312 character set, differing only in height.
constexpr const char* GAME_FONT_FACE = "黑体";
constexpr int SCORE_FONT_HEIGHT = 24;

constexpr COLORREF SCORE_COLOR = RGB(0, 0, 0);

void CreateGameFont(CFont& font, int height) {
  font.CreateFont(height, 0, 0, 0, FW_BOLD, false, false, false, GB2312_CHARSET, 0, 0, 0,
                  FF_MODERN_FAMILY, GAME_FONT_FACE);
}

// The catalogue template of a piece kind, or null for a value that names no piece.
const PipeCell* TemplateOf(int kind) {
  return kind >= 0 && kind < PIECE_KIND_COUNT ? &PieceCatalogue[kind] : nullptr;
}

}  // namespace

void GameView::Create(TextRenderer* text, const CRect& client) {
  Create(text, client, MakeViewPixels(client));
}

void GameView::Create(TextRenderer* text, const CRect& client, ViewPixels pixels) {
  if (!PixelsFit(pixels, client)) pixels = MakeViewPixels(client);
  m_dcSprites.CreateCompatibleDC(text);
  m_bmpSprites = std::move(pixels.sheet);
  m_dcSprites.SelectObject(&m_bmpSprites);

  m_dcBoard.CreateCompatibleDC(text);
  m_bmpBoard = std::move(pixels.board);
  m_dcBoard.SelectObject(&m_bmpBoard);

  CreateGameFont(m_fonts[0], POPUP_FONT_HEIGHT);
  CreateGameFont(m_fonts[1], SCORE_FONT_HEIGHT);

  m_dcBack.CreateCompatibleDC(text);
  m_bmpBack = std::move(pixels.back);
  m_dcBack.SelectObject(&m_bmpBack);
  m_dcBack.SetBkMode(TRANSPARENT);

  m_dcBase.CreateCompatibleDC(text);
  m_bmpBase = std::move(pixels.base);
  m_dcBase.SelectObject(&m_bmpBase);
  m_baseValid = false;
  // The backgrounds are not kept apart from the sheet: a frame lays one only when the board
  // was rebuilt or the game is paused, where copying its rows costs about what one move of a
  // kept block does, and keeping both would touch 1.7 MB more before the first frame.
}

void GameView::RedrawBoard(const Board& board, bool rebuild) {
  if (m_dcBoard.GetBitmap() == nullptr || m_dcSprites.GetBitmap() == nullptr) return;
  // Pixels no tile covers stay the key colour, so the picture lays over the window background.
  if (rebuild) m_dcBoard.FillSolidRect(CRect{0, 0, BOARD_PIXELS, BOARD_PIXELS}, SPRITE_KEY);
  m_rebuiltSinceRefresh = rebuild;
  m_baseValid = false;
  for (int col = 0; col < BOARD_SIZE; ++col) {
    for (int row = 0; row < BOARD_SIZE; ++row) {
      if (rebuild) {
        DrawCell(board[CellIndex(col, row)], m_dcSprites, m_dcBoard, TILE_PITCH * col, TILE_PITCH * row);
      } else {
        DrawSquareFront(board, col, row);
      }
    }
  }
}

bool GameView::RedrawSquares(const Board& board, const std::bitset<BOARD_CELLS>& squares) {
  if (m_rebuiltSinceRefresh) {
    RedrawBoard(board, false);
    return true;
  }
  if (squares.none() || m_dcBoard.GetBitmap() == nullptr || m_dcSprites.GetBitmap() == nullptr) {
    return false;
  }
  for (int col = 0; col < BOARD_SIZE; ++col) {
    for (int row = 0; row < BOARD_SIZE; ++row) {
      if (squares.test(static_cast<std::size_t>(CellIndex(col, row)))) {
        // The frames stand since the rebuild, and the full refresh after it, drew them.
        DrawCellFront(board[CellIndex(col, row)], m_dcSprites, m_dcBoard, TILE_PITCH * col,
                      TILE_PITCH * row, true);
        if (m_baseValid) {
          const CRect square{SquareLeft(col), SquareTop(row), SquareLeft(col) + TILE_FRAMED,
                             SquareTop(row) + TILE_FRAMED};
          LayBase(square.left, square.top, TILE_FRAMED, TILE_FRAMED);
          m_stale = UnionRect(m_stale, square);
        }
      }
    }
  }
  return true;
}

void GameView::DrawSquareFront(const Board& board, int col, int row) {
  DrawCellFront(board[CellIndex(col, row)], m_dcSprites, m_dcBoard, TILE_PITCH * col, TILE_PITCH * row);
}

void GameView::LayBase(int x, int y, int w, int h) {
  m_dcBase.BitBlt(x, y, w, h, m_dcSprites, BACKGROUND_A_X + x, BACKGROUND_A_Y + y);
  m_dcBase.TransparentBlt(x, y, w, h, m_dcBoard, x - BOARD_LEFT, y - BOARD_TOP, w, h, SPRITE_KEY);
}

// A button icon: the tile interior of its column, lit (row 1) or not (row 0).
void GameView::DrawButton(CPoint at, int column, bool lit) {
  m_dcBack.TransparentBlt(at.x, at.y, TILE_INTERIOR, TILE_INTERIOR, m_dcSprites,
                          SheetTileX(column) + 1, SheetTileY(lit ? 1 : 0) + 1, TILE_INTERIOR,
                          TILE_INTERIOR, SPRITE_KEY);
}

void GameView::DrawQueueAndButtons(const GamePosition& game, bool overDiscard) {
  for (int slot = 0; slot < 3; ++slot) {
    if (const PipeCell* piece = TemplateOf(game.queue[slot])) {
      DrawCell(*piece, m_dcSprites, m_dcBack, QUEUE_SLOT_POS[slot].x, QUEUE_SLOT_POS[slot].y);
    }
  }
  DrawButton(DISCARD_ICON_POS, DISCARD_COLUMN, overDiscard);
  DrawButton(FAST_FORWARD_ICON_POS, FAST_FORWARD_COLUMN, game.fastForward);
  DrawButton(PAUSE_ICON_POS, PAUSE_COLUMN, false);
}

// The text is clipped to its rectangle, so drawing the same score over the same pixels there
// gives the same pixels: the memo spares laying out the text again while the score stands.
void GameView::DrawScore(double score) {
  // The score's bits are its key (std::bit_cast is not in every standard library we build with).
  std::uint64_t key = 0;
  static_assert(sizeof key == sizeof score);
  std::memcpy(&key, &score, sizeof key);
  if (m_scoreMemo.Replay(m_bmpBack, SCORE_RECT, key)) return;
  m_scoreMemo.KeepBefore(m_bmpBack, SCORE_RECT, key);
  const std::string text = TextWithScore(TEXT_SCORE, score);
  m_dcBack.SelectObject(&m_fonts[1]);
  m_dcBack.SetTextColor(SCORE_COLOR);
  m_dcBack.DrawText(text, SCORE_RECT, DT_RIGHT);
  m_scoreMemo.KeepAfter(m_bmpBack);
}

CRect GameView::ComposePauseFrame() {
  m_dcSprites.CopyPicture(BACKGROUND_B_X, BACKGROUND_B_Y, m_dcBack);
  m_stale = Whole();
  m_pieceDrawn = CRect{};
  m_cursorDrawn = CRect{};
  m_popupsDrawn = CRect{};
  return Whole();
}

// The queue and the buttons lie above the board, so laying the board first changes nothing.
void GameView::LayWholeBase() {
  m_dcSprites.CopyPicture(BACKGROUND_A_X, BACKGROUND_A_Y, m_dcBase);
  m_dcBase.TransparentBlt(BOARD_LEFT, BOARD_TOP, BOARD_PIXELS, BOARD_PIXELS, m_dcBoard, 0, 0,
                          BOARD_PIXELS, BOARD_PIXELS, SPRITE_KEY);
  m_baseValid = true;
  m_stale = Whole();
}

// The back buffer has the client area's size, and each background is laid over all of it, so
// every frame covers the whole buffer. Within the part drawn again the frame is laid in the
// same order as a whole one: base, queue and buttons, carried piece, board cursor, score texts,
// score. The cursor comes after the piece so that its outline stays whole when the piece lies
// on its square.
CRect GameView::ComposeFrame(const GamePosition& game, const FrameExtras& extras) {
  m_dcBack.SelectObject(&m_fonts[0]);
  if (game.state == Paused) return ComposePauseFrame();
  if (!m_baseValid) LayWholeBase();
  // The carried piece's 18 x 18 interior spans pointer - 8 to pointer + 9.
  const PipeCell* piece = extras.piece ? TemplateOf(game.current) : nullptr;
  const CRect pieceArea = piece == nullptr ? CRect{}
                                           : CRect{extras.piece->x - 9, extras.piece->y - 9,
                                                   extras.piece->x + 11, extras.piece->y + 11};
  const CRect cursorArea = extras.cursor ? BoardCursorArea(*extras.cursor) : CRect{};
  const CRect popupArea = extras.popups != nullptr ? extras.popups->Area() : CRect{};
  CRect area = UnionRect(UnionRect(m_stale, QUEUE_AND_BUTTONS_AREA), SCORE_RECT);
  area = UnionRect(UnionRect(area, m_pieceDrawn), pieceArea);
  area = UnionRect(UnionRect(area, m_cursorDrawn), cursorArea);
  area = UnionRect(UnionRect(area, m_popupsDrawn), popupArea);
  area = CRect{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, m_bmpBack.Width()),
               std::min(area.bottom, m_bmpBack.Height())};
  m_dcBack.BitBlt(area.left, area.top, area.Width(), area.Height(), m_dcBase, area.left, area.top);
  DrawQueueAndButtons(game, extras.overDiscard);
  if (piece != nullptr) DrawCellBare(*piece, m_dcSprites, m_dcBack, pieceArea.left, pieceArea.top);
  if (extras.cursor) DrawBoardCursor(m_dcBack, *extras.cursor);
  if (!popupArea.IsEmpty()) extras.popups->Draw(m_dcBack);
  DrawScore(game.score);
  m_stale = CRect{};
  m_pieceDrawn = pieceArea;
  m_cursorDrawn = cursorArea;
  m_popupsDrawn = popupArea;
  return area;
}
