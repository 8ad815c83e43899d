// Randomised robustness of section painting: the stored skin's sections and image entries
// are mutated (states, shares, colours, textures, draw modes, image areas, border widths,
// gradients) and every section is painted by every routine into rectangles of random size
// and place, over pictures, colours and nothing. No case may crash, hang or read or write
// outside a bitmap (the sanitizer build checks the last).
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "platform/gfx/Surface.h"
#include "skin/render/pixels/acGradient.h"
#include "skin/render/acPaintSection.h"
#include "tests/skin/support/SkinLoaderTestSupport.h"

namespace skin {
namespace {

// 100,000 cases, fewer under the sanitizers; PELLOMIR_SECTION_CASES overrides both.
int CaseCount() {
  if (const char* n = std::getenv("PELLOMIR_SECTION_CASES")) return std::max(1, std::atoi(n));
  return test::kSanitized ? 4000 : 100000;
}

class Mutator {
 public:
  explicit Mutator(std::uint32_t seed) : rng_(seed) {}

  int Pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
  int Between(int lo, int hi) { return lo + Pick(hi - lo + 1); }
  bool Chance(int percent) { return Pick(100) < percent; }

  // Mostly sensible values, sometimes odd ones.
  int Percent() {
    static const int kOdd[] = {-1, -100, 101, 150, 255, 256, 1000, -2147483647, 2147483647};
    if (Chance(15)) return kOdd[Pick(9)];
    static const int kCommon[] = {0, 0, 0, 100, 100, 50, 1, 99};
    return Chance(50) ? kCommon[Pick(8)] : Pick(101);
  }
  int Index(int count) { return Chance(10) ? Between(-3, count + 5) : (Chance(30) ? -1 : Pick(std::max(1, count))); }
  TColor Colour() {
    static const TColor kOdd[] = {KeyColor, clNone, 0xFFFFFFFFu, 0x80000005u, 0};
    return Chance(10) ? kOdd[Pick(5)] : static_cast<TColor>(rng_() & 0xFFFFFF);
  }

  TsGradArray Gradient() {
    if (Chance(30)) return {};
    if (Chance(30)) {
      static const char* kTexts[] = {"255;65280;50;0;0;16711680;0;50;1;0",
                                     "2147483647;0;16;16711680;100;16;B",
                                     "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;E",
                                     "100;200;300;2;0;1;1;1;2;0",
                                     "0;0;0;3;0;0;0;0;3;0",
                                     "x;y;z;w;0"};
      return ParseGradientData(kTexts[Pick(6)]);
    }
    TsGradArray g(static_cast<std::size_t>(Pick(7)));
    for (std::size_t i = 0; i < g.size(); ++i) {
      g[i].Index = static_cast<std::uint16_t>(i);
      g[i].Mode = Chance(10) ? static_cast<std::int32_t>(rng_())
                             : Pick(4) | (Chance(20) ? gdBrushSegment : 0) | (Chance(10) ? gdAlphaGradient : 0);
      g[i].Color = TsColor(rng_());
      g[i].Percent = static_cast<std::uint8_t>(Chance(10) ? Pick(256) : Pick(101));
    }
    return g;
  }

  void State(TsGenState& s, int images) {
    if (Chance(50)) s.Transparency = Percent();
    if (Chance(50)) s.ImagePercent = Percent();
    if (Chance(40)) s.GradientPercent = Percent();
    if (Chance(40)) s.TextureIndex = Index(images);
    if (Chance(30)) s.Color = Colour();
    if (Chance(30)) s.GradientArray = Gradient();
  }

  void Section(TsGeneralData& g, int images) {
    if (Chance(40)) g.States = Chance(20) ? Between(-3, 300) : Between(0, 4);
    for (TsGenState& s : g.Props) State(s, images);
    if (Chance(30)) g.BorderIndex = Index(images);
    for (std::int32_t* corner : {&g.ImgTL, &g.ImgTR, &g.ImgBL, &g.ImgBR})
      if (Chance(15)) *corner = Index(images);
  }

  void Image(TsMaskData& md, int masterW, int masterH) {
    if (Chance(40)) md.DrawMode = static_cast<std::uint16_t>(Chance(20) ? Pick(65536) : Pick(32));
    if (Chance(25)) md.MaskType = static_cast<std::int16_t>(Between(-1, 3));
    if (Chance(30)) {
      const int l = Between(-8, masterW + 8), t = Between(-8, masterH + 8);
      md.R = {l, t, l + Between(-4, 80), t + Between(-4, 80)};
    }
    if (Chance(25)) md.ImageCount = static_cast<std::int16_t>(Between(-1, 6));
    if (Chance(30)) {
      md.Width =
          Chance(20) ? Between(-5, 600) : std::max(0, (md.R.Right - md.R.Left) / std::max<int>(1, md.ImageCount));
      md.Height = Chance(20) ? Between(-5, 600)
                             : std::max(0, (md.R.Bottom - md.R.Top) / (md.MaskType + 1 > 0 ? md.MaskType + 1 : 1));
    }
    for (std::int16_t* w : {&md.WL, &md.WT, &md.WR, &md.WB})
      if (Chance(15)) *w = static_cast<std::int16_t>(Between(-3, 70));
    if (Chance(10)) md.Cfg = Pick(4);
  }

  TRect Rect(int w, int h) {
    const int l = Chance(5) ? Between(-5, w + 5) : Pick(std::max(1, w));
    const int t = Chance(5) ? Between(-5, h + 5) : Pick(std::max(1, h));
    return {l, t, l + Between(Chance(5) ? -3 : 1, std::max(1, w - l + (Chance(5) ? 4 : 0))),
            t + Between(Chance(5) ? -3 : 1, std::max(1, h - t + (Chance(5) ? 4 : 0)))};
  }

 private:
  std::mt19937 rng_;
};

TEST(SectionMutationTest, MutatedSkinsPaintEverySectionWithoutHarm) {
  test::TestLoader loader;
  ASSERT_TRUE(loader.LoadInternal(test::StoredEmberfield(), u"Emberfield (internal)"));
  TacSkinData& data = loader.Data();
  const std::vector<TsGeneralData> sections = data.gd;
  const std::vector<TsMaskData> images = data.ma;
  const int masterW = loader.MasterBitmap->Width(), masterH = loader.MasterBitmap->Height();
  const int imageCount = static_cast<int>(images.size());
  const int sectionCount = static_cast<int>(sections.size());
  ASSERT_GT(sectionCount, 10);

  Mutator m(20240611);
  Bitmap32 parent = [] {
    Bitmap32 b(160, 120);
    for (int y = 0; y < 120; ++y)
      for (int x = 0; x < 160; ++x) b.SetPixel(x, y, 0xFF000000u | std::uint32_t(x * 1237 + y * 7919));
    return b;
  }();
  const int cases = CaseCount();
  int painted = 0;
  for (int c = 0; c < cases; ++c) {
    const int section = c % sectionCount;
    // Mutate the section and a few entries, remembering what to put back.
    m.Section(data.gd[static_cast<std::size_t>(section)], imageCount);
    int touched[3] = {-1, -1, -1};
    for (int& t : touched)
      if (m.Chance(60)) {
        t = m.Pick(imageCount);
        m.Image(data.ma[static_cast<std::size_t>(t)], masterW, masterH);
      }

    const bool large = m.Chance(15);
    Bitmap32 dst(m.Between(1, large ? 240 : 90), m.Between(1, large ? 180 : 70));
    const TRect rect = m.Rect(dst.Width(), dst.Height());
    const TPoint pos{m.Between(-40, 200), m.Between(-40, 150)};
    TacBgInfo bg;
    switch (m.Pick(5)) {
      case 0: bg = BgInfoFromBitmap(&parent, m.Between(-60, 60), m.Between(-60, 60)); break;
      case 1: bg = BgInfoFromBitmap(&dst, 0, 0); break;
      case 2:
        bg.FillColor = m.Colour();
        if (m.Chance(50)) {
          bg.Bmp = &parent;
          bg.X = m.Between(-60, 60);
          bg.Y = m.Between(-60, 60);
          bg.BorderFrame = {m.Between(-5, 200), m.Between(-5, 200), m.Between(-5, 200), m.Between(-5, 200)};
        }
        break;
      case 3: bg = BgInfoFromBitmap(nullptr, 0, 0); break;
      default: bg = EmptyBgInfo(); break;
    }
    const int state = m.Chance(10) ? m.Between(-5, 10) : m.Pick(3);
    const int tex0 = m.Chance(20) ? m.Index(imageCount) : -1, texOther = m.Chance(20) ? m.Index(imageCount) : -1;
    painted += SectionPaintable(&data, section, &dst, rect);
    switch (m.Pick(6)) {
      case 0:
      case 1: PaintSection(section, bg, texOther, tex0, &data, &dst, pos, rect, state); break;
      case 2:
        PaintSectionBackground(section, bg, state, m.Chance(30) ? m.Colour() : KeyColor, texOther, tex0, &data, &dst,
                               pos, rect);
        break;
      case 3: PaintSectionLite(section, m.Index(imageCount), tex0, &data, &dst, pos, rect, state, bg, texOther); break;
      case 4: PaintSectionAlpha(section, state, &data, &dst, pos, rect); break;
      default: PaintSectionToSurface(section, bg, &data, &dst.Canvas(), pos, rect, state); break;
    }

    data.gd[static_cast<std::size_t>(section)] = sections[static_cast<std::size_t>(section)];
    for (int t : touched)
      if (t >= 0) data.ma[static_cast<std::size_t>(t)] = images[static_cast<std::size_t>(t)];
  }
  // Most rectangles lie inside their destination, so that most cases do paint.
  EXPECT_GT(painted, cases * 3 / 4);
}

}  // namespace
}  // namespace skin
