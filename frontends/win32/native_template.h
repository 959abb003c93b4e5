#pragma once

#include <windows.h>

#include <vector>

#include "frontends/win32/native_dialog.h"

// The in-memory dialog template (DLGTEMPLATEEX) Windows builds a dialog from: the window's
// styles, size in dialog units, font and controls. The vector is WORD-aligned, as
// DialogBoxIndirectParamW requires.
std::vector<WORD> BuildDialogTemplate(const NativeDialogSpec& form);

// Whether form describes the game window (it has a menu).
inline bool IsGameWindow(const NativeDialogSpec& form) { return !form.menu.empty(); }
