#include "storage/pipe_cell_text.h"

#include "storage/bracket_field.h"
#include "storage/text_scanner.h"

namespace {

// The limits of every value a stored cell may hold.
constexpr int CODE_MIN = CELL_DRAIN;
constexpr int CODE_MAX = PIECE_KIND_COUNT - 1;
constexpr int FILL_MAX = FILL_ARRIVING;
constexpr int NODE_INDEX_MAX = NODE_COUNT - 1;

}  // namespace

void WriteCellText(const PipeCell& cell, std::string& out) {
  AppendField(out, cell.code);
  for (const PipeNode& node : cell.nodes) {
    AppendField(out, node.kind);
    AppendField(out, node.fill);
    for (int link : node.links) AppendField(out, link);
  }
  // A damaged count in memory must not make the writer read past the front list.
  const int frontCount = cell.frontCount;
  const int count =
      frontCount < 0 ? 0 : (frontCount > FRONT_CAPACITY ? FRONT_CAPACITY : frontCount);
  AppendField(out, count);
  for (int i = 0; i < count; ++i) AppendField(out, cell.front[i]);
  out += "\r\n";
}

bool ReadCellText(PipeCell& cell, TextScanner& in) {
  if (!ReadField(in, cell.code, CODE_MIN, CODE_MAX)) return false;
  for (PipeNode& node : cell.nodes) {
    if (!ReadField(in, node.kind, 0, NODE_KIND_MAX) ||
        !ReadField(in, node.fill, FILL_DRY, FILL_MAX)) {
      return false;
    }
    for (int& link : node.links) {
      if (!ReadField(in, link, NO_LINK, NODE_INDEX_MAX)) return false;
    }
  }
  if (!ReadField(in, cell.frontCount, 0, FRONT_CAPACITY)) return false;
  for (int i = 0; i < cell.frontCount; ++i) {
    if (!ReadField(in, cell.front[i], 0, NODE_INDEX_MAX)) return false;
  }
  in.SkipSpace();
  return true;
}
