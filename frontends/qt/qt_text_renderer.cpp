#include "frontends/qt/qt_text_renderer.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

namespace {

// A painter on the bitmap's own memory: 0xFFRRGGBB pixels are Qt's RGB32 layout.
QImage WrapBitmap(CBitmap& target) {
  return QImage(reinterpret_cast<uchar*>(target.Bits()), target.Width(), target.Height(),
                target.Width() * 4, QImage::Format_RGB32);
}

QFont MakeFont(const FontSpec& attributes) {
  QFont font;
  font.setFamilies(QStringList{QString::fromStdString(attributes.face), QStringLiteral("SimHei"),
                               QStringLiteral("WenQuanYi Zen Hei"),
                               QStringLiteral("Noto Sans CJK SC")});
  font.setPixelSize(attributes.height > 0 ? attributes.height : 12);
  font.setBold(attributes.weight >= 600);
  font.setItalic(attributes.italic);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

QColor MakeColor(COLORREF color) {
  return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

}  // namespace

void QtTextRenderer::TextOut(CBitmap& target, const FontSpec& font, COLORREF color, int x, int y,
                             std::string_view text) {
  if (target.IsEmpty()) return;
  QImage image = WrapBitmap(target);
  QPainter painter(&image);
  painter.setFont(MakeFont(font));
  painter.setPen(MakeColor(color));
  const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  painter.drawText(QRect(x, y, 4096, 4096), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                   string);
}

void QtTextRenderer::DrawText(CBitmap& target, const FontSpec& font, COLORREF color,
                              const CRect& rect, std::string_view text, unsigned format) {
  if (target.IsEmpty()) return;
  QImage image = WrapBitmap(target);
  QPainter painter(&image);
  painter.setFont(MakeFont(font));
  painter.setPen(MakeColor(color));
  const QRect box(rect.left, rect.top, rect.Width(), rect.Height());
  painter.setClipRect(box);
  const Qt::Alignment horizontal = (format & DT_RIGHT) != 0 ? Qt::AlignRight : Qt::AlignLeft;
  painter.drawText(box, horizontal | Qt::AlignTop,
                   QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
