#include "view/view_pixels.h"

#include "view/board_geometry.h"
#include "view/sprite_sheet.h"

ViewPixels MakeViewPixels(const CRect& client) {
  ViewPixels pixels;
  LoadSpriteSheet(pixels.sheet);
  pixels.board.Create(BOARD_PIXELS, BOARD_PIXELS);
  pixels.back.Create(client.Width(), client.Height());
  pixels.base.Create(client.Width(), client.Height());
  return pixels;
}

bool PixelsFit(const ViewPixels& pixels, const CRect& client) {
  const auto fits = [&](const CBitmap& bitmap) {
    return bitmap.Width() == client.Width() && bitmap.Height() == client.Height();
  };
  return fits(pixels.back) && fits(pixels.base);
}
