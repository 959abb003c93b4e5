#pragma once

#include <string>

#include "platform/dialog.h"

// "榜上有名": asks a player whose score enters the leaderboard for a name. The caller puts the
// offered name into m_strName before the run and reads it back after. OK copies the edit
// field into m_strName; Esc and the close box leave the offered name in place.
class CInputNameDlg : public CDialog {
 public:
  explicit CInputNameDlg(Framework& framework, CDialog* owner = nullptr);
  void DoDataExchange(CDataExchange* dx) override;

  std::string m_strName;
};
