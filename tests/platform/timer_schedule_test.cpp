#include "platform/timer_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window_timers.h"

namespace {

// Every timer taken at now, in the order they are delivered.
std::vector<int> Wake(TimerSchedule& timers, TimerSchedule::Millis now) {
  std::vector<int> taken;
  while (const auto id = timers.TakeDue(now)) taken.push_back(*id);
  return taken;
}

}  // namespace

TEST(TimerSchedule, TimersOfOnePaceShareAWakeUpInTheOrderTheyFallDue) {
  TimerSchedule timers;
  timers.Start(2, 30, 1000);
  timers.Start(1, 30, 1001);  // a moment later: shares the wake-up, delivered after timer 2
  timers.Start(0, 5000, 1000);
  EXPECT_EQ(timers.NextWakeUp(), 1030);
  EXPECT_EQ(Wake(timers, 1030), (std::vector<int>{2, 1}));
  EXPECT_EQ(timers.NextWakeUp(), 1060);

  // A late wake-up delivers each timer once and skips the ticks missed.
  EXPECT_EQ(Wake(timers, 1200), (std::vector<int>{2, 1}));
  EXPECT_EQ(timers.Remaining(2, 1200), 10);
  EXPECT_EQ(Wake(timers, 6000), (std::vector<int>{2, 1, 0})) << "the longest overdue first";

  // Starting a running timer restarts its interval; a stopped one is gone.
  timers.Start(0, 30, 6005);
  EXPECT_EQ(timers.Interval(0), 30u);
  EXPECT_EQ(timers.Remaining(0, 6005), 30);
  timers.Stop(1);
  EXPECT_FALSE(timers.Interval(1));
  EXPECT_EQ(Wake(timers, 6035), (std::vector<int>{2, 0}));
}

TEST(TimerSchedule, RestingTimersAreSleptThroughAndComeBackInPhase) {
  TimerSchedule timers;
  timers.Start(1, 30, 0);
  timers.Start(2, 30, 0);
  timers.Rest(1);
  timers.Rest(2);
  EXPECT_FALSE(timers.NextWakeUp()) << "nothing to wake up for";
  EXPECT_TRUE(Wake(timers, 500).empty());

  EXPECT_TRUE(timers.WakeAll(1000));
  EXPECT_FALSE(timers.WakeAll(1000)) << "none left resting";
  EXPECT_EQ(timers.NextWakeUp(), 1020) << "the next of 30, 60, 90 ... after 1000";
  EXPECT_EQ(Wake(timers, 1020), (std::vector<int>{1, 2}));

  // One resting timer does not hold back the other.
  timers.Rest(1);
  EXPECT_EQ(Wake(timers, 1050), (std::vector<int>{2}));
  EXPECT_TRUE(timers.IsResting(1));
}

// The driver on a fake clock: one wake-up for all timers, set afresh whenever it came or the
// next moment changed, cleared when every timer rests; a tick that opens a modal loop lets
// the other timers go on inside it.
TEST(WindowTimers, OneWakeUpServesEveryTimerAndRestingOnesAreSleptThrough) {
  TimerSchedule::Millis now = 0;
  std::vector<std::string> log;
  std::vector<int> delivered;
  WindowTimers* self = nullptr;
  const auto arm = [&](TimerSchedule::Millis delay) {
    log.push_back("arm " + std::to_string(delay));
  };
  WindowTimers timers({arm,
                       [&] { log.push_back("disarm"); }, [&] { return now; },
                       [&](int id) {
                         delivered.push_back(id);
                         if (id == 0 && now == 30) {  // a modal box opens: time passes inside it
                           now = 60;
                           self->FireDue();
                         }
                       }});
  self = &timers;
  timers.Set(1, 30);
  timers.Set(2, 30);
  timers.Set(0, 5);
  EXPECT_EQ(timers.Interval(0), 10u) << "raised to the shortest interval";
  EXPECT_EQ(log, (std::vector<std::string>{"arm 30", "arm 10"}));

  now = 30;
  log.clear();
  timers.FireDue();
  // Timer 0 is taken first; inside its box, at 60, timers 1 and 2 (due since 30) and timer 0
  // again; after the box the outer round finds nothing more due.
  EXPECT_EQ(delivered, (std::vector<int>{0, 1, 2, 0}));
  EXPECT_EQ(log.back(), "arm 10");

  // Resting timers are slept through; with all of them resting the wake-up is cleared.
  timers.Rest(0);
  timers.Rest(1);
  timers.Rest(2);
  EXPECT_EQ(log.back(), "disarm");
  EXPECT_TRUE(timers.Resting(1));
  log.clear();
  timers.Rest(1);
  EXPECT_TRUE(log.empty()) << "no second disarm";

  // Input wakes them at their next phase point.
  now = 75;
  timers.Wake();
  EXPECT_EQ(log, (std::vector<std::string>{"arm 5"})) << "timer 0 is next due at 80";
  EXPECT_FALSE(timers.Resting(2));
  EXPECT_EQ(timers.Remaining(1), 15);
}
