#pragma once

#include <array>
#include <bitset>
#include <optional>

#include "game/game_position.h"
#include "platform/dc.h"
#include "platform/font.h"
#include "platform/types.h"
#include "view/area_memo.h"
#include "view/board_geometry.h"
#include "view/score_popups.h"
#include "view/sprite_surface.h"
#include "view/view_pixels.h"

class TextRenderer;

// What a frame shows besides the game's position: where the carried piece is drawn (centred
// on a client point: the pointer, or the board cursor's square), the board cursor, whether the
// discard button is lit, and the rising score texts.
struct FrameExtras {
  std::optional<CPoint> piece;
  std::optional<BoardSquare> cursor;
  bool overDiscard = false;
  const PopupRing* popups = nullptr;
};

// The game's pictures: the sprite sheet, the 305 x 305 board picture and the back buffer in
// which every frame is composed, with the popup and score fonts. Owned by the game window for
// its whole life; only the final copy of a frame touches the window.
class GameView {
 public:
  // Makes the drawing surfaces, in this order: the sprite sheet, the board picture, the popup
  // and score fonts, and the back buffer at the client area's size with a transparent text
  // background. Nothing is checked: a surface whose bitmap could not be made stays empty, and
  // every copy to or from it draws nothing.
  void Create(TextRenderer* text, const CRect& client);
  // The same with bitmaps made ahead by MakeViewPixels; pixels that do not fit client are
  // made afresh.
  void Create(TextRenderer* text, const CRect& client, ViewPixels pixels);
  // Rebuilds the board picture from scratch (true) or draws each square's water front (false).
  // Before the surfaces exist (a headless game) there is nothing to draw on.
  void RedrawBoard(const Board& board, bool rebuild);
  // Draws the water fronts of the marked squares only, where nothing else changed since the
  // last refresh: the picture equals a refresh of every square, because redrawing a front that
  // has not changed leaves its pixels as they are. The first refresh after a rebuild still
  // draws every square, since a rebuild lays the nodes in their own order, not the front's.
  // True when anything was drawn.
  bool RedrawSquares(const Board& board, const std::bitset<BOARD_CELLS>& squares);
  // Composes one frame in the back buffer: the game with the carried piece and the board
  // cursor, or the pause picture. Only the part that can differ from the last frame is drawn
  // again: the squares whose picture changed, the queue, the buttons, the score and where the
  // carried piece, the board cursor and the score texts were and are; all of it after the
  // pause picture or a rebuild. Returns that part.
  CRect ComposeFrame(const GamePosition& game, const FrameExtras& extras);
  const CBitmap& Frame() const { return m_bmpBack; }

  SpriteSurface m_dcSprites;
  CBitmap m_bmpSprites;
  CDC m_dcBoard;
  CBitmap m_bmpBoard;
  CDC m_dcBack;
  CBitmap m_bmpBack;
  std::array<CFont, 2> m_fonts;
  // The window background with the board picture laid over it, the part of every game frame
  // that changes only with the board: kept up to date square by square as the water moves.
  CDC m_dcBase;
  CBitmap m_bmpBase;

 private:
  // A rebuild ran and no refresh of every square has followed it yet.
  bool m_rebuiltSinceRefresh = true;
  // The base picture shows the board picture as it stands.
  bool m_baseValid = false;
  AreaMemo m_scoreMemo;
  // The part of the back buffer that no longer matches the base picture under it, besides what
  // every frame draws again.
  CRect m_stale;
  // Where the last frame drew the carried piece, the board cursor and the score texts, if it did.
  CRect m_pieceDrawn;
  CRect m_cursorDrawn;
  CRect m_popupsDrawn;

 private:
  void DrawSquareFront(const Board& board, int col, int row);
  // Lays the background and, over it, the board picture in the w x h area at client (x, y) of
  // the base picture.
  void LayBase(int x, int y, int w, int h);
  // The base picture anew from the background and the whole board picture.
  void LayWholeBase();
  // The pause picture over the whole back buffer; returns the whole buffer.
  CRect ComposePauseFrame();
  void DrawButton(CPoint at, int column, bool lit);
  void DrawQueueAndButtons(const GamePosition& game, bool overDiscard);
  void DrawScore(double score);
  CRect Whole() const { return CRect{0, 0, m_bmpBack.Width(), m_bmpBack.Height()}; }
};
