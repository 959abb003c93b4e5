// vandrel-play: runs the real game window on the scripted back end from a script on standard
// input, one command a line, and prints what a player would have seen: every box and dialog
// that opens, every popup and every change of the score. Unknown commands and bad arguments
// stop the script with a message naming the line and a non-zero exit.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/game_dlg.h"
#include "storage/score_text.h"
#include "res/resource_ids.h"
#include "platform/file_size_limit.h"
#include "platform/program_path.h"
#include "platform/scripted/scripted_framework.h"
#include "tools/offscreen_text.h"
#include "view/png_file.h"

namespace {

const char* StateName(int state) {
  switch (state) {
    case Playing: return "Playing";
    case Over: return "Over";
    case Paused: return "Paused";
    default: return "unknown";
  }
}

// One cell as three characters: what lies there, and '~' when it holds water.
std::string CellText(const PipeCell& cell) {
  std::string text;
  if (cell.code == CELL_EMPTY) text = " .";
  else if (cell.code == CELL_SOURCE) text = " S";
  else if (cell.code == CELL_DRAIN) text = " D";
  else text = std::string(cell.code < 10 ? " " : "") + std::to_string(cell.code);
  return text + (cell.HasWater() ? "~" : " ");
}

class ScriptPlayer {
 public:
  // The player runs as the game named "vandrel" in its own folder: boxes show the game's
  // title, and it reads and writes list.txt as the game does, beside the player when the file
  // can be written there, else in the user's data folder.
  explicit ScriptPlayer(const std::filesystem::path& executable) : m_dialog(m_framework) {
    const std::u8string program = (executable.parent_path() / "vandrel").u8string();
    m_framework.moduleFileName.assign(program.begin(), program.end());
    m_framework.onDialog = [](const DialogRecord& record) {
      std::cout << record.Describe() << "\n";
      for (const std::string& row : record.rows) std::cout << "  " << row << "\n";
    };
    m_framework.Open(m_dialog);
    // A script starts before the first game: "new" or "load" begins one.
    m_dialog.SetUpWindow(std::nullopt);
  }

  // Runs one line; false with `error` set when the line is not understood.
  bool Run(const std::string& line, std::string& error);
  bool Closed() const { return m_closed; }
  // The end of the script: leaderboard changes that wait for another game's lock are written
  // now, as the game writes them when its window goes.
  void Finish() {
    if (!m_closed && m_dialog.LeaderboardWaiting()) m_dialog.WriteLeaderboard();
  }
  // A box or dialog that opened with no answer queued for it, if any.
  std::string TakeError() {
    if (m_framework.errors.empty()) return {};
    std::string error = m_framework.errors.front();
    m_framework.errors.clear();
    return error;
  }

 private:
  void Observe(int popupBefore, double scoreBefore);
  bool Tick(std::istringstream& args, std::string& error);
  bool Answer(std::istringstream& args, std::string& error);
  bool Frame(std::istringstream& args, std::string& error);
  void PrintBoard() const;
  void PrintTimers();

  ScriptedFramework m_framework;
  CGameDlg m_dialog;
  bool m_closed = false;
};

bool ReadPoint(std::istringstream& args, CPoint& point) {
  return static_cast<bool>(args >> point.x >> point.y);
}

// The rest of the line without leading spaces: a path may contain spaces.
bool ReadPath(std::istringstream& args, std::string& path) {
  std::getline(args >> std::ws, path);
  return !path.empty();
}

bool ScriptPlayer::Run(const std::string& line, std::string& error) {
  std::istringstream args(line);
  std::string command;
  if (!(args >> command) || command[0] == '#') return true;
  const int popupBefore = m_dialog.Popups().Next();
  const double scoreBefore = m_dialog.GetGame().Score();
  CPoint point;
  std::string path;
  bool ok = true;

  if (command == "seed") {
    unsigned long value = 0;
    ok = static_cast<bool>(args >> value);
    if (ok) m_dialog.GetGame().Seed(static_cast<std::uint32_t>(value));
  } else if (command == "new") {
    m_dialog.NewGame();
  } else if (command == "move" && (ok = ReadPoint(args, point))) {
    m_framework.MovePointerTo(m_dialog, point);
    m_dialog.OnMouseMove(0, point);
    m_framework.FireTimer(m_dialog, HoverTimer);
  } else if ((command == "click" || command == "dblclick" || command == "rclick") &&
             (ok = ReadPoint(args, point))) {
    m_framework.MovePointerTo(m_dialog, point);
    if (command == "click") m_dialog.OnLButtonDown(0, point);
    if (command == "dblclick") m_dialog.OnLButtonDblClk(0, point);
    if (command == "rclick") m_dialog.OnRButtonDown(0, point);
  } else if (command == "tick") {
    return Tick(args, error);
  } else if (command == "menu") {
    int id = 0;
    ok = static_cast<bool>(args >> id);
    if (ok) m_dialog.OnCommand(id);
    if (ok && m_framework.PortOf(m_dialog)->Result()) {
      m_framework.Close(m_dialog);
      m_closed = true;
      std::cout << "window closed\n";
      return true;
    }
  } else if (command == "answer") {
    return Answer(args, error);
  } else if ((command == "save" || command == "load") && (ok = ReadPath(args, path))) {
    const bool done = command == "save" ? m_dialog.SaveGame(path) : m_dialog.LoadGame(path);
    if (done) std::cout << (command == "save" ? "saved " : "loaded ") << path << "\n";
    else std::cout << command << " failed: " << path << "\n";
  } else if (command == "frame") {
    return Frame(args, error);
  } else if (command == "board") {
    PrintBoard();
  } else if (command == "score") {
    std::cout << "score " << FormatScore(m_dialog.GetGame().Score()) << "\n";
  } else if (command == "state") {
    std::cout << "state " << StateName(m_dialog.GetGame().State()) << "\n";
  } else if (command == "queue") {
    const GamePosition& game = m_dialog.GetGame().Position();
    std::cout << "queue " << game.queue[0] << " " << game.queue[1] << " " << game.queue[2]
              << " current " << game.current << "\n";
  } else if (command == "timers") {
    PrintTimers();
  } else if (command != "move" && command != "click" && command != "dblclick" &&
             command != "rclick" && command != "save" && command != "load") {
    error = "unknown command '" + command + "'";
    return false;
  }
  if (!ok) {
    error = "bad arguments to '" + command + "'";
    return false;
  }
  Observe(popupBefore, scoreBefore);
  return true;
}

bool ScriptPlayer::Tick(std::istringstream& args, std::string& error) {
  std::string which;
  int count = 1;
  args >> which;
  if (!(args >> count)) count = 1;
  int id = -1;
  if (which == "water") id = WaterTimer;
  if (which == "hover") id = HoverTimer;
  if (which == "anim") id = AnimationTimer;
  if (id < 0 || count < 0) {
    error = "tick takes water, hover or anim and an optional count";
    return false;
  }
  for (int i = 0; i < count && !m_closed; ++i) {
    const int popupBefore = m_dialog.Popups().Next();
    const double scoreBefore = m_dialog.GetGame().Score();
    if (!m_framework.FireTimer(m_dialog, id)) {
      std::cout << "timer " << which << " is not running\n";
      break;
    }
    Observe(popupBefore, scoreBefore);
  }
  return true;
}

bool ScriptPlayer::Answer(std::istringstream& args, std::string& error) {
  std::string word;
  args >> word;
  if (word != "ok" && word != "cancel") {
    error = "answer takes ok or cancel";
    return false;
  }
  ScriptedAnswer answer;
  answer.ok = word == "ok";
  std::string rest;
  std::getline(args, rest);
  const std::size_t start = rest.find_first_not_of(' ');
  if (start != std::string::npos) answer.text = rest.substr(start);
  m_framework.QueueAnswer(answer);
  return true;
}

// Paints the window and writes the frame it shows as a PNG file.
bool ScriptPlayer::Frame(std::istringstream& args, std::string& error) {
  std::string path;
  std::getline(args >> std::ws, path);
  if (path.empty()) {
    error = "frame takes the path of the PNG file to write";
    return false;
  }
  if (TextRenderer* real = OffscreenTextRenderer()) m_framework.text.forward = real;
  m_dialog.ForgetShownFrame();  // the texts are drawn for real from now on
  m_dialog.OnPaint();
  const CBitmap& frame = m_framework.PortOf(m_dialog)->LastFrame();
  if (!WritePngFile(path, frame.Bits(), frame.Width(), frame.Height(), false)) {
    error = "cannot write the frame to " + path;
    return false;
  }
  std::cout << "frame written to " << path << "\n";
  return true;
}

// Prints the popups added since popupBefore and the change of the score.
void ScriptPlayer::Observe(int popupBefore, double scoreBefore) {
  for (int slot = popupBefore; slot != m_dialog.Popups().Next();) {
    if (slot >= POPUP_RING_SIZE) slot = 0;
    const ScorePopup& popup = m_dialog.Popups()[slot];
    std::cout << "popup \"" << popup.text << "\" at (" << popup.x << ", " << popup.y << ")\n";
    if (++slot == m_dialog.Popups().Next()) break;
  }
  if (m_dialog.GetGame().Score() != scoreBefore) {
    std::cout << "score " << FormatScore(scoreBefore) << " -> " << FormatScore(m_dialog.GetGame().Score())
              << "\n";
  }
}

void ScriptPlayer::PrintBoard() const {
  for (int row = 0; row < BOARD_SIZE; ++row) {
    std::string line;
    for (int col = 0; col < BOARD_SIZE; ++col) line += CellText(m_dialog.GetGame().Squares()[CellIndex(col, row)]);
    std::cout << line << "\n";
  }
}

void ScriptPlayer::PrintTimers() {
  static const char* const kNames[] = {"water", "hover", "anim"};
  const ScriptedPort* port = m_framework.PortOf(m_dialog);
  for (int id = 0; id < 3; ++id) {
    const auto interval = port->TimerInterval(id);
    std::cout << "timer " << kNames[id] << " "
              << (interval ? std::to_string(*interval) + " ms" : std::string("stopped")) << "\n";
  }
}

}  // namespace

int main(int, char** argv) {
  IgnoreFileSizeLimitSignal();
  const std::string self = RunningProgramPath();
  ScriptPlayer player(self.empty() ? std::filesystem::absolute(argv[0])
                                   : std::filesystem::path(std::u8string(self.begin(), self.end())));
  std::string line;
  int number = 0;
  while (!player.Closed() && std::getline(std::cin, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string error;
    if (!player.Run(line, error)) {
      std::cerr << "line " << number << ": " << error << "\n";
      return 2;
    }
    error = player.TakeError();
    if (!error.empty()) {
      std::cerr << "line " << number << ": " << error << "\n";
      return 1;
    }
  }
  player.Finish();
  const std::string error = player.TakeError();
  if (!error.empty()) {
    std::cerr << "end of script: " << error << "\n";
    return 1;
  }
  return 0;
}
