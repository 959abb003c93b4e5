#pragma once

#include <array>

#include "model/pipe_cell.h"

using PieceTemplates = std::array<PipeCell, PIECE_KIND_COUNT>;

// One template cell per piece kind 0..16, all dry, built by the compiler: ready before any
// code runs and never written. Laying a piece copies its template. The deal draws from the
// first PIECE_DEALT_COUNT kinds.
extern const PieceTemplates PieceCatalogue;
