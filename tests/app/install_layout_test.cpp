// Where the program finds its help pages, and when it counts as installed.

#include "storage/install_layout.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/help_pages.h"
#include "app/game_dlg.h"
#include "res/resource_ids.h"
#include "frontends/scripted/scripted_framework.h"
#include "frontends/scripted/temp_folder.h"

namespace {

namespace fs = std::filesystem;

// Windows writes the same folder with '\\' where the test wrote '/'.
fs::path Normal(const std::string& path) { return fs::path(path).lexically_normal(); }

TEST(InstallLayout, HelpBesideTheProgramWinsOverSharedDataWhichMeansInstalled) {
  TempFolder root;
  fs::create_directories(root.File("usr/games"));
  const std::string games = root.File("usr/games/");

  // Copied alone: its own folder, not installed.
  InstallLayout layout = FindInstallLayout(games);
  EXPECT_EQ(layout.dataDir, games);
  EXPECT_FALSE(layout.installed);

  // Installed: the pages in ../share/vandrel, named without "..".
  fs::create_directories(root.File("usr/share/vandrel/help"));
  layout = FindInstallLayout(games);
  EXPECT_EQ(Normal(layout.dataDir), Normal(root.File("usr/share/vandrel/")));
  EXPECT_TRUE(layout.installed);

  // Debian's games keep their data in share/games, which wins when both are there.
  fs::create_directories(root.File("usr/share/games/vandrel/help"));
  layout = FindInstallLayout(games);
  EXPECT_EQ(Normal(layout.dataDir), Normal(root.File("usr/share/games/vandrel/")));
  EXPECT_TRUE(layout.installed);

  // Pages beside the program (a build folder, an unpacked zip) are its own.
  fs::create_directories(root.File("usr/games/help"));
  layout = FindInstallLayout(games);
  EXPECT_EQ(layout.dataDir, games);
  EXPECT_FALSE(layout.installed);
}

TEST(InstallLayout, HelpMenuOpensTheInstalledPages) {
  TempFolder root;
  fs::create_directories(root.File("usr/games"));
  fs::create_directories(root.File("usr/share/games/vandrel/help"));
  ScriptedFramework fw;
  fw.moduleFileName = root.File("usr/games/vandrel");
  CGameDlg dlg(fw);
  fw.Open(dlg);
  dlg.OnCommand(ID_HELP_CONTACT);
  ASSERT_EQ(fw.urls.size(), 2u);
  const fs::path page = root.File("usr/share/games/vandrel/help/contact.html");
  EXPECT_EQ(fw.urls[1].first, FileUrl(page.generic_string()));
}

}  // namespace
