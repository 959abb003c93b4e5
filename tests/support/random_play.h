#pragma once

#include <random>

#include "app/game_dlg.h"
#include "frontends/scripted/scripted_framework.h"

// A player who acts at random, to bring games into every kind of position: pieces laid on
// random squares and next to the water (so crossings and joined water happen), discards,
// removals, fast-forward switched on and off, pauses and resumes, and water steps in between.
// Every box or dialog the game opens (the end of a game) is answered with OK.
class RandomPlayer {
 public:
  RandomPlayer(CGameDlg& game, ScriptedFramework& framework, unsigned seed);

  // Makes `actions` random moves.
  void Play(int actions);
  // Runs water steps until the timer stops or `steps` have run.
  void RunWater(int steps);

  std::mt19937& Random() { return m_random; }

 private:
  void LayNearWater();
  void ClickSquare(int col, int row, bool right);
  void Discard();
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

  CGameDlg& m_game;
  ScriptedFramework& m_framework;
  std::mt19937 m_random;
};
