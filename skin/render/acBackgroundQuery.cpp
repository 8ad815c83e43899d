#include "skin/render/acBackgroundQuery.h"

namespace skin {

TacBgInfo ToBgInfo(const TsBackgroundQuery& query) {
  if (query.Kind == bqBitmap) return BgInfoFromBitmap(query.Bitmap, query.Offset.X, query.Offset.Y);
  TacBgInfo bg;
  bg.Bmp = query.Bitmap;
  bg.X = query.Offset.X;
  bg.Y = query.Offset.Y;
  bg.FillColor = ColorToRGB(query.Color);
  bg.BorderFrame = query.BorderFrame;
  bg.Ready = false;
  return bg;
}

}  // namespace skin
