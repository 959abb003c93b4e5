#include <cstdio>

#include "view/pipe_cell_draw.h"
#include "game/board_geometry.h"
#include "game/game_dlg.h"
#include "model/piece_catalogue.h"
#include "view/sprite_layout.h"

namespace {

constexpr COLORREF SCORE_COLOR = RGB(0, 0, 0);
constexpr const char* SCORE_FORMAT = "分数 %.0lf";

// The catalogue template of a piece kind, or null for a value that names no piece.
const PipeCell* TemplateOf(int kind) {
  return kind >= 0 && kind < PIECE_KIND_COUNT ? &PieceCatalogue[kind] : nullptr;
}

// A button icon: the tile interior of its column, lit (row 1) or not (row 0).
void DrawButton(CGameDlg& dlg, CPoint at, int column, bool lit) {
  dlg.m_dcBack.TransparentBlt(at.x, at.y, TILE_INTERIOR, TILE_INTERIOR, dlg.m_dcSprites,
                              SheetTileX(column) + 1, SheetTileY(lit ? 1 : 0) + 1, TILE_INTERIOR,
                              TILE_INTERIOR, SPRITE_KEY);
}

void DrawQueueAndButtons(CGameDlg& dlg) {
  for (int slot = 0; slot < 3; ++slot) {
    if (const PipeCell* piece = TemplateOf(dlg.m_queue[slot])) {
      DrawCell(*piece, dlg.m_dcSprites, dlg.m_dcBack, QUEUE_SLOT_POS[slot].x, QUEUE_SLOT_POS[slot].y);
    }
  }
  DrawButton(dlg, DISCARD_ICON_POS, DISCARD_COLUMN, dlg.m_overDiscard == 1);
  DrawButton(dlg, FAST_FORWARD_ICON_POS, FAST_FORWARD_COLUMN, dlg.m_fastForward == 1);
  DrawButton(dlg, PAUSE_ICON_POS, PAUSE_COLUMN, false);
}

// Oldest first, so that the newest popup ends up on top: the ring is visited from the slot
// the next popup will take.
void DrawPopups(CGameDlg& dlg) {
  int slot = dlg.m_popupNext % POPUP_RING_SIZE;
  if (slot < 0) slot += POPUP_RING_SIZE;
  for (int i = 0; i < POPUP_RING_SIZE; ++i) {
    dlg.m_popups[slot].Draw(dlg.m_dcBack);
    if (++slot == POPUP_RING_SIZE) slot = 0;
  }
}

void DrawScore(CGameDlg& dlg) {
  // Large enough for every double printed without decimals, so nothing is ever cut off.
  char text[400];
  std::snprintf(text, sizeof text, SCORE_FORMAT, dlg.m_score);
  dlg.m_dcBack.SelectObject(&dlg.m_fonts[1]);
  dlg.m_dcBack.SetTextColor(SCORE_COLOR);
  dlg.m_dcBack.DrawText(text, SCORE_RECT, DT_RIGHT);
}

}  // namespace

void CGameDlg::OnPaint() {
  CDialog::OnPaint();
  ComposeFrame(ScreenToClient(GetFramework().GetCursorPos()));
  if (WindowPort* port = GetPort()) port->Present(m_bmpBack);
}

// The back buffer has the client area's size, and each background is laid over all of it, so
// every frame covers the whole buffer.
void CGameDlg::ComposeFrame(CPoint pointer) {
  m_dcBack.SelectObject(&m_fonts[0]);
  if (m_state == Paused) {
    m_dcSprites.CopyPicture(BACKGROUND_B_X, BACKGROUND_B_Y, m_dcBack);
    return;
  }
  m_dcSprites.CopyPicture(BACKGROUND_A_X, BACKGROUND_A_Y, m_dcBack);
  DrawQueueAndButtons(*this);
  m_dcBack.TransparentBlt(BOARD_LEFT, BOARD_TOP, BOARD_PIXELS, BOARD_PIXELS, m_dcBoard, 0, 0,
                          BOARD_PIXELS, BOARD_PIXELS, SPRITE_KEY);
  if (!m_cursorShown) {
    // The carried piece's 18 x 18 interior spans pointer - 8 to pointer + 9.
    if (const PipeCell* piece = TemplateOf(m_current)) {
      DrawCellBare(*piece, m_dcSprites, m_dcBack, pointer.x - 9, pointer.y - 9);
    }
  }
  DrawPopups(*this);
  DrawScore(*this);
}
