#pragma once
// Helpers for the text and glyph tests: a loader holding sections and image entries the
// test makes (no options text), large fonts whose letters have fully covered pixels, and
// pixel counts.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/gfx/Font.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"
#include "skin/render/pixels/acPixelBlend.h"

namespace skin::test {

// A loader with one data set (96 dots per inch) whose sections and entries the test adds.
struct SectionSkin {
  TacSkinLoader loader;
  TacSkinData* data = nullptr;

  explicit SectionSkin(int masterW = 1, int masterH = 1, std::uint32_t fill = 0xFF000000u) {
    loader.MasterBitmap = std::make_unique<Bitmap32>(masterW, masterH);
    for (int y = 0; y < masterH; ++y)
      for (int x = 0; x < masterW; ++x) loader.MasterBitmap->SetPixel(x, y, fill);
    loader.SkinDataArray.push_back(std::make_unique<TacSkinData>(&loader, 96, 0));
    data = loader.SkinDataArray[0].get();
  }
  int Add(const TsGeneralData& g) {
    data->gd.push_back(g);
    return static_cast<int>(data->gd.size()) - 1;
  }
  int AddEntry(const TsMaskData& md) {
    data->ma.push_back(md);
    return static_cast<int>(data->ma.size()) - 1;
  }
  TsGeneralData& Section(int i) { return data->gd.at(static_cast<std::size_t>(i)); }
  Bitmap32& Master() { return *loader.MasterBitmap; }
};

// A section whose three state records have the given text colour, fill colour and
// transparency.
inline TsGeneralData TextSection(TColor font, TColor color = 0xFFFFFF, int transparency = 0, int states = 3) {
  TsGeneralData g;
  g.States = states;
  for (TsGenState& s : g.Props) {
    s.FontColor.Color = font;
    s.Color = color;
    s.Transparency = transparency;
  }
  return g;
}

inline gfx::Font BigFont(int height = -40) {
  gfx::FontDesc d;
  d.height = height;
  d.weight = gfx::FW_BOLD;
  return gfx::Font(d);
}

// An opaque bitmap of one colour value.
inline Bitmap32 Ground(int w, int h, TColor c = 0xFFFFFF) {
  Bitmap32 b(w, h);
  FillPixels(&b, {0, 0, w, h}, c, 255);
  return b;
}

// Every pixel, row by row.
inline std::vector<std::uint32_t> PixelsOf(const Bitmap32& b) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < b.Height(); ++y) out.insert(out.end(), b.Row(y), b.Row(y) + b.Width());
  return out;
}

inline int Count(const Bitmap32& b, const std::function<bool(std::uint32_t)>& pred) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += pred(b.Pixel(x, y)) ? 1 : 0;
  return n;
}

inline int CountValue(const Bitmap32& b, std::uint32_t px) {
  return Count(b, [px](std::uint32_t v) { return v == px; });
}

// A colour value as an opaque pixel.
constexpr std::uint32_t Opaque(TColor c) { return SwapRedBlue(c) | 0xFF000000u; }

}  // namespace skin::test
