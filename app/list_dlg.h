#pragma once

#include <functional>

#include "platform/dialog.h"
#include "platform/list_view.h"
#include "storage/leaderboard.h"

// "排行榜": lists the ten entries of the game window's leaderboard and can clear them. It works
// on the leaderboard it is given and keeps no copy; onCleared, when given, runs right after a
// clear (the game window writes the file then) and the rows show the board as it is after it.
class CListDlg : public CDialog {
 public:
  CListDlg(Framework& framework, Leaderboard& leaderboard, CDialog* owner = nullptr,
           std::function<void()> onCleared = {});
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnCommand(int id) override;

  CListCtrl m_list;

 private:
  // Columns 名次, 姓名, 分数 (in the language of this run) and ten rows, widths fitted to
  // contents and headings; the default name shows in this run's words (ShownName).
  void FillList();
  // "清空": clears the leaderboard at once and shows the cleared rows; the dialog stays open.
  void OnClear();

  Leaderboard& m_leaderboard;
  std::function<void()> m_onCleared;
};
