// The open and save menu commands and files dropped on the window, as the player meets them:
// the file dialog, the message with its caption and icon, and the hover timer around a drop.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/game_dlg.h"
#include "model/piece_catalogue.h"
#include "res/resource_ids.h"
#include "frontends/scripted/scripted_framework.h"
#include "frontends/scripted/temp_folder.h"

namespace {

class FileCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    m_port = &m_framework.Open(m_game);
    m_game.SetTimer(HoverTimer, HOVER_INTERVAL_MS);
    m_game.GetGame().Seed(77);
    m_game.NewGame();
  }

  void Answer(bool ok, std::optional<std::string> text = std::nullopt) {
    m_framework.QueueAnswer(ScriptedAnswer{ok, std::move(text), {}});
  }

  // The message boxes shown since the start, as "caption: text (type)".
  std::vector<std::string> Messages() const {
    std::vector<std::string> lines;
    for (const DialogRecord& record : m_framework.dialogs) {
      if (record.kind == DialogRecord::MessageBox) {
        lines.push_back(record.title + ": " + record.text + " (" + std::to_string(record.type) +
                        ")");
      }
    }
    return lines;
  }

  ScriptedFramework m_framework;
  CGameDlg m_game{m_framework};
  ScriptedPort* m_port = nullptr;
  TempFolder m_folder;
};

const std::string LOADED = "成功: 读取游戏存档成功！ (64)";
const std::string NOT_LOADED = "错误: 读取游戏存档失败！ (16)";
const std::string SAVED = "成功: 保存游戏存档成功！ (64)";
const std::string NOT_SAVED = "错误: 保存游戏存档失败！ (16)";

TEST_F(FileCommands, SaveThenOpenThroughTheMenuReportsEachOutcome) {
  const double score = m_game.GetGame().EditPosition().score;
  Answer(true, m_folder.File("mine"));  // the dialog adds the extension
  Answer(true);
  m_game.OnCommand(ID_GAME_SAVE);
  ASSERT_FALSE(FileContents(m_folder.File("mine.flm")).empty());

  m_game.NewGame();
  m_game.GetGame().EditPosition().score = 999;
  Answer(true, m_folder.File("mine.flm"));
  Answer(true);
  m_game.OnCommand(ID_GAME_OPEN);
  EXPECT_EQ(m_game.GetGame().EditPosition().score, score);

  Answer(true, m_folder.File("missing.flm"));
  Answer(true);
  m_game.OnCommand(ID_GAME_OPEN);
  Answer(true, m_folder.File("no folder/x.flm"));
  Answer(true);
  m_game.OnCommand(ID_GAME_SAVE);

  EXPECT_EQ(Messages(), (std::vector<std::string>{SAVED, LOADED, NOT_LOADED, NOT_SAVED}));
  ASSERT_EQ(m_framework.dialogs.size(), 8u);
  EXPECT_EQ(m_framework.dialogs[0].kind, DialogRecord::SaveFile);
  EXPECT_EQ(m_framework.dialogs[2].kind, DialogRecord::OpenFile);
  EXPECT_EQ(m_framework.dialogs[0].title, "游戏存档 (*.flm)|*.flm||");  // the filter
  EXPECT_TRUE(m_framework.errors.empty());
}

TEST_F(FileCommands, CancelledDialogsShowNothingAndChangeNothing) {
  Answer(false);
  m_game.OnCommand(ID_GAME_OPEN);
  Answer(false);
  m_game.OnCommand(ID_GAME_SAVE);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(m_framework.dialogs.size(), 2u);
  EXPECT_TRUE(std::filesystem::is_empty(m_folder.Path()));
  EXPECT_TRUE(m_framework.errors.empty());
}

TEST_F(FileCommands, DropOpensTheFirstFileWithTheHoverTimerHeldAndTheCursorShown) {
  ASSERT_TRUE(m_game.SaveGame(m_folder.File("first.txt")));
  const double score = m_game.GetGame().EditPosition().score;
  m_game.GetGame().EditPosition().score = 5;
  // A pointer over the board that has moved hides the cursor.
  m_framework.MovePointerTo(m_game, {200, 200});
  m_game.OnMouseMove(0, {200, 200});
  m_framework.FireTimer(m_game, HoverTimer);
  ASSERT_FALSE(m_game.CursorShown());

  // The hover timer is stopped while the message shows and runs again afterwards.
  std::optional<int> hoverDuringMessage = 0;
  m_framework.onDialog = [&](const DialogRecord&) {
    hoverDuringMessage = m_port->TimerInterval(HoverTimer);
    m_framework.QueueAnswer({});
  };
  m_game.OnDropFiles({m_folder.File("first.txt"), m_folder.File("second.flm")});
  EXPECT_EQ(m_game.GetGame().EditPosition().score, score);
  EXPECT_EQ(hoverDuringMessage, std::nullopt);
  EXPECT_EQ(m_port->TimerInterval(HoverTimer), 30);
  EXPECT_TRUE(m_game.CursorShown());
  EXPECT_TRUE(m_framework.cursorVisible);

  hoverDuringMessage = 0;
  m_game.OnDropFiles({m_folder.File("second.flm")});
  EXPECT_EQ(hoverDuringMessage, std::nullopt);
  EXPECT_EQ(m_port->TimerInterval(HoverTimer), 30);
  EXPECT_EQ(m_game.GetGame().EditPosition().score, score);
  EXPECT_EQ(Messages(), (std::vector<std::string>{LOADED, NOT_LOADED}));
  EXPECT_EQ(m_framework.cursorShowCalls, 1);
}

}  // namespace
