#pragma once

#include "platform/bitmap.h"
#include "platform/frame_scale.h"
#include "platform/types.h"

// The device pixels of the box `device` (in device pixels of the client area) as the frame
// shows at `scale`, into out, which is made the box's size. At whole ratios every frame pixel
// is a sharp block; between them each device pixel takes the frame pixels it covers, weighted
// by how much of it each covers: the frame enlarged by the next whole factor without smoothing
// and brought down to the device pixels with a box filter, so an edge blurs by one device
// pixel at most. Device pixels the frame does not reach show the game's dark ground.
void ScaleFrame(const CBitmap& frame, const FrameScale& scale, const CRect& device, CBitmap& out);

// The colour around a frame that does not fill the client area.
constexpr std::uint32_t FRAME_MARGIN_PIXEL = PixelRgb(24, 16, 13);
