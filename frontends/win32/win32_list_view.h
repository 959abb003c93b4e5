#pragma once

#include "platform/list_view.h"
#include "frontends/win32/native_services.h"

// The framework's list view on a common-controls list view: UTF-8 texts in, UTF-16 at the
// control. The extended styles, column formats and widths have the system's own values.
class Win32ListView : public ListView {
 public:
  explicit Win32ListView(NativeHandle list) : m_list(list) {}
  unsigned GetExtendedStyle() const override { return m_list.GetExtendedStyle(); }
  void SetExtendedStyle(unsigned style) override { m_list.SetExtendedStyle(style); }
  int InsertColumn(int column, std::string_view heading, int format) override;
  bool DeleteColumn(int column) override { return m_list.DeleteColumn(column); }
  int InsertItem(int row, std::string_view text) override;
  bool SetItemText(int row, int column, std::string_view text) override;
  bool DeleteAllItems() override { return m_list.DeleteAllItems(); }
  bool SetColumnWidth(int column, int width) override { return m_list.SetColumnWidth(column, width); }
  int GetColumnCount() const override { return m_list.GetColumnCount(); }
  int GetItemCount() const override { return m_list.GetItemCount(); }
  std::string GetColumnHeading(int column) const override;
  std::string GetItemText(int row, int column) const override;

 private:
  NativeListView m_list;
};
