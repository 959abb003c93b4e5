#include "tests/support/game_fixture.h"

#include "game/game_random.h"

void GameFixture::SetUp() {
  port = &fw.Open(dlg);
  dlg.SetTimer(HoverTimer, HOVER_INTERVAL_MS);
  dlg.SetTimer(AnimationTimer, ANIMATION_INTERVAL_MS);
  GameRandom::Seed(2024);
  dlg.NewGame();
  CGameDlg::s_lastName.reset();
}

void GameFixture::TearDown() {
  EXPECT_EQ(fw.errors, std::vector<std::string>{});
  EXPECT_EQ(fw.PendingAnswers(), 0u);
}

void GameFixture::ClearBoardWith(int sourceCol, int sourceRow, int sourceOrientation,
                                 int drainCol, int drainRow, int drainOrientation) {
  for (PipeCell& cell : dlg.m_board) cell.Clear();
  BuildSource(Square(sourceCol, sourceRow), sourceOrientation);
  BuildDrain(Square(drainCol, drainRow), drainOrientation);
}

void GameFixture::LayAt(int col, int row, int kind) {
  dlg.m_current = kind;
  Click(PointIn(col, row));
}

void GameFixture::HoverAt(CPoint point) {
  fw.MovePointerTo(dlg, point);
  dlg.OnMouseMove(0, point);
  fw.FireTimer(dlg, HoverTimer);
}

int GameFixture::Water(int n) {
  int fired = 0;
  for (int i = 0; i < n; ++i) fired += fw.FireTimer(dlg, WaterTimer) ? 1 : 0;
  return fired;
}

std::vector<std::string> GameFixture::PopupsSince(int from) const {
  std::vector<std::string> texts;
  for (int slot = from; slot != dlg.m_popupNext; slot = (slot + 1) % POPUP_RING_SIZE) {
    texts.push_back(dlg.m_popups[slot % POPUP_RING_SIZE].text);
    if (slot + 1 == dlg.m_popupNext) break;
  }
  return texts;
}
