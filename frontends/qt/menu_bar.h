#pragma once

#include <functional>
#include <span>

#include "res/menu.h"

class QMenuBar;
class QWidget;

// A menu bar inside the window (never moved to a desktop-wide menu, so the client area stays
// below it) built from the menu's data: titles and items keep their "&" access keys, items
// carry their command id as data and show their shortcut, and choosing an item or pressing
// its shortcut while the window is active reports the id to onCommand.
QMenuBar* BuildMenuBar(std::span<const MenuPopup> menu, QWidget* parent,
                       const std::function<void(int)>& onCommand);

// Keys that report their command id to onCommand while window is active.
void AddCommandKeys(std::span<const CommandKey> keys, QWidget* window,
                    const std::function<void(int)>& onCommand);
