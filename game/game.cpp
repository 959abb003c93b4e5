#include "game/game.h"

void Game::ToggleFastForward() {
  if (m_position.state == Playing) m_position.fastForward = !m_position.fastForward;
}

void Game::Pause() {
  if (m_position.state == Playing) m_position.state = Paused;
}

void Game::Resume() {
  if (m_position.state == Paused) m_position.state = Playing;
}

std::optional<unsigned> Game::WaterInterval() const {
  switch (m_position.state) {
    case Playing:
      return m_position.fastForward ? FAST_INTERVAL_MS : WATER_INTERVAL_MS;
    case Over:
      return FAST_INTERVAL_MS;
    default:
      return std::nullopt;
  }
}

bool Game::operator==(const Game& other) const {
  const GamePosition& a = m_position;
  const GamePosition& b = other.m_position;
  if (a.state != b.state || a.score != b.score || a.fastForward != b.fastForward ||
      a.queue != b.queue || a.current != b.current || m_random != other.m_random) {
    return false;
  }
  for (int i = 0; i < BOARD_CELLS; ++i) {
    if (!a.board[i].SameContents(b.board[i])) return false;
  }
  return true;
}

void Game::Score(GameReport& report, const ScoreEvent& event, bool charge) {
  report.Add(event);
  if (charge) m_position.score += event.points;
}
