#include "storage/saved_game.h"

#include "storage/pipe_cell_text.h"
#include "storage/bracket_field.h"
#include "storage/score_text.h"
#include "storage/text_scanner.h"

namespace {

constexpr int DEALT_KIND_MAX = PIECE_DEALT_COUNT - 1;

bool ReadScore(TextScanner& in, double& score) {
  return in.Expect('[') && in.ReadNumber(score) && in.Expect(']') && IsStorableScore(score);
}

bool ReadHeader(TextScanner& in, SavedGameHeader& header) {
  return ReadField(in, header.state, Playing, Paused) && ReadScore(in, header.score) &&
         ReadField(in, header.fastForward, 0, 1) &&
         ReadField(in, header.queue[0], 0, DEALT_KIND_MAX) &&
         ReadField(in, header.queue[1], 0, DEALT_KIND_MAX) &&
         ReadField(in, header.queue[2], 0, DEALT_KIND_MAX) &&
         ReadField(in, header.current, 0, DEALT_KIND_MAX);
}

}  // namespace

void FormatSavedGame(const SavedGameHeader& header, const Board& board, std::string& out) {
  out.reserve(out.size() + 100 * 1024);
  AppendField(out, header.state);
  out += '[';
  out += FormatScore(header.score);
  out += ']';
  AppendField(out, header.fastForward);
  for (int kind : header.queue) AppendField(out, kind);
  AppendField(out, header.current);
  for (const PipeCell& cell : board) WriteCellText(cell, out);
}

bool ParseSavedGame(std::string_view text, SavedGameHeader& header, Board& board) {
  TextScanner in(text);
  if (!ReadHeader(in, header)) return false;
  for (PipeCell& cell : board) {
    if (!ReadCellText(cell, in)) return false;
  }
  in.SkipSpace();
  return in.AtEnd();
}

SavedGameHeader HeaderOf(const GamePosition& position) {
  return {position.state, position.score, position.fastForward ? 1 : 0, position.queue,
          position.current};
}

void ApplyHeader(const SavedGameHeader& header, GamePosition& position) {
  position.state = header.state;
  position.score = header.score;
  position.fastForward = header.fastForward == 1;
  position.queue = header.queue;
  position.current = header.current;
}
