// A board laid out like the program's info window (a panel filling the form, two sticky
// labels with multi-line captions, four pictures with soft alpha edges) written as a
// screenshot, with checks that the panel's picture shows behind every label and picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/win/MessageApi.h"
#include "tests/skin/controls/PanelFormFixture.h"

namespace skin::test {

namespace {

// A disc of a colour with a soft two-pixel edge and a lighter ring, on transparent pixels.
std::unique_ptr<forms::TBitmap> Disc(int w, int h, std::uint32_t rgb) {
  const double cx = w / 2.0, cy = h / 2.0, r = std::min(w, h) / 2.0 - 4;
  return Picture32(w, h, [=](int x, int y) {
    const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
    const double a = std::clamp((r - d) / 2.0, 0.0, 1.0);
    const bool ring = std::abs(d - r * 0.7) < r * 0.06;
    const std::uint32_t c = ring ? 0xFFFFFF : rgb;
    return static_cast<std::uint32_t>(a * 255) << 24 | c;
  });
}

// A rounded bar with a soft edge.
std::unique_ptr<forms::TBitmap> Bar(int w, int h, std::uint32_t rgb) {
  const double rad = h / 3.0;
  return Picture32(w, h, [=](int x, int y) {
    const double dx = std::max({rad - (x + 0.5), (x + 0.5) - (w - rad), 0.0});
    const double dy = std::max({rad - (y + 0.5), (y + 0.5) - (h - rad), 0.0});
    const double a = std::clamp((rad - std::hypot(dx, dy)) / 2.0, 0.0, 1.0);
    return static_cast<std::uint32_t>(a * 255) << 24 | rgb;
  });
}

}  // namespace

class InfoBoard : public PanelForm, public ::testing::WithParamInterface<int> {
 protected:
  int ScreenDpi() const override { return GetParam(); }
  // A length at 96 dots per inch at the screen's density.
  int S(int v) const { return v * GetParam() / 96; }
  TRect S(const TRect& r) const { return {S(r.Left), S(r.Top), S(r.Right), S(r.Bottom)}; }
};

TEST_P(InfoBoard, ScreenshotOfTheInfoLayout) {
  form->SetBounds(20, 20, S(477), S(538));
  form->SetClientWidth(S(461));
  form->SetClientHeight(S(499));
  TsPanel* panel = Panel(nullptr, S({0, 0, 461, 499}));
  panel->SetAlign(forms::TAlign::alClient);
  panel->SetShowCaption(false);
  auto* text =
      Label<TsStickyLabel>(panel, S({74, 16, 444, 271}),
                           u"Pellomir.\r\n\r\nDescription:\r\nFetches the list of pages of a site's sitemap.\r\n"
                           u"Asks the site, reads its map and takes the URLs\r\nfrom it. Saves the list to a "
                           u"text file.\r\n\r\nEnjoyed it? Treat the author to a cup of coffee.");
  text->Font()->SetHeight(-S(13));
  auto* contact = Label<TsStickyLabel>(panel, S({74, 385, 441, 415}), u"Pellomir V1.0\r\nE-mail: info@example.com");
  contact->Font()->SetHeight(-S(13));
  const auto logo = Disc(512, 512, 0x2060E0), cup = Disc(512, 512, 0x4A2C1A);
  const auto payOne = Bar(460, 510, 0x1E90FF), payTwo = Bar(400, 114, 0x2EAD5A);
  TsImage* images[] = {Image(panel, S({8, 16, 58, 66}), *logo), Image(panel, S({98, 297, 171, 370}), *payOne),
                       Image(panel, S({208, 337, 338, 370}), *payTwo), Image(panel, S({272, 260, 329, 313}), *cup)};
  for (TsImage* i : images) {
    i->SetStretch(true);
    i->SetProportional(i != images[2]);
    i->SetTransparent(true);
  }
  form->Invalidate();
  win::RunUntilIdle();
  ASSERT_TRUE(panel->SkinData()->CacheValid());
  const Bitmap32 shown = PaintedPanel(panel);
  const Bitmap32& face = *panel->SkinData()->FCacheBmp;
  // Behind the labels' lines and beside the pictures the panel's own pixels show.
  EXPECT_EQ(shown.Pixel(S(440), S(30)), face.Pixel(S(440), S(30)));
  EXPECT_EQ(shown.Pixel(S(98 + 70), S(297 + 36)), face.Pixel(S(98 + 70), S(297 + 36)));
  EXPECT_EQ(shown.Pixel(S(9), S(17)), face.Pixel(S(9), S(17)));
  // The labels are drawn in the panel's text colour.
  const std::uint32_t ink = SwapRedBlue(text->CurrentFontColor());
  int inked = 0;
  for (int y = S(16); y < S(120); ++y)
    for (int x = S(74); x < S(300); ++x) inked += (shown.Pixel(x, y) & 0xFFFFFF) == ink;
  EXPECT_GT(inked, 50);
  const std::string name = "skin-controls-info-board-" + std::to_string(GetParam()) + ".png";
  EXPECT_TRUE(win::headless::SaveWindowShot(form->Handle(), ShotPath(name)));
}

INSTANTIATE_TEST_SUITE_P(AtDensities, InfoBoard, ::testing::Values(96, 144));

}  // namespace skin::test
