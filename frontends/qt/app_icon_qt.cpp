#include "frontends/qt/app_icon_qt.h"

#include <QPixmap>
#include <cstring>
#include <utility>

#include "view/app_icon.h"

std::vector<QImage> AppIconImages() {
  std::vector<QImage> images;
  for (int size : APP_ICON_SIZES) {
    CBitmap bitmap;
    if (!LoadAppIcon(bitmap, size)) continue;
    // The icon's pixels are 0xAARRGGBB, not premultiplied: Qt's ARGB32 layout.
    QImage image(size, size, QImage::Format_ARGB32);
    if (image.isNull()) continue;
    for (int y = 0; y < size; ++y) std::memcpy(image.scanLine(y), bitmap.Row(y), size * 4);
    images.push_back(std::move(image));
  }
  return images;
}

// The images are handed over, so a pixmap converts each in its own memory.
QIcon AppIconForQt(std::vector<QImage> images) {
  QIcon icon;
  for (QImage& image : images) icon.addPixmap(QPixmap::fromImage(std::move(image)));
  return icon;
}
