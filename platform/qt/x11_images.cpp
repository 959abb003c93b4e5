#include "platform/qt/x11_images.h"

#include <QByteArray>
#include <QtGlobal>

void PreferPlainX11Images() {
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
}
