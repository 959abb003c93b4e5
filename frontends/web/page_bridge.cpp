// The page's side of page_bridge.h: each call goes to the page's script object, vandrelPage,
// which page/vandrel-page.js makes before the program starts.

#include "frontends/web/page_bridge.h"

#include <emscripten.h>

EM_JS(void, page_open_canvas_window, (int window, const char* title, int width, int height,
                                      const char* menuJson), {
  vandrelPage.openCanvasWindow(window, UTF8ToString(title), width, height,
                               JSON.parse(UTF8ToString(menuJson)));
});

EM_JS(void, page_open_dialog, (int window, const char* templateJson), {
  vandrelPage.openDialog(window, JSON.parse(UTF8ToString(templateJson)));
});

EM_JS(void, page_close_window, (int window), { vandrelPage.closeWindow(window); });

EM_JS(void, page_present, (int window, const unsigned char* rgba, int x, int y, int w, int h), {
  vandrelPage.present(window, HEAPU8.subarray(rgba, rgba + w * h * 4), x, y, w, h);
});

EM_JS(char*, page_item_text, (int window, int control), {
  const text = vandrelPage.itemText(window, control);
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});

EM_JS(void, page_set_item_text, (int window, int control, const char* text), {
  vandrelPage.setItemText(window, control, UTF8ToString(text));
});

EM_JS(void, page_render_list, (int window, int control, const char* listJson), {
  vandrelPage.renderList(window, control, JSON.parse(UTF8ToString(listJson)));
});

EM_JS(void, page_message_box, (int request, const char* text, const char* caption, int type), {
  vandrelPage.messageBox(request, UTF8ToString(text), UTF8ToString(caption), type);
});

EM_JS(void, page_open_file, (int request, const char* filterJson), {
  vandrelPage.openFile(request, JSON.parse(UTF8ToString(filterJson)));
});

EM_JS(void, page_save_file, (int request, const char* filterJson, const char* defaultExt), {
  vandrelPage.saveFile(request, JSON.parse(UTF8ToString(filterJson)), UTF8ToString(defaultExt));
});

EM_JS(void, page_deliver_saved_files, (void), { vandrelPage.deliverSavedFiles(); });

EM_JS(void, page_show_cursor, (int show), { vandrelPage.showCursor(show != 0); });

EM_JS(void, page_open_url, (const char* url), { vandrelPage.openUrl(UTF8ToString(url)); });

EM_JS(void, page_program_ended, (void), { vandrelPage.programEnded(); });

EM_JS(char*, page_languages, (void), {
  const list = (navigator.languages || [navigator.language || '']).join(',');
  const size = lengthBytesUTF8(list) + 1;
  const copy = _malloc(size);
  stringToUTF8(list, copy, size);
  return copy;
});

EM_JS(void, page_use_texts, (const char* textsJson), {
  vandrelPage.useTexts(JSON.parse(UTF8ToString(textsJson)));
});

// An asynchronous import is known to its callers only inside this file, under its own name.
EM_ASYNC_JS(int, page_wait_event_async, (double timeoutMs), {
  return await vandrelPage.waitEvent(timeoutMs);
});

int page_wait_event(double timeoutMs) { return page_wait_event_async(timeoutMs); }

EM_JS(int, page_take_event, (int* fields, char** text), {
  const event = vandrelPage.takeEvent();
  if (!event) return 0;
  const values = [event.kind, event.window || 0, event.x || 0, event.y || 0, event.flags || 0,
                  event.id || 0];
  for (let i = 0; i < values.length; ++i) HEAP32[(fields >> 2) + i] = values[i];
  HEAP32[text >> 2] = 0;
  if (event.text !== undefined) {
    const size = lengthBytesUTF8(event.text) + 1;
    const copy = _malloc(size);
    stringToUTF8(event.text, copy, size);
    HEAP32[text >> 2] = copy;
  }
  return event.kind;
});

EM_JS(double, page_now, (void), { return performance.now(); });

EM_JS(double, page_epoch_seconds, (void), { return Math.floor(Date.now() / 1000); });

EM_JS(void, page_draw_text, (unsigned* bits, int width, int height, int pixelHeight, int bold,
                             unsigned rgb, int x, int y, int clipLeft, int clipTop,
                             int clipRight, int clipBottom, int alignRight, const char* text), {
  vandrelPage.drawText(HEAPU32, bits >> 2, width, height, pixelHeight, bold != 0, rgb, x, y,
                       [clipLeft, clipTop, clipRight, clipBottom], alignRight != 0,
                       UTF8ToString(text));
});
