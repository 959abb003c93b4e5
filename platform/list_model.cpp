#include "platform/list_model.h"

#include <algorithm>

int ListModel::InsertColumn(int column, std::string_view heading, int) {
  column = std::clamp(column, 0, GetColumnCount());
  m_headings.insert(m_headings.begin() + column, std::string(heading));
  m_widths.insert(m_widths.begin() + column, 0);
  for (auto& row : m_rows) {
    if (static_cast<int>(row.size()) >= column) row.insert(row.begin() + column, std::string());
  }
  Changed();
  return column;
}

bool ListModel::DeleteColumn(int column) {
  if (column < 0 || column >= GetColumnCount()) return false;
  m_headings.erase(m_headings.begin() + column);
  m_widths.erase(m_widths.begin() + column);
  for (auto& row : m_rows) {
    if (column < static_cast<int>(row.size())) row.erase(row.begin() + column);
  }
  Changed();
  return true;
}

int ListModel::InsertItem(int row, std::string_view text) {
  row = std::clamp(row, 0, GetItemCount());
  std::vector<std::string> cells(std::max<std::size_t>(1, m_headings.size()));
  cells[0] = std::string(text);
  m_rows.insert(m_rows.begin() + row, std::move(cells));
  Changed();
  return row;
}

bool ListModel::SetItemText(int row, int column, std::string_view text) {
  if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount()) return false;
  auto& cells = m_rows[row];
  if (static_cast<int>(cells.size()) <= column) cells.resize(column + 1);
  cells[column] = std::string(text);
  Changed();
  return true;
}

bool ListModel::DeleteAllItems() {
  m_rows.clear();
  Changed();
  return true;
}

bool ListModel::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= GetColumnCount()) return false;
  m_widths[column] = width;
  Changed();
  return true;
}

int ListModel::GetColumnWidth(int column) const {
  return column >= 0 && column < GetColumnCount() ? m_widths[column] : 0;
}

std::string ListModel::GetColumnHeading(int column) const {
  return column >= 0 && column < GetColumnCount() ? m_headings[column] : std::string();
}

std::string ListModel::GetItemText(int row, int column) const {
  if (row < 0 || row >= GetItemCount()) return {};
  const auto& cells = m_rows[row];
  return column >= 0 && column < static_cast<int>(cells.size()) ? cells[column] : std::string();
}

std::vector<std::string> ListModel::RowTexts() const {
  std::vector<std::string> lines;
  for (int row = 0; row < GetItemCount(); ++row) {
    std::string line;
    for (int column = 0; column < GetColumnCount(); ++column) {
      if (column > 0) line += " | ";
      line += GetItemText(row, column);
    }
    lines.push_back(line);
  }
  return lines;
}
