// The skinned edit on a headless form with the program's skin: the frame width rule, the
// hint and the password in the cached picture, focus, the frame geometry with padding,
// alignment and the added glyph, half-visible rebuilding, printing, the skin commands it
// answers, what is stored, and a screenshot.
#include <gtest/gtest.h>

#include "platform/forms/Bitmaps.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Keys.h"
#include "skin/controls/sBoundLabel.h"
#include "platform/forms/TypInfo.h"
#include "platform/gfx/Color.h"
#include "platform/win/HitCodes.h"
#include "platform/win/PaintApi.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acAddedGlyph.h"
#include "skin/controls/acPadding.h"
#include "skin/render/pixels/acBlendStep.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "tests/skin/controls/EditTestSupport.h"

namespace skin::test {

namespace {

constexpr char16_t kHint[] = u"http://example.com/sitemap.xml";

}  // namespace

class SkinnedEdit : public EditFixture {
 public:
  // An unfocused edit: the focus is on the form.
  void Unfocus() {
    win::SetFocus(form->Handle());
    win::RunUntilIdle();
  }
  std::uint32_t HintPixel(TsEdit* e) const {
    return OpaquePx(static_cast<TColor>(
        BlendColorValues(forms::ColorToRGB(e->Font()->Color()), forms::ColorToRGB(e->Color()), 166)));
  }
};

TEST_F(SkinnedEdit, BorderWidthCountsTheBorderAndEachBevel) {
  TsEdit* e = Edit(10, 10, 200, 24);
  EXPECT_EQ(e->EditBorderWidth(), 2);
  e->SetCtl3D(false);
  EXPECT_EQ(e->EditBorderWidth(), 1);
  e->SetBevelKind(forms::TBevelKind::bkTile);
  EXPECT_EQ(e->EditBorderWidth(), 3);  // outer bevel lowered, inner raised by default
  e->SetBevelInner(forms::TBevelCut::bvNone);
  EXPECT_EQ(e->EditBorderWidth(), 2);
  e->SetBorderStyle(forms::TBorderStyle::bsNone);
  EXPECT_EQ(e->EditBorderWidth(), 1);
  e->SetBevelKind(forms::TBevelKind::bkNone);
  EXPECT_EQ(e->EditBorderWidth(), 0);
}

// Without a border the section's background fills the edit and no frame is drawn: the
// corner pixel is the background colour, not the border image's.
TEST_F(SkinnedEdit, WithoutABorderOnlyTheBackgroundIsPainted) {
  TsEdit* framed = Edit(10, 10, 120, 24);
  TsEdit* bare = Edit(10, 50, 120, 24);
  bare->SetBorderStyle(forms::TBorderStyle::bsNone);
  Unfocus();
  const gfx::PixelBuffer f = Shot(framed), b = Shot(bare);
  const std::uint32_t face = OpaquePx(EditSection().Props[0].Color);
  EXPECT_EQ(b.Row32(12)[0], face);
  EXPECT_EQ(b.Row32(0)[60], face);
  EXPECT_NE(f.Row32(12)[0], face);
  EXPECT_EQ(bare->EditBorderWidth(), 0);
}

TEST_F(SkinnedEdit, TakesTheSectionsColoursAndDefaults) {
  TsEdit* e = Edit(10, 10, 200, 24);
  const TsGeneralData& g = EditSection();
  EXPECT_GE(e->SkinData()->SkinIndex, 0);
  EXPECT_EQ(e->SkinData()->COC, cocEdit);
  EXPECT_EQ(e->Color(), g.Props[0].Color);
  EXPECT_EQ(e->Font()->Color(), g.Props[0].FontColor.Color);
  EXPECT_EQ(e->DisabledKind(), dkBlended);
  EXPECT_EQ(e->VerticalAlignment(), forms::TVerticalAlignment::taAlignTop);
  EXPECT_FALSE(e->AddedGlyph()->Valid());
  EXPECT_EQ(e->Padding()->Left() + e->Padding()->Top() + e->Padding()->Right() + e->Padding()->Bottom(), 0);
}

TEST_F(SkinnedEdit, HintIsDrawnInTheBlendedColourOnlyWhileEmptyAndUnfocused) {
  TsEdit* e = Edit(10, 10, 300, 24);
  e->SetTextHint(kHint);
  Unfocus();
  const gfx::TRect inner = e->TextRect();
  const std::uint32_t hint = HintPixel(e), ink = OpaquePx(e->Font()->Color());
  gfx::PixelBuffer p = Shot(e);
  EXPECT_TRUE(HasPixel(p, inner, hint)) << "no pixel of the hint colour";
  EXPECT_FALSE(HasPixel(p, inner, ink)) << "the hint drawn in the font colour";

  e->SetText(u"h");
  p = Shot(e);
  EXPECT_FALSE(HasPixel(p, inner, hint)) << "the hint still shows with a text";
  EXPECT_TRUE(HasPixel(p, inner, ink));

  e->SetText(u"");
  win::SetFocus(e->Handle());
  win::RunUntilIdle();
  p = Shot(e);
  EXPECT_FALSE(HasPixel(p, inner, hint)) << "the hint shows while focused";
  EXPECT_FALSE(HasPixel(p, inner, OpaquePx(gfx::GetSysColor(gfx::COLOR_GRAYTEXT))));
}

TEST_F(SkinnedEdit, APasswordShowsOneBlackCirclePerCharacter) {
  TsEdit* masked = Edit(10, 10, 200, 24);
  masked->SetPasswordChar(u'*');
  masked->SetText(u"abcd");
  TsEdit* circles = Edit(10, 50, 200, 24);
  circles->SetText(u"\u25CF\u25CF\u25CF\u25CF");
  TsEdit* stars = Edit(10, 90, 200, 24);
  stars->SetText(u"****");
  Unfocus();
  const gfx::PixelBuffer a = Shot(masked), b = Shot(circles), c = Shot(stars);
  bool same = true, differsFromStars = false;
  const gfx::TRect r = masked->TextRect();
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      same = same && a.Row32(y)[x] == b.Row32(y)[x];
      differsFromStars = differsFromStars || a.Row32(y)[x] != c.Row32(y)[x];
    }
  EXPECT_TRUE(same);
  EXPECT_TRUE(differsFromStars);
  EXPECT_TRUE(HasPixel(a, r, OpaquePx(masked->Font()->Color())));
}

// The picture's text lies on the pixels the platform draws it on when focused: taking the
// focus moves nothing.
TEST_F(SkinnedEdit, TextDoesNotMoveWhenTheEditTakesTheFocus) {
  TsEdit* e = Edit(10, 10, 200, 30);
  e->SetText(u"Hg sitemap");
  Unfocus();
  const gfx::PixelBuffer cached = Shot(e);
  win::SetFocus(e->Handle());
  e->SetSelStart(10);
  win::RunUntilIdle();
  const gfx::PixelBuffer platform = Shot(e);
  const gfx::TRect r = e->TextRect();
  const int caret = r.Left + forms::MeasureText(*e->Font(), u"Hg sitema").cx;
  int differing = 0;
  for (int y = 2; y < 28; ++y)
    for (int x = 2; x < caret; ++x) differing += cached.Row32(y)[x] != platform.Row32(y)[x] ? 1 : 0;
  EXPECT_EQ(differing, 0);
  EXPECT_TRUE(HasPixel(cached, {r.Left, r.Top, caret, 28}, OpaquePx(e->Font()->Color())));
}

TEST_F(SkinnedEdit, AOneStateSectionKeepsTheColoursWhenFocused) {
  ASSERT_EQ(EditSection().States, 1);
  TsEdit* e = Edit(10, 10, 200, 24);
  const TColor color = e->Color(), font = e->Font()->Color();
  win::SetFocus(e->Handle());
  win::RunUntilIdle();
  EXPECT_EQ(e->SkinData()->CommonState(), 1);
  EXPECT_EQ(e->Color(), color);
  EXPECT_EQ(e->Font()->Color(), font);
}

// The text line is centred in the room the platform leaves inside the frame, and moves
// when the edit is resized.
TEST_F(SkinnedEdit, VerticalCentringFollowsAResize) {
  TsEdit* e = Edit(10, 10, 200, 40);
  e->SetVerticalAlignment(forms::TVerticalAlignment::taVerticalCenter);
  win::RunUntilIdle();
  const int h = forms::FontMetrics(*e->Font()).tmHeight;
  EXPECT_EQ(e->AddedPadding().Top, (40 - 4 - h) / 2);
  e->SetHeight(60);
  EXPECT_TRUE(e->FrameRecalcPending());
  Shot(e);
  EXPECT_FALSE(e->FrameRecalcPending());
  EXPECT_EQ(e->AddedPadding().Top, (60 - 4 - h) / 2);
  win::RECT client{};
  win::GetClientRect(e->Handle(), &client);
  EXPECT_EQ(client.Height(), 60 - 4 - (60 - 4 - h) / 2);
}

TEST_F(SkinnedEdit, BottomAlignmentLeavesExactlyTheTextLine) {
  TsEdit* e = Edit(10, 10, 200, 40);
  e->SetVerticalAlignment(forms::TVerticalAlignment::taAlignBottom);
  win::RunUntilIdle();
  win::RECT client{};
  win::GetClientRect(e->Handle(), &client);
  EXPECT_EQ(client.Height(), forms::FontMetrics(*e->Font()).tmHeight);
}

TEST_F(SkinnedEdit, PaddingAndTheAddedGlyphShrinkTheClientAndTheGlyphIsFrame) {
  TsEdit* e = Edit(10, 10, 200, 40);
  e->Padding()->SetLeft(3);
  e->Padding()->SetRight(5);
  win::RECT client{};
  win::GetClientRect(e->Handle(), &client);
  EXPECT_EQ(client.Width(), 200 - 4 - 8);

  forms::TBitmap glyph(12, 12);
  glyph.Canvas()->Handle()->FillRect({0, 0, 12, 12}, 0x0000C0);
  e->AddedGlyph()->SetGlyph(&glyph);
  win::GetClientRect(e->Handle(), &client);
  EXPECT_EQ(client.Width(), 200 - 4 - 8 - 12 - 4 / 2);
  const gfx::TRect g = e->AddedGlyphRect();
  EXPECT_EQ(g.Left, 2 + 3);
  EXPECT_EQ(g.Width(), 12);

  int clicks = 0;
  e->OnClick = [&clicks](forms::TObject*) { ++clicks; };
  win::RECT wr{};
  win::GetWindowRect(e->Handle(), &wr);
  const win::POINT over{wr.Left + g.Left + 6, wr.Top + 20};
  EXPECT_EQ(win::SendMessage(e->Handle(), win::WM_NCHITTEST, 0, win::PointToLParam(over)), win::HTBORDER);
  win::headless::Click(over);
  EXPECT_EQ(clicks, 1);
  Unfocus();
  const gfx::PixelBuffer p = Shot(e);
  EXPECT_EQ(p.Row32(20)[g.Left + 6], OpaquePx(0x0000C0));
}

TEST_F(SkinnedEdit, UnskinnedTheGlyphIsDrawnInsideThePlatformsFrame) {
  TsEdit* e = Edit(10, 10, 200, 40);
  auto* plain = new forms::TEdit(form);
  plain->SetAutoSize(false);
  plain->SetBounds(10, 60, 200, 40);
  plain->SetParent(panel);
  manager->SetActive(false);
  SendSkinCommand(e->Handle(), scRemoveSkin, reinterpret_cast<win::LPARAM>(manager));
  forms::TBitmap glyph(12, 12);
  glyph.Canvas()->Handle()->FillRect({0, 0, 12, 12}, 0x00C000);
  e->AddedGlyph()->SetGlyph(&glyph);
  Unfocus();
  const gfx::PixelBuffer p = Shot(e), classic = Shot(plain);
  const gfx::TRect g = e->AddedGlyphRect();
  EXPECT_EQ(p.Row32(20)[g.Left + 6], OpaquePx(0x00C000));
  for (int y : {0, 1, 20, 38, 39}) EXPECT_EQ(p.Row32(y)[0], classic.Row32(y)[0]) << y;
  EXPECT_EQ(p.Row32(0)[g.Left + 6], classic.Row32(0)[g.Left + 6]);
}

// A picture partly outside the parent shows what the parent has now, so it is built again
// on every paint; one wholly inside is copied as it is.
TEST_F(SkinnedEdit, AnEditPartlyOutsideItsParentIsRebuiltOnEveryPaint) {
  TsEdit* inside = Edit(10, 10, 120, 24);
  TsEdit* outside = Edit(-20, 50, 120, 24);
  Unfocus();
  for (TsEdit* e : {inside, outside}) {
    Shot(e);
    e->SkinData()->FCacheBmp->SetPixel(60, 12, 0xFF00FF00u);
  }
  const gfx::PixelBuffer in = Shot(inside), out = Shot(outside);
  EXPECT_TRUE(outside->SkinData()->HalfVisible);
  EXPECT_FALSE(inside->SkinData()->HalfVisible);
  EXPECT_EQ(in.Row32(12)[60], 0xFF00FF00u);
  EXPECT_NE(out.Row32(12)[60], 0xFF00FF00u);
}

// Printing the client area only: the picture moved by the border and cut to the client's
// size; nothing of the right and bottom frame reaches the target.
TEST_F(SkinnedEdit, PrintingTheClientAreaLeavesTheFrameOut) {
  TsEdit* e = Edit(10, 10, 100, 24);
  Unfocus();
  Shot(e);
  Bitmap32 target(100, 24);
  FillPixels(&target, {0, 0, 100, 24}, 0xFF00FF, 255);
  win::SendMessage(e->Handle(), win::WM_PRINT, reinterpret_cast<win::WPARAM>(&target.Canvas()), win::PRF_CLIENT);
  const Bitmap32& cache = *e->SkinData()->FCacheBmp;
  EXPECT_EQ(target.Pixel(0, 0), cache.Pixel(2, 2));
  EXPECT_EQ(target.Pixel(95, 19), cache.Pixel(97, 21));
  for (int x = 96; x < 100; ++x) EXPECT_EQ(target.Pixel(x, 10), 0xFFFF00FFu) << x;
  for (int y = 20; y < 24; ++y) EXPECT_EQ(target.Pixel(10, y), 0xFFFF00FFu) << y;
}

TEST_F(SkinnedEdit, AnswersItsSkinCommands) {
  TsEdit* e = Edit(10, 10, 100, 24);
  const win::HWND h = e->Handle();
  EXPECT_EQ(SendSkinCommand(h, scGetDefaultIndex, 0), manager->GetSkinIndex(u"EDIT") + 1);
  EXPECT_EQ(SendSkinCommand(h, scGetDefaultKind, 0), 1);
  EXPECT_EQ(SendSkinCommand(h, scBgVaries, 0), 0);
  EXPECT_EQ(static_cast<TColor>(SendSkinCommand(h, scGetBgColor, 0)), EditSection().Props[0].Color);
  e->SkinData()->BGChanged = true;
  SendSkinCommand(h, scPrepareCache, 0);
  EXPECT_FALSE(e->SkinData()->BGChanged);
  SendSkinCommand(h, scPPIChanged, 96);
  EXPECT_FALSE(e->FrameRecalcPending()) << "the frame is recalculated at once";

  SendSkinCommand(h, scRemoveSkin, reinterpret_cast<win::LPARAM>(manager));
  EXPECT_EQ(e->SkinData()->SkinIndex, -1);
  e->SetColor(0x123456);
  EXPECT_EQ(static_cast<TColor>(SendSkinCommand(h, scGetBgColor, 0)), 0x123456);
}

TEST_F(SkinnedEdit, ColourAndFontAreStoredOnlyWhenTheirOwn) {
  TsEdit* e = Edit(10, 10, 100, 24);
  const forms::TPropInfo* color = e->ClassType().FindProperty(u"Color");
  const forms::TPropInfo* font = e->ClassType().FindProperty(u"Font");
  ASSERT_TRUE(color != nullptr && font != nullptr);
  e->SetParentFont(false);
  EXPECT_FALSE(forms::IsStoredProp(e, *color));
  EXPECT_FALSE(color->stored(e) || font->stored(e));
  e->SkinData()->SetCustomColor(true);
  e->SkinData()->SetCustomFont(true);
  EXPECT_TRUE(color->stored(e) && font->stored(e));
}

TEST_F(SkinnedEdit, AParentWithoutPictureLeavesTheEditUpdatingUntilItHasOne) {
  TsEdit* e = Edit(10, 10, 100, 24);
  Unfocus();
  Shot(e);
  panel->SkinData->EmptyCache();
  panel->SetBounds(8, 8, 0, 0);  // no area: the panel can make no picture
  e->SkinData()->BGChanged = true;
  win::SendMessage(e->Handle(), win::WM_NCPAINT, 1, 0);
  EXPECT_TRUE(e->SkinData()->FUpdating);
  EXPECT_TRUE(e->SkinData()->BGChanged);
  panel->SetBounds(8, 8, 520, 340);
  win::RunUntilIdle();
  SendSkinCommand(panel->Handle(), scEndUpdate, 0);
  win::RunUntilIdle();
  EXPECT_FALSE(e->SkinData()->FUpdating);
  EXPECT_FALSE(e->SkinData()->BGChanged);
}

TEST_F(SkinnedEdit, SelectionChangesByKeyOrMouseAreTold) {
  TsEdit* e = Edit(10, 10, 200, 24);
  e->SetText(u"abcdef");
  win::SetFocus(e->Handle());
  e->SetSelStart(0);
  int told = 0;
  e->OnSelectionChanged = [&told](forms::TObject*) { ++told; };
  win::headless::KeyPress(win::VK_RIGHT);
  EXPECT_EQ(told, 1);
  win::headless::KeyPress(win::VK_SHIFT);  // moves nothing
  EXPECT_EQ(told, 1);
  win::RECT wr{};
  win::GetWindowRect(e->Handle(), &wr);
  win::headless::Click({wr.Left + 150, wr.Top + 12});
  EXPECT_EQ(told, 2);
}

TEST_F(SkinnedEdit, AnActiveBoundLabelStandsLeftOfTheEdit) {
  TsEdit* e = Edit(120, 40, 200, 24);
  e->BoundLabel()->SetCaption(u"Address");
  EXPECT_EQ(e->BoundLabel()->Label(), nullptr);
  e->BoundLabel()->SetActive(true);
  forms::TLabel* l = e->BoundLabel()->Label();
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->Parent(), panel);
  EXPECT_EQ(l->GetText(), u"Address");
  EXPECT_LT(l->Left() + l->Width(), e->Left());
  e->BoundLabel()->SetActive(false);
  EXPECT_EQ(e->BoundLabel()->Label(), nullptr);
}

// A board of edits in their looks: hint, text, password, disabled, centred, focused with a
// selection.
void MakeEditBoard(SkinnedEdit& t) {
  TsEdit* hint = t.Edit(16, 16, 489, 24);
  hint->SetTextHint(kHint);
  TsEdit* text = t.Edit(16, 56, 489, 24);
  text->SetText(u"https://www.example.org/sitemap.xml");
  TsEdit* password = t.Edit(16, 96, 240, 24);
  password->SetPasswordChar(u'*');
  password->SetText(u"secret");
  TsEdit* disabled = t.Edit(265, 96, 240, 24);
  disabled->SetText(u"disabled");
  disabled->SetEnabled(false);
  TsEdit* centred = t.Edit(16, 136, 240, 40);
  centred->SetVerticalAlignment(forms::TVerticalAlignment::taVerticalCenter);
  centred->SetText(u"centred");
  TsEdit* focused = t.Edit(265, 136, 240, 24);
  focused->SetText(u"focused with a selection");
  win::SetFocus(focused->Handle());
  focused->SetSelStart(8);
  focused->SetSelLength(6);
}

TEST_F(SkinnedEdit, ScreenshotOfEdits) {
  MakeEditBoard(*this);
  RedrawAll();
  EXPECT_TRUE(win::headless::SaveWindowShot(form->Handle(), BuildPath("skin-controls-edits.png")));
}

class SkinnedEdit144 : public SkinnedEdit {
 protected:
  int ScreenDpi() const override { return 144; }
};

TEST_F(SkinnedEdit144, ScreenshotOfEdits) {
  MakeEditBoard(*this);
  RedrawAll();
  EXPECT_TRUE(win::headless::SaveWindowShot(form->Handle(), BuildPath("skin-controls-edits-144.png")));
}

}  // namespace skin::test
