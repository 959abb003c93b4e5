#include "app/about_dlg.h"

#include "res/resource_ids.h"

CAboutDlg::CAboutDlg(Framework& framework, CDialog* owner)
    : CDialog(framework, IDD_ABOUTBOX, owner) {}
