// Control captions on a headless form with probe controls: the text section a caption
// takes over see-through containers, the colours it is drawn in per state, and the plain
// fallbacks when nobody answers or the control keeps its own font.
#include <gtest/gtest.h>

#include <array>

#include "platform/gfx/Font.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Headless.h"
#include "skin/controls/acControlText.h"
#include "skin/data/acSkinData.h"
#include "skin/render/acSectionText.h"
#include "skin/render/acTextMeasure.h"
#include "skin/render/pixels/acPixelTuning.h"
#include "tests/skin/support/ProbeFormTestSupport.h"
#include "tests/skin/support/TextTestSupport.h"

namespace skin::test {

namespace {

constexpr TColor kFormText = 0x0080FF;    // stands in for FORM's text colour
constexpr TColor kButtonText = 0x000000;  // BUTTON's own normal text colour in the stored skin
constexpr TColor kButtonHot = 0x40C040;   // stands in for BUTTON's hot text colour
constexpr TColor kParentFont = 0xC00000;  // a parent's own font colour

// A probe whose picture is its section with a caption over it, in a state the test sets.
class TCaptionProbe : public TProbeControl {
 public:
  using TProbeControl::TProbeControl;
  int State = 0;
  bool Enabled = true;
  bool BuildPicture() {
    TsCommonData& sd = *SkinData;
    if (!sd.PrepareCacheBitmap()) return false;
    TsBackgroundQuery q;
    QueryParentBackground(q, Parent(), true);
    PaintControlSection(sd, ToBgInfo(q), true, sd.FCacheBmp.get(), {Left(), Top()}, {0, 0, Width(), Height()}, State);
    gfx::Surface& s = sd.FCacheBmp->Canvas();
    s.SetFont(BigFont(-28));
    s.SetTextColor(0x00FFFF);
    WriteControlText(s, u"WWW", Enabled, false, State, sd, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE,
                     {0, 0, Width(), Height()});
    return true;
  }
};

}  // namespace

class ControlText : public ProbeFormTest {
 protected:
  void SetUp() override {
    ProbeFormTest::SetUp();
    // Distinct colours, no contours: the pixels then say which record a caption used.
    Recolour(u"FORM", {kFormText, kFormText, kFormText});
    Recolour(u"BUTTON", {kButtonText, kButtonHot, kButtonHot});
  }
  void Recolour(const std::u16string& section, std::array<TColor, 3> colours) {
    for (auto& data : manager->SkinDataArray) {
      if (!data) continue;
      const int i = manager->GetSkinIndex(section, data.get());
      ASSERT_GE(i, 0);
      for (std::size_t s = 0; s < 3; ++s) {
        TsFontColor& fc = data->gd[static_cast<std::size_t>(i)].Props[s].FontColor;
        fc = TsFontColor{};
        fc.Color = colours[s];
        fc.Left = fc.Top = fc.Right = fc.Bottom = acNoContour;
      }
    }
  }
  // The probe form: a FORM-section container holding a see-through GROUPBOX box with a
  // caption probe on BUTTON.
  TCaptionProbe* ButtonInBoxOnForm() {
    TProbeControl* client = Probe(cocPanel, u"FORM", nullptr, {0, 0, 400, 280});
    TProbeControl* box = Probe(cocGroupBox, u"GROUPBOX", client, {10, 10, 300, 200}, false);
    TCaptionProbe* button = Probe<TCaptionProbe>(cocButton, u"BUTTON", box, {20, 40, 160, 44});
    client->PrepareCache();
    return button;
  }
};

TEST_F(ControlText, AButtonCaptionTakesTheFormsColoursInItsNormalLookAndItsOwnWhenHot) {
  TCaptionProbe* button = ButtonInBoxOnForm();
  const int buttonSection = button->SkinData->SkinIndex;
  ASSERT_GE(buttonSection, 0);
  // State 0 looks through the box to the form; state 1 is BUTTON's own opaque record.
  EXPECT_EQ(ResolveTextSection(button, buttonSection, nullptr, 0), manager->GetSkinIndex(u"FORM"));
  EXPECT_EQ(ResolveTextSection(button, buttonSection, nullptr, 1), buttonSection);

  ASSERT_TRUE(button->BuildPicture());
  const Bitmap32& normal = *button->SkinData->FCacheBmp;
  EXPECT_GT(CountValue(normal, Opaque(kFormText)), 40);
  EXPECT_EQ(CountValue(normal, Opaque(kButtonHot)), 0);

  button->State = 1;
  ASSERT_TRUE(button->BuildPicture());
  const Bitmap32& hot = *button->SkinData->FCacheBmp;
  EXPECT_GT(CountValue(hot, Opaque(kButtonHot)), 40);
  EXPECT_EQ(CountValue(hot, Opaque(kFormText)), 0);
}

TEST_F(ControlText, WithoutAnAnswerTheCaptionUsesItsParentsFontColour) {
  // A plain (not skinned) container answers no text-section question.
  auto* plain = new forms::TPanel(form);
  plain->SetBounds(0, 0, 300, 200);
  plain->SetParent(form);
  plain->Font()->SetColor(kParentFont);
  TCaptionProbe* button = Probe<TCaptionProbe>(cocButton, u"BUTTON", plain, {20, 40, 160, 44});
  EXPECT_EQ(ResolveTextSection(button, button->SkinData->SkinIndex, nullptr, 0), -1);
  ASSERT_TRUE(button->BuildPicture());
  EXPECT_GT(CountValue(*button->SkinData->FCacheBmp, Opaque(kParentFont)), 40);
  EXPECT_EQ(CountValue(*button->SkinData->FCacheBmp, Opaque(kFormText)), 0);
}

TEST_F(ControlText, AnOwnSectionThatIsNotLookThroughKeepsItsColours) {
  // EDIT is not a look-through section: nobody is asked, even in state 0.
  TProbeControl* client = Probe(cocPanel, u"FORM", nullptr, {0, 0, 400, 280});
  TCaptionProbe* edit = Probe<TCaptionProbe>(cocEdit, u"EDIT", client, {20, 40, 160, 44});
  client->PrepareCache();
  ASSERT_TRUE(edit->BuildPicture());
  const int editIndex = manager->GetSkinIndex(u"EDIT");
  const TColor own = manager->SkinDataArray[0]->gd[static_cast<std::size_t>(editIndex)].Props[0].FontColor.Color;
  ASSERT_NE(own, kFormText);
  EXPECT_EQ(CountValue(*edit->SkinData->FCacheBmp, Opaque(kFormText)), 0);
}

TEST_F(ControlText, CustomFontAndDisabledCaptionsFollowTheirOwnRules) {
  TCaptionProbe* button = ButtonInBoxOnForm();
  // CustomFont: the surface's colour, whatever the skin says.
  button->SkinData->SetCustomFont(true);
  ASSERT_TRUE(button->BuildPicture());
  EXPECT_GT(CountValue(*button->SkinData->FCacheBmp, Opaque(0x00FFFF)), 40);
  EXPECT_EQ(CountValue(*button->SkinData->FCacheBmp, Opaque(kFormText)), 0);
  // Disabled: the text colour blended toward the skin's global colour, not the colour itself.
  button->SkinData->SetCustomFont(false);
  button->Enabled = false;
  ASSERT_TRUE(button->BuildPicture());
  EXPECT_EQ(CountValue(*button->SkinData->FCacheBmp, Opaque(kFormText)), 0);
  const TColor muted = BlendColorValues(kFormText, manager->GetGlobalColor(), PixelTuning().DisabledBlend);
  EXPECT_GT(CountValue(*button->SkinData->FCacheBmp, Opaque(muted)), 40);
}

TEST_F(ControlText, TheSurfaceIsLeftAsItWasFound) {
  TCaptionProbe* button = ButtonInBoxOnForm();
  ASSERT_TRUE(button->BuildPicture());
  gfx::Surface& s = button->SkinData->FCacheBmp->Canvas();
  const int level = s.SaveLevel();
  s.SetTextColor(0x123456);
  WriteControlText(s, u"A", true, true, 0, *button->SkinData, 0, {0, 0, 40, 20});
  EXPECT_EQ(s.TextColor(), 0x123456u);
  EXPECT_EQ(s.SaveLevel(), level);
}

}  // namespace skin::test
