#include "frontends/win32/win32_list_view.h"

#include "platform/windows/wide_text.h"

int Win32ListView::InsertColumn(int column, std::string_view heading, int format) {
  return m_list.InsertColumn(column, WidenUtf8(heading), format);
}

int Win32ListView::InsertItem(int row, std::string_view text) {
  return m_list.InsertItem(row, WidenUtf8(text));
}

bool Win32ListView::SetItemText(int row, int column, std::string_view text) {
  return m_list.SetItemText(row, column, WidenUtf8(text));
}

std::string Win32ListView::GetColumnHeading(int column) const {
  return NarrowToUtf8(m_list.GetColumnHeading(column));
}

std::string Win32ListView::GetItemText(int row, int column) const {
  return NarrowToUtf8(m_list.GetItemText(row, column));
}
