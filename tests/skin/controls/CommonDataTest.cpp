// The skin state of controls on a headless form carrying the program's manager and skin:
// kinds and defaults, binding, updating, colours, hover and focus.
#include <gtest/gtest.h>

#include "platform/forms/Graphics.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "platform/win/PaintApi.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acFade.h"
#include "skin/data/acSkinData.h"
#include "tests/skin/support/ProbeControlTestSupport.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {

class CommonData : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    manager = MakeProgramManager();
    form = static_cast<TManagerTestForm*>(manager->Owner());
    form->SetBounds(20, 20, 400, 300);
    form->Show();
    win::RunUntilIdle();
  }
  TProbeControl* Probe(std::uint8_t coc, const std::u16string& section, forms::TWinControl* parent = nullptr,
                       bool withCache = true) {
    auto* p = new TProbeControl(form, coc, withCache);
    p->DefaultSection = section;
    p->SetParent(parent ? parent : form);
    p->HandleNeeded();
    p->SkinData->Loaded(true);
    return p;
  }
  int Index(const std::u16string& name) const { return manager->GetSkinIndex(name); }
  TsSkinManager* manager = nullptr;
  TManagerTestForm* form = nullptr;
};

TEST(ControlKinds, SetsAndDefaultSectionTable) {
  EXPECT_TRUE(HoverNotHot(cocEdit) && ColorsFollowState(cocEdit) && !FrameRefreshOnSkinRefresh(cocEdit));
  EXPECT_TRUE(HoverNotHot(cocMemo) && ColorsFollowState(cocMemo) && FrameRefreshOnSkinRefresh(cocMemo));
  EXPECT_TRUE(HoverNotHot(cocEditAdapter) && FrameRefreshOnSkinRefresh(cocEditAdapter));
  for (int coc : {cocPanel, cocGroupBox})
    EXPECT_TRUE(NoHoverState(coc) && IsContainerKind(coc) && !AnimatesItself(coc));
  EXPECT_TRUE(IsContainerKind(cocFrameAdapter) && !NoHoverState(cocFrameAdapter));
  for (int coc : {cocButton, cocBitBtn}) EXPECT_TRUE(AnimatesItself(coc) && !NoHoverState(coc) && !HoverNotHot(coc));
  for (int coc : {cocImage, cocForm, cocDialog})
    EXPECT_FALSE(NoHoverState(coc) || HoverNotHot(coc) || IsContainerKind(coc) || ColorsFollowState(coc) ||
                 FrameRefreshOnSkinRefresh(coc) || AnimatesItself(coc));
  EXPECT_EQ(DefaultSectionName(1), u"EDIT");
  EXPECT_EQ(DefaultSectionName(9), u"GROUPBOX");
  EXPECT_EQ(DefaultSectionName(19), u"COMBONOEDIT");
  EXPECT_TRUE(DefaultSectionName(0).empty() && DefaultSectionName(20).empty());
  EXPECT_FALSE(SkinSectionStored(12, u"PANEL"));
  EXPECT_TRUE(SkinSectionStored(12, u"PANEL_LOW"));
  EXPECT_TRUE(SkinSectionStored(20, u"PANEL"));
}

TEST_F(CommonData, CreateSetsEveryDefaultAndRegistersTheWindow) {
  auto* p = new TProbeControl(form);
  p->SetParent(form);
  const TsCommonData& sd = *p->SkinData;
  EXPECT_EQ(sd.SkinIndex, -1);
  EXPECT_EQ(sd.GlowID, -1);
  EXPECT_EQ(sd.PPIIndex, -1);
  EXPECT_EQ(sd.CurrentPPI, 96);
  EXPECT_TRUE(sd.Loading && sd.BGChanged);
  EXPECT_FALSE(sd.FFocused || sd.FMouseAbove || sd.FUpdating || sd.HalfVisible);
  EXPECT_EQ(sd.FColorTone, clNone);
  EXPECT_EQ(sd.SavedColor, clNone);
  EXPECT_EQ(sd.SavedFontColor, clNone);
  EXPECT_EQ(sd.FHUEOffset, 0);
  EXPECT_EQ(sd.FSaturation, 0);
  EXPECT_EQ(sd.BGType, 0);
  EXPECT_EQ(sd.FUpdateCount, 0);
  EXPECT_EQ(sd.InvalidRectH.Right, 0);
  EXPECT_EQ(sd.InvalidRectV.Bottom, 0);
  EXPECT_EQ(sd.OuterEffects()->Visibility(), ovNone);
  ASSERT_NE(sd.FCacheBmp, nullptr);
  EXPECT_TRUE(sd.FCacheBmp->Empty());
  EXPECT_TRUE(static_cast<bool>(sd.WndProc));
  // The window made later carries the property.
  p->HandleNeeded();
  EXPECT_EQ(SkinDataOf(p->Handle()), p->SkinData.get());
}

TEST_F(CommonData, BindingBySectionNameAndDefault) {
  TProbeControl* p = Probe(cocGroupBox, u"GROUPBOX");
  EXPECT_EQ(p->SkinData->SkinIndex, Index(u"GROUPBOX"));
  EXPECT_TRUE(p->SkinData->Skinned(true));
  // Lower case is stored upper-cased and re-binds.
  p->SkinData->SetSkinSection(u"panel");
  EXPECT_EQ(p->SkinData->SkinSection(), u"PANEL");
  EXPECT_EQ(p->SkinData->SkinIndex, Index(u"PANEL"));
  // The same text again changes nothing: the picture stays current.
  p->SkinData->BGChanged = false;
  p->SkinData->SetSkinSection(u"PANEL");
  EXPECT_FALSE(p->SkinData->BGChanged);
}

TEST_F(CommonData, AnAbsentSectionPaintsUnskinnedAndAnswersItsOwnColour) {
  TProbeControl* p = Probe(cocGroupBox, u"GROUPBOX");
  p->SetColor(0x123456);
  p->SkinData->SetSkinSection(u"NO_SUCH_SECTION");
  EXPECT_EQ(p->SkinData->SkinIndex, -1);
  EXPECT_FALSE(p->SkinData->Skinned());
  EXPECT_EQ(SendSkinCommand(p->Handle(), scGetBgColor, 0), 0x123456);
  // Unskinned, the probe's procedure paints as a plain control: no picture is built.
  p->Invalidate();
  win::RunUntilIdle();
  EXPECT_EQ(p->Prepares, 0);
}

TEST_F(CommonData, NestedUpdatesResumeOnlyAtTheOutermostEnd) {
  TProbeControl* p = Probe(cocGroupBox, u"GROUPBOX");
  int ends = 0;
  p->JoinWindowProc(&ends, [&ends](forms::TMessage& m, const forms::TWndNext& next) {
    if (m.Msg == SkinCmdMessage && SkinCmdOf(m.WParam) == scEndUpdateOwner) ++ends;
    next(m);
  });
  TsCommonData& sd = *p->SkinData;
  sd.BeginUpdate();
  sd.BeginUpdate();
  sd.EndUpdate(true);
  EXPECT_TRUE(sd.FUpdating);
  EXPECT_NE(sd.CtrlSkinState & cssInUpdate, 0u);
  EXPECT_EQ(ends, 0);
  sd.EndUpdate(true);
  EXPECT_FALSE(sd.FUpdating);
  EXPECT_EQ(sd.CtrlSkinState & cssInUpdate, 0u);
  EXPECT_EQ(ends, 1);
  // An end without a begin does not drive the count below zero: one begin suspends again.
  sd.EndUpdate(false);
  EXPECT_EQ(sd.FUpdateCount, 0);
  sd.BeginUpdate();
  EXPECT_TRUE(sd.FUpdating);
  p->LeaveWindowProc(&ends);
}

TEST_F(CommonData, RemoveSkinRestoresWindowColoursOfEditKinds) {
  TProbeControl* edit = Probe(cocEdit, u"EDIT");
  const TsGeneralData& g = manager->SkinDataArray[0]->gd[static_cast<std::size_t>(Index(u"EDIT"))];
  EXPECT_EQ(edit->Color(), g.Props[0].Color);
  SendSkinCommand(edit->Handle(), scRemoveSkin, reinterpret_cast<win::LPARAM>(manager));
  EXPECT_EQ(edit->SkinData->SkinIndex, -1);
  EXPECT_EQ(edit->Color(), forms::clWindow);
  EXPECT_EQ(edit->Font()->Color(), forms::clWindowText);
  // With custom colours they stay.
  TProbeControl* custom = Probe(cocEdit, u"EDIT");
  custom->SkinData->FCustomColor = custom->SkinData->FCustomFont = true;
  custom->SetColor(0x010203);
  custom->Font()->SetColor(0x040506);
  SendSkinCommand(custom->Handle(), scRemoveSkin, reinterpret_cast<win::LPARAM>(manager));
  EXPECT_EQ(custom->Color(), 0x010203);
  EXPECT_EQ(custom->Font()->Color(), 0x040506);
  // Another manager's command is not obeyed.
  TProbeControl* other = Probe(cocEdit, u"EDIT");
  SendSkinCommand(other->Handle(), scRemoveSkin, 0);
  EXPECT_EQ(other->SkinData->SkinIndex, Index(u"EDIT"));
}

TEST_F(CommonData, NoMouseHoverKeepsTheNormalState) {
  TProbeControl* button = Probe(cocButton, u"BUTTON");
  button->Perform(forms::CM_MOUSEENTER);
  EXPECT_TRUE(button->SkinData->FMouseAbove);
  EXPECT_EQ(button->SkinData->CommonState(), 1);
  button->Perform(forms::CM_MOUSELEAVE);
  EXPECT_EQ(button->SkinData->CommonState(), 0);
  manager->Options.NoMouseHover = true;
  TProbeControl* quiet = Probe(cocButton, u"BUTTON");
  quiet->Perform(forms::CM_MOUSEENTER);
  EXPECT_FALSE(quiet->SkinData->FMouseAbove);
  EXPECT_EQ(quiet->SkinData->CommonState(), 0);
  // Containers never take the hover state.
  manager->Options.NoMouseHover = false;
  TProbeControl* box = Probe(cocGroupBox, u"GROUPBOX");
  box->Perform(forms::CM_MOUSEENTER);
  EXPECT_FALSE(box->SkinData->FMouseAbove);
}

TEST_F(CommonData, AOneStateSectionKeepsItsColoursOnFocus) {
  TProbeControl* edit = Probe(cocEdit, u"EDIT");
  edit->SetTabStop(true);
  const TColor colour = edit->Color();
  const TColor font = edit->Font()->Color();
  edit->SetFocus();
  win::RunUntilIdle();
  EXPECT_TRUE(edit->SkinData->FFocused);
  EXPECT_EQ(edit->SkinData->CommonState(), 1);
  EXPECT_EQ(edit->Color(), colour);
  EXPECT_EQ(edit->Font()->Color(), font);
}

TEST_F(CommonData, ManagerEffectsDefaults) {
  EXPECT_TRUE(manager->Effects.AllowAnimation);
  EXPECT_TRUE(manager->Effects.AllowOuterEffects);
  EXPECT_TRUE(manager->Effects.AllowGlowing);
  EXPECT_FALSE(manager->Effects.DiscoloredGlyphs);
  EXPECT_TRUE(manager->AnimEffects.Buttons.Events.Contains(TacBtnEvent::beMouseEnter));
  EXPECT_TRUE(manager->AnimEffects.Buttons.Events.Contains(TacBtnEvent::beMouseUp));
}

TEST_F(CommonData, ButtonsFadeInTwelveMillisecondSteps) {
  TProbeControl* button = Probe(cocButton, u"BUTTON");
  button->SetBounds(10, 10, 80, 26);
  ASSERT_TRUE(button->PrepareCache());
  button->SkinData->FMouseAbove = true;
  ASSERT_TRUE(RequestFade(*button->SkinData, 1, false, true));
  EXPECT_TRUE(button->SkinData->IsFading());
  EXPECT_EQ(button->SkinData->AnimTimer->StepsLeft(), 6);
  win::headless::AdvanceTime(acFadeStepMs * 3);
  EXPECT_EQ(button->SkinData->AnimTimer->StepsLeft(), 3);
  win::headless::AdvanceTime(acFadeStepMs * 3);
  EXPECT_FALSE(button->SkinData->IsFading());
  // Without animation the control is only invalidated.
  manager->Effects.AllowAnimation = false;
  EXPECT_FALSE(RequestFade(*button->SkinData, 0, false, true));
  EXPECT_TRUE(button->SkinData->BGChanged);
}

}  // namespace skin::test

namespace skin::test {

TEST_F(CommonData, TwoStateSectionsSwitchColoursWithTheFocus) {
  for (auto& data : manager->SkinDataArray) {
    if (!data) continue;
    TsGeneralData g;
    g.ClassName = u"PROBEEDIT2";
    g.States = 2;
    g.Props[0].Color = 0x101010;
    g.Props[0].FontColor.Color = 0x202020;
    g.Props[1].Color = 0x303030;
    g.Props[1].FontColor.Color = 0x404040;
    g.Props[2] = g.Props[1];
    data->gd.push_back(g);
  }
  TProbeControl* first = Probe(cocMemo, u"PROBEEDIT2");
  TProbeControl* second = Probe(cocMemo, u"PROBEEDIT2");
  first->SetTabStop(true);
  second->SetTabStop(true);
  EXPECT_EQ(first->Color(), 0x101010u);
  EXPECT_EQ(first->Font()->Color(), 0x202020u);
  first->SetFocus();
  win::RunUntilIdle();
  EXPECT_EQ(first->Color(), 0x303030u);
  EXPECT_EQ(first->Font()->Color(), 0x404040u);
  second->SetFocus();
  win::RunUntilIdle();
  EXPECT_FALSE(first->SkinData->FFocused);
  EXPECT_EQ(first->Color(), 0x101010u);
  EXPECT_EQ(second->Color(), 0x303030u);
  // The colours the skin state sets itself are marked while they change.
  EXPECT_EQ(first->SkinData->CtrlSkinState & cssChangingColors, 0u);
}

TEST_F(CommonData, RefreshAfterRemovalBindsAndColoursAgain) {
  TProbeControl* edit = Probe(cocEdit, u"EDIT");
  SendSkinCommand(edit->Handle(), scRemoveSkin, reinterpret_cast<win::LPARAM>(manager));
  EXPECT_EQ(edit->Color(), forms::clWindow);
  SendSkinCommand(edit->Handle(), scNewSkin, reinterpret_cast<win::LPARAM>(manager));
  const int before = edit->Prepares;
  SendSkinCommand(edit->Handle(), scRefresh, reinterpret_cast<win::LPARAM>(manager));
  EXPECT_EQ(edit->SkinData->SkinIndex, Index(u"EDIT"));
  const TsGeneralData& g = manager->SkinDataArray[0]->gd[static_cast<std::size_t>(Index(u"EDIT"))];
  EXPECT_EQ(edit->Color(), g.Props[0].Color);
  // The refresh repaints at once: the picture is built anew.
  EXPECT_GT(edit->Prepares, before);
  EXPECT_TRUE(edit->SkinData->CacheValid());
}

}  // namespace skin::test

namespace skin::test {

TEST_F(CommonData, PrintingAnUnskinnedControlTakesTheClassicFrame) {
  TProbeControl* p = Probe(cocGroupBox, u"GROUPBOX");
  Bitmap32 target(p->Width(), p->Height());
  forms::TMessage print{win::WM_PRINT, reinterpret_cast<win::WPARAM>(&target.Canvas()), win::PRF_NONCLIENT, 0};
  EXPECT_FALSE(CommonControlMessage(print, *p->SkinData));  // skinned: the control paints itself
  p->SkinData->SetSkinSection(u"NO_SUCH_SECTION");
  EXPECT_TRUE(CommonControlMessage(print, *p->SkinData));
  forms::TMessage none{win::WM_PRINT, 0, win::PRF_NONCLIENT, 0};
  EXPECT_FALSE(CommonControlMessage(none, *p->SkinData));
}

}  // namespace skin::test

namespace skin::test {

TEST_F(CommonData, LeavingWhileTheCursorIsStillInsideKeepsTheHover) {
  TProbeControl* button = Probe(cocButton, u"BUTTON");
  button->SetBounds(30, 30, 80, 30);
  win::RunUntilIdle();
  const TPoint inside = button->ClientToScreen({40, 15});
  win::headless::MouseMove(inside);
  button->Perform(forms::CM_MOUSEENTER);
  ASSERT_TRUE(button->SkinData->FMouseAbove);
  EXPECT_TRUE(button->SkinData->MouseStillInside());
  button->Perform(forms::CM_MOUSELEAVE);
  EXPECT_TRUE(button->SkinData->FMouseAbove);
  win::headless::MouseMove(button->ClientToScreen({200, 200}));
  EXPECT_FALSE(button->SkinData->MouseStillInside());
  button->Perform(forms::CM_MOUSELEAVE);
  EXPECT_FALSE(button->SkinData->FMouseAbove);
}

}  // namespace skin::test
