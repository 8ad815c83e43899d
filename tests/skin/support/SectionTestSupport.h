#pragma once
// Helpers for the section painting tests: a small skin data set made by hand over a
// master bitmap the test paints, with sections and image entries added one by one.
#include <gtest/gtest.h>

#include <vector>

#include "skin/data/acSkinData.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "tests/skin/support/ImageDrawTestSupport.h"

namespace skin::test {

// A data set of hand-made sections over a master bitmap of w x h.
struct SectionSkin : MasterSkin {
  TacSkinData data{&loader, 96, 0};

  explicit SectionSkin(int w = 64, int h = 64, std::uint32_t fill = 0xFF000000u) : MasterSkin(w, h, fill) {}

  int Add(const TsGeneralData& g) {
    data.gd.push_back(g);
    return static_cast<int>(data.gd.size()) - 1;
  }
  int Add(const TsMaskData& md) {
    data.ma.push_back(md);
    return static_cast<int>(data.ma.size()) - 1;
  }
  TsGeneralData& Section(int i) { return data.gd.at(static_cast<std::size_t>(i)); }
  TsMaskData& Image(int i) { return data.ma.at(static_cast<std::size_t>(i)); }
};

// A state with a plain colour and a transparency.
inline TsGenState PlainState(TColor colour, int transparency = 0) {
  TsGenState s;
  s.Color = colour;
  s.Transparency = transparency;
  return s;
}

// A one-state section whose every record is the given state.
inline TsGeneralData OneState(const TsGenState& s) {
  TsGeneralData g;
  g.States = 1;
  g.Props = {s, s, s};
  return g;
}

// The pixel of a colour value, opaque.
constexpr std::uint32_t Px(TColor c) { return SwapRedBlue(c) | 0xFF000000u; }

// A bitmap filled with an opaque colour value.
inline Bitmap32 Ground(int w, int h, TColor c) {
  Bitmap32 b(w, h);
  FillPixels(&b, {0, 0, w, h}, c, 255);
  return b;
}

// Counts the pixels of r equal to px.
inline int Count(const Bitmap32& b, const TRect& r, std::uint32_t px) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += b.Pixel(x, y) == px;
  return n;
}

}  // namespace skin::test
