#pragma once

#include <string>

#include "model/pipe_cell.h"

// Checks what every cell the game builds must keep: links symmetric, never to itself or to a
// free place; front entries distinct and each wet or arriving; frontCount 0..8. Returns an
// empty text when all hold, else what is broken.
std::string CellInvariantBroken(const PipeCell& cell);
