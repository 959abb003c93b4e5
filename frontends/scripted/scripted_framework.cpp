#include "frontends/scripted/scripted_framework.h"

#include "res/dialog_templates.h"
#include "res/resource_ids.h"

std::string DialogRecord::Describe() const {
  static const char* const kKinds[] = {"message", "dialog", "open file", "save file"};
  std::string line = std::string(kKinds[kind]) + " \"" + title + "\"";
  if (!text.empty()) line += kind == Dialog ? " offers \"" + text + "\"" : ": " + text;
  return line;
}

namespace {

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
  port = std::make_unique<ScriptedPort>(dialog.TemplateId(), ClientAreaOf(dialog.TemplateId()));
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
  if (ListModel* list = port.FindListView(IDC_LIST)) record.rows = list->RowTexts();
  Record(record);

  std::optional<ScriptedAnswer> answer = TakeAnswer("dialog \"" + record.title + "\"");
  if (answer) {
    for (int id : answer->pressFirst) dialog.OnButton(id);
    if (!answer->pressFirst.empty()) {
      if (ListModel* list = port.FindListView(IDC_LIST)) {
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
