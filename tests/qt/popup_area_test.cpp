// The area a score text says it may touch holds every pixel the desktop's text drawing touches,
// so a frame that draws again only there leaves no trace of it behind.

#include <gtest/gtest.h>

#include "frontends/qt/qt_text_renderer.h"
#include "view/game_view.h"

TEST(PopupArea, HoldsEveryPixelTheScoreTextsDraw) {
  QtTextRenderer renderer;
  GameView view;
  view.Create(&renderer, CRect{0, 0, 240, 160});
  for (const char* text : {"+2", "-2", "+100", "-1", "-3", "+888888"}) {
    ScorePopup popup;
    popup.x = 100;
    popup.y = 100;
    popup.rise = 7;
    popup.text = text;
    view.m_dcBack.FillSolidRect(CRect{0, 0, 240, 160}, RGB(40, 90, 160));
    const CBitmap blank = view.m_bmpBack;
    view.m_dcBack.SelectObject(&view.m_fonts[0]);
    popup.Draw(view.m_dcBack);
    const CRect area = popup.Area();
    int touched = 0;
    for (int y = 0; y < blank.Height(); ++y) {
      for (int x = 0; x < blank.Width(); ++x) {
        if (view.m_bmpBack.Pixel(x, y) == blank.Pixel(x, y)) continue;
        ++touched;
        EXPECT_TRUE(x >= area.left && x < area.right && y >= area.top && y < area.bottom)
            << text << " at " << x << "," << y;
      }
    }
    EXPECT_GT(touched, 20) << text;
  }
}
