#include "app/list_dlg.h"

#include <cstdio>
#include <utility>

#include "app/shown_names.h"
#include "res/catalogue.h"
#include "res/resource_ids.h"

CListDlg::CListDlg(Framework& framework, Leaderboard& leaderboard, CDialog* owner,
                   std::function<void()> onCleared)
    : CDialog(framework, IDD_LIST, owner),
      m_leaderboard(leaderboard),
      m_onCleared(std::move(onCleared)) {}

void CListDlg::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_LIST, m_list); }

bool CListDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  FillList();
  return true;
}

void CListDlg::OnCommand(int id) {
  if (id == IDC_CLEAR) OnClear();
}

void CListDlg::FillList() {
  m_list.InsertColumn(0, Text(TEXT_LEADERBOARD_PLACE), LVCFMT_LEFT);
  m_list.InsertColumn(1, Text(TEXT_LEADERBOARD_NAME), LVCFMT_LEFT);
  m_list.InsertColumn(2, Text(TEXT_LEADERBOARD_SCORE), LVCFMT_LEFT);
  for (int k = 0; k < LEADERBOARD_SIZE; ++k) {
    char place[16];
    char score[400];  // "%.0lf" of the largest score has 309 digits
    std::snprintf(place, sizeof place, "%02d", k + 1);
    std::snprintf(score, sizeof score, "%.0lf", m_leaderboard.entries[k].score);
    m_list.InsertItem(k, place);
    m_list.SetItemText(k, 1, ShownName(m_leaderboard.entries[k].name));
    m_list.SetItemText(k, 2, score);
  }
  for (int column = 0; column < 3; ++column) m_list.SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
}

void CListDlg::OnClear() {
  m_leaderboard.ClearLeaderboard();
  if (m_onCleared) m_onCleared();
  m_list.DeleteAllItems();
  for (int i = 0; i < 3; ++i) m_list.DeleteColumn(0);
  FillList();
}
