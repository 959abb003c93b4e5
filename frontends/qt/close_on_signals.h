#pragma once

// Makes SIGTERM, SIGINT and SIGHUP end the game as Esc does, so that a session that logs out
// or a Ctrl+C in the terminal closes the window the normal way and the leaderboard is written.
// The handler only writes a byte to a pipe; the Qt event loop reads it and then closes the
// open dialogs and boxes from the top down, the game window last, however many open after
// it. Call once, after the QApplication exists.
void CloseWindowOnTerminationSignals();
