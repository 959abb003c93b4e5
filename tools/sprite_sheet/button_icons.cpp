// The three buttons beside the queue: a waste bin (closed, or with its lid raised while the
// pointer is over it), fast-forward (grey, or cyan while on) and pause.

#include "strip_art.h"

namespace {

// The bin's body below its lid, shared by both pictures: silver rim, grey sides with ribs,
// narrowing towards the foot. Rows 5..16 of the tile.
TileMask BinBody() {
  return MaskFromText({"", "", "", "", "",
                       "....KKKKKKKKKK",
                       "....KSSSSSSSSK",
                       "....KSGKGGKGGK",
                       "....KSGKGGKGGK",
                       "....KSGKGGKGGK",
                       "....KSGKGGKGGK",
                       ".....KGKGGKGK",
                       ".....KGKGGKGK",
                       ".....KGKGGKGK",
                       ".....KGKGGKGK",
                       ".....KSGGGGGK",
                       ".....KKKKKKKK"});
}

// Lays the lid rows of `lid` over the body.
TileMask WithLid(const TileMask& lid, int lidRows) {
  TileMask m = BinBody();
  for (int y = 0; y < lidRows; ++y) m.ink[y] = lid.ink[y];
  return m;
}

TileMask BinClosed() {
  return WithLid(MaskFromText({
                     "",
                     ".......KKKK",
                     "...KKKKKSSKKKKK",
                     "...KSSSSSSSSSSK",
                     "...KKKKKKKKKKKK",
                 }),
                 5);
}

// The lid swung up about its right end, handle and all.
TileMask BinOpen() {
  return WithLid(MaskFromText({
                     "KKK..KK",
                     "KSSKKSKK",
                     "KKSSSSKKKK",
                     ".KKKKSSSSSKKK",
                     ".....KKKKSSSSKK",
                 }),
                 5);
}

TileMask FastForward() {
  constexpr const char* TRIANGLE[] = {"K", "KK", "KFK", "KFFK", "KFFFK", "KFFFFK", "KFFFFFK",
                                      "KFFFFK", "KFFFK", "KFFK", "KFK", "KK", "K"};
  TileMask m;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; TRIANGLE[y][x] != '\0'; ++x) {
      const Ink ink = TRIANGLE[y][x] == 'K' ? Ink::Black : Ink::Fill;
      m.Put(3 + x, 2 + y, ink);
      m.Put(10 + x, 2 + y, ink);
    }
  }
  return m;
}

TileMask Pause() {
  TileMask m;
  for (int y = 3; y <= 14; ++y) {
    for (int left : {4, 10}) {
      const bool edge = y == 3 || y == 14;
      m.Put(left, y, Ink::Black);
      m.Put(left + 1, y, edge ? Ink::Black : Ink::Fill);
      m.Put(left + 2, y, edge ? Ink::Black : Ink::Fill);
      m.Put(left + 3, y, Ink::Black);
    }
  }
  return m;
}

}  // namespace

TileMask ButtonIcon(int column, int row) {
  switch (column) {
    case 66: return row == 0 ? BinClosed() : BinOpen();
    case 67: return FastForward();
    case 68: return Pause();
    default: return TileMask{};
  }
}
