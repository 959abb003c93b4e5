#include "tests/support/game_fixture.h"

void GameFixture::SetUp() {
  fw.moduleFileName = folder.File("vandrel");
  port = &fw.Open(dlg);
  dlg.SetUpWindow(2024);
}

void GameFixture::TearDown() {
  EXPECT_EQ(fw.errors, std::vector<std::string>{});
  EXPECT_EQ(fw.PendingAnswers(), 0u);
}

void GameFixture::ClearBoardWith(int sourceCol, int sourceRow, int sourceOrientation,
                                 int drainCol, int drainRow, int drainOrientation) {
  for (PipeCell& cell : dlg.GetGame().EditPosition().board) cell.Clear();
  BuildSource(Square(sourceCol, sourceRow), sourceOrientation);
  BuildDrain(Square(drainCol, drainRow), drainOrientation);
}

void GameFixture::LayAt(int col, int row, int kind) {
  dlg.GetGame().EditPosition().current = kind;
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
  for (int slot = from; slot != dlg.Popups().Next(); slot = (slot + 1) % POPUP_RING_SIZE) {
    texts.push_back(dlg.Popups()[slot % POPUP_RING_SIZE].text);
    if (slot + 1 == dlg.Popups().Next()) break;
  }
  return texts;
}
