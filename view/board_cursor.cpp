#include "view/board_cursor.h"

namespace {

// The one-pixel ring just inside rect.
void Ring(CDC& dc, const CRect& rect, COLORREF color) {
  dc.FillSolidRect(CRect{rect.left, rect.top, rect.right, rect.top + 1}, color);
  dc.FillSolidRect(CRect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
  dc.FillSolidRect(CRect{rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1}, color);
  dc.FillSolidRect(CRect{rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1}, color);
}

CRect Inset(const CRect& rect, int by) {
  return CRect{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

}  // namespace

void DrawBoardCursor(CDC& dc, BoardSquare square) {
  const CRect area = BoardCursorArea(square);
  Ring(dc, area, BOARD_CURSOR_DARK);
  Ring(dc, Inset(area, 1), BOARD_CURSOR_BRIGHT);
  Ring(dc, Inset(area, 2), BOARD_CURSOR_DARK);
}
