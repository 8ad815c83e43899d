// Skinned labels over a skinned panel: caption colours, measuring, the ellipsis mend,
// the sticky label's place beside its control and its safe leaving of the control's
// message chain, and the mouse passing through.
#include <gtest/gtest.h>

#include <chrono>

#include "platform/forms/StdCtrls.h"
#include "platform/gfx/TextLayout.h"
#include "platform/forms/WinControls.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/data/acSkinData.h"
#include "skin/render/acSectionState.h"
#include "skin/render/pixels/acBlendStep.h"
#include "tests/skin/controls/PanelFormFixture.h"

namespace skin::test {

namespace {

// Opens the label's shortening for the test.
class TShorteningLabel : public TsLabel {
 public:
  using TsLabel::TsLabel;
  std::u16string Shortened(const std::u16string& text) {
    forms::TCanvasPaintScope scope(*Canvas(), &surface_.Canvas());
    Canvas()->SetFont(Font());
    return ShortenToHeight(text, ClientRect(), gfx::DT_WORDBREAK | gfx::DT_END_ELLIPSIS);
  }

 private:
  Bitmap32 surface_{4, 4};
};

}  // namespace

class SkinnedLabel : public PanelForm {
 protected:
  void SetUp() override {
    PanelForm::SetUp();
    panel = Panel(nullptr, {0, 0, 461, 499});
  }
  TsPanel* panel = nullptr;
};

TEST_F(SkinnedLabel, CaptionsTakeTheTextColoursOfTheSectionBehind) {
  TsLabel* l = Label(panel, {10, 10, 210, 30}, u"Text");
  const TsGeneralData* g = SectionOf(manager, Index(u"PANEL"));
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(l->CurrentFontColor(), g->Props[0].FontColor.Color);
  l->SetUseSkinColor(false);
  l->Font()->SetColor(0x123456);
  EXPECT_EQ(l->CurrentFontColor(), TColor(0x123456));
  l->SetUseSkinColor(true);
  l->SetEnabled(false);
  EXPECT_EQ(l->CurrentFontColor(), BlendColorValues(g->Props[0].FontColor.Color, ParentBackgroundColor(panel), 100));
  // The base label takes the skin's label colour.
  TsCustomLabel* plain = Label<TsCustomLabel>(panel, {10, 40, 210, 60}, u"Text");
  EXPECT_EQ(plain->CurrentFontColor(), manager->Palette[pcLabelText]);
  EXPECT_TRUE(plain->Transparent());
}

TEST_F(SkinnedLabel, AnEmptyCaptionMeasuresOneSpace) {
  TsLabel* l = Label(panel, {10, 10, 200, 40}, u"");
  l->SetAutoSize(true);
  EXPECT_EQ(l->Height(), forms::MeasureText(*l->Font(), u" ").cy);
  EXPECT_GT(l->Height(), 0);
}

TEST_F(SkinnedLabel, ShorteningEndsOnTextWithoutBlanks) {
  auto* l = Label<TShorteningLabel>(panel, {10, 10, 130, 26}, u"");
  l->SetWordWrap(true);
  const auto start = std::chrono::steady_clock::now();
  const std::u16string out = l->Shortened(u"first\r\nsecond\r\nthird\r\nfourth");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(out, u"first...");
  // With blanks each cut goes before the last one; the dots are added once.
  EXPECT_EQ(l->Shortened(u"one two\r\nthree four"), u"one...");
  // A text that fits is left alone.
  EXPECT_EQ(l->Shortened(u"short"), u"short");
}

TEST_F(SkinnedLabel, AStickyLabelKeepsItsPlaceBesideItsControl) {
  auto* target = new forms::TButton(form);
  target->SetBounds(10, 20, 100, 21);
  target->SetParent(panel);
  auto* l = Label<TsStickyLabel>(panel, {200, 200, 240, 213}, u"Name");
  EXPECT_EQ(l->Gap(), 2);
  EXPECT_EQ(l->AlignTo(), altLeft);
  l->SetAlignTo(altRight);
  l->SetAttachTo(target);
  EXPECT_EQ(l->Left(), 112);
  EXPECT_EQ(l->Top(), 24);
  // The label cannot be moved away.
  l->SetLeft(300);
  EXPECT_EQ(l->Left(), 112);
  // It follows the control.
  target->SetBounds(30, 50, 80, 25);
  EXPECT_EQ(l->Left(), 112);
  EXPECT_EQ(l->Top(), 56);
  target->SetVisible(false);
  EXPECT_FALSE(l->Visible());
  target->SetVisible(true);
  target->SetEnabled(false);
  EXPECT_FALSE(l->Enabled());
  // Truncation toward zero: a label 3 pixels taller than the control sits 1 pixel higher.
  l->SetAlignTo(altLeft);
  l->SetBounds(l->Left(), l->Top(), 40, 28);
  EXPECT_EQ(l->Top(), 50 - 1);
  EXPECT_EQ(l->Left(), 30 - 40 - 2);
}

TEST_F(SkinnedLabel, LeavingTheControlKeepsHooksThatCameLater) {
  auto* target = new forms::TButton(form);
  target->SetParent(panel);
  auto* l = Label<TsStickyLabel>(panel, {200, 200, 240, 213}, u"Name");
  l->SetAttachTo(target);
  // A later party hooks the control the old way: saving WindowProc and calling it.
  int seen = 0;
  forms::TWndMethod saved = target->WindowProc;
  target->WindowProc = [&seen, saved](forms::TMessage& m) {
    if (m.Msg == forms::CM_ENABLEDCHANGED) ++seen;
    saved(m);
  };
  l->Free();
  target->SetEnabled(false);
  EXPECT_EQ(seen, 1) << "the later hook was cut out";
  target->WindowProc = saved;
  target->SetEnabled(true);
}

TEST_F(SkinnedLabel, AFreedControlDetachesItsLabel) {
  auto* target = new forms::TButton(form);
  target->SetParent(panel);
  auto* l = Label<TsStickyLabel>(panel, {200, 200, 240, 213}, u"Name");
  l->SetAttachTo(target);
  target->Free();
  EXPECT_EQ(l->AttachTo(), nullptr);
  l->SetLeft(300);
  EXPECT_EQ(l->Left(), 300);
}

TEST_F(SkinnedLabel, TransparentForMouseLetsClicksThrough) {
  TsLabel* l = Label(panel, {10, 10, 100, 20}, u"Text");
  EXPECT_TRUE(l->HitTest({5, 5}));
  l->SetTransparentForMouse(true);
  EXPECT_FALSE(l->HitTest({5, 5}));
}

class SkinnedLabelAt144 : public SkinnedLabel {
 protected:
  int ScreenDpi() const override { return 144; }
};

TEST_F(SkinnedLabelAt144, TheGapGrowsWithTheScreensDensity) {
  auto* target = new forms::TButton(form);
  target->SetBounds(10, 20, 100, 21);
  target->SetParent(panel);
  auto* l = Label<TsStickyLabel>(panel, {200, 200, 240, 213}, u"Name");
  l->SetAlignTo(altRight);
  l->SetAttachTo(target);
  EXPECT_EQ(l->Left(), 10 + 100 + 3);
}

}  // namespace skin::test
