// The look of the stored skin, measured: text stays readable (contrast at least 4.5 : 1)
// on every face it is drawn on, in every state.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/base/Unicode.h"
#include "tests/skin/support/EmberfieldTestSupport.h"
#include "tools/skingen/SkinLook.h"

namespace skin::emberfield {
namespace {

constexpr double kBodyText = 4.5;

TColor PixelColour(std::uint32_t px) { return SwapRedBlue(px) & 0xFFFFFF; }

// The stored skin as the generator's mock painter reads it (states with their
// inheritance and copies, image entries with their pictures).
const skingen::TSkinLook& Look() {
  static const skingen::TSkinLook look = [] {
    std::map<std::string, Bitmap32> pictures;
    for (const auto& [name, px] : StoredSkin().Pictures) {
      Bitmap32 b(px.Width(), px.Height());
      for (int y = 0; y < px.Height(); ++y) std::copy_n(px.Row32(y), px.Width(), b.Row(y));
      pictures.emplace(base::Utf16ToUtf8(name), std::move(b));
    }
    const TacBytes& options = *StoredSkin().Sc.Options;
    return skingen::TSkinLook(base::WidenAscii(std::string(options.begin(), options.end())), std::move(pictures));
  }();
  return look;
}

TColor Mix(TColor a, TColor b, int aPercent) {
  TColor out = 0;
  for (int shift = 0; shift < 24; shift += 8)
    out |= static_cast<TColor>(((a >> shift & 0xFF) * aPercent + (b >> shift & 0xFF) * (100 - aPercent)) / 100)
           << shift;
  return out;
}

// The colours that text of a section state lies on: its fill (every gradient stop and
// texture pixel mixed in by their shares), seen through the centre of its border image
// when that is drawn. Empty for a see-through state.
std::vector<TColor> Faces(std::u16string_view section, int state) {
  const skingen::TLookState st = Look().State(section, state);
  if (st.Transparency >= 100) return {};
  const int s = std::clamp(state, 0, std::max(0, Look().States(section) - 1));
  std::vector<TColor> fills{st.Color};
  if (st.GradientPercent > 0 && !st.Gradient.empty()) {
    fills.clear();
    for (const TsGradPoint& p : st.Gradient) fills.push_back(Mix(p.Color.C & 0xFFFFFF, st.Color, st.GradientPercent));
  }
  const skingen::TLookImage tex = Look().Image(section, s == 0 ? u"PATTERN" : u"HOTPATTERN");
  if (st.ImagePercent > 0 && tex.Valid()) {
    std::vector<TColor> mixed;
    for (int y = tex.Ref.R.Top; y < tex.Ref.R.Bottom; ++y)
      for (int x = tex.Ref.R.Left; x < tex.Ref.R.Right; ++x)
        for (TColor f : fills) mixed.push_back(Mix(PixelColour(tex.Source->Pixel(x, y)), f, st.ImagePercent));
    fills = mixed;
  }
  const skingen::TLookImage b = Look().Image(section, u"BORDERSMASK");
  if (!b.Valid() || !(b.Ref.DrawMode & 4) || (s == 0 && (b.Ref.DrawMode & 2))) return fills;
  const int w = b.Width(), h = b.Height();
  const int x = b.Ref.R.Left + std::min(s, b.Ref.ImageCount - 1) * w + w / 2, y = b.Ref.R.Top + h / 2;
  const std::uint32_t p = b.Source->Pixel(x, y);
  std::vector<TColor> out;
  for (TColor f : fills) {
    if (b.Ref.MaskType == 0) {
      out.push_back(p == KeyPixel ? f : PixelColour(p));
      continue;
    }
    const int m = b.Source->Pixel(x, y + h) & 0xFF;
    out.push_back(Mix(f, PixelColour(p), m * 100 / 255));
  }
  return out;
}

double WorstContrast(TColor text, const std::vector<TColor>& faces) {
  double worst = 21;
  for (TColor f : faces) worst = std::min(worst, Contrast(text, f));
  return worst;
}

TEST(SkinLook, TextOfEveryOpaqueSectionStateReadsOnItsFace) {
  int checked = 0;
  for (const TacIniSection& section : StoredSkin().Ini.Sections()) {
    if (section.Name == u"GLOBALINFO") continue;
    const int states = std::min(3, Look().States(section.Name));
    for (int s = 0; s < states; ++s) {
      const std::vector<TColor> faces = Faces(section.Name, s);
      if (faces.empty()) continue;
      ++checked;
      EXPECT_GE(WorstContrast(Look().State(section.Name, s).FontColor, faces), kBodyText)
          << base::Utf16ToUtf8(section.Name) << " state " << s;
    }
  }
  EXPECT_GT(checked, 60);
}

TEST(SkinLook, LabelsAndGroupBoxCaptionsReadOnTheBase) {
  const TacSkinIni& ini = StoredSkin().Ini;
  const TColor base = static_cast<TColor>(ini.ReadInteger(u"GLOBALINFO", u"COLOR", 0));
  EXPECT_EQ(base, 8217672u);
  EXPECT_EQ(base & 0xFF, 72u);
  EXPECT_GE(Contrast(static_cast<TColor>(ini.ReadInteger(u"GLOBALINFO", u"FONTCOLOR", 0)), base), kBodyText);
  // Captions over see-through group boxes take the form's colours; the third box of the
  // main window may show the button shadow colour, which the skin resolves darker.
  const TColor shadow = BlendColorValues(base, 0, 180);
  for (int s = 0; s < 2; ++s) {
    const skingen::TLookState form = Look().State(u"FORM", s);
    EXPECT_GE(Contrast(form.FontColor, form.Color), kBodyText) << "state " << s;
    EXPECT_GE(Contrast(form.FontColor, shadow), kBodyText) << "state " << s;
  }
  EXPECT_GE(Contrast(Look().State(u"GROUPBOX", 0).FontColor, shadow), kBodyText);
}

TEST(SkinLook, ButtonCaptionsReadWhicheverSectionColoursThem) {
  // In the normal and default looks a button's caption may take the colours of the
  // section behind it (the form) or its own; both must read on the face.
  // BUTTON is one of the sections whose text may look through; BUTTON_HUGE is not.
  const std::vector<TColor> normal = Faces(u"BUTTON", 0), hot = Faces(u"BUTTON", 1);
  ASSERT_FALSE(normal.empty());
  EXPECT_GE(WorstContrast(Look().State(u"FORM", 0).FontColor, normal), kBodyText);
  EXPECT_GE(WorstContrast(Look().State(u"BUTTON", 0).FontColor, normal), kBodyText);
  EXPECT_GE(WorstContrast(Look().State(u"FORM", 1).FontColor, hot), kBodyText);
}

TEST(SkinLook, EditHintTextIsMutedButVisible) {
  const skingen::TLookState edit = Look().State(u"EDIT", 0);
  const TColor hint = BlendColorValues(edit.FontColor, edit.Color, 166);
  EXPECT_GE(Contrast(hint, edit.Color), 3.0);
  EXPECT_LT(Contrast(hint, edit.Color), Contrast(edit.FontColor, edit.Color));
}

TEST(SkinLook, TitleGlyphsStandOutOnTheTitleBand) {
  // The most opaque pixel of each glyph's normal picture against the active band.
  const std::vector<TColor> band = Faces(u"FORMTITLE", 1);
  ASSERT_FALSE(band.empty());
  for (const char16_t* key : {u"BICONCLOSE", u"BICONMAX", u"BICONMIN", u"BICONNORM", u"BICONHELP"}) {
    const skingen::TLookImage g = Look().Image(u"GLOBALINFO", key);
    ASSERT_TRUE(g.Valid() && g.Ref.MaskType == 1) << base::Utf16ToUtf8(key);
    int bestMask = 256;
    TColor glyph = 0;
    for (int y = 0; y < g.Height(); ++y)
      for (int x = 0; x < g.Width(); ++x) {
        const int mask = g.Source->Pixel(g.Ref.R.Left + x, g.Ref.R.Top + g.Height() + y) & 0xFF;
        if (mask < bestMask) {
          bestMask = mask;
          glyph = PixelColour(g.Source->Pixel(g.Ref.R.Left + x, g.Ref.R.Top + y));
        }
      }
    EXPECT_LT(bestMask, 40) << base::Utf16ToUtf8(key);
    EXPECT_GE(WorstContrast(glyph, band), 3.0) << base::Utf16ToUtf8(key);
  }
}

}  // namespace
}  // namespace skin::emberfield
