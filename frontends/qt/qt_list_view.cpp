#include "frontends/qt/qt_list_view.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "frontends/qt/qt_strings.h"

namespace {

QTableWidgetItem* MakeItem(std::string_view text) {
  auto* item = new QTableWidgetItem(ToQString(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return item;
}

}  // namespace

QtListView::QtListView(QWidget* parent) : m_table(new QTableWidget(parent)) {
  m_table->verticalHeader()->hide();
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setWordWrap(false);
  m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The last column reaches to the right edge, as a fitted last column of a report view does.
  m_table->horizontalHeader()->setStretchLastSection(true);
  const int rowHeight = m_table->fontMetrics().height() + 4;
  m_table->verticalHeader()->setMinimumSectionSize(rowHeight);
  m_table->verticalHeader()->setDefaultSectionSize(rowHeight);
  SetExtendedStyle(0);
}

void QtListView::SetExtendedStyle(unsigned style) {
  m_style = style;
  m_table->setShowGrid((style & LVS_EX_GRIDLINES) != 0);
  m_table->setSelectionBehavior((style & LVS_EX_FULLROWSELECT) != 0
                                    ? QAbstractItemView::SelectRows
                                    : QAbstractItemView::SelectItems);
}

int QtListView::InsertColumn(int column, std::string_view heading, int) {
  column = std::clamp(column, 0, GetColumnCount());
  m_table->insertColumn(column);
  m_table->setHorizontalHeaderItem(column, MakeItem(heading));
  return column;
}

bool QtListView::DeleteColumn(int column) {
  if (column < 0 || column >= GetColumnCount()) return false;
  m_table->removeColumn(column);
  return true;
}

// A row needs a column to hold its first text; without one nothing is inserted.
int QtListView::InsertItem(int row, std::string_view text) {
  if (GetColumnCount() == 0) return -1;
  row = std::clamp(row, 0, GetItemCount());
  m_table->insertRow(row);
  m_table->setItem(row, 0, MakeItem(text));
  return row;
}

bool QtListView::SetItemText(int row, int column, std::string_view text) {
  if (row < 0 || row >= GetItemCount() || column < 0 || column >= GetColumnCount()) return false;
  m_table->setItem(row, column, MakeItem(text));
  return true;
}

bool QtListView::DeleteAllItems() {
  m_table->setRowCount(0);
  return true;
}

bool QtListView::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= GetColumnCount()) return false;
  if (width == LVSCW_AUTOSIZE_USEHEADER) {
    // Fits both the cells and the heading: the header's size hint is part of the measure.
    m_table->resizeColumnToContents(column);
  } else {
    m_table->setColumnWidth(column, std::max(0, width));
  }
  return true;
}

int QtListView::GetColumnCount() const { return m_table->columnCount(); }
int QtListView::GetItemCount() const { return m_table->rowCount(); }

std::string QtListView::GetColumnHeading(int column) const {
  const QTableWidgetItem* item = m_table->horizontalHeaderItem(column);
  return item ? item->text().toStdString() : std::string();
}

std::string QtListView::GetItemText(int row, int column) const {
  const QTableWidgetItem* item = m_table->item(row, column);
  return item ? item->text().toStdString() : std::string();
}
