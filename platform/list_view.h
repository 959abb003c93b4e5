#pragma once

#include <string>
#include <string_view>

// Extended styles of a list view.
constexpr unsigned LVS_EX_GRIDLINES = 0x01;
constexpr unsigned LVS_EX_FULLROWSELECT = 0x20;
// Column format and the width that fits both contents and heading.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;

// The back end's list-view control in report view: columns with headings, rows of texts.
class ListView {
 public:
  virtual ~ListView() = default;
  virtual unsigned GetExtendedStyle() const = 0;
  virtual void SetExtendedStyle(unsigned style) = 0;
  virtual int InsertColumn(int column, std::string_view heading, int format) = 0;
  virtual bool DeleteColumn(int column) = 0;
  virtual int InsertItem(int row, std::string_view text) = 0;
  virtual bool SetItemText(int row, int column, std::string_view text) = 0;
  virtual bool DeleteAllItems() = 0;
  virtual bool SetColumnWidth(int column, int width) = 0;

  virtual int GetColumnCount() const = 0;
  virtual int GetItemCount() const = 0;
  virtual std::string GetColumnHeading(int column) const = 0;
  virtual std::string GetItemText(int row, int column) const = 0;
};

// The dialog's handle on a list view, bound to the control by data exchange.
class CListCtrl {
 public:
  void Attach(ListView* view) { m_view = view; }
  bool IsBound() const { return m_view != nullptr; }
  unsigned GetExtendedStyle() const { return m_view ? m_view->GetExtendedStyle() : 0; }
  void SetExtendedStyle(unsigned style) {
    if (m_view) m_view->SetExtendedStyle(style);
  }
  int InsertColumn(int column, std::string_view heading, int format = LVCFMT_LEFT) {
    return m_view ? m_view->InsertColumn(column, heading, format) : -1;
  }
  bool DeleteColumn(int column) { return m_view && m_view->DeleteColumn(column); }
  int InsertItem(int row, std::string_view text) { return m_view ? m_view->InsertItem(row, text) : -1; }
  bool SetItemText(int row, int column, std::string_view text) {
    return m_view && m_view->SetItemText(row, column, text);
  }
  bool DeleteAllItems() { return m_view && m_view->DeleteAllItems(); }
  bool SetColumnWidth(int column, int width) { return m_view && m_view->SetColumnWidth(column, width); }

 private:
  ListView* m_view = nullptr;
};
