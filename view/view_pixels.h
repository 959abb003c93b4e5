#pragma once

#include "platform/bitmap.h"
#include "platform/types.h"

// The bitmaps a game view draws from and into, as they are before any drawing: the decoded
// sprite sheet, and the board picture, the back buffer and the base picture, all black. Making
// them is most of a view's set-up (the decoding, and the first touch of some 6 MB of memory)
// and needs nothing but the size of the client area, so a program can have them made on a
// thread of its own while its window system starts, and hand them to GameView::Create.
struct ViewPixels {
  CBitmap sheet;
  CBitmap board;
  CBitmap back;
  CBitmap base;
};

// Makes the bitmaps for a client area of client's size. Safe to call on any thread.
ViewPixels MakeViewPixels(const CRect& client);

// Whether pixels are the ones MakeViewPixels makes for client: the back and base pictures
// have its size.
bool PixelsFit(const ViewPixels& pixels, const CRect& client);
