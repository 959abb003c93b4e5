#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/framework.h"
#include "platform/list_view.h"
#include "platform/types.h"
#include "platform/window_port.h"

// Direction of a data exchange between a dialog's members and its controls.
struct CDataExchange {
  WindowPort* port = nullptr;
  bool saveAndValidate = false;
};

// Text of control id <-> value; list-view control id -> ctrl.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Control(CDataExchange* dx, int id, CListCtrl& ctrl);

// A dialog window after the desktop dialog framework: built from a template id, run modally,
// with timers by id, invalidation, message boxes and handlers named On plus the event. The
// back end attaches a WindowPort while the window exists and delivers events to the handlers.
class CDialog {
 public:
  CDialog(Framework& framework, int templateId, CDialog* parent = nullptr);
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  int DoModal();
  int TemplateId() const { return m_templateId; }
  CDialog* GetParent() const { return m_parent; }
  Framework& GetFramework() const { return m_framework; }
  WindowPort* GetPort() const { return m_port; }

  // Called by the back end when the window is created and destroyed.
  void AttachPort(WindowPort* port) { m_port = port; }
  void DetachPort() { m_port = nullptr; }

  // Handlers. The defaults are the framework's own behaviour.
  virtual bool OnInitDialog();
  virtual void DoDataExchange(CDataExchange* dx);
  virtual void OnOK();
  virtual void OnCancel();
  // Menu commands and buttons of the template other than OK and Cancel.
  virtual void OnCommand(int id);
  // A button or command of the window pressed: OK and Cancel go to OnOK and OnCancel, every
  // other id to OnCommand. The back ends route each press through here.
  void OnButton(int id);
  virtual void OnTimer(int id);
  virtual void OnPaint();
  virtual void OnLButtonDown(unsigned flags, CPoint point);
  virtual void OnLButtonDblClk(unsigned flags, CPoint point);
  virtual void OnRButtonDown(unsigned flags, CPoint point);
  virtual void OnMouseMove(unsigned flags, CPoint point);
  // The pointer left the client area (to another window, the menu bar or off the page).
  virtual void OnMouseLeave();
  // A finger on a touch screen: a short touch at point, and one held there for about half a
  // second. Neither comes with a pointer position: nothing hovers over the window.
  virtual void OnTap(CPoint point);
  virtual void OnLongPress(CPoint point);
  virtual void OnDropFiles(const std::vector<std::string>& paths);
  virtual void OnDestroy();

  // Window services; without a window they do nothing.
  bool UpdateData(bool saveAndValidate);
  void SetTimer(int id, unsigned milliseconds);
  void KillTimer(int id);
  // Called from OnTimer when the ticks to come would change nothing; see WindowPort::RestTimer.
  void RestTimer(int id);
  void Invalidate(bool erase = false);
  void EndDialog(int result);
  int MessageBox(std::string_view text, std::string_view caption = {}, unsigned type = MB_OK);
  CRect GetClientRect() const;
  CPoint ScreenToClient(CPoint screen) const;
  bool IsIconic() const;

 private:
  Framework& m_framework;
  int m_templateId;
  CDialog* m_parent;
  WindowPort* m_port = nullptr;
};

// A file-open or file-save dialog.
class CFileDialog {
 public:
  CFileDialog(Framework& framework, bool open, std::string defaultExt, std::string fileName,
              bool overwritePrompt, std::string filter, CDialog* owner);
  int DoModal();
  const std::string& GetPathName() const { return m_path; }

 private:
  Framework& m_framework;
  FileDialogOptions m_options;
  CDialog* m_owner;
  std::string m_path;
};
