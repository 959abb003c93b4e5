#pragma once

#include "model/pipe_cell.h"

// The source and the drain: a port on the side given by orientation (0 top, 1 bottom, 2 left,
// 3 right), the first three slices of a straight entering there (nodes 4..6) and, in the half
// opposite the port, the valve wheel or the grate (node 7). Both build on a cleared cell.

// The source starts with water in its wheel, which is its whole front.
void BuildSource(PipeCell& cell, int orientation);
// The drain starts dry; water reaching its grate is the goal.
void BuildDrain(PipeCell& cell, int orientation);
