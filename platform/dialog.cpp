#include "platform/dialog.h"

#include <utility>

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
  if (dx == nullptr || dx->port == nullptr) return;
  if (dx->saveAndValidate) {
    value = dx->port->GetItemText(id);
  } else {
    dx->port->SetItemText(id, value);
  }
}

void DDX_Control(CDataExchange* dx, int id, CListCtrl& ctrl) {
  if (dx == nullptr || dx->port == nullptr) return;
  if (!ctrl.IsBound()) ctrl.Attach(dx->port->GetListView(id));
}

CDialog::CDialog(Framework& framework, int templateId, CDialog* parent)
    : m_framework(framework), m_templateId(templateId), m_parent(parent) {}

int CDialog::DoModal() { return m_framework.RunModal(*this); }

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
void CDialog::OnCommand(int) {}

void CDialog::OnButton(int id) {
  if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  } else {
    OnCommand(id);
  }
}
void CDialog::OnTimer(int) {}
void CDialog::OnPaint() {}
void CDialog::OnLButtonDown(unsigned, CPoint) {}
void CDialog::OnLButtonDblClk(unsigned, CPoint) {}
void CDialog::OnRButtonDown(unsigned, CPoint) {}
void CDialog::OnMouseMove(unsigned, CPoint) {}
void CDialog::OnMouseLeave() {}
void CDialog::OnTap(CPoint) {}
void CDialog::OnLongPress(CPoint) {}
void CDialog::OnDropFiles(const std::vector<std::string>&) {}
void CDialog::OnDestroy() {}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx{m_port, saveAndValidate};
  DoDataExchange(&dx);
  return true;
}

void CDialog::SetTimer(int id, unsigned milliseconds) {
  if (m_port) m_port->SetTimer(id, milliseconds);
}

void CDialog::KillTimer(int id) {
  if (m_port) m_port->KillTimer(id);
}

void CDialog::RestTimer(int id) {
  if (m_port) m_port->RestTimer(id);
}

void CDialog::Invalidate(bool) {
  if (m_port) m_port->Invalidate();
}

void CDialog::EndDialog(int result) {
  if (m_port) m_port->EndDialog(result);
}

int CDialog::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  return m_framework.MessageBox(this, text, caption, type);
}

CRect CDialog::GetClientRect() const { return m_port ? m_port->GetClientRect() : CRect{}; }

CPoint CDialog::ScreenToClient(CPoint screen) const {
  return m_port ? m_port->ScreenToClient(screen) : screen;
}

bool CDialog::IsIconic() const { return m_port && m_port->IsIconic(); }

std::string Framework::AppTitle() const {
  const std::string path = GetModuleFileName();
  const std::size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

CFileDialog::CFileDialog(Framework& framework, bool open, std::string defaultExt,
                         std::string fileName, bool overwritePrompt, std::string filter,
                         CDialog* owner)
    : m_framework(framework),
      m_options{open, std::move(defaultExt), std::move(fileName), std::move(filter),
                overwritePrompt},
      m_owner(owner) {}

int CFileDialog::DoModal() { return m_framework.RunFileDialog(m_owner, m_options, m_path); }
