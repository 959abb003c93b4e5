#include "platform/qt/client_surface.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

#include "platform/dialog.h"
#include "platform/qt/frame_diff.h"

namespace {

// The game's dark ground, around a frame that does not fill the area.
const QColor MARGIN_COLOR(24, 16, 13);

}  // namespace

ClientSurface::ClientSurface(CDialog& dialog, QSize size, bool acceptFiles, QWidget* parent)
    : QWidget(parent), m_dialog(dialog) {
  setFixedSize(size);
  setMouseTracking(true);
  setAcceptDrops(acceptFiles);
}

void ClientSurface::RequestPaint() {
  if (m_paintPending) return;
  m_paintPending = true;
  QMetaObject::invokeMethod(this, &ClientSurface::Compose, Qt::QueuedConnection);
}

void ClientSurface::Compose() {
  m_paintPending = false;
  m_dialog.OnPaint();
}

void ClientSurface::ShowFrame(const CBitmap& frame) {
  const std::optional<CRect> changed = ChangedRect(m_frame, frame);
  if (!changed) return;
  const bool resized = frame.Width() != m_frame.Width() || frame.Height() != m_frame.Height();
  m_frame = frame;
  if (resized) {
    update();
  } else {
    update(Scale().ToLogical(QRect(changed->left, changed->top, changed->Width(), changed->Height())));
  }
}

void ClientSurface::SetPointerHidden(bool hidden) {
  if (hidden) {
    setCursor(Qt::BlankCursor);
  } else {
    unsetCursor();
  }
}

void ClientSurface::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RequestPaint();
}

FrameScale ClientSurface::Scale() const {
  const QSize frame = m_frame.IsEmpty() ? size() : QSize(m_frame.Width(), m_frame.Height());
  return FrameScale(frame, size(), devicePixelRatioF());
}

// Drawn in device pixels, without smoothing, so each frame pixel becomes a sharp square block.
// Whatever the frame does not cover is the game's dark ground.
void ClientSurface::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (m_frame.IsEmpty()) return;
  const FrameScale scale = Scale();
  const QImage image(reinterpret_cast<const uchar*>(m_frame.Bits()), m_frame.Width(),
                     m_frame.Height(), m_frame.Width() * 4, QImage::Format_RGB32);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.scale(1.0 / scale.ratio, 1.0 / scale.ratio);
  const QRect whole = scale.ToDevice(image.rect());
  const QRect exposed(event->rect().topLeft() * scale.ratio, event->rect().size() * scale.ratio);
  if (!whole.contains(exposed)) painter.fillRect(exposed, MARGIN_COLOR);
  // The frame pixels under the exposed area, widened by one for partly covered blocks.
  const QRect source =
      QRect((exposed.topLeft() - scale.offset) / scale.factor - QPoint(1, 1),
            exposed.size() / scale.factor + QSize(3, 3)) & image.rect();
  painter.drawImage(scale.ToDevice(source), image, source);
}
