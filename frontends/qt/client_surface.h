#pragma once

#include <QWidget>

#include "platform/bitmap.h"
#include "platform/frame_scale.h"
#include "frontends/qt/touch_presses.h"

class CDialog;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMouseEvent;

// The client area of a dialog window. It shows the frames the dialog presents, pixel for
// pixel; on a screen with a device-pixel ratio above 1 the picture fills the area as
// FrameScale says, crisp at whole ratios and between them. It hands the mouse and dropped
// files to the dialog's handlers in client pixels. The dialog's controls, if it has any, are
// its children. Touches become taps and long presses (OnTap, OnLongPress); the pointer
// leaving the area, or a finger lifting off it, is OnMouseLeave.
//
// Paint requests are coalesced: however often the dialog invalidates, it composes one frame
// per pass of the event loop, and only the pixels that changed since the last frame are sent
// to the screen, so an idle game costs next to nothing.
class ClientSurface : public QWidget {
 public:
  ClientSurface(CDialog& dialog, QSize size, bool acceptFiles, QWidget* parent);

  // Asks the dialog for one paint (OnPaint) later, when the event loop next runs.
  void RequestPaint();
  // Keeps a copy of frame and shows the part that changed. Called from the dialog's OnPaint.
  void ShowFrame(const CBitmap& frame, const CRect& changed);
  // The last frame shown; empty before the first.
  const CBitmap& Frame() const { return m_frame; }
  // A blank pointer over this area while the system cursor is hidden.
  void SetPointerHidden(bool hidden);
  // How the frame maps to this area's logical and device pixels now.
  FrameScale Scale() const;
  // The client pixel under a logical point of this area.
  CPoint ToClient(QPointF logical) const { return Scale().ToFrame(logical.x(), logical.y()); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Compose();
  // The pointer has left, or a finger has lifted: the dialog is told at once.
  void PointerLeft();

  CDialog& m_dialog;
  TouchPresses* m_touches;
  CBitmap m_frame;
  bool m_paintPending = false;
};
