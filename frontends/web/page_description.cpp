#include "frontends/web/page_description.h"

#include <cstdio>

#include "res/catalogue.h"
#include "res/menu.h"

namespace {

const char* ControlTypeName(ControlType type) {
  switch (type) {
    case ControlType::DefaultButton: return "default";
    case ControlType::Button: return "button";
    case ControlType::Edit: return "edit";
    case ControlType::Static: return "static";
    case ControlType::ListView: return "list";
    case ControlType::Icon: return "icon";
  }
  return "static";
}

// "a|b|c||" split at '|', without the empty parts at the end.
std::string_view NextPart(std::string_view& rest) {
  const std::size_t bar = rest.find('|');
  const std::string_view part = rest.substr(0, bar);
  rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
  return part;
}

std::string PatternsJson(std::string_view patterns) {
  std::string json = "[";
  while (!patterns.empty()) {
    const std::size_t semicolon = patterns.find(';');
    if (json.size() > 1) json += ",";
    json += JsonString(patterns.substr(0, semicolon));
    patterns = semicolon == std::string_view::npos ? std::string_view() : patterns.substr(semicolon + 1);
  }
  return json + "]";
}

template <typename Item, typename Write>
std::string JsonArray(const Item& items, Write write) {
  std::string json = "[";
  for (const auto& item : items) {
    if (json.size() > 1) json += ",";
    json += write(item);
  }
  return json + "]";
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + "\"";
}

std::string TemplateJson(const DialogTemplate& dialog) {
  const std::string controls = JsonArray(dialog.controls, [](const ControlTemplate& c) {
    return "{\"id\":" + std::to_string(c.id) + ",\"type\":\"" + ControlTypeName(c.type) +
           "\",\"text\":" + JsonString(c.text) + ",\"x\":" + std::to_string(DialogUnitsToPixelsX(c.x)) +
           ",\"y\":" + std::to_string(DialogUnitsToPixelsY(c.y)) +
           ",\"w\":" + std::to_string(DialogUnitsToPixelsX(c.width)) +
           ",\"h\":" + std::to_string(DialogUnitsToPixelsY(c.height)) + "}";
  });
  return "{\"title\":" + JsonString(dialog.title) +
         ",\"width\":" + std::to_string(DialogUnitsToPixelsX(dialog.width)) +
         ",\"height\":" + std::to_string(DialogUnitsToPixelsY(dialog.height)) +
         ",\"fontPoints\":" + std::to_string(dialog.fontPoints) + ",\"controls\":" + controls + "}";
}

std::string MenuJson(int menuId) {
  const std::string menus = JsonArray(FindMenu(menuId), [](const MenuPopup& popup) {
    const std::string items = JsonArray(popup.items, [](const MenuItem& item) {
      return "{\"id\":" + std::to_string(item.id) + ",\"text\":" + JsonString(item.text) +
             ",\"shortcut\":" + JsonString(item.shortcut) + "}";
    });
    return "{\"title\":" + JsonString(popup.title) + ",\"items\":" + items + "}";
  });
  const std::string keys = JsonArray(FindCommandKeys(menuId), [](const CommandKey& key) {
    return "{\"key\":" + JsonString(key.key) + ",\"id\":" + std::to_string(key.id) + "}";
  });
  return "{\"menus\":" + menus + ",\"keys\":" + keys +
         ",\"longPressMs\":" + std::to_string(LONG_PRESS_MS) + "}";
}

std::string ListJson(const ListModel& list) {
  std::string headings = "[";
  std::string widths = "[";
  for (int column = 0; column < list.GetColumnCount(); ++column) {
    if (column > 0) {
      headings += ",";
      widths += ",";
    }
    headings += JsonString(list.GetColumnHeading(column));
    widths += std::to_string(list.GetColumnWidth(column));
  }
  std::string rows = "[";
  for (int row = 0; row < list.GetItemCount(); ++row) {
    if (row > 0) rows += ",";
    rows += "[";
    for (int column = 0; column < list.GetColumnCount(); ++column) {
      if (column > 0) rows += ",";
      rows += JsonString(list.GetItemText(row, column));
    }
    rows += "]";
  }
  const bool grid = (list.GetExtendedStyle() & LVS_EX_GRIDLINES) != 0;
  return std::string("{\"grid\":") + (grid ? "true" : "false") + ",\"headings\":" + headings +
         "],\"widths\":" + widths + "],\"rows\":" + rows + "]}";
}

std::string FilterJson(std::string_view filter) {
  std::string json = "[";
  while (!filter.empty()) {
    const std::string_view name = NextPart(filter);
    const std::string_view patterns = NextPart(filter);
    if (name.empty()) break;
    if (json.size() > 1) json += ",";
    json += "{\"name\":" + JsonString(name) + ",\"patterns\":" + PatternsJson(patterns) + "}";
  }
  return json + "]";
}

std::string PageTextsJson() {
  std::string lang(LanguageCode(TextLanguage()));
  if (const std::size_t bar = lang.find('_'); bar != std::string::npos) lang[bar] = '-';
  const std::pair<const char*, TextId> words[] = {
      {"ok", TEXT_BUTTON_OK},        {"close", TEXT_PAGE_CLOSE},   {"saveAs", TEXT_PAGE_SAVE_AS},
      {"fileName", TEXT_PAGE_FILE_NAME}, {"save", TEXT_PAGE_SAVE}, {"cancel", TEXT_PAGE_CANCEL},
      {"ended", TEXT_PAGE_ENDED},    {"again", TEXT_PAGE_AGAIN},
  };
  std::string json = "{\"lang\":" + JsonString(lang);
  for (const auto& [name, id] : words) json += ",\"" + std::string(name) + "\":" + JsonString(Text(id));
  return json + "}";
}
