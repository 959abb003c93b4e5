#include "platform/window_timers.h"

#include <algorithm>

namespace {

// Shorter intervals are raised to this, so no timer can keep the process spinning; it is also
// the shortest interval a Windows timer keeps.
constexpr unsigned MINIMUM_INTERVAL_MS = 10;

}  // namespace

void WindowTimers::Set(int id, unsigned milliseconds) {
  m_schedule.Start(id, std::clamp(milliseconds, MINIMUM_INTERVAL_MS, 0x7FFFFFFFu), m_hooks.now());
  Wake();
  Arm();
}

void WindowTimers::Kill(int id) {
  m_schedule.Stop(id);
  Wake();
  Arm();
}

void WindowTimers::Rest(int id) {
  m_schedule.Rest(id);
  Arm();
}

void WindowTimers::Wake() {
  if (m_schedule.WakeAll(m_hooks.now())) Arm();
}

// Each due timer is taken and delivered in turn, with the wake-up set for the next one first:
// a tick that opens a box runs a nested message loop in which the other timers go on.
void WindowTimers::FireDue() {
  m_armedFor.reset();  // spent: set afresh below, even for the same moment
  const Millis now = m_hooks.now();
  while (const std::optional<int> id = m_schedule.TakeDue(now)) {
    Arm();
    m_hooks.deliver(*id);
    if (!m_schedule.IsResting(*id)) Wake();
  }
  Arm();
}

// A wake-up already set for the same moment stands.
void WindowTimers::Arm() {
  const std::optional<Millis> next = m_schedule.NextWakeUp();
  if (!next) {
    if (m_set) m_hooks.disarm();
    m_set = false;
    m_armedFor.reset();
    return;
  }
  if (m_armedFor == next) return;
  m_armedFor = next;
  m_set = true;
  m_hooks.arm(std::clamp<Millis>(*next - m_hooks.now(), 0, 0x7FFFFFFF));
}
