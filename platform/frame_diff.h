#pragma once

#include <optional>

#include "platform/bitmap.h"
#include "platform/types.h"

// The smallest rectangle that holds every pixel in which two frames differ, or nothing when
// they are equal. Frames of different sizes differ everywhere: the result is all of `after`.
// Used to send only the changed part of a presented frame to the screen.
std::optional<CRect> ChangedRect(const CBitmap& before, const CBitmap& after);
// The same, looking only within a rectangle outside which the frames are known to be equal.
std::optional<CRect> ChangedRect(const CBitmap& before, const CBitmap& after, const CRect& within);
