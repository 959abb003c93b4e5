#pragma once

#include <QDialog>

#include "frontends/qt/client_surface.h"
#include "frontends/qt/template_controls.h"
#include "res/dialog_templates.h"

class CDialog;
class QMenuBar;

// The window of one CDialog, built from its template: the caption, a menu bar when the
// template names a menu, the client area at the template's size in pixels (fixed: the window
// cannot be resized) and the template's controls in it. Keys, buttons and the close box go to
// the dialog's handlers: Enter to OnOK (or the focused or default button), Esc (wherever the
// focus is, once no menu is open) and the close box to OnCancel, a button to OnOK, OnCancel
// or OnCommand by its id, the menu's shortcuts and command keys to OnCommand. The window closes only
// when the dialog ends itself (End).
class QtDialogWindow : public QDialog {
 public:
  // owner: the window this one is shown over and modal to; null for a top-level window.
  QtDialogWindow(CDialog& dialog, const DialogTemplate& layout, QWidget* owner);

  CDialog& Dialog() const { return m_dialog; }
  ClientSurface& Surface() const { return *m_surface; }
  QMenuBar* MenuBar() const { return m_menuBar; }
  // The control with this id, or null.
  QWidget* Control(int id) const;
  QtListView* ListView(int id) const;
  bool HasControls() const { return !m_controls.byId.empty() || !m_controls.tabOrder.empty(); }

  // Runs the modal loop until End; returns End's result at once if End came first.
  int Run();
  // Ends the modal run with result; before Run, Run then returns at once.
  void End(int result);
  // Gives the focus to the first control that takes it, as after a set-up that returns true.
  void FocusFirstControl();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void accept() override;
  void reject() override;

 private:
  bool HasDefaultButton() const;

  CDialog& m_dialog;
  QMenuBar* m_menuBar = nullptr;
  ClientSurface* m_surface = nullptr;
  TemplateControls m_controls;
  bool m_running = false;
  bool m_ended = false;
  int m_result = 0;
};
