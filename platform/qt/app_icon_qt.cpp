#include "platform/qt/app_icon_qt.h"

#include <QImage>
#include <QPixmap>

#include "view/app_icon.h"

QIcon AppIconForQt() {
  QIcon icon;
  for (int size : APP_ICON_SIZES) {
    CBitmap bitmap;
    if (!LoadAppIcon(bitmap, size)) continue;
    // The icon's pixels are 0xAARRGGBB, not premultiplied: Qt's ARGB32 layout.
    const QImage image(reinterpret_cast<const uchar*>(bitmap.Bits()), size, size, size * 4,
                       QImage::Format_ARGB32);
    icon.addPixmap(QPixmap::fromImage(image.copy()));
  }
  return icon;
}
