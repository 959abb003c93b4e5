#include "game/board_geometry.h"
#include "game/game_dlg.h"
#include "view/sprite_layout.h"
#include "view/sprite_sheet.h"

namespace {

// Both game fonts: bold "黑体" from the GB2312 character set, differing only in height.
constexpr const char* GAME_FONT_FACE = "黑体";
constexpr int POPUP_FONT_HEIGHT = 16;
constexpr int SCORE_FONT_HEIGHT = 24;

void CreateGameFont(CFont& font, int height) {
  font.CreateFont(height, 0, 0, 0, FW_BOLD, false, false, false, GB2312_CHARSET, 0, 0, 0,
                  FF_MODERN_FAMILY, GAME_FONT_FACE);
}

}  // namespace

// Nothing here is checked: a surface whose bitmap could not be made stays empty, and every
// copy to or from it draws nothing, so the game runs on without that picture.
void CGameDlg::CreateDrawingResources() {
  TextRenderer* text = GetFramework().GetTextRenderer();
  const CRect client = GetClientRect();

  m_dcSprites.CreateCompatibleDC(text);
  LoadSpriteSheet(m_bmpSprites);
  m_dcSprites.SelectObject(&m_bmpSprites);

  m_dcBoard.CreateCompatibleDC(text);
  m_bmpBoard.Create(BOARD_PIXELS, BOARD_PIXELS);
  m_dcBoard.SelectObject(&m_bmpBoard);

  CreateGameFont(m_fonts[0], POPUP_FONT_HEIGHT);
  CreateGameFont(m_fonts[1], SCORE_FONT_HEIGHT);

  m_dcBack.CreateCompatibleDC(text);
  m_bmpBack.Create(client.Width(), client.Height());
  m_dcBack.SelectObject(&m_bmpBack);
  m_dcBack.SetBkMode(TRANSPARENT);

  // Every frame starts with one of the two backgrounds at the client area's size.
  m_dcSprites.KeepPicture(BACKGROUND_A_X, BACKGROUND_A_Y, client.Width(), client.Height());
  m_dcSprites.KeepPicture(BACKGROUND_B_X, BACKGROUND_B_Y, client.Width(), client.Height());
}
