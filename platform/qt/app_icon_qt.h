#pragma once

#include <QIcon>

// The program's icon at every size it is drawn in, for the windows and the taskbar.
QIcon AppIconForQt();
