#pragma once

#include "frontends/win32/native_dialog.h"
#include "res/dialog_templates.h"

// The Win32 description of a dialog template of res/: texts in UTF-16, the menu it names, and
// for the game window its fixed client size and the About item of its system menu.
NativeDialogSpec MakeDialogSpec(const DialogTemplate& layout);
