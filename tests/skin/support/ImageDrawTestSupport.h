#pragma once
// Helpers for the image drawing tests: a loader whose master bitmap the test paints, and
// image entries over areas of it.
#include <gtest/gtest.h>

#include "skin/data/acSkinLoader.h"
#include "skin/data/acSkinRecords.h"
#include "tests/skin/support/PixelTestSupport.h"

namespace skin::test {

// A loader holding a master bitmap of w x h, filled with one pixel value.
struct MasterSkin {
  TacSkinLoader loader;
  MasterSkin(int w, int h, std::uint32_t fill = 0xFF000000u) {
    loader.MasterBitmap = std::make_unique<Bitmap32>(Filled(w, h, fill));
  }
  Bitmap32& Master() { return *loader.MasterBitmap; }
  void Set(int x, int y, std::uint32_t px) { Master().SetPixel(x, y, px); }
  void FillArea(int x, int y, int w, int h, std::uint32_t px) {
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i) Master().SetPixel(x + i, y + j, px);
  }

  // An entry over the area r of the master bitmap, with its picture sizes as the loader
  // computes them.
  TsMaskData Entry(gfx::TRect r, int imageCount, int maskType, int drawMode, int wl, int wt, int wr, int wb) {
    TsMaskData md;
    md.R = r;
    md.ImageCount = static_cast<std::int16_t>(imageCount);
    md.MaskType = static_cast<std::int16_t>(maskType);
    md.DrawMode = static_cast<std::uint16_t>(drawMode);
    md.Manager = &loader;
    md.Master = loader.MasterBitmap.get();
    md.WL = static_cast<std::int16_t>(wl);
    md.WT = static_cast<std::int16_t>(wt);
    md.WR = static_cast<std::int16_t>(wr);
    md.WB = static_cast<std::int16_t>(wb);
    md.Width = (r.Right - r.Left) / imageCount;
    md.Height = (r.Bottom - r.Top) / (maskType + 1);
    return md;
  }
};

// Opaque pixel of the given red, green and blue.
constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

}  // namespace skin::test
