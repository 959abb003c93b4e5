// Play without a mouse: the keys of the board cursor and the buttons, and the touches of a
// finger, each turned into the click it stands for.

#include <algorithm>

#include "app/game_dlg.h"
#include "res/resource_ids.h"
#include "view/board_geometry.h"

namespace {

// Where the board cursor first shows when the pointer is not over the board: the square under
// the board's middle pixel.
constexpr BoardSquare BOARD_MIDDLE{BOARD_SIZE / 2, BOARD_SIZE / 2};

}  // namespace

// Enter and Delete act only on a board cursor that shows: with none, Enter does nothing, as it
// always has in this window, so a key meant for a box that has just closed lays nothing.
void CGameDlg::OnKey(int key) {
  m_keysLast = true;
  switch (key) {
    case ID_KEY_LEFT: MoveBoardCursor(-1, 0); break;
    case ID_KEY_RIGHT: MoveBoardCursor(1, 0); break;
    case ID_KEY_UP: MoveBoardCursor(0, -1); break;
    case ID_KEY_DOWN: MoveBoardCursor(0, 1); break;
    case ID_KEY_LAY:
      if (m_boardCursor) PressAt(SquareCentre(*m_boardCursor), false);
      break;
    case ID_KEY_REMOVE:
      if (m_boardCursor) RemoveAt(SquareCentre(*m_boardCursor));
      break;
    case ID_KEY_DISCARD: PressAt(DISCARD_BUTTON.Centre(), true); break;
    case ID_KEY_FAST_FORWARD: PressAt(FAST_FORWARD_BUTTON.Centre(), false); break;
    default: break;
  }
}

// The cursor moves only in play, where it is drawn; the first arrow key shows it where the
// player is looking, under the pointer if that is over the board, and moves it no further.
void CGameDlg::MoveBoardCursor(int cols, int rows) {
  if (m_game.State() != Playing) return;
  if (m_boardCursor) {
    m_boardCursor->col = std::clamp(m_boardCursor->col + cols, 0, BOARD_SIZE - 1);
    m_boardCursor->row = std::clamp(m_boardCursor->row + rows, 0, BOARD_SIZE - 1);
  } else {
    BoardSquare under;
    m_boardCursor = BoardSquareAt(PointerInClient(), under.col, under.row) ? under : BOARD_MIDDLE;
  }
  Invalidate(false);
}

void CGameDlg::OnTap(CPoint point) {
  m_boardCursor.reset();
  PressAt(point, DISCARD_BUTTON.Contains(point));
}

void CGameDlg::OnLongPress(CPoint point) {
  m_boardCursor.reset();
  RemoveAt(point);
}
