#include "view/pipe_cell_draw.h"
#include "game/board_geometry.h"
#include "game/game_dlg.h"
#include "view/sprite_layout.h"

void CGameDlg::RedrawBoard(bool rebuild) {
  // Before the drawing surfaces exist (a headless game) there is nothing to draw on.
  if (m_dcBoard.GetBitmap() == nullptr || m_dcSprites.GetBitmap() == nullptr) return;
  // Pixels no tile covers stay the key colour, so the picture lays over the window background.
  if (rebuild) m_dcBoard.FillSolidRect(CRect{0, 0, BOARD_PIXELS, BOARD_PIXELS}, SPRITE_KEY);
  for (int col = 0; col < BOARD_SIZE; ++col) {
    for (int row = 0; row < BOARD_SIZE; ++row) {
      const PipeCell& cell = m_board[CellIndex(col, row)];
      const int x = TILE_PITCH * col;
      const int y = TILE_PITCH * row;
      if (rebuild) {
        DrawCell(cell, m_dcSprites, m_dcBoard, x, y);
      } else {
        DrawCellFront(cell, m_dcSprites, m_dcBoard, x, y);
      }
    }
  }
}
