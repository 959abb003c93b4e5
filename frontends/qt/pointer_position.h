#pragma once

#include <QPoint>

// Where the pointer was on the screen when a game window last heard of it. The windows' mouse
// events carry the position, so the game's hover check needs no round trip to the window
// system; while the pointer is outside every window, the last position it had in one stands.
void NotePointerPosition(QPoint global);
// The last noted position; before the first event the window system is asked, once.
QPoint LastPointerPosition();
