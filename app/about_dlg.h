#pragma once

#include "platform/dialog.h"

// "关于 Flumora": the program's icon, a line about the game and "确定". A plain dialog with no
// handlers of its own, shown by the Help menu's About item.
class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(Framework& framework, CDialog* owner = nullptr);
};
