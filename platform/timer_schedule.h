#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The timers of one window on one monotonic clock in milliseconds, for a back end that wakes
// the process once for all of them. Each timer keeps its phase: it is due every interval after
// it was started. Timers due within a twentieth of their interval of each other are taken in
// one wake-up, so two timers of one pace cost one wake-up, not two.
//
// A timer may rest when its next ticks would change nothing: it is not taken and does not
// count for the next wake-up until Wake, after which it comes back at its next phase point.
class TimerSchedule {
 public:
  using Millis = std::int64_t;

  // Starts timer id at now, or restarts its interval when it runs already; it is awake.
  void Start(int id, unsigned interval, Millis now);
  void Stop(int id);
  // The timer's interval while it runs.
  std::optional<unsigned> Interval(int id) const;
  // Milliseconds until the timer is next due (0 when overdue), while it runs.
  std::optional<Millis> Remaining(int id, Millis now) const;
  bool IsResting(int id) const;

  void Rest(int id);
  // Every resting timer comes back at the first of its phase points after now; whether any did.
  bool WakeAll(Millis now);

  // When the next awake timer is due, or nothing when none is.
  std::optional<Millis> NextWakeUp() const;
  // The awake timer to fire at now: the one due earliest (the lower id among equals), moved on
  // by its interval; a timer that fell behind skips the ticks it missed. Nothing when none is
  // due.
  std::optional<int> TakeDue(Millis now);

 private:
  struct Entry {
    int id;
    unsigned interval;
    Millis due;
    bool resting;
  };
  Entry* Find(int id);
  const Entry* Find(int id) const;

  std::vector<Entry> m_entries;
};
