#pragma once

#include "platform/text_renderer.h"

// The text renderer vandrel-play draws its frames' text with: Qt's, on Qt's offscreen
// platform, when the player is built with the Qt back end; otherwise none, and frames show
// no text. The Qt application is created on the first call (QT_QPA_PLATFORM is set to
// offscreen unless the environment names a platform already) and lives until exit.
TextRenderer* OffscreenTextRenderer();
