#pragma once

#include <cstdint>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/frame_look.h"
#include "game/game.h"
#include "platform/dialog.h"
#include "storage/leaderboard.h"
#include "storage/leaderboard_store.h"
#include "view/game_view.h"
#include "view/score_look.h"
#include "view/score_popups.h"

// The game window. It receives every event, runs the game's rules on its Game and turns what
// they report into popups, pictures, timers and dialogs. Its handlers keep the order of their
// effects: the game changes first, then the pictures, then the window is asked to repaint.
class CGameDlg : public CDialog {
 public:
  explicit CGameDlg(Framework& framework, CDialog* parent = nullptr);

  // --- Events (routed here by the back end) ---
  // The window's set-up: the framework's own, then SetUpWindow with the seed of the command
  // line or from the clock; then, when one was named at start-up, the saved game to open.
  bool OnInitDialog() override;
  void OnDestroy() override;
  void OnTimer(int id) override;
  void OnOK() override;
  void OnLButtonDown(unsigned flags, CPoint point) override;
  void OnLButtonDblClk(unsigned flags, CPoint point) override;
  void OnRButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  // The pointer left the window: the hover check runs at once, so the carried piece goes and
  // the system cursor shows without waiting for the next hover tick.
  void OnMouseLeave() override;
  // Keys, taps and long presses do what the matching click does, at the same place: a key at
  // the middle of the board cursor's square or of the button, a tap where the finger was.
  // key is a command id of a key without a menu item (ID_KEY_LEFT ...).
  void OnKey(int key);
  // A tap is a left click that needs no hover before it: on the discard button it discards.
  void OnTap(CPoint point) override;
  // A long press is a right click.
  void OnLongPress(CPoint point) override;
  void OnCommand(int id) override;
  // Files dropped on the window: the first is opened as a saved game.
  void OnDropFiles(const std::vector<std::string>& paths) override;
  // Composes the frame in the back buffer and hands it to the window.
  void OnPaint() override;

  // The one set-up path of every game window, in the window, the tests, the script player and
  // the benchmarks: the leaderboard from list.txt, the drawing surfaces, then, with a seed,
  // the first game dealt from it and the water timer, then the hover and animation timers.
  // Without a seed the window waits for NewGame with an empty board, as a script starts.
  void SetUpWindow(std::optional<std::uint32_t> firstGameSeed);

  // --- Game play ---
  // Menu "new game": fresh board and queue, score 10, Playing, water every 5 s.
  void NewGame();
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
  // The bitmaps for CreateDrawingResources, being made ahead (on another thread while the
  // window is made); it waits for them, and makes its own without them. Before the window is
  // created.
  void UsePreparedPixels(std::future<ViewPixels> pixels) { m_preparedPixels = std::move(pixels); }
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
  // Fills the leaderboard from "list.txt", beside the program when the file can be written
  // there, else in the user's data folder; the place is kept for the run. Entries the file
  // does not fill keep their value; a file that is missing or cannot be read leaves them all.
  void ReadLeaderboard();
  // The write as the window goes: "list.txt" under its lock, waiting a few seconds at most for
  // another game to let go of it; the file as it stands now with this game's changes that are
  // not in it yet applied in order, and the leaderboard becomes that merged board. Changes
  // that still cannot be written are lost with the window: the player is told, once a run.
  void WriteLeaderboard();
  // Makes one change to the leaderboard (a new entry, or a clear) and writes it at once. The
  // window waits for the lock no longer than a player can notice: while another game holds
  // it, LeaderboardTimer writes the change as soon as it is free. When the file cannot be written the player is told, once a
  // run, and the change waits for the next write.
  void ChangeLeaderboard(const LeaderboardEdit& edit);
  // LeaderboardTimer: writes the waiting changes if the lock is free now.
  void RetryLeaderboard();
  // Whether changes to the leaderboard wait to be written.
  bool LeaderboardWaiting() const { return m_leaderboardStore.Waiting(); }

  // --- Presentation ---
  // Rebuilds the board picture from scratch (true) or draws each square's water front (false).
  void RedrawBoard(bool rebuild);
  // Makes the drawing surfaces at the client area's size, from the prepared bitmaps when there
  // are any. Called once by the window's set-up.
  void CreateDrawingResources();
  // Composes the frame in the back buffer with the carried piece at client point pointer.
  // Reads the game and changes nothing in it; returns the part of the frame drawn again.
  CRect ComposeFrame(CPoint pointer);
  // Whether a frame composed now, with the pointer at client point pointer, could differ
  // from the one last handed to the window: the board picture was drawn on, a popup rises or
  // has just finished, or the game, the buttons or the carried piece look different.
  bool FrameOutdated(CPoint pointer) const;
  // The next paint composes a whole frame even if nothing the game shows changed: for a
  // caller that changed how frames are drawn (their text, say).
  void ForgetShownFrame() { m_frameStale = true; }

  // --- What the window holds, for the back ends, tools and tests ---
  const Game& GetGame() const { return m_game; }
  // The game itself, for tools and tests that set up a position; the window's pictures and
  // timers follow only through its own handlers.
  Game& GetGame() { return m_game; }
  const PopupRing& Popups() const { return m_popups; }
  PopupRing& Popups() { return m_popups; }
  GameView& View() { return m_view; }
  const GameView& View() const { return m_view; }
  Leaderboard& GetLeaderboard() { return m_leaderboard; }
  bool CursorShown() const { return m_cursorShown; }
  // The square the keys act on, while it shows.
  std::optional<BoardSquare> BoardCursor() const { return m_boardCursor; }
  // What a frame composed now, with the pointer at client point pointer, shows besides the game.
  FrameExtras ExtrasAt(CPoint pointer) const;
  // Tells watcher each score event the window shows, with its rising text, as it starts to
  // rise: the script player prints them.
  void WatchScores(std::function<void(const ScoreEvent&, const ScoreText&)> watcher) {
    m_scoreWatcher = std::move(watcher);
  }
  bool OverDiscard() const { return m_overDiscard; }

 private:
  // Shows what an operation of the game reported: its popups, then the board picture. The
  // popups of the player's moves rise from pointer, where the move was made.
  void Show(const GameReport& report, CPoint pointer = {});
  // What a left click at point does, with the discard button lit or not: resume, a button, the
  // discard or laying the piece in hand; popups rise from point.
  void PressAt(CPoint point, bool discardLit);
  // What a right click at point does: take a dry piece off.
  void RemoveAt(CPoint point);
  // Shows the board cursor, or moves it by (cols, rows) up to the board's edge.
  void MoveBoardCursor(int cols, int rows);
  // The water has stopped: announce the end once, drain the board and replay at 30 ms.
  void EndOfFlow();
  void ShowCursor(bool show);
  // The window's pointer position in client pixels.
  CPoint PointerInClient() const;
  // Starts or stops LeaderboardTimer by the outcome of a write, and tells a failure.
  void FollowLeaderboardWrite(LeaderboardWrite outcome);
  // The box that says the leaderboard could not be saved, once a run. closing: the window is
  // going, its timers are stopped first and the box has no owner.
  void TellLeaderboardNotSaved(bool closing);

  Game m_game;
  GameView m_view;
  PopupRing m_popups;
  Leaderboard m_leaderboard;
  LeaderboardStore m_leaderboardStore;
  bool m_leaderboardFailureTold = false;
  bool m_cursorShown = true;
  bool m_mouseMoved = false;
  bool m_overDiscard = false;
  // The board cursor, from the first arrow key until a click or a tap, and whether the keys
  // were used since the mouse last moved: the carried piece then lies on the cursor's square.
  std::optional<BoardSquare> m_boardCursor;
  bool m_keysLast = false;
  std::optional<CPoint> m_lastMove;
  // What the window shows: the look of the last frame handed to it, whether popups were in
  // it, and whether anything outside the look (the board picture) has changed since.
  FrameLook m_shownLook;
  bool m_popupsShown = false;
  bool m_frameStale = true;
  // The name the name dialog offers: unset until the first qualifying game of the window.
  std::optional<std::string> m_lastName;
  std::optional<std::uint32_t> m_firstGameSeed;
  std::string m_startUpFile;
  std::future<ViewPixels> m_preparedPixels;
  std::function<void(const ScoreEvent&, const ScoreText&)> m_scoreWatcher;
};
