#pragma once

#include <QPoint>

// Where the pointer was on the screen when a game window last heard of it. The windows' mouse
// events carry the position, so the game's hover check needs no round trip to the window
// system.
void NotePointerPosition(QPoint global);
// The pointer left a game window, or a finger lifted off it: until the next mouse event the
// pointer counts as far from every window.
void NotePointerLeft();
// The last noted position; before the first event the window system is asked, once.
QPoint LastPointerPosition();
