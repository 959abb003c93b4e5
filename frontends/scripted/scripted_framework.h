#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frontends/scripted/recording_text_renderer.h"
#include "platform/list_model.h"
#include "frontends/scripted/scripted_port.h"
#include "frontends/scripted/temp_folder.h"
#include "platform/dialog.h"
#include "platform/framework.h"

// A framework back end driven by a script: timers fire when the test says so, the pointer is
// where the test puts it, and every modal box or dialog takes the next answer the test
// queued. A box or dialog with no answer waiting is recorded as an error. Nothing here
// touches a display or a clock.

// What a test says to the next box or dialog.
struct ScriptedAnswer {
  bool ok = true;
  std::optional<std::string> text;  // the name typed, or the file chosen
  std::vector<int> pressFirst;      // buttons pressed before OK or Cancel
};

// A box or dialog that opened, as the player would have seen it.
struct DialogRecord {
  enum Kind { MessageBox, Dialog, OpenFile, SaveFile } kind;
  std::string title;
  std::string text;  // message text, or the offered text of an edit field
  unsigned type = 0;
  std::vector<std::string> rows;  // list-view rows, "01 | 佚名 | 0"
  std::string Describe() const;
};

class ScriptedFramework : public Framework {
 public:
  ScriptedFramework();

  // Creates the window of a main dialog without a modal loop; with runSetUp its OnInitDialog
  // runs. Close destroys it again (OnDestroy).
  ScriptedPort& Open(CDialog& dialog, bool runSetUp = false);
  void Close(CDialog& dialog);
  ScriptedPort* PortOf(const CDialog& dialog);

  // Delivers timer id to dialog if that timer is running; returns whether it fired.
  bool FireTimer(CDialog& dialog, int id);

  void QueueAnswer(ScriptedAnswer answer) { m_answers.push_back(std::move(answer)); }
  // OK, with the text typed into the dialog's edit field or the file chosen.
  void AnswerOk(std::optional<std::string> typed = std::nullopt) {
    QueueAnswer(ScriptedAnswer{true, std::move(typed), {}});
  }
  // Esc or the close box.
  void AnswerCancel() { QueueAnswer(ScriptedAnswer{false, std::nullopt, {}}); }
  std::size_t PendingAnswers() const { return m_answers.size(); }

  // Framework
  int RunModal(CDialog& dialog) override;
  int MessageBox(CDialog* owner, std::string_view text, std::string_view caption,
                 unsigned type) override;
  int RunFileDialog(CDialog* owner, const FileDialogOptions& options, std::string& path) override;
  void ShowCursor(bool show) override;
  CPoint GetCursorPos() const override { return cursor; }
  void OpenUrl(std::string_view url, int showMode) override;
  std::string GetModuleFileName() const override { return moduleFileName; }
  std::int64_t CurrentTimeSeconds() const override { return now; }
  TextRenderer* GetTextRenderer() override { return &text; }

  // Puts the pointer at a client point of dialog's window.
  void MovePointerTo(const CDialog& dialog, CPoint client);

  CPoint cursor{0, 0};
  bool cursorVisible = true;
  int cursorShowCalls = 0;
  int cursorHideCalls = 0;
  // Each framework runs the game from a temporary folder of its own, so the list.txt the game
  // writes never lands in a real folder and every test starts without one.
  TempFolder programFolder;
  std::string moduleFileName = programFolder.File("vandrel");
  std::int64_t now = 1700000000;
  RecordingTextRenderer text;
  std::vector<DialogRecord> dialogs;
  std::vector<std::pair<std::string, int>> urls;
  std::vector<std::string> errors;
  // Called as each box or dialog opens, before it takes its answer.
  std::function<void(const DialogRecord&)> onDialog;

 private:
  std::optional<ScriptedAnswer> TakeAnswer(const std::string& what);
  void Record(DialogRecord record);

  std::deque<ScriptedAnswer> m_answers;
  std::map<const CDialog*, std::unique_ptr<ScriptedPort>> m_ports;
};
