#include <windows.h>

#include <cwctype>
#include <optional>
#include <string_view>

#include "frontends/win32/native_accelerators.h"
#include "frontends/win32/native_message_filter.h"

namespace {

// The windows of this thread whose keys are translated, newest first.
thread_local NativeAccelerators* t_newest = nullptr;

struct NamedKey {
  std::wstring_view name;
  WORD key;
};

constexpr NamedKey NAMED_KEYS[] = {
    {L"Space", VK_SPACE}, {L"Enter", VK_RETURN}, {L"Return", VK_RETURN}, {L"Esc", VK_ESCAPE},
    {L"Escape", VK_ESCAPE}, {L"Tab", VK_TAB}, {L"Del", VK_DELETE}, {L"Delete", VK_DELETE},
    {L"Backspace", VK_BACK}, {L"Ins", VK_INSERT}, {L"Insert", VK_INSERT}, {L"Home", VK_HOME},
    {L"End", VK_END}, {L"PgUp", VK_PRIOR}, {L"PgDown", VK_NEXT}, {L"Left", VK_LEFT},
    {L"Right", VK_RIGHT}, {L"Up", VK_UP}, {L"Down", VK_DOWN},
};

bool SameText(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

// The virtual key of one key name: a letter or digit, F1 to F24, or a named key.
std::optional<WORD> VirtualKey(std::wstring_view name) {
  if (name.size() == 1 && std::iswalnum(name[0]) && name[0] < 0x80) {
    return static_cast<WORD>(std::towupper(name[0]));
  }
  if (name.size() >= 2 && (name[0] == L'F' || name[0] == L'f')) {
    int number = 0;
    for (wchar_t c : name.substr(1)) number = c >= L'0' && c <= L'9' ? number * 10 + (c - L'0') : 99;
    if (number >= 1 && number <= 24) return static_cast<WORD>(VK_F1 + number - 1);
  }
  for (const NamedKey& named : NAMED_KEYS) {
    if (SameText(named.name, name)) return named.key;
  }
  return std::nullopt;
}

// "Ctrl+Shift+N" as an accelerator entry; nothing for a key this table does not know.
std::optional<ACCEL> ParseKey(const NativeAccelerator& key) {
  ACCEL accel{};
  accel.fVirt = FVIRTKEY;
  accel.cmd = static_cast<WORD>(key.id);
  std::wstring_view rest = key.key;
  for (std::size_t plus; (plus = rest.find(L'+')) != std::wstring_view::npos && plus + 1 < rest.size();) {
    const std::wstring_view modifier = rest.substr(0, plus);
    if (SameText(modifier, L"Ctrl")) {
      accel.fVirt |= FCONTROL;
    } else if (SameText(modifier, L"Shift")) {
      accel.fVirt |= FSHIFT;
    } else if (SameText(modifier, L"Alt")) {
      accel.fVirt |= FALT;
    } else {
      return std::nullopt;
    }
    rest.remove_prefix(plus + 1);
  }
  const std::optional<WORD> virtualKey = VirtualKey(rest);
  if (!virtualKey) return std::nullopt;
  accel.key = *virtualKey;
  return accel;
}

}  // namespace

NativeAccelerators::NativeAccelerators(NativeHandle window, const std::vector<NativeAccelerator>& keys)
    : m_window(window) {
  std::vector<ACCEL> table;
  for (const NativeAccelerator& key : keys) {
    if (const std::optional<ACCEL> accel = ParseKey(key)) table.push_back(*accel);
  }
  if (table.empty()) return;
  m_table = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
  m_filter = std::make_unique<MessageFilterUse>();
  m_outer = t_newest;
  t_newest = this;
}

NativeAccelerators::~NativeAccelerators() {
  if (t_newest == this) t_newest = m_outer;
  if (m_table != nullptr) DestroyAcceleratorTable(static_cast<HACCEL>(m_table));
}

bool NativeAccelerators::Translate(void* message) {
  const auto* msg = static_cast<MSG*>(message);
  const HWND window = static_cast<HWND>(m_window);
  if (m_table == nullptr || msg->hwnd == nullptr || GetAncestor(msg->hwnd, GA_ROOT) != window) {
    return false;
  }
  return TranslateAcceleratorW(window, static_cast<HACCEL>(m_table), const_cast<MSG*>(msg)) != 0;
}

// Inside a dialog loop: a key for the newest window with keys, or one of its controls, runs
// that window's command.
bool TranslateWindowKeys(MSG* message) {
  return t_newest != nullptr && t_newest->Translate(message);
}
