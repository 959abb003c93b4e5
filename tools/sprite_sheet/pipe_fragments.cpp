// The slices of pipe that pieces are built from. Every piece's picture is the overlay of its
// nodes' slices, so the slices are drawn to meet edge to edge: straight runs are 8 pixels
// wide (black walls at 5 and 12, fill between), the walls of bends and tees continue the
// walls of the straight slices they join, and the mouths at the tile edges are 12-pixel
// collars that meet the neighbouring square's collar across the grid line. The other
// orientations of each shape are mirror images of the one drawn here.

#include <cmath>

#include "strip_art.h"

namespace {

// Slice i (0..6) of the vertical run, from the top edge down: 8 x 2 pixels at y 2 + 2i.
TileMask VerticalSlice(int i) {
  TileMask m;
  for (int y = 2 + 2 * i; y < 4 + 2 * i; ++y) {
    m.Put(5, y, Ink::Black);
    for (int x = 6; x <= 11; ++x) m.Put(x, y, Ink::Fill);
    m.Put(12, y, Ink::Black);
  }
  return m;
}

// The mouth on the top edge: a collar wider than the pipe, stepping in to the pipe's walls.
TileMask TopMouth() {
  return MaskFromText({
      "...KFFFFFFFFFFK...",
      "...KFFFFFFFFFFK...",
      "...KKKFFFFFFKKK...",
  });
}

// The elbow from the top edge to the right edge: a quarter disc of radius 8 about the corner
// point (13, 5), split into three slices of 30 degrees. Pixels whose neighbour lies outside
// the pipe form the wall.
bool InElbow(int x, int y) {
  if (x >= 5 && x <= 12 && y >= 0 && y <= 5) return true;    // the vertical run above
  if (x >= 12 && x <= 17 && y >= 5 && y <= 12) return true;  // the horizontal run beside
  const float dx = 13.0f - (static_cast<float>(x) + 0.5f);
  const float dy = (static_cast<float>(y) + 0.5f) - 5.0f;
  return dx > 0 && dy > 0 && dx * dx + dy * dy < 64.0f;
}

std::array<TileMask, 3> ElbowSlices() {
  std::array<TileMask, 3> slices;
  for (int y = 6; y <= 12; ++y) {
    for (int x = 5; x <= 11; ++x) {
      if (!InElbow(x, y)) continue;
      const float dx = 13.0f - (static_cast<float>(x) + 0.5f);
      const float dy = (static_cast<float>(y) + 0.5f) - 5.0f;
      const int slice = dy * std::sqrt(3.0f) < dx ? 0 : (dx * std::sqrt(3.0f) < dy ? 2 : 1);
      const bool wall = !InElbow(x - 1, y) || !InElbow(x + 1, y) || !InElbow(x, y - 1) ||
                        !InElbow(x, y + 1);
      slices[slice].Put(x, y, wall ? Ink::Black : Ink::Fill);
    }
  }
  return slices;
}

// The tee open at the top, left and right. Water comes down the stem onto the junction's
// arrowhead and spreads outwards in layers: the first branch slice hugs the arrowhead, the
// second fills the corner, then the straight slices lead to the mouths.
TileMask TeeJunction() {
  return MaskFromText({"", "", "", "", "", "", ".......FFFF", ".......FFFF", "........FF",
                       "........FF"});
}

TileMask TeeFirstBranch() {
  return MaskFromText({"", "", "", "", "", "", "......F", "......F", "......FF", ".......F",
                       ".......FF", "........F", "........K"});
}

TileMask TeeSecondBranch() {
  return MaskFromText({"", "", "", "", "", "", "", "", "", "......F", "......F", "......FF",
                       "......KK"});
}

// A dead end's cap: a black dome over the pipe's end, slightly wider than the pipe.
TileMask CapOpenBottom() {
  return MaskFromText({"", "", "", "", "", "", "", "", ".......KKKK", ".....KKKKKKKK",
                       "....KKKKKKKKKK", "....KKKKKKKKKK"});
}

// The source's valve wheel below a pipe from the top: a disc with four spokes.
TileMask WheelPortTop() {
  return MaskFromText({"", "", "", "", "", "", "",
                       ".......KKKK",
                       ".....KKFKKFKK",
                       ".....KFFKKFFK",
                       "....KFFFKKFFFK",
                       "....KKKKKKKKKK",
                       "....KKKKKKKKKK",
                       "....KFFFKKFFFK",
                       ".....KFFKKFFK",
                       ".....KKFKKFKK",
                       ".......KKKK"});
}

// The drain's grate below a pipe from the top: a framed square hatched with diagonal bars.
TileMask GratePortTop() {
  TileMask m;
  for (int y = 8; y <= 17; ++y) {
    for (int x = 4; x <= 13; ++x) {
      const bool frame = x == 4 || x == 13 || y == 8 || y == 17;
      m.Put(x, y, frame || (x + y) % 3 == 0 ? Ink::Black : Ink::Fill);
    }
  }
  return m;
}

using Fragments = std::array<TileMask, 66>;

void AddRuns(Fragments& f) {
  const TileMask top = TopMouth();
  f[1] = top;
  f[3] = MirrorY(top);
  f[4] = Transpose(top);
  f[2] = MirrorX(f[4]);
  for (int i = 0; i < 7; ++i) f[5 + i] = VerticalSlice(i);
  for (int i = 0; i < 7; ++i) f[12 + i] = Transpose(f[11 - i]);
  // The crossing's horizontal run rides one pixel higher where it passes over the vertical.
  for (int i = 0; i < 3; ++i) f[19 + i] = Shifted(f[14 + i], 0, -1);
}

// Elbows, each listed from its vertical side: top-right 22 26 30, top-left 33 29 25,
// bottom-right 31 27 23, bottom-left 24 28 32.
void AddElbows(Fragments& f) {
  const std::array<TileMask, 3> elbow = ElbowSlices();
  const int topLeft[3] = {33, 29, 25}, bottomRight[3] = {31, 27, 23}, bottomLeft[3] = {24, 28, 32};
  for (int i = 0; i < 3; ++i) {
    f[22 + 4 * i] = elbow[i];
    f[topLeft[i]] = MirrorX(elbow[i]);
    f[bottomRight[i]] = MirrorY(elbow[i]);
    f[bottomLeft[i]] = MirrorX(MirrorY(elbow[i]));
  }
}

// Each tee's columns: the junction, then arm 7's two branch slices, then arm 8's. The tee
// open at the top, left and right is drawn; the others are it turned over.
struct TeeColumns {
  int junction, first7, first8, second7, second8;
};

void AddTurnedTee(Fragments& f, const TeeColumns& c, TileMask (*turn)(const TileMask&)) {
  f[c.junction] = turn(f[34]);
  f[c.first7] = turn(f[38]);
  f[c.first8] = turn(f[42]);
  f[c.second7] = turn(f[46]);
  f[c.second8] = turn(f[50]);
}

void AddTees(Fragments& f) {
  f[34] = TeeJunction();
  f[38] = TeeFirstBranch();
  f[42] = MirrorX(f[38]);
  f[46] = TeeSecondBranch();
  f[50] = MirrorX(f[46]);
  AddTurnedTee(f, {37, 45, 41, 53, 49}, Transpose);  // open top, bottom, left
  AddTurnedTee(f, {36, 44, 40, 52, 48}, MirrorY);    // open bottom, left, right
  AddTurnedTee(f, {35, 39, 43, 47, 51}, [](const TileMask& m) { return MirrorX(Transpose(m)); });
}

// Caps open at the bottom, left, top, right; wheels and grates for ports top, right,
// bottom, left.
void AddEnds(Fragments& f) {
  f[54] = CapOpenBottom();
  f[56] = MirrorY(f[54]);
  f[55] = Transpose(f[56]);
  f[57] = MirrorX(f[55]);
  for (int base : {58, 62}) {
    f[base] = base == 58 ? WheelPortTop() : GratePortTop();
    f[base + 2] = MirrorY(f[base]);
    f[base + 3] = Transpose(f[base]);
    f[base + 1] = MirrorX(f[base + 3]);
  }
}

}  // namespace

std::array<TileMask, 66> PipeFragments() {
  Fragments f{};
  AddRuns(f);
  AddElbows(f);
  AddTees(f);
  AddEnds(f);
  return f;
}
