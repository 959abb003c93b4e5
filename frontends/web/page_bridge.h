#pragma once

// The calls between the C++ back end and the page's script (page/vandrel-page.js), which owns
// the canvas, the menu bar, the HTML dialogs and the browser's pickers. Window ids are the
// back end's; texts are UTF-8; the page queues input as events for the back end to take.
extern "C" {

// --- Windows ---
// The game window: a canvas of width x height game pixels under a menu bar described by
// menuJson (see MenuJson), with keys that run commands and the time a finger rests for a long
// press.
void page_open_canvas_window(int window, const char* title, int width, int height,
                             const char* menuJson);
// A dialog built from templateJson (see TemplateJson), modal over everything open.
void page_open_dialog(int window, const char* templateJson);
void page_close_window(int window);
// Copies the w x h part at (x, y) of the window's picture from rgba (4 bytes a pixel, the
// part's rows one after the other) and shows it.
void page_present(int window, const unsigned char* rgba, int x, int y, int w, int h);
// The text of a dialog's control; the result is allocated with malloc.
char* page_item_text(int window, int control);
void page_set_item_text(int window, int control, const char* text);
// Shows a list control anew from listJson: {"grid":bool,"headings":[...],"rows":[[...]...]}.
void page_render_list(int window, int control, const char* listJson);

// --- Boxes and pickers: each answers later with an event for request ---
void page_message_box(int request, const char* text, const char* caption, int type);
void page_open_file(int request, const char* filterJson);
void page_save_file(int request, const char* filterJson, const char* defaultExt);
// Saved games written since the last call go to the player: a download, or the file the
// browser's save picker chose.
void page_deliver_saved_files(void);

// --- The pointer, the browser, the run ---
void page_show_cursor(int show);
void page_open_url(const char* url);
// The program has ended: the page says so and offers to start again.
void page_program_ended(void);

// --- Language ---
// The browser's languages, most preferred first, separated by commas ("en-GB,en,zh-CN"); the
// result is allocated with malloc.
char* page_languages(void);
// The page's own words in the language of this run, from textsJson (see PageTextsJson).
void page_use_texts(const char* textsJson);

// --- Events ---
// Waits until the page has an event queued or timeoutMs milliseconds have passed (forever
// when negative). Whether an event is queued.
int page_wait_event(double timeoutMs);
// Takes the oldest queued event into fields (kind, window, x, y, flags, id); its text, if any,
// is allocated with malloc into *text. The kind, or 0 when none is queued.
int page_take_event(int* fields, char** text);
// Milliseconds on a clock that never goes back.
double page_now(void);
// Seconds since the epoch, for seeding.
double page_epoch_seconds(void);

// --- Text ---
// Draws text (UTF-8) in the font of pixelHeight (bold when bold is set) and colour 0xRRGGBB
// into the 32-bit 0xFFRRGGBB bitmap bits of width x height: its top-left corner at (x, y), or
// right-aligned against clipRight when alignRight is set; only inside the clip rectangle.
void page_draw_text(unsigned* bits, int width, int height, int pixelHeight, int bold,
                    unsigned rgb, int x, int y, int clipLeft, int clipTop, int clipRight,
                    int clipBottom, int alignRight, const char* text);
}

// Event kinds of page_take_event.
enum PageEvent {
  PAGE_EVENT_NONE = 0,
  PAGE_EVENT_LEFT_DOWN = 1,
  PAGE_EVENT_LEFT_DOUBLE = 2,
  PAGE_EVENT_RIGHT_DOWN = 3,
  PAGE_EVENT_MOVE = 4,
  PAGE_EVENT_POINTER_LEFT = 5,  // the pointer left the canvas or the page, or a finger lifted
  PAGE_EVENT_BUTTON = 6,        // a menu command, a dialog's button, Esc (IDCANCEL), Enter
  PAGE_EVENT_DROP = 7,          // text: the dropped file's path in the program's file system
  PAGE_EVENT_ANSWER = 8,        // a box or picker closed: id is IDOK or IDCANCEL, text a path
  PAGE_EVENT_TAP = 9,           // a finger touched the canvas briefly at x, y
  PAGE_EVENT_LONG_PRESS = 10,   // a finger has rested on the canvas at x, y for a long press
};
