#pragma once

// Qt ends the process with abort, and a core file, when its platform plugin cannot start: a
// display that cannot be reached, or a platform name it does not know. While a DisplayGuard
// lives, such a start ends the program with one plain line on standard error naming the
// display and what to try, and exit status 1. Qt's other messages meanwhile are held back and
// passed on when the guard goes, so a start that works shows them as before.
//
// Lives around the construction of the QApplication; one at a time.
class DisplayGuard {
 public:
  DisplayGuard();
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;
};
