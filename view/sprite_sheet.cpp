#include "view/sprite_sheet.h"

#include "res/embedded_art.h"
#include "view/bmp_image.h"

bool LoadSpriteSheet(CBitmap& bitmap) {
  return DecodeBmp(SPRITE_SHEET_BMP, SPRITE_SHEET_BMP_SIZE, bitmap);
}
