// The Help menu: the two pages that ship with the program (beside it, or in the shared data
// folder of an installed program), and the About box.

#include <filesystem>
#include <system_error>

#include "app/about_dlg.h"
#include "app/help_pages.h"
#include "app/game_dlg.h"
#include "storage/install_layout.h"
#include "storage/program_dir.h"

namespace {

// Paths from and to UTF-8 text whatever the system's narrow code page; the address always has
// forward slashes, Windows paths included.
std::filesystem::path PathOfUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8OfPath(const std::filesystem::path& path) {
  const std::u8string text = path.generic_u8string();
  return std::string(text.begin(), text.end());
}

// A blank page first, then the page itself, both minimised and without taking the focus from
// the game; whether the browser came up is not looked at.
void OpenShippedPage(CGameDlg& dlg, std::string_view page) {
  Framework& framework = dlg.GetFramework();
  // An executable path without a folder means the current folder; an address needs it whole.
  std::error_code error;
  const std::filesystem::path file =
      PathOfUtf8(FindInstallLayout(GetProgramDir(framework)).dataDir + ShippedPagePath(page));
  const std::filesystem::path absolute = std::filesystem::absolute(file, error);
  framework.OpenUrl("about:blank", SW_SHOWMINNOACTIVE);
  framework.OpenUrl(FileUrl(Utf8OfPath(error ? file : absolute)), SW_SHOWMINNOACTIVE);
}

}  // namespace

void CGameDlg::OnInstructions() { OpenShippedPage(*this, INSTRUCTIONS_PAGE); }

void CGameDlg::OnContactAuthor() { OpenShippedPage(*this, CONTACT_PAGE); }

void CGameDlg::OnAbout() {
  CAboutDlg dialog(GetFramework(), this);
  dialog.DoModal();
}
