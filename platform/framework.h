#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text_renderer.h"
#include "platform/types.h"

class CDialog;

// What a file dialog asks for: open or save, the filter ("text|pattern||"), the extension
// added to a typed name without one, and whether to ask before overwriting.
struct FileDialogOptions {
  bool open = true;
  std::string defaultExt;
  std::string fileName;
  std::string filter;
  bool overwritePrompt = false;
};

// The back end: everything the game needs from the desktop that is not drawing into its own
// memory pictures. One implementation drives the real toolkit, another answers from a script
// in tests. The core never reads a clock or the pointer itself; it asks here.
class Framework {
 public:
  virtual ~Framework() = default;

  // Creates the window of dialog, runs its set-up and a modal loop until EndDialog, destroys
  // the window (OnDestroy) and returns the result. Timers and painting of other open windows
  // go on meanwhile.
  virtual int RunModal(CDialog& dialog) = 0;
  // A modal message box owned by owner (may be null) with one OK button. An empty caption
  // shows the application's title.
  virtual int MessageBox(CDialog* owner, std::string_view text, std::string_view caption,
                         unsigned type) = 0;
  // A modal file dialog. On IDOK path holds the chosen full path.
  virtual int RunFileDialog(CDialog* owner, const FileDialogOptions& options,
                            std::string& path) = 0;

  // The system cursor's visibility and position (screen coordinates).
  virtual void ShowCursor(bool show) = 0;
  virtual CPoint GetCursorPos() const = 0;
  // Hands an address to the user's browser. Failures are not reported.
  virtual void OpenUrl(std::string_view url, int showMode) = 0;
  // Full path of the running executable.
  virtual std::string GetModuleFileName() const = 0;
  // Seconds since the epoch, for seeding.
  virtual std::int64_t CurrentTimeSeconds() const = 0;
  // The renderer that memory surfaces draw their text with.
  virtual TextRenderer* GetTextRenderer() = 0;

  // The executable's base name without extension: the caption of boxes that have none.
  std::string AppTitle() const;
};
