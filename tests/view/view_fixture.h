#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "view/board_geometry.h"
#include "app/game_dlg.h"
#include "model/piece_catalogue.h"
#include "platform/bitmap.h"
#include "frontends/scripted/scripted_framework.h"
#include "view/sprite_layout.h"

// A game window on the scripted back end with its drawing surfaces made, as after set-up.
class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_port = &m_framework.Open(m_dialog);
    m_dialog.CreateDrawingResources();
  }

  const CBitmap& Sheet() const { return m_dialog.View().m_bmpSprites; }
  std::uint32_t SheetPixel(int x, int y) const { return Sheet().Pixel(x, y); }

  ScriptedFramework m_framework;
  CGameDlg m_dialog{m_framework};
  ScriptedPort* m_port = nullptr;
};

constexpr std::uint32_t BLACK_PIXEL = 0xFF000000u;
constexpr std::uint32_t GREY_PIXEL = 0xFF808080u;
constexpr std::uint32_t CYAN_PIXEL = 0xFF00FFFFu;
constexpr std::uint32_t SILVER_PIXEL = 0xFFC0C0C0u;
