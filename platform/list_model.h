#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/list_view.h"

// A list view that keeps its columns and rows in memory: the scripted back end's, and the model
// of a back end that draws the list itself. onChange, when set, runs after every change.
class ListModel : public ListView {
 public:
  unsigned GetExtendedStyle() const override { return m_style; }
  void SetExtendedStyle(unsigned style) override { m_style = style; }
  int InsertColumn(int column, std::string_view heading, int format) override;
  bool DeleteColumn(int column) override;
  int InsertItem(int row, std::string_view text) override;
  bool SetItemText(int row, int column, std::string_view text) override;
  bool DeleteAllItems() override;
  bool SetColumnWidth(int column, int width) override;
  int GetColumnCount() const override { return static_cast<int>(m_headings.size()); }
  int GetItemCount() const override { return static_cast<int>(m_rows.size()); }
  std::string GetColumnHeading(int column) const override;
  std::string GetItemText(int row, int column) const override;

  // The width set for column: a width in pixels, or LVSCW_AUTOSIZE_USEHEADER.
  int GetColumnWidth(int column) const;
  // Rows as "cell | cell | cell" lines, for printing and comparing.
  std::vector<std::string> RowTexts() const;

  std::function<void()> onChange;

 private:
  void Changed() const {
    if (onChange) onChange();
  }

  unsigned m_style = 0;
  std::vector<std::string> m_headings;
  std::vector<int> m_widths;
  std::vector<std::vector<std::string>> m_rows;
};
