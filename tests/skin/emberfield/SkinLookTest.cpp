// The look of the stored skin, measured: text stays readable (contrast at least 4.5 : 1)
// on every face it is drawn on, in every state.
#include <gtest/gtest.h>

#include "skin/data/acImageRef.h"
#include "skin/data/acSectionReader.h"
#include "skin/render/acGradient.h"
#include "tests/skin/emberfield/EmberfieldTestUtil.h"

namespace skin::emberfield {
namespace {

constexpr double kBodyText = 4.5;

TColor PixelColour(std::uint32_t px) { return SwapRedBlue(px) & 0xFFFFFF; }

// A state's keys as the loader reads them: limited to the section's states, state 1 a
// copy of state 0 below two states, state 2 a copy of state 1 without USESTATE2.
struct TState {
  int Index = 0;  // the state whose keys are read
  TColor Color = 0xFFFFFF;
  TColor Font = 0;
  int Transparency = 0;
  int GradientPercent = 0;
  int ImagePercent = 0;
  std::u16string Gradient;
};

TState ReadState(std::u16string_view section, int s) {
  const TacSectionReader r(StoredSkin().Ini, section);
  const int states = r.ReadInt(u"STATES", 3, 255);
  s = std::clamp(s, 0, std::max(0, states - 1));
  if (s >= 2 && r.ReadInt(u"USESTATE2", 0) != 1) s = 1;
  if (s >= 1 && states < 2) s = 0;
  static const char16_t* const kColor[] = {u"COLOR", u"HOTCOLOR", u"COLOR2"};
  static const char16_t* const kFont[] = {u"FONTCOLOR", u"HOTFONTCOLOR", u"FONTCOLOR2"};
  static const char16_t* const kTrans[] = {u"TRANSPARENCY", u"HOTTRANSPARENCY", u"TRANSPARENCY2"};
  static const char16_t* const kGradP[] = {u"GRADIENTPERCENT", u"HOTGRADIENTPERCENT", u"GRADIENTPERCENT2"};
  static const char16_t* const kGrad[] = {u"GRADIENTDATA", u"HOTGRADIENTDATA", u"GRADIENTDATA2"};
  static const char16_t* const kImgP[] = {u"IMAGEPERCENT", u"HOTIMAGEPERCENT", u"IMAGEPERCENT2"};
  TState st;
  st.Index = s;
  st.Color = static_cast<TColor>(r.ReadInt(kColor[s], 0xFFFFFF));
  st.Font = static_cast<TColor>(r.ReadInt(kFont[s], 0));
  st.Transparency = r.ReadInt(kTrans[s], 0, 100);
  st.GradientPercent = r.ReadInt(kGradP[s], 0, 100);
  st.ImagePercent = r.ReadInt(kImgP[s], 0, 100);
  if (const std::u16string* g = r.FindValue(kGrad[s])) st.Gradient = *g;
  return st;
}

TacImageRef Image(std::u16string_view section, std::u16string_view key, bool& found) {
  const std::u16string* v = TacSectionReader(StoredSkin().Ini, section).FindValue(key);
  found = v && IsImageRefValue(UpperCase(*v));
  return found ? ParseCanonicalImageRef(NormalizeImageRef(UpperCase(*v))) : TacImageRef{};
}

TColor Mix(TColor a, TColor b, int aPercent) {
  TColor out = 0;
  for (int shift = 0; shift < 24; shift += 8)
    out |= static_cast<TColor>(((a >> shift & 0xFF) * aPercent + (b >> shift & 0xFF) * (100 - aPercent)) / 100) << shift;
  return out;
}

// The colours that text of a section state lies on: its fill (every gradient stop and
// texture pixel mixed in by their shares), seen through the centre of its border image
// when that is drawn. Empty for a see-through state.
std::vector<TColor> Faces(std::u16string_view section, int state) {
  const TState st = ReadState(section, state);
  if (st.Transparency >= 100) return {};
  std::vector<TColor> fills{st.Color};
  if (st.GradientPercent > 0 && st.Gradient.size() > 4) {
    fills.clear();
    for (const TsGradPoint& p : ParseGradientData(base::Utf16ToUtf8(st.Gradient)))
      fills.push_back(Mix(p.Color.C & 0xFFFFFF, st.Color, st.GradientPercent));
  }
  bool hasTexture = false;
  const TacImageRef tex = Image(section, state == 0 ? u"PATTERN" : u"HOTPATTERN", hasTexture);
  if (st.ImagePercent > 0 && hasTexture) {
    const gfx::PixelBuffer* m = StoredSkin().Master();
    std::vector<TColor> mixed;
    for (int y = tex.R.Top; y < tex.R.Bottom; ++y)
      for (int x = tex.R.Left; x < tex.R.Right; ++x)
        for (TColor f : fills) mixed.push_back(Mix(PixelColour(m->Row32(y)[x]), f, st.ImagePercent));
    fills = mixed;
  }
  bool hasBorder = false;
  const TacImageRef b = Image(section, u"BORDERSMASK", hasBorder);
  if (!hasBorder || !(b.DrawMode & 4) || (st.Index == 0 && (b.DrawMode & 2))) return fills;
  const gfx::PixelBuffer* pic = b.File.empty() ? StoredSkin().Master() : StoredSkin().Picture(b.File);
  gfx::TRect r = b.R;
  if (r.IsEmpty()) r = {0, 0, pic->Width(), pic->Height()};
  const int w = r.Width() / b.ImageCount, h = r.Height() / (b.MaskType + 1);
  const int x = r.Left + std::min(st.Index, b.ImageCount - 1) * w + w / 2, y = r.Top + h / 2;
  const std::uint32_t p = pic->Row32(y)[x];
  std::vector<TColor> out;
  for (TColor f : fills) {
    if (b.MaskType == 0) {
      out.push_back(p == KeyPixel ? f : PixelColour(p));
      continue;
    }
    const int m = pic->Row32(y + h)[x] & 0xFF;
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
    const int states = std::min(3, TacSectionReader(StoredSkin().Ini, section.Name).ReadInt(u"STATES", 3, 255));
    for (int s = 0; s < states; ++s) {
      const std::vector<TColor> faces = Faces(section.Name, s);
      if (faces.empty()) continue;
      ++checked;
      EXPECT_GE(WorstContrast(ReadState(section.Name, s).Font, faces), kBodyText)
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
    const TState form = ReadState(u"FORM", s);
    EXPECT_GE(Contrast(form.Font, form.Color), kBodyText) << "state " << s;
    EXPECT_GE(Contrast(form.Font, shadow), kBodyText) << "state " << s;
  }
  EXPECT_GE(Contrast(ReadState(u"GROUPBOX", 0).Font, shadow), kBodyText);
}

TEST(SkinLook, ButtonCaptionsReadWhicheverSectionColoursThem) {
  // In the normal and default looks a button's caption may take the colours of the
  // section behind it (the form) or its own; both must read on the face.
  // BUTTON is one of the sections whose text may look through; BUTTON_HUGE is not.
  const std::vector<TColor> normal = Faces(u"BUTTON", 0), hot = Faces(u"BUTTON", 1);
  ASSERT_FALSE(normal.empty());
  EXPECT_GE(WorstContrast(ReadState(u"FORM", 0).Font, normal), kBodyText);
  EXPECT_GE(WorstContrast(ReadState(u"BUTTON", 0).Font, normal), kBodyText);
  EXPECT_GE(WorstContrast(ReadState(u"FORM", 1).Font, hot), kBodyText);
}

TEST(SkinLook, EditHintTextIsMutedButVisible) {
  const TState edit = ReadState(u"EDIT", 0);
  const TColor hint = BlendColorValues(edit.Font, edit.Color, 166);
  EXPECT_GE(Contrast(hint, edit.Color), 3.0);
  EXPECT_LT(Contrast(hint, edit.Color), Contrast(edit.Font, edit.Color));
}

TEST(SkinLook, TitleGlyphsStandOutOnTheTitleBand) {
  // The most opaque pixel of each glyph's normal picture against the active band.
  const std::vector<TColor> band = Faces(u"FORMTITLE", 1);
  ASSERT_FALSE(band.empty());
  const gfx::PixelBuffer* m = StoredSkin().Master();
  for (const char16_t* key : {u"BICONCLOSE", u"BICONMAX", u"BICONMIN", u"BICONNORM", u"BICONHELP"}) {
    bool found = false;
    const TacImageRef g = Image(u"GLOBALINFO", key, found);
    ASSERT_TRUE(found && g.MaskType == 1);
    const int w = g.R.Width() / g.ImageCount, h = g.R.Height() / 2;
    int bestMask = 256;
    TColor glyph = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int mask = m->Row32(g.R.Top + h + y)[g.R.Left + x] & 0xFF;
        if (mask < bestMask) {
          bestMask = mask;
          glyph = PixelColour(m->Row32(g.R.Top + y)[g.R.Left + x]);
        }
      }
    EXPECT_LT(bestMask, 40) << base::Utf16ToUtf8(key);
    EXPECT_GE(WorstContrast(glyph, band), 3.0) << base::Utf16ToUtf8(key);
  }
}

}  // namespace
}  // namespace skin::emberfield
