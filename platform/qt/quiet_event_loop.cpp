#include "platform/qt/quiet_event_loop.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

void SetUnlessSet(const char* name) {
  if (!qEnvironmentVariableIsSet(name)) qputenv(name, QByteArrayLiteral("1"));
}

}  // namespace

void PreferAQuietEventLoop() {
  SetUnlessSet("QT_NO_GLIB");
  SetUnlessSet("QT_XCB_NO_MITSHM");
}
