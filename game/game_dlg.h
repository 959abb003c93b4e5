#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/game_state.h"
#include "game/score_popup.h"
#include "model/board.h"
#include "platform/dc.h"
#include "platform/dialog.h"
#include "storage/leaderboard.h"
#include "storage/leaderboard_store.h"
#include "view/sprite_surface.h"

// The game window: it owns the one game in progress and receives every event. Its handlers
// live with the subsystem that defines them: game/ plays, view/ draws, storage/ reads and
// writes files, app/ runs the menu commands.
class CGameDlg : public CDialog {
 public:
  explicit CGameDlg(Framework& framework, CDialog* parent = nullptr);

  // --- Events (routed here by the back end) ---
  bool OnInitDialog() override;
  void OnDestroy() override;
  void OnTimer(int id) override;
  void OnOK() override;
  void OnLButtonDown(unsigned flags, CPoint point) override;
  void OnLButtonDblClk(unsigned flags, CPoint point) override;
  void OnRButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  void OnCommand(int id) override;
  // Files dropped on the window: the first is opened as a saved game.
  void OnDropFiles(const std::vector<std::string>& paths) override;
  // Composes the frame in the back buffer and hands it to the window.
  void OnPaint() override;

  // --- Game play ---
  // Empties the board and lays a drain and a source at random.
  void ResetBoard();
  // Menu "new game": fresh board and queue, score 10, Playing, water every 5 s.
  void NewGame();
  // Moves the queue on by one piece and deals a fresh kind into slot 0.
  void DealNewPiece();
  // Stops the water timer and starts it at the interval the state and fast-forward ask for.
  void RestartWaterTimer();
  // One water step over the whole board, with its scoring and the end of the game.
  void WaterTick();
  // Pointer position, discard-button hover and cursor hiding, every 30 ms.
  void HoverTick();
  // Popups rise one pixel; the window is repainted.
  void AnimationTick();
  // Records a rising score text unless fast-forward is on or the game is not Playing.
  void AddScorePopup(int x, int y, std::string_view text, COLORREF textColor,
                     COLORREF outlineColor);
  // Final score message and, for a qualifying score, name dialog and leaderboard.
  void AnnounceGameOver();
  // Playing -> Paused: the water timer stops and the pause picture shows.
  void Pause();
  // Paused -> Playing: the water timer starts afresh at the interval fast-forward asks for.
  void Resume();
  // The pause key (Space or P): pauses a game in play, resumes a paused one; nothing when over.
  void OnPauseResume();

  // --- Start-up ---
  // The first game is dealt from seed instead of the clock. Before the window is created.
  void SetFirstGameSeed(std::uint32_t seed) { m_firstGameSeed = seed; }
  // The saved game at path is opened as a dropped file is, once the window runs. Before the
  // window is created.
  void OpenAfterStartUp(std::string path) { m_startUpFile = std::move(path); }
  // StartUpFileTimer: opens the saved game named by OpenAfterStartUp, once.
  void OpenStartUpFile();

  // --- Menu commands ---
  void OnLeaderboard();
  void OnExit();
  // The instructions and contact pages that ship with the program, in the user's browser.
  void OnInstructions();
  void OnContactAuthor();
  void OnAbout();

  // --- Saved games and the leaderboard file ---
  // Writes the game to path; an existing file is replaced only by a complete new one. False
  // when anything failed. Changes nothing in the game.
  bool SaveGame(const std::string& path) const;
  // Replaces the game's position by the one saved at path, restarts the water timer by the
  // state read and repaints. False, with nothing changed, when the file cannot be read or is
  // not a complete, valid saved game.
  bool LoadGame(const std::string& path);
  // Menu "open" and "save": a file dialog, the load or save, and a message with the outcome.
  void OnOpenGame();
  void OnSaveGame();
  // Fills m_leaderboard from "list.txt", beside the program when the file can be written
  // there, else in the user's data folder; the place is kept for the run. Entries the file
  // does not fill keep their value; a file that is missing or cannot be read leaves them all.
  void ReadLeaderboard();
  // Writes "list.txt" under its lock: the file as it stands now with this game's changes that
  // are not in it yet applied in order. m_leaderboard becomes that merged board. A failure is
  // said once a run on standard error, and the changes wait for the next write.
  void WriteLeaderboard();
  // Makes one change to the leaderboard (a new entry, or a clear) and writes it at once.
  void ChangeLeaderboard(const LeaderboardEdit& edit);

  // --- Presentation ---
  // Rebuilds the board picture from scratch (true) or draws each square's water front (false).
  void RedrawBoard(bool rebuild);
  // Makes the drawing surfaces, in this order: the sprite sheet, the 305 x 305 board picture,
  // the popup and score fonts, and the back buffer at the client area's size with a
  // transparent text background. Called once by the window's set-up.
  void CreateDrawingResources();
  // Composes one whole frame in the back buffer: the game with the carried piece at client
  // point pointer, or the pause picture. Reads the game state and changes nothing else.
  void ComposeFrame(CPoint pointer);

  // --- Game fields ---
  Leaderboard m_leaderboard;
  LeaderboardStore m_leaderboardStore;
  SpriteSurface m_dcSprites;
  CBitmap m_bmpSprites;
  CDC m_dcBoard;
  CBitmap m_bmpBoard;
  CDC m_dcBack;
  CBitmap m_bmpBack;
  bool m_cursorShown = true;
  bool m_mouseMoved = false;
  int m_overDiscard = 0;
  int m_fastForward = 0;
  double m_score = 0.0;
  std::array<CFont, 2> m_fonts;
  std::array<ScorePopup, POPUP_RING_SIZE> m_popups;
  int m_popupNext = 0;
  int m_state = Playing;
  Board m_board;
  std::array<int, 3> m_queue{};
  int m_current = 0;

  // The name the name dialog offers: unset until the first qualifying game of the run.
  static std::optional<std::string> s_lastName;

 private:
  std::optional<std::uint32_t> m_firstGameSeed;
  std::string m_startUpFile;

  void ReRollSlotZero(int reRollModulus);
  // One square's turn in the water step; true when it made progress.
  bool StepSquare(int col, int row);
  // The water has stopped: announce the end once, drain the board and replay at 30 ms.
  void EndOfFlow();
  // Lays the carried piece on (col, row) if the square takes it.
  void LayPiece(int col, int row, CPoint point);
  // Whether a piece of this template laid at (col, row) faces a port of a neighbour.
  bool MeetsNeighbour(const PipeCell& piece, int col, int row) const;
  void ShowCursor(bool show);
};
