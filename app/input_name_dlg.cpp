#include "app/input_name_dlg.h"

#include "res/resource_ids.h"

CInputNameDlg::CInputNameDlg(Framework& framework, CDialog* owner)
    : CDialog(framework, IDD_INPUT_NAME, owner) {}

void CInputNameDlg::DoDataExchange(CDataExchange* dx) { DDX_Text(dx, IDC_NAME, m_strName); }
