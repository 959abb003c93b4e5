#pragma once

#include <functional>
#include <optional>

#include "platform/timer_schedule.h"

// The timers of one window on one wake-up of the back end (a single-shot toolkit timer, one
// system timer): a back end hands in how to set and clear that wake-up, its monotonic clock and
// how a tick reaches the dialog, and calls FireDue when the wake-up comes and Wake when the
// program hears of something new (input to any of its windows, an invalidation). Timers that
// rest are slept through until then; see WindowPort::RestTimer.
class WindowTimers {
 public:
  using Millis = TimerSchedule::Millis;

  struct Hooks {
    std::function<void(Millis delay)> arm;  // replaces any wake-up set before
    std::function<void()> disarm;
    std::function<Millis()> now;
    std::function<void(int id)> deliver;    // the tick of timer id, to OnTimer
  };

  explicit WindowTimers(Hooks hooks) : m_hooks(std::move(hooks)) {}

  // Starting a running timer starts its interval afresh.
  void Set(int id, unsigned milliseconds);
  void Kill(int id);
  void Rest(int id);
  // Something happened: resting timers come back at their next phase point.
  void Wake();
  // The wake-up came: delivers every timer due now, in turn.
  void FireDue();

  // For tests: the timer's interval while it runs, its time to the next tick, whether it rests.
  std::optional<unsigned> Interval(int id) const { return m_schedule.Interval(id); }
  std::optional<Millis> Remaining(int id) const { return m_schedule.Remaining(id, m_hooks.now()); }
  bool Resting(int id) const { return m_schedule.IsResting(id); }

 private:
  // Sets the wake-up for the next awake timer, or clears it.
  void Arm();

  Hooks m_hooks;
  TimerSchedule m_schedule;
  std::optional<Millis> m_armedFor;  // the moment the wake-up is set for, until it comes
  bool m_set = false;                // the wake-up is set (a periodic one may come again)
};
