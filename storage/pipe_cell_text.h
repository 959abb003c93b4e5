#pragma once

#include <string>

#include "model/pipe_cell.h"

class TextScanner;

// A square's record in a saved game: "[code]", each node's five fields "[kind][fill][link]
// [link][link]", "[frontCount]", the valid front entries, then CR LF. Appended to out.
void WriteCellText(const PipeCell& cell, std::string& out);
// Reads one such record from in, followed by any run of white space (so CR LF, a lone LF or
// no line end at all may close it). False at the first field that does not match or lies
// outside the limits of a cell; the cell is then partly overwritten, so callers read into a
// scratch cell. Front entries from frontCount on are left as they were.
bool ReadCellText(PipeCell& cell, TextScanner& in);
