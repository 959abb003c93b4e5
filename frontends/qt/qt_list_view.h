#pragma once

#include "platform/list_view.h"

class QTableWidget;
class QWidget;

// The framework's list view in report style on a QTableWidget: a heading per column, rows of
// read-only texts, grid lines and whole-row selection by the extended style. The table is a
// child widget of the dialog and is owned by it; this object only drives it.
class QtListView : public ListView {
 public:
  explicit QtListView(QWidget* parent);
  QTableWidget* Table() const { return m_table; }

  unsigned GetExtendedStyle() const override { return m_style; }
  void SetExtendedStyle(unsigned style) override;
  int InsertColumn(int column, std::string_view heading, int format) override;
  bool DeleteColumn(int column) override;
  int InsertItem(int row, std::string_view text) override;
  bool SetItemText(int row, int column, std::string_view text) override;
  bool DeleteAllItems() override;
  bool SetColumnWidth(int column, int width) override;

  int GetColumnCount() const override;
  int GetItemCount() const override;
  std::string GetColumnHeading(int column) const override;
  std::string GetItemText(int row, int column) const override;

 private:
  QTableWidget* m_table;
  unsigned m_style = 0;
};
