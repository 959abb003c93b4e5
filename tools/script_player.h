#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/game_dlg.h"
#include "frontends/scripted/scripted_framework.h"

// Runs the real game window on the scripted back end, one script line at a time, and prints
// what a player would have seen: every box and dialog that opens, every score text that rises
// and every change of the score.
class ScriptPlayer {
 public:
  // The player runs as the game named "vandrel" in executable's folder: boxes show the game's
  // title, and it reads and writes list.txt as the game does, beside the player when the file
  // can be written there, else in the user's data folder.
  explicit ScriptPlayer(const std::filesystem::path& executable);

  // Runs one line; false with error set when the line is not understood.
  bool Run(const std::string& line, std::string& error);
  bool Closed() const { return m_closed; }
  // The end of the script: leaderboard changes that wait for another game's lock are written
  // now, as the game writes them when its window goes.
  void Finish();
  // A box or dialog that opened with no answer queued for it, if any.
  std::string TakeError();

 private:
  // One family of commands each: the command's name and the rest of its line; false with
  // error set when the arguments are wrong.
  bool GameCommand(const std::string& name, std::istringstream& args, std::string& error);
  bool PointerCommand(const std::string& name, std::istringstream& args, std::string& error);
  bool KeyCommand(const std::string& name, std::istringstream& args, std::string& error);
  bool TouchCommand(const std::string& name, std::istringstream& args, std::string& error);
  bool TimerCommand(const std::string& name, std::istringstream& args, std::string& error);
  bool MenuCommand(const std::string& name, std::istringstream& args, std::string& error);
  bool AnswerCommand(const std::string& name, std::istringstream& args, std::string& error);
  bool FileCommand(const std::string& name, std::istringstream& args, std::string& error);
  bool FrameCommand(const std::string& name, std::istringstream& args, std::string& error);
  bool ReportCommand(const std::string& name, std::istringstream& args, std::string& error);

  // Prints the score texts shown and the change of the score since the last time.
  void Observe();
  void PrintBoard() const;
  void PrintTimers();

  ScriptedFramework m_framework;
  CGameDlg m_dialog;
  std::vector<ScoreText> m_shown;
  double m_scoreSeen = 0.0;
  bool m_closed = false;
};
