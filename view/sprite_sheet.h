#pragma once

#include "platform/bitmap.h"

// Loads bitmap resource 129, the sprite sheet compiled into the program, into bitmap
// (1697 x 523). False, with bitmap unchanged, if the embedded picture cannot be read.
bool LoadSpriteSheet(CBitmap& bitmap);
