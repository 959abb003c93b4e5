#include "platform/timer_schedule.h"

#include <algorithm>

namespace {

// How early a timer may be taken so that it shares a wake-up with another: a twentieth of its
// interval, the slack a desktop's coarse timers allow themselves too.
TimerSchedule::Millis Slack(unsigned interval) { return interval / 20; }

// The first of the phase points due, due + interval, ... that lies after now.
TimerSchedule::Millis NextPhaseAfter(TimerSchedule::Millis due, unsigned interval,
                                     TimerSchedule::Millis now) {
  if (due > now) return due;
  return due + ((now - due) / interval + 1) * interval;
}

}  // namespace

TimerSchedule::Entry* TimerSchedule::Find(int id) {
  auto it = std::find_if(m_entries.begin(), m_entries.end(), [id](const Entry& e) { return e.id == id; });
  return it == m_entries.end() ? nullptr : &*it;
}

const TimerSchedule::Entry* TimerSchedule::Find(int id) const {
  return const_cast<TimerSchedule*>(this)->Find(id);
}

void TimerSchedule::Start(int id, unsigned interval, Millis now) {
  interval = std::max(interval, 1u);
  const Entry entry{id, interval, now + interval, false};
  if (Entry* running = Find(id)) {
    *running = entry;
  } else {
    m_entries.push_back(entry);
  }
}

void TimerSchedule::Stop(int id) {
  std::erase_if(m_entries, [id](const Entry& e) { return e.id == id; });
}

std::optional<unsigned> TimerSchedule::Interval(int id) const {
  const Entry* entry = Find(id);
  if (entry == nullptr) return std::nullopt;
  return entry->interval;
}

std::optional<TimerSchedule::Millis> TimerSchedule::Remaining(int id, Millis now) const {
  const Entry* entry = Find(id);
  if (entry == nullptr) return std::nullopt;
  return std::max<Millis>(0, entry->due - now);
}

bool TimerSchedule::IsResting(int id) const {
  const Entry* entry = Find(id);
  return entry != nullptr && entry->resting;
}

void TimerSchedule::Rest(int id) {
  if (Entry* entry = Find(id)) entry->resting = true;
}

bool TimerSchedule::WakeAll(Millis now) {
  bool woke = false;
  for (Entry& entry : m_entries) {
    if (!entry.resting) continue;
    entry.resting = false;
    entry.due = NextPhaseAfter(entry.due, entry.interval, now);
    woke = true;
  }
  return woke;
}

std::optional<TimerSchedule::Millis> TimerSchedule::NextWakeUp() const {
  std::optional<Millis> next;
  for (const Entry& entry : m_entries) {
    if (!entry.resting && (!next || entry.due < *next)) next = entry.due;
  }
  return next;
}

std::optional<int> TimerSchedule::TakeDue(Millis now) {
  Entry* first = nullptr;
  for (Entry& entry : m_entries) {
    if (entry.resting || entry.due - Slack(entry.interval) > now) continue;
    if (first == nullptr || entry.due < first->due || (entry.due == first->due && entry.id < first->id)) {
      first = &entry;
    }
  }
  if (first == nullptr) return std::nullopt;
  first->due = NextPhaseAfter(first->due + first->interval, first->interval, now);
  return first->id;
}
