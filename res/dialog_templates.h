#pragma once

#include <span>
#include <string_view>

#include "platform/types.h"

// Dialog layouts as data, in dialog units (1 unit = 7/4 pixels across, 14/8 pixels down).
// Back ends build their widgets from these; the scripted back end reads titles and texts. The
// layout is the same in every language; the texts are the language's.

enum class ControlType { DefaultButton, Button, Edit, Static, ListView, Icon };

struct ControlTemplate {
  int id;
  ControlType type;
  std::string_view text;
  int x, y, width, height;
};

struct DialogTemplate {
  int id;
  std::string_view title;
  int width, height;
  std::string_view fontFace;
  int fontPoints;
  std::span<const ControlTemplate> controls;
  int menuId = 0;            // menu resource shown above the client area; 0 for none
  bool acceptFiles = false;  // whether files dropped on the window are delivered
};

// The template with this id in the language of this run (res/catalogue.h), or null.
const DialogTemplate* FindDialogTemplate(int id);
// The template with this id in the given language, or null.
const DialogTemplate* FindDialogTemplate(int id, int language);

// Dialog units to pixels.
constexpr int DialogUnitsToPixelsX(int units) { return units * 7 / 4; }
constexpr int DialogUnitsToPixelsY(int units) { return units * 14 / 8; }

// The client area of the game window in pixels.
constexpr int GAME_CLIENT_WIDTH = 479;
constexpr int GAME_CLIENT_HEIGHT = 458;

// The client area, in pixels, of the window made from template id: the game window's picture,
// else the template's size; 200 x 100 for an unknown id.
CRect ClientAreaOf(int id);
