#include "strip_art.h"
#include "view/sprite_layout.h"

namespace {

constexpr std::uint32_t BLACK = 0xFF000000u;

// Digits 0..9 in a 3 x 5 pixel font, one string of 15 cells per digit, row by row.
constexpr const char* DIGITS[10] = {
    "###" "#.#" "#.#" "#.#" "###", ".#." "##." ".#." ".#." "###", "###" "..#" "###" "#.." "###",
    "###" "..#" ".##" "..#" "###", "#.#" "#.#" "###" "..#" "..#", "###" "#.." "###" "..#" "###",
    "###" "#.." "###" "#.#" "###", "###" "..#" ".#." ".#." ".#.", "###" "#.#" "###" "#.#" "###",
    "###" "#.#" "###" "..#" "###",
};

void PaintDigit(Canvas& sheet, int digit, int left, int top) {
  for (int i = 0; i < 15; ++i) {
    if (DIGITS[digit][i] == '#') sheet.Set(left + i % 3, top + i / 3, BLACK);
  }
}

}  // namespace

void PaintTileStrip(Canvas& sheet) {
  const int right = SheetTileX(SHEET_COLUMNS);
  for (int y = 0; y <= STRIP_BOTTOM; ++y) {
    for (int x = 0; x <= right; ++x) {
      const bool line = x % SHEET_PITCH == 0 || y % SHEET_PITCH == 0;
      sheet.Set(x, y, line ? BLACK : 0xFFFFFFFFu);
    }
  }
  const std::array<TileMask, 66> fragments = PipeFragments();
  for (int column = 1; column < DISCARD_COLUMN; ++column) {
    PaintTile(sheet, column, 0, fragments[column]);
    PaintTile(sheet, column, 1, fragments[column]);
  }
  for (int column = DISCARD_COLUMN; column <= PAUSE_COLUMN; ++column) {
    PaintTile(sheet, column, 0, ButtonIcon(column, 0));
    PaintTile(sheet, column, 1, ButtonIcon(column, 1));
  }
}

void PaintColumnLabels(Canvas& sheet) {
  constexpr int top = LABELS_TOP + 7;
  for (int column = 0; column < DISCARD_COLUMN; ++column) {
    const int centre = SheetTileX(column) + 10;
    if (column < 10) {
      PaintDigit(sheet, column, centre - 2, top);
    } else {
      PaintDigit(sheet, column / 10, centre - 4, top);
      PaintDigit(sheet, column % 10, centre, top);
    }
  }
}
