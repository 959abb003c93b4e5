// vandrel-help-pictures DIR: draws the pictures of the instructions page into DIR as PNG files,
// from the sprite sheet compiled into the program and with the game's own drawing, so the page
// always shows the pieces exactly as the game does: every piece kind, a piece with water
// running through it, the source and the drain, and the three buttons. Each picture lies on
// the board's parchment and is enlarged three times, pixel for pixel.

#include <cstdio>
#include <string>

#include "view/pipe_cell_draw.h"
#include "view/board_geometry.h"
#include "model/end_pieces.h"
#include "model/piece_catalogue.h"
#include "platform/dc.h"
#include "view/png_file.h"
#include "view/sprite_layout.h"
#include "view/sprite_sheet.h"
#include "view/sprite_surface.h"

namespace {

constexpr int ENLARGE = 3;

// A picture of one framed square, drawn over the parchment under the board's middle.
struct Square {
  CBitmap bitmap;
  CDC dc;

  explicit Square(const SpriteSurface& sprites) {
    bitmap.Create(TILE_FRAMED, TILE_FRAMED);
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&bitmap);
    dc.BitBlt(0, 0, TILE_FRAMED, TILE_FRAMED, sprites, BACKGROUND_A_X + 230, BACKGROUND_A_Y + 230);
  }
};

bool WriteEnlarged(const std::string& path, const CBitmap& picture) {
  CBitmap large;
  if (!large.Create(picture.Width() * ENLARGE, picture.Height() * ENLARGE)) return false;
  for (int y = 0; y < large.Height(); ++y) {
    for (int x = 0; x < large.Width(); ++x) {
      large.SetPixel(x, y, picture.Pixel(x / ENLARGE, y / ENLARGE));
    }
  }
  return WritePngFile(path, large.Bits(), large.Width(), large.Height(), false);
}

bool WriteCell(const std::string& path, const SpriteSurface& sprites, const PipeCell& cell) {
  Square square(sprites);
  DrawCell(cell, sprites, square.dc, 0, 0);
  return WriteEnlarged(path, square.bitmap);
}

// A button icon, lit or not, as the frame draws it.
bool WriteButton(const std::string& path, const SpriteSurface& sprites, int column, int row) {
  Square square(sprites);
  square.dc.TransparentBlt(1, 1, TILE_INTERIOR, TILE_INTERIOR, sprites, SheetTileX(column) + 1,
                           SheetTileY(row) + 1, TILE_INTERIOR, TILE_INTERIOR, SPRITE_KEY);
  return WriteEnlarged(path, square.bitmap);
}

bool WritePieces(const std::string& dir, const SpriteSurface& sprites) {
  bool ok = true;
  for (int kind = 0; kind < PIECE_KIND_COUNT; ++kind) {
    ok &= WriteCell(dir + "/piece-" + std::to_string(kind) + ".png", sprites, PieceCatalogue[kind]);
  }
  // Water that has come in at the top and filled the first half of a straight.
  PipeCell wet = PieceCatalogue[PIECE_VERTICAL];
  for (int node : {PORT_TOP, 4, 5, 6, 7}) wet.nodes[node].fill = FILL_WET;
  ok &= WriteCell(dir + "/piece-0-wet.png", sprites, wet);
  PipeCell source;
  BuildSource(source, PORT_BOTTOM);
  ok &= WriteCell(dir + "/source.png", sprites, source);
  PipeCell drain;
  BuildDrain(drain, PORT_TOP);
  ok &= WriteCell(dir + "/drain.png", sprites, drain);
  return ok;
}

bool WriteButtons(const std::string& dir, const SpriteSurface& sprites) {
  return WriteButton(dir + "/button-discard.png", sprites, DISCARD_COLUMN, 0) &&
         WriteButton(dir + "/button-discard-lit.png", sprites, DISCARD_COLUMN, 1) &&
         WriteButton(dir + "/button-fast.png", sprites, FAST_FORWARD_COLUMN, 0) &&
         WriteButton(dir + "/button-fast-lit.png", sprites, FAST_FORWARD_COLUMN, 1) &&
         WriteButton(dir + "/button-pause.png", sprites, PAUSE_COLUMN, 0);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vandrel-help-pictures DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  CBitmap sheet;
  SpriteSurface sprites;
  if (!LoadSpriteSheet(sheet)) {
    std::fprintf(stderr, "vandrel-help-pictures: the sprite sheet cannot be read\n");
    return 1;
  }
  sprites.CreateCompatibleDC(nullptr);
  sprites.SelectObject(&sheet);
  if (!WritePieces(dir, sprites) || !WriteButtons(dir, sprites)) {
    std::fprintf(stderr, "vandrel-help-pictures: cannot write the pictures into %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
