#pragma once

#include <string>
#include <string_view>

#include "platform/list_model.h"
#include "res/dialog_templates.h"

// What the page needs to build a window, a list or a picker, as JSON text.

// text as a JSON string, quotes included.
std::string JsonString(std::string_view text);

// A dialog: {"title", "width", "height" (pixels), "fontPoints", "controls": [{"id", "type"
// ("default", "button", "edit", "static", "list" or "icon"), "text", "x", "y", "w", "h"}]}.
std::string TemplateJson(const DialogTemplate& dialog);

// A menu bar: {"menus": [{"title", "items": [{"id", "text", "shortcut"}]}], "keys": [{"key",
// "id"}], "longPressMs"}; a separator is an item with id 0. Texts keep "&" before their access
// keys.
std::string MenuJson(int menuId);

// A list: {"grid": bool, "headings": [...], "widths": [...], "rows": [[...], ...]}.
std::string ListJson(const ListModel& list);

// The page's own words in the language of this run: {"lang" (as HTML names it: "zh-CN"),
// "ok", "close", "saveAs", "fileName", "save", "cancel", "ended", "again"}.
std::string PageTextsJson();

// A file dialog's filter "text|pattern;pattern|...||" as [{"name", "patterns": [...]}].
std::string FilterJson(std::string_view filter);
