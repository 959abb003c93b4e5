#include <memory>

#include "game/game_dlg.h"
#include "platform/file_bytes.h"
#include "storage/saved_game.h"

bool CGameDlg::SaveGame(const std::string& path) const {
  const SavedGameHeader header{m_state, m_score, m_fastForward, m_queue, m_current};
  std::string text;
  FormatSavedGame(header, m_board, text);
  return WriteFileAtomically(path, text);
}

bool CGameDlg::LoadGame(const std::string& path) {
  std::string text;
  if (!ReadFileBytes(path, SAVED_GAME_MAX_BYTES + 1, text) || text.size() > SAVED_GAME_MAX_BYTES) {
    return false;
  }
  // The file is read into a separate position (on the heap: a board is 100 KB) so that the
  // game changes only when the whole file has been read and checked.
  SavedGameHeader header;
  auto board = std::make_unique<Board>();
  if (!ParseSavedGame(text, header, *board)) return false;

  m_state = header.state;
  m_score = header.score;
  m_fastForward = header.fastForward;
  m_queue = header.queue;
  m_current = header.current;
  m_board = *board;
  RestartWaterTimer();
  RedrawBoard(true);
  Invalidate(false);
  return true;
}
