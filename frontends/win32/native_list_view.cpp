// The list view on the common controls' SysListView32, in report view.

#include <windows.h>
#include <commctrl.h>

#include "frontends/win32/native_services.h"

namespace {

HWND Handle(NativeHandle list) { return static_cast<HWND>(list); }

// Texts longer than this are cut when read back; the leaderboard's are far shorter.
constexpr int TEXT_BUFFER = 1024;

// The width the heading of column needs in the header: its text in the header's font and the
// margins the header draws it between, with a pixel to spare for rounding.
int HeadingWidth(HWND list, int column) {
  HWND header = ListView_GetHeader(list);
  wchar_t text[TEXT_BUFFER] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = TEXT_BUFFER;
  if (header == nullptr || !Header_GetItem(header, column, &item)) return 0;
  HDC dc = GetDC(header);
  const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(header, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font);
  RECT box{0, 0, 0, 0};
  DrawTextW(dc, text, -1, &box, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(header, dc);
  const int margin = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
  return box.right - box.left + 2 * margin + 1;
}

}  // namespace

unsigned NativeListView::GetExtendedStyle() const {
  return static_cast<unsigned>(ListView_GetExtendedListViewStyle(Handle(m_list)));
}

void NativeListView::SetExtendedStyle(unsigned style) {
  ListView_SetExtendedListViewStyle(Handle(m_list), style);
}

int NativeListView::InsertColumn(int column, const std::wstring& heading, int format) {
  LVCOLUMNW item{};
  item.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
  item.fmt = format;
  item.pszText = const_cast<wchar_t*>(heading.c_str());
  item.iSubItem = column;
  return static_cast<int>(ListView_InsertColumn(Handle(m_list), column, &item));
}

bool NativeListView::DeleteColumn(int column) {
  return ListView_DeleteColumn(Handle(m_list), column) != FALSE;
}

int NativeListView::InsertItem(int row, const std::wstring& text) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  return static_cast<int>(ListView_InsertItem(Handle(m_list), &item));
}

bool NativeListView::SetItemText(int row, int column, const std::wstring& text) {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  return SendMessageW(Handle(m_list), LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&item)) != FALSE;
}

bool NativeListView::DeleteAllItems() { return ListView_DeleteAllItems(Handle(m_list)) != FALSE; }


// Fitting the heading is left to the list view, which measures it a little short under some
// systems' font fallbacks (a Chinese heading in a font without Chinese glyphs showed "名…"), so
// a column fitted to its heading is widened to the heading's own measure where it falls short.
bool NativeListView::SetColumnWidth(int column, int width) {
  HWND list = Handle(m_list);
  if (!ListView_SetColumnWidth(list, column, width)) return false;
  if (width == LVSCW_AUTOSIZE_USEHEADER) {
    const int heading = HeadingWidth(list, column);
    if (ListView_GetColumnWidth(list, column) < heading) {
      ListView_SetColumnWidth(list, column, heading);
    }
  }
  return true;
}

int NativeListView::GetColumnCount() const {
  return Header_GetItemCount(ListView_GetHeader(Handle(m_list)));
}

int NativeListView::GetItemCount() const { return ListView_GetItemCount(Handle(m_list)); }

std::wstring NativeListView::GetColumnHeading(int column) const {
  wchar_t buffer[TEXT_BUFFER] = {};
  LVCOLUMNW item{};
  item.mask = LVCF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = TEXT_BUFFER;
  if (!ListView_GetColumn(Handle(m_list), column, &item)) return {};
  return buffer;
}

std::wstring NativeListView::GetItemText(int row, int column) const {
  wchar_t buffer[TEXT_BUFFER] = {};
  ListView_GetItemText(Handle(m_list), row, column, buffer, TEXT_BUFFER);
  return buffer;
}
