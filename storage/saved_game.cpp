#include "storage/saved_game.h"

#include "storage/bracket_field.h"
#include "storage/pipe_cell_text.h"
#include "storage/score_text.h"
#include "storage/text_scanner.h"

namespace {

constexpr int DEALT_KIND_MAX = PIECE_DEALT_COUNT - 1;

bool ReadScore(TextScanner& in, double& score) {
  return in.Expect('[') && in.ReadNumber(score) && in.Expect(']') && IsStorableScore(score);
}

bool ReadHeader(TextScanner& in, GamePosition& header) {
  int fastForward = 0;
  const bool read = ReadField(in, header.state, Playing, Paused) && ReadScore(in, header.score) &&
                    ReadField(in, fastForward, 0, 1);
  header.fastForward = fastForward == 1;
  return read &&
         ReadField(in, header.queue[0], 0, DEALT_KIND_MAX) &&
         ReadField(in, header.queue[1], 0, DEALT_KIND_MAX) &&
         ReadField(in, header.queue[2], 0, DEALT_KIND_MAX) &&
         ReadField(in, header.current, 0, DEALT_KIND_MAX);
}

}  // namespace

void FormatSavedGame(const GamePosition& header, std::string& out) {
  out.reserve(out.size() + 100 * 1024);
  AppendField(out, header.state);
  out += '[';
  out += FormatScore(header.score);
  out += ']';
  AppendField(out, header.fastForward ? 1 : 0);
  for (int kind : header.queue) AppendField(out, kind);
  AppendField(out, header.current);
  for (const PipeCell& cell : header.board) WriteCellText(cell, out);
}

bool ParseSavedGame(std::string_view text, GamePosition& position) {
  TextScanner in(text);
  if (!ReadHeader(in, position)) return false;
  for (PipeCell& cell : position.board) {
    if (!ReadCellText(cell, in)) return false;
  }
  in.SkipSpace();
  return in.AtEnd();
}
