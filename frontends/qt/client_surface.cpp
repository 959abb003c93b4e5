#include "frontends/qt/client_surface.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <cstdint>
#include <cstring>

#include "platform/dialog.h"
#include "platform/frame_diff.h"
#include "frontends/qt/startup_report.h"

namespace {

// The game's dark ground, around a frame that does not fill the area.
const QColor MARGIN_COLOR(24, 16, 13);

QRect ToQRect(const CRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }
CRect ToCRect(const QRect& rect) {
  return CRect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}
QRectF ToQRectF(const DeviceBox& box) {
  return QRectF(QPointF(box.left, box.top), QPointF(box.right, box.bottom));
}

}  // namespace

ClientSurface::ClientSurface(CDialog& dialog, QSize size, bool acceptFiles, QWidget* parent)
    : QWidget(parent), m_dialog(dialog) {
  setFixedSize(size);
  setMouseTracking(true);
  setAcceptDrops(acceptFiles);
  setAttribute(Qt::WA_AcceptTouchEvents);
  m_touches = new TouchPresses([this](QPointF at) { m_dialog.OnTap(ToClient(at)); },
                               [this](QPointF at) { m_dialog.OnLongPress(ToClient(at)); },
                               [this] { PointerLeft(); }, this);
}

void ClientSurface::RequestPaint() {
  if (m_paintPending) return;
  m_paintPending = true;
  QMetaObject::invokeMethod(this, &ClientSurface::Compose, Qt::QueuedConnection);
}

void ClientSurface::Compose() {
  m_paintPending = false;
  MarkStartupStage("composing");
  m_dialog.OnPaint();
  MarkStartupStage("composed");
}

// Outside hint the frame equals the one shown: only the part within it is compared and copied.
void ClientSurface::ShowFrame(const CBitmap& frame, const CRect& hint) {
  const std::optional<CRect> changed = ChangedRect(m_frame, frame, hint);
  if (!changed) return;
  const bool resized = frame.Width() != m_frame.Width() || frame.Height() != m_frame.Height();
  if (resized) {
    m_frame = frame;
  } else {
    // Only the changed part is copied: the pointer's piece moves a few squares' worth of it.
    for (int y = changed->top; y < changed->bottom; ++y) {
      std::memcpy(m_frame.Row(y) + changed->left, frame.Row(y) + changed->left,
                  sizeof(std::uint32_t) * static_cast<std::size_t>(changed->Width()));
    }
  }
  if (resized) {
    update();
  } else {
    update(ToQRect(Scale().ToLogical(*changed)));
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
  return FrameScale(frame.width(), frame.height(), width(), height(), devicePixelRatioF());
}

// Drawn in device pixels. At a whole ratio each frame pixel becomes a sharp square block, and
// whatever the frame does not cover is the game's dark ground. Between whole ratios the frame
// pixels under the exposed area, widened so the smoothing at their edge sees the same
// neighbours as inside, are enlarged by the whole factor without smoothing and drawn down to
// their place with smoothing.
void ClientSurface::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (m_frame.IsEmpty()) return;
  MarkStartupStage("painted");
  const FrameScale scale = Scale();
  const QImage image(reinterpret_cast<const uchar*>(m_frame.Bits()), m_frame.Width(),
                     m_frame.Height(), m_frame.Width() * 4, QImage::Format_RGB32);
  painter.scale(1.0 / scale.ratio, 1.0 / scale.ratio);
  const QRect exposed = QRectF(QPointF(event->rect().topLeft()) * scale.ratio,
                               QSizeF(event->rect().size()) * scale.ratio)
                            .toAlignedRect();
  if (scale.Smoothed()) {
    const QRect source =
        ToQRect(scale.ToFramePixels(ToCRect(exposed))).adjusted(-2, -2, 2, 2) & image.rect();
    const QImage enlarged = image.copy(source).scaled(source.size() * scale.factor,
                                                      Qt::IgnoreAspectRatio, Qt::FastTransformation);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(ToQRectF(scale.ToDevice(ToCRect(source))), enlarged);
    return;
  }
  const QRectF whole = ToQRectF(scale.ToDevice(ToCRect(image.rect())));
  if (!whole.contains(exposed)) painter.fillRect(exposed, MARGIN_COLOR);
  const QRect source = ToQRect(scale.ToFramePixels(ToCRect(exposed)));
  painter.drawImage(ToQRectF(scale.ToDevice(ToCRect(source))), image, source);
}
