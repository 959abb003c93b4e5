#include "tools/script_player.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <map>
#include <optional>
#include <string_view>

#include "res/menu.h"
#include "res/resource_ids.h"
#include "storage/score_text.h"
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

// One square as three characters: what lies there, and '~' when it holds water.
std::string SquareText(const PipeCell& cell) {
  std::string text;
  if (cell.code == CELL_EMPTY) text = " .";
  else if (cell.code == CELL_SOURCE) text = " S";
  else if (cell.code == CELL_DRAIN) text = " D";
  else text = std::string(cell.code < 10 ? " " : "") + std::to_string(cell.code);
  return text + (cell.HasWater() ? "~" : " ");
}

bool ReadPoint(std::istringstream& args, CPoint& point) {
  return static_cast<bool>(args >> point.x >> point.y);
}

// The rest of the line without leading spaces: a path may contain spaces.
bool ReadPath(std::istringstream& args, std::string& path) {
  std::getline(args >> std::ws, path);
  return !path.empty();
}

std::string BadArguments(const std::string& name) { return "bad arguments to '" + name + "'"; }

bool SameKeyName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// The command of the game window's key named name, as the back ends read the same table.
std::optional<int> KeyCommandId(std::string_view name) {
  for (const CommandKey& key : FindCommandKeys(IDR_MENU)) {
    if (SameKeyName(key.key, name)) return key.id;
  }
  return std::nullopt;
}

std::string UnknownKey() {
  std::string error = "key takes one of";
  for (const CommandKey& key : FindCommandKeys(IDR_MENU)) {
    error += ' ';
    error += key.key;
  }
  return error;
}

using Command = bool (ScriptPlayer::*)(const std::string&, std::istringstream&, std::string&);

}  // namespace

ScriptPlayer::ScriptPlayer(const std::filesystem::path& executable) : m_dialog(m_framework) {
  const std::u8string program = (executable.parent_path() / "vandrel").u8string();
  m_framework.moduleFileName.assign(program.begin(), program.end());
  m_framework.onDialog = [](const DialogRecord& record) {
    std::cout << record.Describe() << "\n";
    for (const std::string& row : record.rows) std::cout << "  " << row << "\n";
  };
  m_dialog.WatchScores([this](const ScoreEvent&, const ScoreText& text) { m_shown.push_back(text); });
  m_framework.Open(m_dialog);
  // A script starts before the first game: "new" or "load" begins one.
  m_dialog.SetUpWindow(std::nullopt);
}

void ScriptPlayer::Finish() {
  if (!m_closed && m_dialog.LeaderboardWaiting()) m_dialog.WriteLeaderboard();
}

std::string ScriptPlayer::TakeError() {
  if (m_framework.errors.empty()) return {};
  std::string error = m_framework.errors.front();
  m_framework.errors.clear();
  return error;
}

bool ScriptPlayer::Run(const std::string& line, std::string& error) {
  static const std::map<std::string, Command> kCommands = {
      {"seed", &ScriptPlayer::GameCommand},      {"new", &ScriptPlayer::GameCommand},
      {"move", &ScriptPlayer::PointerCommand},   {"click", &ScriptPlayer::PointerCommand},
      {"dblclick", &ScriptPlayer::PointerCommand}, {"rclick", &ScriptPlayer::PointerCommand},
      {"key", &ScriptPlayer::KeyCommand},        {"tap", &ScriptPlayer::TouchCommand},
      {"longpress", &ScriptPlayer::TouchCommand},
      {"tick", &ScriptPlayer::TimerCommand},     {"menu", &ScriptPlayer::MenuCommand},
      {"answer", &ScriptPlayer::AnswerCommand},  {"save", &ScriptPlayer::FileCommand},
      {"load", &ScriptPlayer::FileCommand},      {"frame", &ScriptPlayer::FrameCommand},
      {"board", &ScriptPlayer::ReportCommand},   {"score", &ScriptPlayer::ReportCommand},
      {"state", &ScriptPlayer::ReportCommand},   {"queue", &ScriptPlayer::ReportCommand},
      {"timers", &ScriptPlayer::ReportCommand},
  };
  std::istringstream args(line);
  std::string name;
  if (!(args >> name) || name[0] == '#') return true;
  const auto command = kCommands.find(name);
  if (command == kCommands.end()) {
    error = "unknown command '" + name + "'";
    return false;
  }
  m_shown.clear();
  m_scoreSeen = m_dialog.GetGame().Score();
  if (!(this->*command->second)(name, args, error)) return false;
  if (!m_closed) Observe();
  return true;
}

bool ScriptPlayer::GameCommand(const std::string& name, std::istringstream& args,
                               std::string& error) {
  if (name == "new") {
    m_dialog.NewGame();
    return true;
  }
  unsigned long value = 0;
  if (!(args >> value)) {
    error = BadArguments(name);
    return false;
  }
  m_dialog.GetGame().Seed(static_cast<std::uint32_t>(value));
  return true;
}

// "move" puts the pointer there and runs one hover tick; the clicks put it there and press.
bool ScriptPlayer::PointerCommand(const std::string& name, std::istringstream& args,
                                  std::string& error) {
  CPoint point;
  if (!ReadPoint(args, point)) {
    error = BadArguments(name);
    return false;
  }
  m_framework.MovePointerTo(m_dialog, point);
  if (name == "move") {
    m_dialog.OnMouseMove(0, point);
    m_framework.FireTimer(m_dialog, HoverTimer);
  } else if (name == "click") {
    m_dialog.OnLButtonDown(0, point);
  } else if (name == "dblclick") {
    m_dialog.OnLButtonDblClk(0, point);
  } else {
    m_dialog.OnRButtonDown(0, point);
  }
  return true;
}

// A key of the game window, by the name the key table gives it ("Left", "Return", "D"...),
// delivered as the back ends deliver it: as the window's command.
bool ScriptPlayer::KeyCommand(const std::string&, std::istringstream& args, std::string& error) {
  std::string which;
  args >> which;
  const std::optional<int> id = KeyCommandId(which);
  if (!id) {
    error = UnknownKey();
    return false;
  }
  m_dialog.OnButton(*id);
  return true;
}

// A finger touches the screen: the pointer stays where it was.
bool ScriptPlayer::TouchCommand(const std::string& name, std::istringstream& args,
                                std::string& error) {
  CPoint point;
  if (!ReadPoint(args, point)) {
    error = BadArguments(name);
    return false;
  }
  if (name == "tap") {
    m_dialog.OnTap(point);
  } else {
    m_dialog.OnLongPress(point);
  }
  return true;
}

// Each tick is observed on its own, so its score texts and score change print after it.
bool ScriptPlayer::TimerCommand(const std::string&, std::istringstream& args, std::string& error) {
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
    if (!m_framework.FireTimer(m_dialog, id)) {
      std::cout << "timer " << which << " is not running\n";
      break;
    }
    Observe();
  }
  return true;
}

bool ScriptPlayer::MenuCommand(const std::string& name, std::istringstream& args,
                               std::string& error) {
  int id = 0;
  if (!(args >> id)) {
    error = BadArguments(name);
    return false;
  }
  m_dialog.OnCommand(id);
  if (m_framework.PortOf(m_dialog)->Result()) {
    m_framework.Close(m_dialog);
    m_closed = true;
    std::cout << "window closed\n";
  }
  return true;
}

bool ScriptPlayer::AnswerCommand(const std::string&, std::istringstream& args,
                                 std::string& error) {
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

bool ScriptPlayer::FileCommand(const std::string& name, std::istringstream& args,
                               std::string& error) {
  std::string path;
  if (!ReadPath(args, path)) {
    error = BadArguments(name);
    return false;
  }
  const bool save = name == "save";
  if (save ? m_dialog.SaveGame(path) : m_dialog.LoadGame(path)) {
    std::cout << (save ? "saved " : "loaded ") << path << "\n";
  } else {
    std::cout << name << " failed: " << path << "\n";
  }
  return true;
}

// Paints the window and writes the frame it shows as a PNG file.
bool ScriptPlayer::FrameCommand(const std::string&, std::istringstream& args, std::string& error) {
  std::string path;
  if (!ReadPath(args, path)) {
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

bool ScriptPlayer::ReportCommand(const std::string& name, std::istringstream&, std::string&) {
  const Game& game = m_dialog.GetGame();
  if (name == "board") {
    PrintBoard();
  } else if (name == "score") {
    std::cout << "score " << FormatScore(game.Score()) << "\n";
  } else if (name == "state") {
    std::cout << "state " << StateName(game.State()) << "\n";
  } else if (name == "queue") {
    const GamePosition& p = game.Position();
    std::cout << "queue " << p.queue[0] << " " << p.queue[1] << " " << p.queue[2] << " current "
              << p.current << "\n";
  } else {
    PrintTimers();
  }
  return true;
}

void ScriptPlayer::Observe() {
  for (const ScoreText& shown : m_shown) {
    std::cout << "popup \"" << shown.text << "\" at (" << shown.at.x << ", " << shown.at.y
              << ")\n";
  }
  m_shown.clear();
  const double score = m_dialog.GetGame().Score();
  if (score != m_scoreSeen) {
    std::cout << "score " << FormatScore(m_scoreSeen) << " -> " << FormatScore(score) << "\n";
  }
  m_scoreSeen = score;
}

void ScriptPlayer::PrintBoard() const {
  for (int row = 0; row < BOARD_SIZE; ++row) {
    std::string line;
    for (int col = 0; col < BOARD_SIZE; ++col) {
      line += SquareText(m_dialog.GetGame().Squares()[CellIndex(col, row)]);
    }
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
