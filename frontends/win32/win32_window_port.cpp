#include "frontends/win32/win32_window_port.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

#include "platform/scaled_frame.h"
#include "platform/windows/wide_text.h"

namespace {

TimerSchedule::Millis Now() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Windows' resolution at 100 %.
constexpr double BASE_DPI = 96.0;

CRect Clip(const CRect& rect, int width, int height) {
  return CRect{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width),
               std::min(rect.bottom, height)};
}

}  // namespace

Win32WindowPort::Win32WindowPort(NativeHandle window, int frameWidth, int frameHeight,
                                 std::function<void(int)> onTimer)
    : m_window(window),
      m_frameWidth(frameWidth),
      m_frameHeight(frameHeight),
      m_timers({[this](TimerSchedule::Millis delay) {
                  NativeSetTimer(m_window, WAKE_UP_TIMER, static_cast<unsigned>(delay));
                },
                [this] { NativeKillTimer(m_window, WAKE_UP_TIMER); }, Now, std::move(onTimer)}),
      m_inputWatch([this] { m_timers.Wake(); }) {}

void Win32WindowPort::SetTimer(int id, unsigned milliseconds) { m_timers.Set(id, milliseconds); }

void Win32WindowPort::KillTimer(int id) { m_timers.Kill(id); }

void Win32WindowPort::RestTimer(int id) { m_timers.Rest(id); }

void Win32WindowPort::Invalidate() {
  m_timers.Wake();
  NativeInvalidate(m_window);
}

void Win32WindowPort::EndDialog(int result) { NativeEndDialog(m_window, result); }

FrameScale Win32WindowPort::Scale() const {
  return FrameScale(m_frameWidth, m_frameHeight, m_frameWidth, m_frameHeight,
                    NativeWindowDpi(m_window) / BASE_DPI);
}

// The game window's client area is the frame's size, whatever the screen's resolution.
CRect Win32WindowPort::GetClientRect() const {
  if (ShowsFrame()) return CRect{0, 0, m_frameWidth, m_frameHeight};
  CRect rect;
  NativeClientSize(m_window, rect.right, rect.bottom);
  return rect;
}

CPoint Win32WindowPort::DeviceToClient(int x, int y) const {
  return ShowsFrame() ? Scale().DeviceToFrame(x, y) : CPoint{x, y};
}

CPoint Win32WindowPort::ScreenToClient(CPoint screen) const {
  NativeScreenToClient(m_window, screen.x, screen.y);
  return DeviceToClient(screen.x, screen.y);
}

bool Win32WindowPort::IsIconic() const { return NativeIsIconic(m_window); }

// Keeps the changed part and marks the device pixels it reaches for the paint that follows.
void Win32WindowPort::Present(const CBitmap& frame, const CRect& changed) {
  if (frame.IsEmpty()) return;
  CRect part = Clip(changed, frame.Width(), frame.Height());
  if (m_shown.Width() != frame.Width() || m_shown.Height() != frame.Height()) {
    m_shown = frame;
    part = CRect{0, 0, frame.Width(), frame.Height()};
  } else {
    for (int y = part.top; y < part.bottom; ++y) {
      std::memcpy(m_shown.Row(y) + part.left, frame.Row(y) + part.left,
                  sizeof(std::uint32_t) * static_cast<std::size_t>(part.Width()));
    }
  }
  if (part.IsEmpty()) return;
  const DeviceBox device = Scale().ToDevice(part);
  NativeInvalidateArea(m_window, static_cast<int>(std::floor(device.left)),
                       static_cast<int>(std::floor(device.top)),
                       static_cast<int>(std::ceil(device.right)),
                       static_cast<int>(std::ceil(device.bottom)));
}

// Each device pixel depends only on the frame pixels under it, so any box can be drawn alone.
void Win32WindowPort::Expose(const CRect& device) {
  const CRect box{std::max(device.left, 0), std::max(device.top, 0), device.right, device.bottom};
  if (box.IsEmpty()) return;
  ScaleFrame(m_shown, Scale(), box, m_pixels);
  NativeShowPixels(m_window, m_pixels.Bits(), m_pixels.Width(), m_pixels.Height(), box.left,
                   box.top);
}

void Win32WindowPort::FitToScreen() {
  if (!ShowsFrame()) return;
  const FrameScale scale = Scale();
  NativeSetClientSize(m_window, scale.deviceWidth, scale.deviceHeight);
  NativeInvalidateArea(m_window, 0, 0, scale.deviceWidth, scale.deviceHeight);
}

std::string Win32WindowPort::GetItemText(int id) const {
  return NarrowToUtf8(NativeGetItemText(m_window, id));
}

void Win32WindowPort::SetItemText(int id, std::string_view text) {
  NativeSetItemText(m_window, id, WidenUtf8(text));
}

ListView* Win32WindowPort::GetListView(int id) {
  std::unique_ptr<Win32ListView>& list = m_lists[id];
  if (list == nullptr) {
    NativeHandle control = NativeGetItem(m_window, id);
    if (control == nullptr) return nullptr;
    list = std::make_unique<Win32ListView>(control);
  }
  return list.get();
}
