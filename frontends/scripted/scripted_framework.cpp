#include "frontends/scripted/scripted_framework.h"

#include <algorithm>

#include "res/dialog_templates.h"
#include "res/resource_ids.h"

// --- ScriptedListView ---

int ScriptedListView::InsertColumn(int column, std::string_view heading, int) {
  column = std::clamp(column, 0, GetColumnCount());
  m_headings.insert(m_headings.begin() + column, std::string(heading));
  m_widths.insert(m_widths.begin() + column, 0);
  for (auto& row : m_rows) {
    if (static_cast<int>(row.size()) >= column) row.insert(row.begin() + column, std::string());
  }
  return column;
}

bool ScriptedListView::DeleteColumn(int column) {
  if (column < 0 || column >= GetColumnCount()) return false;
  m_headings.erase(m_headings.begin() + column);
  m_widths.erase(m_widths.begin() + column);
  for (auto& row : m_rows) {
    if (column < static_cast<int>(row.size())) row.erase(row.begin() + column);
  }
  return true;
}

int ScriptedListView::InsertItem(int row, std::string_view text) {
  row = std::clamp(row, 0, GetItemCount());
  std::vector<std::string> cells(std::max<std::size_t>(1, m_headings.size()));
  cells[0] = std::string(text);
  m_rows.insert(m_rows.begin() + row, std::move(cells));
  return row;
}

bool ScriptedListView::SetItemText(int row, int column, std::string_view text) {
  if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount()) return false;
  auto& cells = m_rows[row];
  if (static_cast<int>(cells.size()) <= column) cells.resize(column + 1);
  cells[column] = std::string(text);
  return true;
}

bool ScriptedListView::DeleteAllItems() {
  m_rows.clear();
  return true;
}

bool ScriptedListView::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= GetColumnCount()) return false;
  m_widths[column] = width;
  return true;
}

std::string ScriptedListView::GetColumnHeading(int column) const {
  return column >= 0 && column < GetColumnCount() ? m_headings[column] : std::string();
}

std::string ScriptedListView::GetItemText(int row, int column) const {
  if (row < 0 || row >= GetItemCount()) return {};
  const auto& cells = m_rows[row];
  return column >= 0 && column < static_cast<int>(cells.size()) ? cells[column] : std::string();
}

std::vector<std::string> ScriptedListView::RowTexts() const {
  std::vector<std::string> lines;
  for (int row = 0; row < GetItemCount(); ++row) {
    std::string line;
    for (int column = 0; column < GetColumnCount(); ++column) {
      if (column > 0) line += " | ";
      line += GetItemText(row, column);
    }
    lines.push_back(line);
  }
  return lines;
}

// --- ScriptedPort ---

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
  if (!list) list = std::make_unique<ScriptedListView>();
  return list.get();
}

ScriptedListView* ScriptedPort::FindListView(int id) {
  auto it = m_lists.find(id);
  return it == m_lists.end() ? nullptr : it->second.get();
}

std::optional<int> ScriptedPort::TimerInterval(int id) const {
  auto it = m_timers.find(id);
  if (it == m_timers.end()) return std::nullopt;
  return it->second;
}

// --- RecordingTextRenderer ---

void RecordingTextRenderer::TextOut(CBitmap& target, const FontSpec& font, COLORREF color, int x,
                                    int y, std::string_view text) {
  calls.push_back({false, x, y, CRect{}, 0, std::string(text), color, font});
  if (forward) forward->TextOut(target, font, color, x, y, text);
}

void RecordingTextRenderer::DrawText(CBitmap& target, const FontSpec& font, COLORREF color,
                                     const CRect& rect, std::string_view text, unsigned format) {
  calls.push_back({true, rect.left, rect.top, rect, format, std::string(text), color, font});
  if (forward) forward->DrawText(target, font, color, rect, text, format);
}

// --- DialogRecord ---

std::string DialogRecord::Describe() const {
  static const char* const kKinds[] = {"message", "dialog", "open file", "save file"};
  std::string line = std::string(kKinds[kind]) + " \"" + title + "\"";
  if (!text.empty()) line += kind == Dialog ? " offers \"" + text + "\"" : ": " + text;
  return line;
}

// --- ScriptedFramework ---

namespace {

CRect ClientOf(int templateId) {
  if (templateId == IDD_GAME) return CRect{0, 0, GAME_CLIENT_WIDTH, GAME_CLIENT_HEIGHT};
  const DialogTemplate* t = FindDialogTemplate(templateId);
  if (t == nullptr) return CRect{0, 0, 200, 100};
  return CRect{0, 0, DialogUnitsToPixelsX(t->width), DialogUnitsToPixelsY(t->height)};
}

// The first edit field of a template: where a typed answer goes.
int EditControlOf(int templateId) {
  const DialogTemplate* t = FindDialogTemplate(templateId);
  if (t == nullptr) return -1;
  for (const ControlTemplate& c : t->controls) {
    if (c.type == ControlType::Edit) return c.id;
  }
  return -1;
}

}  // namespace

ScriptedFramework::ScriptedFramework() = default;

ScriptedPort& ScriptedFramework::Open(CDialog& dialog, bool runSetUp) {
  auto& port = m_ports[&dialog];
  port = std::make_unique<ScriptedPort>(dialog.TemplateId(), ClientOf(dialog.TemplateId()));
  dialog.AttachPort(port.get());
  if (runSetUp) dialog.OnInitDialog();
  return *port;
}

void ScriptedFramework::Close(CDialog& dialog) {
  if (m_ports.count(&dialog) == 0) return;
  dialog.OnDestroy();
  dialog.DetachPort();
  m_ports.erase(&dialog);
}

ScriptedPort* ScriptedFramework::PortOf(const CDialog& dialog) {
  auto it = m_ports.find(&dialog);
  return it == m_ports.end() ? nullptr : it->second.get();
}

bool ScriptedFramework::FireTimer(CDialog& dialog, int id) {
  ScriptedPort* port = PortOf(dialog);
  if (port == nullptr || !port->TimerInterval(id)) return false;
  dialog.OnTimer(id);
  return true;
}

void ScriptedFramework::MovePointerTo(const CDialog& dialog, CPoint client) {
  ScriptedPort* port = PortOf(dialog);
  const CPoint origin = port ? port->origin : CPoint{};
  cursor = {client.x + origin.x, client.y + origin.y};
}

std::optional<ScriptedAnswer> ScriptedFramework::TakeAnswer(const std::string& what) {
  if (m_answers.empty()) {
    errors.push_back("no answer queued for " + what);
    return std::nullopt;
  }
  ScriptedAnswer answer = std::move(m_answers.front());
  m_answers.pop_front();
  return answer;
}

void ScriptedFramework::Record(DialogRecord record) {
  if (onDialog) onDialog(record);
  dialogs.push_back(std::move(record));
}

int ScriptedFramework::RunModal(CDialog& dialog) {
  ScriptedPort& port = Open(dialog, true);
  const DialogTemplate* t = FindDialogTemplate(dialog.TemplateId());
  DialogRecord record{DialogRecord::Dialog, t ? std::string(t->title) : std::string(), {}, 0, {}};
  const int edit = EditControlOf(dialog.TemplateId());
  if (edit >= 0) record.text = port.GetItemText(edit);
  if (ScriptedListView* list = port.FindListView(IDC_LIST)) record.rows = list->RowTexts();
  Record(record);

  std::optional<ScriptedAnswer> answer = TakeAnswer("dialog \"" + record.title + "\"");
  if (answer) {
    for (int id : answer->pressFirst) dialog.OnButton(id);
    if (!answer->pressFirst.empty()) {
      if (ScriptedListView* list = port.FindListView(IDC_LIST)) {
        record.rows = list->RowTexts();
        Record(record);
      }
    }
    if (answer->ok && answer->text && edit >= 0) port.SetItemText(edit, *answer->text);
    dialog.OnButton(answer->ok ? IDOK : IDCANCEL);
  }
  const int result = port.Result().value_or(0);
  Close(dialog);
  return result;
}

int ScriptedFramework::MessageBox(CDialog*, std::string_view message, std::string_view caption,
                                  unsigned type) {
  const std::string title = caption.empty() ? AppTitle() : std::string(caption);
  Record(DialogRecord{DialogRecord::MessageBox, title, std::string(message), type, {}});
  TakeAnswer("message \"" + std::string(message) + "\"");
  return IDOK;
}

int ScriptedFramework::RunFileDialog(CDialog*, const FileDialogOptions& options, std::string& path) {
  Record(DialogRecord{options.open ? DialogRecord::OpenFile : DialogRecord::SaveFile,
                      options.filter, {}, 0, {}});
  std::optional<ScriptedAnswer> answer = TakeAnswer(options.open ? "open file" : "save file");
  if (!answer || !answer->ok || !answer->text) return IDCANCEL;
  path = *answer->text;
  // Like a real file dialog, a typed name without extension gets the default one.
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.rfind('.');
  if (!options.defaultExt.empty() && (dot == std::string::npos || (slash != std::string::npos && dot < slash))) {
    path += "." + options.defaultExt;
  }
  return IDOK;
}

void ScriptedFramework::ShowCursor(bool show) {
  cursorVisible = show;
  ++(show ? cursorShowCalls : cursorHideCalls);
}

void ScriptedFramework::OpenUrl(std::string_view url, int showMode) {
  urls.emplace_back(std::string(url), showMode);
}
