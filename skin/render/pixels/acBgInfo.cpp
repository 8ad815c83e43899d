#include "skin/render/pixels/acBgInfo.h"

namespace skin {

const TacBgInfo& EmptyBgInfo() {
  static const TacBgInfo empty{};
  return empty;
}

TacBgInfo BgInfoFromBitmap(Bitmap32* bmp, int x, int y) {
  TacBgInfo bg;
  bg.Bmp = bmp;
  bg.X = x;
  bg.Y = y;
  bg.FillColor = KeyColor;
  bg.Ready = true;
  return bg;
}

}  // namespace skin
