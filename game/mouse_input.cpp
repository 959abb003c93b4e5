#include "game/board_geometry.h"
#include "game/game_dlg.h"
#include "model/piece_catalogue.h"
#include "res/resource_ids.h"

namespace {

constexpr double DISCARD_POINTS = 2.0;
constexpr double UNCONNECTED_POINTS = 1.0;
constexpr double REMOVE_POINTS = 3.0;

}  // namespace

void CGameDlg::OnLButtonDown(unsigned, CPoint point) {
  if (m_state == Paused) {
    // The click that resumes does nothing else, wherever it fell.
    Resume();
    return;
  }
  if (m_state != Playing) return;

  if (FAST_FORWARD_BUTTON.Contains(point)) {
    m_fastForward = 1 - m_fastForward;
    KillTimer(WaterTimer);
    SetTimer(WaterTimer, m_fastForward == 1 ? FAST_INTERVAL_MS : WATER_INTERVAL_MS);
    Invalidate(false);
  } else if (PAUSE_BUTTON.Contains(point)) {
    Pause();
  } else if (m_overDiscard == 1) {
    // The hover tick's flag decides, not the click point.
    DealNewPiece();
    AddScorePopup(point.x, point.y - 10, "-2", POPUP_RED, POPUP_BLACK);
    m_score -= DISCARD_POINTS;
    Invalidate(false);
  } else {
    int col = 0;
    int row = 0;
    if (BoardSquareAt(point, col, row)) LayPiece(col, row, point);
  }
}

void CGameDlg::LayPiece(int col, int row, CPoint point) {
  if (m_current < 0 || m_current >= PIECE_KIND_COUNT) return;
  const PipeCell& piece = PieceCatalogue[m_current];
  PipeCell& square = m_board[CellIndex(col, row)];
  if (!square.CanTake(piece)) return;
  square.Join(piece);
  DealNewPiece();
  if (!MeetsNeighbour(piece, col, row)) {
    AddScorePopup(point.x, point.y - 10, "-1", POPUP_RED, POPUP_BLACK);
    m_score -= UNCONNECTED_POINTS;
  }
  RedrawBoard(true);
  Invalidate(false);
}

// Judged by the laid piece's own ports, not the joined square's: a crossing whose new ports
// face nothing costs its point even where the piece it crosses is connected.
bool CGameDlg::MeetsNeighbour(const PipeCell& piece, int col, int row) const {
  for (const PortSide& side : PORT_SIDES) {
    int index = 0;
    if (!NeighbourAcross(col, row, side, index)) continue;
    if (piece.HasPortOpening(side.port) && m_board[index].HasPortOpening(side.facingPort)) {
      return true;
    }
  }
  return false;
}

void CGameDlg::OnLButtonDblClk(unsigned flags, CPoint point) { OnLButtonDown(flags, point); }

void CGameDlg::OnRButtonDown(unsigned, CPoint point) {
  int col = 0;
  int row = 0;
  if (m_state != Playing || !BoardSquareAt(point, col, row)) return;
  PipeCell& square = m_board[CellIndex(col, row)];
  if (square.code < 0 || square.HasWater()) return;
  AddScorePopup(point.x, point.y - 10, "-3", POPUP_RED, POPUP_BLACK);
  m_score -= REMOVE_POINTS;
  square.Clear();
  RedrawBoard(true);
  Invalidate(false);
}

void CGameDlg::OnMouseMove(unsigned, CPoint) {
  m_mouseMoved = true;
  Invalidate(false);
}

void CGameDlg::HoverTick() {
  const CPoint point = ScreenToClient(GetFramework().GetCursorPos());
  m_overDiscard = DISCARD_BUTTON.Contains(point) ? 1 : 0;
  if (m_state == Playing && (BOARD_HOVER_AREA.Contains(point) || m_overDiscard == 1)) {
    // Hidden only after the mouse has moved, so a pointer resting over the board when a game
    // starts stays a normal cursor until it moves.
    if (m_cursorShown && m_mouseMoved) ShowCursor(false);
  } else if (!m_cursorShown) {
    ShowCursor(true);
  }
  m_mouseMoved = false;
}
