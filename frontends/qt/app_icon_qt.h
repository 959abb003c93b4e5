#pragma once

#include <QIcon>
#include <QImage>
#include <vector>

// The program's icon at every size it is drawn in, as images. Images need no GUI thread, so
// a program can make them on another thread while the window system starts.
std::vector<QImage> AppIconImages();

// The icon of those images, for the windows and the taskbar. On the GUI thread.
QIcon AppIconForQt(std::vector<QImage> images = AppIconImages());
