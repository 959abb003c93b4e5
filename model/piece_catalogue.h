#pragma once

#include <array>

#include "model/pipe_cell.h"

// One template cell per piece kind 0..16, all dry. Filled once by BuildPieceCatalogue before
// the first game and only read afterwards; laying a piece copies its template.
extern std::array<PipeCell, PIECE_KIND_COUNT> PieceCatalogue;

// How many kinds the deal draws from (0 until the catalogue is built, then 14).
extern int DealtKindCount;

// Fills every template node for node and slot for slot, and sets DealtKindCount. Building
// again gives the same result.
void BuildPieceCatalogue();
