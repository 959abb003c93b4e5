#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/framework.h"
#include "platform/list_view.h"
#include "platform/text_renderer.h"
#include "platform/window_port.h"
#include "frontends/scripted/temp_folder.h"

// A framework back end driven by a script: timers fire when the test says so, the pointer is
// where the test puts it, and every modal box or dialog takes the next answer the test
// queued. A box or dialog with no answer waiting is recorded as an error. Nothing here
// touches a display or a clock.

class ScriptedListView : public ListView {
 public:
  unsigned GetExtendedStyle() const override { return m_style; }
  void SetExtendedStyle(unsigned style) override { m_style = style; }
  int InsertColumn(int column, std::string_view heading, int format) override;
  bool DeleteColumn(int column) override;
  int InsertItem(int row, std::string_view text) override;
  bool SetItemText(int row, int column, std::string_view text) override;
  bool DeleteAllItems() override;
  bool SetColumnWidth(int column, int width) override;
  int GetColumnCount() const override { return static_cast<int>(m_headings.size()); }
  int GetItemCount() const override { return static_cast<int>(m_rows.size()); }
  std::string GetColumnHeading(int column) const override;
  std::string GetItemText(int row, int column) const override;

  // Rows as "cell | cell | cell" lines, for printing and comparing.
  std::vector<std::string> RowTexts() const;

 private:
  unsigned m_style = 0;
  std::vector<std::string> m_headings;
  std::vector<int> m_widths;
  std::vector<std::vector<std::string>> m_rows;
};

// One start or stop of a timer, in the order they happened.
struct TimerEvent {
  int id;
  int interval;  // -1: stopped
};

class ScriptedPort : public WindowPort {
 public:
  ScriptedPort(int templateId, CRect client);
  void SetTimer(int id, unsigned milliseconds) override;
  void KillTimer(int id) override;
  void Invalidate() override { ++m_invalidations; }
  void EndDialog(int result) override { m_result = result; }
  CRect GetClientRect() const override { return m_client; }
  CPoint ScreenToClient(CPoint screen) const override;
  bool IsIconic() const override { return false; }
  void Present(const CBitmap& frame, const CRect& changed) override;
  std::string GetItemText(int id) const override;
  void SetItemText(int id, std::string_view text) override;
  ListView* GetListView(int id) override;

  // The interval of a running timer.
  std::optional<int> TimerInterval(int id) const;
  const std::vector<TimerEvent>& TimerLog() const { return m_timerLog; }
  int Invalidations() const { return m_invalidations; }
  std::optional<int> Result() const { return m_result; }
  const CBitmap& LastFrame() const { return m_frame; }
  int Frames() const { return m_frames; }
  // The part of the last frame said to differ from the one before.
  const CRect& LastChanged() const { return m_changed; }
  ScriptedListView* FindListView(int id);

  // Screen position of the client area's top-left corner.
  CPoint origin{100, 50};

 private:
  int m_templateId;
  CRect m_client;
  std::map<int, int> m_timers;
  std::vector<TimerEvent> m_timerLog;
  int m_invalidations = 0;
  std::optional<int> m_result;
  CBitmap m_frame;
  int m_frames = 0;
  CRect m_changed;
  std::map<int, std::string> m_texts;
  std::map<int, std::unique_ptr<ScriptedListView>> m_lists;
};

// One text call a surface made.
struct TextCall {
  bool drawText;  // DrawText into a rectangle, else TextOut at a point
  int x, y;
  CRect rect;
  unsigned format;
  std::string text;
  COLORREF color;
  FontSpec font;
};

class RecordingTextRenderer : public TextRenderer {
 public:
  void TextOut(CBitmap& target, const FontSpec& font, COLORREF color, int x, int y,
               std::string_view text) override;
  void DrawText(CBitmap& target, const FontSpec& font, COLORREF color, const CRect& rect,
                std::string_view text, unsigned format) override;
  std::vector<TextCall> calls;
  // When set, the calls are also passed on (a real renderer that draws the glyphs).
  TextRenderer* forward = nullptr;
};

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
