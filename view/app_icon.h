#pragma once

#include "platform/bitmap.h"

// The sizes at which icon resource 128 is drawn, in pixels a side.
constexpr int APP_ICON_SIZES[] = {16, 32, 48, 64, 128, 256};

// Loads the program's icon at size x size pixels into bitmap. Unlike the sheet, its pixels
// carry transparency: 0xAARRGGBB with A from 0 (clear) to 255 (opaque), not premultiplied.
// False, with bitmap unchanged, when size is not one of APP_ICON_SIZES.
bool LoadAppIcon(CBitmap& bitmap, int size = 256);
