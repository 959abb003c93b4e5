#include "frontends/qt/quiet_event_loop.h"

#include <QByteArray>
#include <QtGlobal>

QuietEventLoop::QuietEventLoop() {
  for (const char* name : {"QT_NO_GLIB", "QT_XCB_NO_MITSHM"}) {
    if (qEnvironmentVariableIsSet(name)) continue;
    qputenv(name, QByteArrayLiteral("1"));
    m_set.push_back(name);
  }
}

QuietEventLoop::~QuietEventLoop() {
  for (const char* name : m_set) qunsetenv(name);
}
