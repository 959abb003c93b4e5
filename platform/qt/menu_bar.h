#pragma once

#include <functional>
#include <span>

#include "res/menu.h"

class QMenuBar;
class QWidget;

// A menu bar inside the window (never moved to a desktop-wide menu, so the client area stays
// below it) built from the menu's data: titles and items keep their "&" access keys, items
// carry their command id as data, and choosing an item reports the id to onCommand.
QMenuBar* BuildMenuBar(std::span<const MenuPopup> menu, QWidget* parent,
                       const std::function<void(int)>& onCommand);
