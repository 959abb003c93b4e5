#include <set>

#include "tests/view/view_fixture.h"

namespace {

// Where each picture of the strip may draw, inclusive, within the 18 x 18 tile interior.
struct FragmentBox {
  int x0, x1, y0, y1;
};

FragmentBox BoxOf(int column, int row) {
  static const FragmentBox boxes[] = {
      {0, -1, 0, -1},                                                       // 0: nothing
      {3, 14, 0, 2},   {15, 17, 3, 14}, {3, 14, 15, 17}, {0, 2, 3, 14},     // mouths
      {5, 12, 2, 3},   {5, 12, 4, 5},   {5, 12, 6, 7},   {5, 12, 8, 9},     // vertical run
      {5, 12, 10, 11}, {5, 12, 12, 13}, {5, 12, 14, 15},                    //
      {14, 15, 5, 12}, {12, 13, 5, 12}, {10, 11, 5, 12}, {8, 9, 5, 12},     // horizontal run
      {6, 7, 5, 12},   {4, 5, 5, 12},   {2, 3, 5, 12},                      //
      {10, 11, 4, 11}, {8, 9, 4, 11},   {6, 7, 4, 11},                      // raised slices
      {5, 9, 6, 8},    {9, 11, 5, 9},   {8, 12, 9, 11},  {6, 8, 8, 12},     // bends 22..25
      {6, 11, 6, 11},  {6, 11, 6, 11},  {6, 11, 6, 11},  {6, 11, 6, 11},    // 26..29
      {9, 11, 8, 12},  {5, 9, 9, 11},   {6, 8, 5, 9},    {8, 12, 6, 8},     // 30..33
      {7, 10, 6, 9},   {8, 11, 7, 10},  {7, 10, 8, 11},  {6, 9, 7, 10},     // tee centres
      {6, 9, 6, 12},   {5, 11, 6, 9},   {8, 11, 5, 11},  {6, 12, 8, 11},    // 38..41
      {8, 11, 6, 12},  {5, 11, 8, 11},  {6, 9, 5, 11},   {6, 12, 6, 9},     // 42..45
      {6, 9, 8, 12},   {5, 9, 6, 9},    {8, 11, 5, 9},   {8, 12, 8, 11},    // 46..49
      {8, 11, 8, 12},  {5, 9, 8, 11},   {6, 9, 5, 9},    {8, 12, 6, 9},     // 50..53
      {4, 13, 8, 11},  {6, 9, 4, 13},   {4, 13, 6, 9},   {8, 11, 4, 13},    // caps
      {4, 13, 7, 16},  {1, 10, 4, 13},  {4, 13, 1, 10},  {7, 16, 4, 13},    // wheels
      {4, 13, 8, 17},  {0, 9, 4, 13},   {4, 13, 0, 9},   {8, 17, 4, 13},    // grates
      {3, 14, 1, 16},  {3, 16, 2, 14},  {4, 13, 3, 14},                     // buttons
  };
  if (column == DISCARD_COLUMN && row == 1) return {0, 14, 0, 16};
  return boxes[column];
}

bool IsInk(std::uint32_t pixel) { return pixel != PIXEL_WHITE; }

class SpriteSheet : public ViewTest {
 protected:
  std::uint32_t Interior(int column, int row, int x, int y) const {
    return SheetPixel(SheetTileX(column) + 1 + x, SheetTileY(row) + 1 + y);
  }
  std::uint32_t BackgroundA(int x, int y) const {
    return SheetPixel(BACKGROUND_A_X + x, BACKGROUND_A_Y + y);
  }
  std::uint32_t BackgroundB(int x, int y) const {
    return SheetPixel(BACKGROUND_B_X + x, BACKGROUND_B_Y + y);
  }
};

TEST_F(SpriteSheet, HasTheSheetsSizeAndGridLines) {
  ASSERT_EQ(Sheet().Width(), SHEET_WIDTH);
  ASSERT_EQ(Sheet().Height(), SHEET_HEIGHT);
  for (int k = 0; k <= SHEET_COLUMNS; ++k)
    for (int y = 0; y <= STRIP_BOTTOM; ++y) ASSERT_EQ(SheetPixel(19 * k, y), BLACK_PIXEL) << k;
  for (int y : {0, 19, 38})
    for (int x = 0; x <= 19 * SHEET_COLUMNS; ++x) ASSERT_EQ(SheetPixel(x, y), BLACK_PIXEL) << x;
}

TEST_F(SpriteSheet, EveryFragmentStaysInsideItsBox) {
  for (int column = 0; column < SHEET_COLUMNS; ++column) {
    for (int row = 0; row < 2; ++row) {
      const FragmentBox box = BoxOf(column, row);
      int inked = 0;
      for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 18; ++x) {
          if (!IsInk(Interior(column, row, x, y))) continue;
          ++inked;
          EXPECT_TRUE(x >= box.x0 && x <= box.x1 && y >= box.y0 && y <= box.y1)
              << "column " << column << " row " << row << " at (" << x << ", " << y << ")";
        }
      }
      EXPECT_EQ(inked > 0, column != 0) << "column " << column << " row " << row;
    }
  }
}

TEST_F(SpriteSheet, StripUsesFiveColoursGreyDryCyanWetSilverOnlyInTheBin) {
  const std::set<std::uint32_t> allowed{PIXEL_WHITE, BLACK_PIXEL, GREY_PIXEL, CYAN_PIXEL,
                                        SILVER_PIXEL};
  for (int y = 0; y <= STRIP_BOTTOM; ++y) {
    for (int x = 0; x < 19 * SHEET_COLUMNS + 1; ++x) {
      const std::uint32_t p = SheetPixel(x, y);
      const int column = x / 19, row = y / 19;
      ASSERT_EQ(allowed.count(p), 1u) << x << "," << y;
      if (p == SILVER_PIXEL) {
        EXPECT_EQ(column, DISCARD_COLUMN) << x << "," << y;
      }
      if (p == CYAN_PIXEL) {
        EXPECT_EQ(row, 1) << x << "," << y;
      }
      if (p == GREY_PIXEL && column != DISCARD_COLUMN) {
        EXPECT_EQ(row, 0) << x << "," << y;
      }
    }
  }
}

// The wet picture must cover the dry one exactly, so a refresh that draws water over a dry
// slice leaves no grey behind. Only the bin changes shape: its lid opens.
TEST_F(SpriteSheet, BothRowsHaveTheSameShapeAndOutline) {
  for (int column = 0; column < SHEET_COLUMNS; ++column) {
    if (column == DISCARD_COLUMN) continue;
    for (int y = 0; y < 18; ++y) {
      for (int x = 0; x < 18; ++x) {
        const std::uint32_t dry = Interior(column, 0, x, y), wet = Interior(column, 1, x, y);
        ASSERT_EQ(IsInk(dry), IsInk(wet)) << column << " at " << x << "," << y;
        ASSERT_EQ(dry == BLACK_PIXEL, wet == BLACK_PIXEL) << column << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(SpriteSheet, LabelsAreBlackNumbersUnderTheirColumnsAndTheRestIsWhite) {
  for (int column = 0; column < DISCARD_COLUMN; ++column) {
    int black = 0;
    for (int y = LABELS_TOP; y <= LABELS_BOTTOM; ++y) {
      for (int x = 19 * column + 1; x < 19 * column + 19; ++x) {
        const std::uint32_t p = SheetPixel(x, y);
        ASSERT_TRUE(p == PIXEL_WHITE || p == BLACK_PIXEL);
        black += p == BLACK_PIXEL;
      }
    }
    EXPECT_GT(black, 0) << "no label under column " << column;
  }
  for (int y = 0; y < BACKGROUND_A_Y; ++y)
    for (int x = 19 * SHEET_COLUMNS + 1; x < SHEET_WIDTH; ++x) ASSERT_EQ(SheetPixel(x, y), PIXEL_WHITE);
  for (int y = BACKGROUND_B_Y; y < SHEET_HEIGHT; ++y)
    for (int x = BACKGROUND_B_X + BACKGROUND_B_WIDTH; x < SHEET_WIDTH; ++x) ASSERT_EQ(SheetPixel(x, y), PIXEL_WHITE);
}

TEST_F(SpriteSheet, ScrollLiesOnTheGroundWithinItsBox) {
  int scrollPixels = 0;
  for (int y = 0; y < BACKGROUND_HEIGHT; ++y) {
    for (int x = 0; x < BACKGROUND_A_WIDTH; ++x) {
      if (!SCROLL_BOX.Contains(x, y)) {
        ASSERT_EQ(BackgroundA(x, y), GROUND_PIXEL) << x << "," << y;
      } else {
        scrollPixels += BackgroundA(x, y) != GROUND_PIXEL;
      }
    }
  }
  // The parchment fills most of its box.
  EXPECT_GT(scrollPixels, 476 * 451 * 9 / 10);
}

TEST_F(SpriteSheet, PauseBackgroundIsTheScrollWithTheFigureAdded) {
  int figurePixels = 0;
  for (int y = 0; y < BACKGROUND_HEIGHT; ++y) {
    for (int x = 0; x < BACKGROUND_A_WIDTH; ++x) {
      if (FIGURE_BOX.Contains(x, y)) {
        figurePixels += BackgroundB(x, y) != BackgroundA(x, y);
      } else {
        ASSERT_EQ(BackgroundB(x, y), BackgroundA(x, y)) << x << "," << y;
      }
    }
    for (int x = BACKGROUND_A_WIDTH; x < BACKGROUND_B_WIDTH; ++x) ASSERT_EQ(BackgroundB(x, y), GROUND_PIXEL);
  }
  EXPECT_GT(figurePixels, 106 * 128 / 3);
}

}  // namespace
