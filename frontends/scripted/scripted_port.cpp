#include "frontends/scripted/scripted_port.h"

ScriptedPort::ScriptedPort(int templateId, CRect client) : m_templateId(templateId), m_client(client) {}

void ScriptedPort::SetTimer(int id, unsigned milliseconds) {
  m_timers[id] = static_cast<int>(milliseconds);
  m_timerLog.push_back({id, static_cast<int>(milliseconds)});
}

void ScriptedPort::KillTimer(int id) {
  m_timers.erase(id);
  m_timerLog.push_back({id, -1});
}

CPoint ScriptedPort::ScreenToClient(CPoint screen) const {
  return {screen.x - origin.x, screen.y - origin.y};
}

void ScriptedPort::Present(const CBitmap& frame, const CRect& changed) {
  m_frame = frame;
  m_changed = changed;
  ++m_frames;
}

std::string ScriptedPort::GetItemText(int id) const {
  auto it = m_texts.find(id);
  return it == m_texts.end() ? std::string() : it->second;
}

void ScriptedPort::SetItemText(int id, std::string_view text) { m_texts[id] = std::string(text); }

ListView* ScriptedPort::GetListView(int id) {
  auto& list = m_lists[id];
  if (!list) list = std::make_unique<ListModel>();
  return list.get();
}

ListModel* ScriptedPort::FindListView(int id) {
  auto it = m_lists.find(id);
  return it == m_lists.end() ? nullptr : it->second.get();
}

std::optional<int> ScriptedPort::TimerInterval(int id) const {
  auto it = m_timers.find(id);
  if (it == m_timers.end()) return std::nullopt;
  return it->second;
}
