// Skin commands and shared backgrounds on a headless form with probe controls: routing,
// background answers through see-through controls, pictures not yet ready, the mends of
// the protocol, graphic children, and a screenshot of probe containers.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "platform/forms/Graphics.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/data/EngineState.h"
#include "skin/data/acSkinData.h"
#include "skin/render/acSectionBehind.h"
#include "skin/render/acSectionState.h"
#include "skin/render/pixels/acColorAdjust.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "tests/skin/support/ProbeFormTestSupport.h"

namespace skin::test {

namespace {

// The pixel of a colour value, opaque.
constexpr std::uint32_t Px(TColor c) { return SwapRedBlue(c) | 0xFF000000u; }

int g_seen = 0;
win::WNDPROC g_previous = nullptr;
win::LRESULT CountingProc(win::HWND h, win::UINT msg, win::WPARAM wp, win::LPARAM lp) {
  if (msg == SkinCmdMessage) ++g_seen;
  return win::CallWindowProc(g_previous, h, msg, wp, lp);
}

// A graphic child whose painting throws.
class TThrowingGraphic : public forms::TGraphicControl {
 public:
  using forms::TGraphicControl::TGraphicControl;

 protected:
  void Paint() override { throw std::runtime_error("paint failed"); }
};

// A label that passes text-section questions up, as skinned labels do.
class TPassingLabel : public forms::TLabel {
 public:
  using forms::TLabel::TLabel;
  void WndProc(forms::TMessage& m) override {
    if (m.Msg == SkinCmdMessage && SkinCmdOf(m.WParam) == scGetTextSection && m.LParam != 0) {
      m.Result = PassTextSectionQuery(this, *reinterpret_cast<TacTextSectionQuery*>(m.LParam));
      return;
    }
    forms::TLabel::WndProc(m);
  }
};

}  // namespace

class SkinCommands : public ProbeFormTest {
 protected:
  void SetUp() override {
    ProbeFormTest::SetUp();
    g_seen = 0;
  }
  // Adds a one-state section with a vertical gradient to every data set; its index.
  int AddGradientSection() {
    int index = -1;
    for (auto& data : manager->SkinDataArray) {
      if (!data) continue;
      TsGeneralData g;
      g.ClassName = u"PROBEGRADIENT";
      g.States = 1;
      TsGenState s;
      s.Color = 0x808080;
      s.GradientPercent = 100;
      TsGradPoint a, b;
      a.Color.C = 0xFF0000FF;
      a.Mode = 0;
      b.Index = 1;
      b.Color.C = 0xFF00FF00;
      b.Percent = 100;
      s.GradientArray = {a, b};
      g.Props = {s, s, s};
      data->gd.push_back(g);
      index = static_cast<int>(data->gd.size()) - 1;
    }
    return index;
  }
  int Index(const std::u16string& name) const { return manager->GetSkinIndex(name); }
};

TEST_F(SkinCommands, ASkinnedWindowIsCalledDirectlyAndAnyOtherThroughItsProcedure) {
  TProbeControl* p = Probe(cocGroupBox, u"GROUPBOX", nullptr, {10, 10, 100, 60});
  g_previous = reinterpret_cast<win::WNDPROC>(
      win::SetWindowLongPtr(p->Handle(), win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(&CountingProc)));
  EXPECT_EQ(SendSkinCommand(p->Handle(), scGetPPI, 0), 96);
  EXPECT_EQ(SendSkinCommand(p->Handle(), scIsSkinned, 0), 1);
  EXPECT_EQ(g_seen, 0) << "the window system carried a skin command";
  win::SetWindowLongPtr(p->Handle(), win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(g_previous));

  // A plain button: no "ACSDATA", so its own procedure answers.
  auto* button = new forms::TButton(form);
  button->SetParent(form);
  button->HandleNeeded();
  int answered = 0;
  button->JoinWindowProc(&answered, [&answered](forms::TMessage& m, const forms::TWndNext& next) {
    if (m.Msg == SkinCmdMessage && SkinCmdOf(m.WParam) == scGetPPI) {
      ++answered;
      m.Result = 144;
      return;
    }
    next(m);
  });
  g_previous = reinterpret_cast<win::WNDPROC>(
      win::SetWindowLongPtr(button->Handle(), win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(&CountingProc)));
  EXPECT_EQ(SendSkinCommand(button->Handle(), scGetPPI, 0), 144);
  EXPECT_EQ(g_seen, 1);
  EXPECT_EQ(answered, 1);
  EXPECT_EQ(SendSkinCommand(button->Handle(), scIsSkinned, 0), 0);
  win::SetWindowLongPtr(button->Handle(), win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(g_previous));
  button->LeaveWindowProc(&answered);
}

TEST_F(SkinCommands, AFreedStateIsNeverCalledThroughItsWindow) {
  TProbeControl* p = Probe(cocGroupBox, u"GROUPBOX", nullptr, {10, 10, 100, 60});
  const win::HWND h = p->Handle();
  TsCommonData* freed = p->SkinData.get();
  {
    // A freed state removes its property.
    TsCtrlSkinData lone(p, false);
  }
  EXPECT_EQ(win::GetProp(h, acSkinDataProp), nullptr);
  // The control gets a new state before the old one goes; then a property naming the
  // freed state, as a skipped removal would leave it.
  std::unique_ptr<TsCtrlSkinData> old = std::move(p->SkinData);
  p->SkinData = std::make_unique<TsCtrlSkinData>(p, true);
  old.reset();
  win::SetProp(h, acSkinDataProp, static_cast<TacSkinStateLink*>(freed));
  EXPECT_EQ(SkinDataOf(h), nullptr);
  g_previous = reinterpret_cast<win::WNDPROC>(
      win::SetWindowLongPtr(h, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(&CountingProc)));
  // The window's own procedure answers; nothing reads the freed state.
  EXPECT_EQ(SendSkinCommand(h, scGetPPI, 0), 96);
  EXPECT_EQ(g_seen, 1);
  win::SetWindowLongPtr(h, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(g_previous));
  win::RemoveProp(h, acSkinDataProp);
}

TEST_F(SkinCommands, ASeeThroughControlWithoutCacheAnswersWithItsParentsPictureMoved) {
  TProbeControl* box = Probe(cocGroupBox, u"GROUPBOX", nullptr, {5, 5, 300, 200});
  ASSERT_TRUE(box->PrepareCache());
  TProbeControl* clear = Probe(cocGroupBox, u"TRANSPARENT", box, {10, 20, 120, 80}, false);
  TsBackgroundQuery q;
  QueryParentBackground(q, clear, false);
  EXPECT_EQ(q.Kind, bqBitmap);
  EXPECT_EQ(q.Bitmap, box->SkinData->FCacheBmp.get());
  EXPECT_EQ(q.Offset, (TPoint{10, 20}));
}

TEST_F(SkinCommands, AParentWithoutPictureLeavesTheChildUnpaintedUntilItHasOne) {
  TProbeControl* panel = Probe(cocPanel, u"PANEL", nullptr, {5, 5, 300, 200});
  panel->SkinData->EmptyCache();
  panel->SetBounds(5, 5, 0, 0);  // no area: no picture can be made
  TProbeControl* child = Probe(cocGroupBox, u"GROUPBOX", panel, {10, 10, 80, 40});
  EXPECT_FALSE(child->PrepareCache());
  EXPECT_TRUE(child->SkinData->FUpdating);
  EXPECT_EQ(child->Prepares, 0);
  panel->SetBounds(5, 5, 300, 200);
  win::RunUntilIdle();
  SendSkinCommand(panel->Handle(), scEndUpdate, 0);
  win::RunUntilIdle();
  EXPECT_FALSE(child->SkinData->FUpdating);
  EXPECT_GE(child->Prepares, 1);
}

TEST_F(SkinCommands, AQueryAskedWithDrawNowGetsTheParentsPixels) {
  TProbeControl* panel = Probe(cocPanel, u"PANEL", nullptr, {5, 5, 200, 150});
  ASSERT_TRUE(panel->PrepareCache());
  Bitmap32 target(40, 30);
  TsBackgroundQuery q;
  q.Offset = {15, 25};
  q.DrawRect = {0, 0, 40, 30};
  q.TargetDC = &target.Canvas();
  QueryParentBackground(q, panel, true);
  EXPECT_EQ(q.Kind, bqBitmap);
  for (int y = 0; y < 30; y += 7)
    for (int x = 0; x < 40; x += 9) EXPECT_EQ(target.Pixel(x, y), panel->SkinData->FCacheBmp->Pixel(15 + x, 25 + y));
}

TEST_F(SkinCommands, EveryFieldOfAQueryIsSetBeforeItIsAsked) {
  TsBackgroundQuery q;
  std::memset(static_cast<void*>(&q), 0xCD, sizeof q);
  auto* plain = new forms::TButton(form);
  plain->SetParent(form);
  plain->SetColor(0x00112233);
  QueryParentBackground(q, plain, false);
  EXPECT_EQ(q.Kind, bqColor);
  EXPECT_EQ(q.Color, 0x00112233u);
  EXPECT_EQ(q.Bitmap, nullptr);
  EXPECT_EQ(q.Offset, (TPoint{0, 0}));
  EXPECT_EQ(q.BorderFrame, (TRect{0, 0, 0, 0}));
  const TacBgInfo bg = ToBgInfo(q);
  EXPECT_EQ(bg.X, 0);
  EXPECT_EQ(bg.FillColor, 0x00112233u);
}

TEST_F(SkinCommands, ABlackBackgroundIsBlackNotNoAnswer) {
  const int black = AddGradientSection();
  for (auto& data : manager->SkinDataArray)
    if (data)
      data->gd[static_cast<std::size_t>(black)].Props[0] = data->gd[static_cast<std::size_t>(black)].Props[1] = [] {
        TsGenState s;
        s.Color = 0;
        return s;
      }();
  TProbeControl* parent = Probe(cocPanel, u"PROBEGRADIENT", nullptr, {5, 5, 200, 150});
  parent->SetColor(0x0000FF);
  TProbeControl* clear = Probe(cocGroupBox, u"TRANSPARENT", parent, {10, 10, 50, 50}, false);
  EXPECT_EQ(SectionColor(*clear->SkinData, 0), 0u);
  EXPECT_EQ(SendSkinCommand(clear->Handle(), scGetBgColor, 0), 0);
}

TEST_F(SkinCommands, MovingRebuildsOnlySeeThroughChildrenOverAVaryingParent) {
  AddGradientSection();
  TProbeControl* parent = Probe(cocPanel, u"PROBEGRADIENT", nullptr, {5, 5, 300, 220});
  parent->SkinData->UpdateIndexes(true);
  EXPECT_EQ(parent->SkinData->BGType, bgtGradientDown);
  ASSERT_TRUE(parent->PrepareCache());
  TProbeControl* opaque = Probe(cocGroupBox, u"EDIT", parent, {10, 10, 80, 30});
  TProbeControl* clear = Probe(cocGroupBox, u"GROUPBOX", parent, {10, 60, 80, 60});
  win::RunUntilIdle();
  const int opaqueBefore = opaque->Prepares, clearBefore = clear->Prepares;
  opaque->SetBounds(opaque->Left() + 10, opaque->Top(), opaque->Width(), opaque->Height());
  clear->SetBounds(clear->Left() + 10, clear->Top() + 10, clear->Width(), clear->Height());
  win::RunUntilIdle();
  EXPECT_EQ(opaque->Prepares, opaqueBefore);
  EXPECT_GT(clear->Prepares, clearBefore);
}

TEST_F(SkinCommands, AHeightResizeOfAVerticalGradientTellsEveryChild) {
  AddGradientSection();
  TProbeControl* parent = Probe(cocPanel, u"PROBEGRADIENT", nullptr, {5, 5, 300, 220});
  TProbeControl* a = Probe(cocGroupBox, u"EDIT", parent, {10, 10, 80, 30});
  TProbeControl* b = Probe(cocGroupBox, u"GROUPBOX", parent, {10, 60, 80, 60});
  int moved = 0;
  auto count = [&moved](forms::TMessage& m, const forms::TWndNext& next) {
    if (m.Msg == SkinCmdMessage && SkinCmdOf(m.WParam) == scMoved) ++moved;
    next(m);
  };
  a->JoinWindowProc(&moved, count);
  b->JoinWindowProc(&moved, count);
  const int w = parent->Width(), h = parent->Height();
  parent->SetBounds(5, 5, w + 30, h);  // width only
  win::RunUntilIdle();
  EXPECT_EQ(moved, 0);
  parent->SetBounds(5, 5, w + 30, h + 20);  // height
  win::RunUntilIdle();
  EXPECT_EQ(moved, 2);
  // A move that keeps the size marks no pending size change.
  moved = 0;
  parent->SetBounds(15, 5, w + 30, h + 20);
  win::RunUntilIdle();
  EXPECT_EQ(parent->SkinData->CtrlSkinState & (cssWidthChanging | cssHeightChanging), 0u);
  a->LeaveWindowProc(&moved);
  b->LeaveWindowProc(&moved);
}

TEST_F(SkinCommands, TextSectionQueriesPassThroughSeeThroughSections) {
  TProbeControl* panel = Probe(cocPanel, u"PANEL", nullptr, {5, 5, 300, 220});
  TProbeControl* box = Probe(cocGroupBox, u"GROUPBOX", panel, {10, 10, 200, 150});
  TacTextSectionQuery q;
  q.State = 0;
  EXPECT_EQ(SendSkinCommand(box->Handle(), scGetTextSection, reinterpret_cast<win::LPARAM>(&q)), 1);
  EXPECT_EQ(q.Section, Index(u"PANEL"));
  EXPECT_EQ(q.Bounds.Left, 10);
  // Over the unskinned form nobody answers: the see-through section's own index is the
  // answer and the result still reads as answered.
  TProbeControl* alone = Probe(cocGroupBox, u"GROUPBOX", nullptr, {10, 10, 60, 40});
  TacTextSectionQuery q2;
  EXPECT_EQ(SendSkinCommand(alone->Handle(), scGetTextSection, reinterpret_cast<win::LPARAM>(&q2)), 1);
  EXPECT_EQ(q2.Section, Index(u"GROUPBOX"));
  // An invalid section reads no records.
  EXPECT_EQ(
      ResolveFontColor(box, 100000, manager, nullptr, 3),
      SectionStateProps(manager->SkinDataArray[0]->gd[static_cast<std::size_t>(Index(u"PANEL"))], 0).FontColor.Color);
}

TEST_F(SkinCommands, GraphicChildrenArePaintedOverTheContainerWithoutTheirKeyPixels) {
  TProbeControl* panel = Probe(cocPanel, u"PANEL", nullptr, {5, 5, 200, 150});
  auto* a = new TProbeGraphic(form, 0x0000C0);
  a->SetBounds(10, 10, 20, 20);
  a->SetParent(panel);
  auto* b = new TProbeGraphic(form, 0x00C000);
  b->SetBounds(50, 30, 16, 16);
  b->SetParent(panel);
  ASSERT_TRUE(panel->PrepareCache());
  const Bitmap32& cache = *panel->SkinData->FCacheBmp;
  Bitmap32 out(cache);
  PaintGraphicChildren(&out.Canvas(), panel, true, {0, 0});
  EXPECT_EQ(a->Paints, 1);
  EXPECT_EQ(b->Paints, 1);
  EXPECT_EQ(out.Pixel(11, 11) & 0xFFFFFF, SwapRedBlue(0x0000C0));
  EXPECT_EQ(out.Pixel(51, 31) & 0xFFFFFF, SwapRedBlue(0x00C000));
  // The key-colour holes show the container's picture.
  EXPECT_EQ(out.Pixel(20, 20), cache.Pixel(20, 20));
  EXPECT_EQ(out.Pixel(58, 38), cache.Pixel(58, 38));
  // An empty clip only marks the container half visible.
  Bitmap32 none(cache);
  none.Canvas().IntersectClip({0, 0, 0, 0});
  panel->SkinData->HalfVisible = false;
  PaintGraphicChildren(&none.Canvas(), panel, true, {0, 0});
  EXPECT_TRUE(panel->SkinData->HalfVisible);
  EXPECT_EQ(a->Paints, 1);
}

TEST_F(SkinCommands, AFailingChildDoesNotLeaveGraphicChildrenPaintingBlocked) {
  TProbeControl* panel = Probe(cocPanel, u"PANEL", nullptr, {5, 5, 200, 150});
  auto* bad = new TThrowingGraphic(form);
  bad->SetBounds(10, 10, 20, 20);
  bad->SetParent(panel);
  ASSERT_TRUE(panel->PrepareCache());
  Bitmap32 out(*panel->SkinData->FCacheBmp);
  EXPECT_THROW(PaintGraphicChildren(&out.Canvas(), panel, true, {0, 0}), std::runtime_error);
  EXPECT_FALSE(detail::Engine().paintingGraphicChildren);
  bad->SetParent(nullptr);
  auto* good = new TProbeGraphic(form, 0x0000C0);
  good->SetBounds(10, 10, 20, 20);
  good->SetParent(panel);
  PaintGraphicChildren(&out.Canvas(), panel, true, {0, 0});
  EXPECT_EQ(good->Paints, 1);
}

TEST_F(SkinCommands, ScreenshotOfProbeContainers) {
  TProbeControl* box = Probe(cocGroupBox, u"GROUPBOX", nullptr, {10, 10, 190, 150});
  TProbeControl* panel = Probe(cocPanel, u"PANEL", nullptr, {210, 10, 190, 150});
  for (TProbeControl* c : {box, panel}) {
    auto* a = new TProbeGraphic(form, 0x2050E0);
    a->SetBounds(20, 30, 40, 40);
    a->SetParent(c);
    auto* b = new TProbeGraphic(form, 0x30B040);
    b->SetBounds(90, 60, 60, 50);
    b->SetParent(c);
  }
  form->Invalidate();
  win::RunUntilIdle();
  const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
  const std::string path = std::string(dir ? dir : ".") + "/skin-controls-probe-board.png";
  EXPECT_TRUE(win::headless::SaveWindowShot(form->Handle(), path));
  EXPECT_GE(box->Prepares, 1);
  EXPECT_GE(panel->Prepares, 1);
}

}  // namespace skin::test

namespace skin::test {

TEST_F(SkinCommands, ASizeKeptByTheRepositionMarksNoPendingChange) {
  TProbeControl* p = Probe(cocPanel, u"PANEL", nullptr, {5, 5, 100, 80});
  // cx and cy mean nothing with SWP_NOSIZE.
  win::WINDOWPOS wp{p->Handle(), nullptr, 30, 30, 0, 0, win::SWP_NOSIZE | win::SWP_NOZORDER};
  forms::TMessage m{win::WM_WINDOWPOSCHANGING, 0, reinterpret_cast<win::LPARAM>(&wp), 0};
  CommonControlMessage(m, *p->SkinData);
  EXPECT_EQ(p->SkinData->CtrlSkinState & (cssWidthChanging | cssHeightChanging), 0u);
  wp.flags = win::SWP_NOZORDER;
  wp.cx = p->Width();
  wp.cy = p->Height() + 5;
  CommonControlMessage(m, *p->SkinData);
  EXPECT_EQ(p->SkinData->CtrlSkinState & (cssWidthChanging | cssHeightChanging),
            static_cast<std::uint32_t>(cssHeightChanging));
}

TEST_F(SkinCommands, APlainFramedSectionHandsItsPictureOnlyWhenCurrent) {
  // EDIT: no transparency, texture or gradient, and a border: a colour with the frame.
  TProbeControl* edit = Probe(cocGroupBox, u"EDIT", nullptr, {5, 5, 120, 60});
  ASSERT_TRUE(edit->PrepareCache());
  // The picture goes stale and has the wrong size.
  edit->SkinData->FCacheBmp->SetSize(7, 7);
  edit->SkinData->BGChanged = true;
  TsBackgroundQuery q;
  QueryParentBackground(q, edit, false);
  EXPECT_EQ(q.Kind, bqColor);
  EXPECT_NE(q.BorderFrame, (TRect{0, 0, 0, 0}));
  ASSERT_NE(q.Bitmap, nullptr);
  EXPECT_EQ(q.Bitmap->Width(), edit->Width());
  EXPECT_EQ(q.Bitmap->Height(), edit->Height());
  EXPECT_FALSE(edit->SkinData->BGChanged);
  // A picture that cannot be made is not handed at all.
  edit->SkinData->FCacheBmp->SetSize(7, 7);
  edit->SkinData->BGChanged = true;
  edit->SetBounds(5, 5, 0, 0);
  TsBackgroundQuery empty;
  QueryParentBackground(empty, edit, false);
  EXPECT_EQ(empty.Bitmap, nullptr);
}

TEST_F(SkinCommands, AnAnswerPassedThroughASeeThroughControlKeepsItsFrameOnTheParentsBitmap) {
  TProbeControl* edit = Probe(cocGroupBox, u"EDIT", nullptr, {5, 5, 200, 120});
  ASSERT_TRUE(edit->PrepareCache());
  TsBackgroundQuery direct;
  QueryParentBackground(direct, edit, false);
  TProbeControl* clear = Probe(cocGroupBox, u"TRANSPARENT", edit, {30, 40, 60, 40}, false);
  TsBackgroundQuery passed;
  QueryParentBackground(passed, clear, false);
  EXPECT_EQ(passed.Kind, direct.Kind);
  EXPECT_EQ(passed.Bitmap, direct.Bitmap);
  EXPECT_EQ(passed.BorderFrame, direct.BorderFrame);
  EXPECT_EQ(passed.Offset, (TPoint{30, 40}));
  // A child of the see-through control at (0, 0) next to the parent's left edge strip gets
  // the parent's strip pixels where the frame lies under it, the colour elsewhere.
  Bitmap32 out(60, 40);
  GiveBehind(&out, {0, 0, 60, 40}, BgAtTarget(ToBgInfo(passed), {0, 0}, {0, 0}), 0x00FF00);
  EXPECT_EQ(out.Pixel(5, 5), Px(passed.Color));
}

TEST_F(SkinCommands, AnOpaqueOwnerAnswersThatItIsAnOpaqueChild) {
  TProbeControl* p = Probe(cocImage, u"TRANSPARENT", nullptr, {5, 5, 40, 40});
  EXPECT_EQ(SendSkinCommand(p->Handle(), scIsOpaqueChild, 0), 1);  // an active manager
  manager->SetActive(false);
  EXPECT_EQ(SendSkinCommand(p->Handle(), scIsOpaqueChild, 0), 0);
  p->SetControlStyle(p->ControlStyle() + forms::TControlStyle{forms::TControlStyleItem::csOpaque});
  EXPECT_EQ(SendSkinCommand(p->Handle(), scIsOpaqueChild, 0), 1);
}

TEST_F(SkinCommands, CommandsWithSmallAnswers) {
  TProbeControl* p = Probe(cocGroupBox, u"GROUPBOX", nullptr, {5, 5, 90, 70});
  int index = -5;
  SendSkinCommand(p->Handle(), scGetSkinIndex, reinterpret_cast<win::LPARAM>(&index));
  EXPECT_EQ(index, Index(u"GROUPBOX"));
  EXPECT_EQ(SendSkinCommand(p->Handle(), scGetSkinDataObject, 0), reinterpret_cast<win::LRESULT>(p->SkinData.get()));
  TRect bounds;
  SendSkinCommand(p->Handle(), scGetBounds, reinterpret_cast<win::LPARAM>(&bounds));
  EXPECT_EQ(bounds, p->BoundsRect());
  EXPECT_EQ(SendSkinCommand(p->Handle(), scSetSection, 0), 0);
  EXPECT_EQ(SendSkinCommand(p->Handle(), scSetSection, reinterpret_cast<win::LPARAM>(u"panel")), 1);
  EXPECT_EQ(p->SkinData->SkinIndex, Index(u"PANEL"));
  SendSkinCommand(p->Handle(), scSetUpdating, 0, 1);
  EXPECT_TRUE(p->SkinData->FUpdating);
  SendSkinCommand(p->Handle(), scSetUpdating, 0, 0);
  EXPECT_FALSE(p->SkinData->FUpdating);
  SendSkinCommand(p->Handle(), scSetPrintDC, 1);
  EXPECT_NE(p->SkinData->CtrlSkinState & cssPrinting, 0u);
  SendSkinCommand(p->Handle(), scSetPrintDC, 0);
  EXPECT_EQ(p->SkinData->CtrlSkinState & cssPrinting, 0u);
  EXPECT_EQ(SendSkinCommand(p->Handle(), scPPIChanged, 144), 0);  // reported as not handled
  EXPECT_EQ(SendSkinCommand(p->Handle(), scGetPPI, 0), 144);
  EXPECT_EQ(SendSkinCommand(p->Handle(), static_cast<TacSkinCommand>(250), 0), 0);
}

TEST_F(SkinCommands, BackgroundTypeByTextureModeAndGradientDirection) {
  const int section = AddGradientSection();
  struct Case {
    int mode;
    std::uint16_t bits;
  };
  const Case cases[] = {{0, 0xF0}, {1, 0xF4}, {2, 0x20}, {3, 0x10},  {4, 0x24},  {5, 0x14}, {6, 0x80},
                        {7, 0x40}, {8, 0x84}, {9, 0x44}, {10, 0xF0}, {11, 0xA4}, {12, 0x54}};
  TProbeControl* p = Probe(cocPanel, u"PROBEGRADIENT", nullptr, {5, 5, 90, 70});
  for (const Case& c : cases) {
    for (auto& data : manager->SkinDataArray) {
      if (!data) continue;
      TsMaskData md;
      md.DrawMode = static_cast<std::uint16_t>(c.mode);
      data->ma.push_back(md);
      TsGenState& s = data->gd[static_cast<std::size_t>(section)].Props[0];
      s.TextureIndex = static_cast<int>(data->ma.size()) - 1;
      s.ImagePercent = 50;
      s.GradientPercent = 0;
      s.GradientArray.clear();
    }
    p->SkinData->UpdateIndexes(true);
    EXPECT_EQ(p->SkinData->BGType, c.bits) << "mode " << c.mode;
  }
  for (int direction = 0; direction < 3; ++direction) {
    for (auto& data : manager->SkinDataArray) {
      if (!data) continue;
      TsGenState& s = data->gd[static_cast<std::size_t>(section)].Props[0];
      s.ImagePercent = 0;
      TsGradPoint a;
      a.Mode = direction;
      s.GradientArray = {a, a};
      s.GradientPercent = 100;
    }
    p->SkinData->UpdateIndexes(true);
    const std::uint16_t expected[] = {0x02, 0x01, 0x03};
    EXPECT_EQ(p->SkinData->BGType, expected[direction]) << "direction " << direction;
  }
}

TEST_F(SkinCommands, FontColoursOfCaptionsOverTheirParents) {
  TProbeControl* panel = Probe(cocPanel, u"PANEL", nullptr, {5, 5, 200, 150});
  auto* label = new TPassingLabel(form);
  label->SetParent(panel);
  label->SetBounds(10, 10, 50, 16);
  const auto& gd = manager->SkinDataArray[0]->gd;
  const TColor panelFont = gd[static_cast<std::size_t>(Index(u"PANEL"))].Props[0].FontColor.Color;
  // A label without a section of its own is answered by the opaque panel.
  EXPECT_EQ(ResolveFontColor(label, -1, manager, nullptr, 0), panelFont);
  // A see-through group box on the unskinned form: its own section's colours.
  TProbeControl* box = Probe(cocGroupBox, u"GROUPBOX", nullptr, {210, 5, 150, 150});
  auto* label2 = new TPassingLabel(form);
  label2->SetParent(box);
  EXPECT_EQ(ResolveFontColor(label2, -1, manager, nullptr, 0),
            gd[static_cast<std::size_t>(Index(u"GROUPBOX"))].Props[0].FontColor.Color);
  // A label that passes nothing on takes its parent's font colour.
  auto* mute = new forms::TLabel(form);
  mute->SetParent(panel);
  panel->Font()->SetColor(0x00A0B0);
  EXPECT_EQ(ResolveFontColor(mute, -1, manager, nullptr, 0), 0x00A0B0u);
  // CustomFont keeps the control's own.
  TsCtrlSkinData custom(label, false);
  custom.FCustomFont = true;
  label->Font()->SetColor(0x0A0B0C);
  EXPECT_EQ(ResolveFontColor(label, Index(u"PANEL"), manager, &custom, 0), 0x0A0B0Cu);
}

TEST_F(SkinCommands, ControlSectionsTakeTheirColourSettings) {
  TProbeControl* plain = Probe(cocPanel, u"PANEL", nullptr, {5, 5, 60, 40});
  TProbeControl* toned = Probe(cocPanel, u"PANEL", nullptr, {5, 60, 60, 40});
  toned->SkinData->SetColorTone(0x0000FF);
  ASSERT_TRUE(plain->PrepareCache());
  ASSERT_TRUE(toned->PrepareCache());
  const std::uint32_t a = plain->SkinData->FCacheBmp->Pixel(30, 20), b = toned->SkinData->FCacheBmp->Pixel(30, 20);
  EXPECT_EQ(b, TonePixel(a, 0x0000FF));
  // A custom colour paints the background in the control's colour (PANEL's texture off).
  TProbeControl* own = Probe(cocPanel, u"PANEL", nullptr, {70, 5, 60, 40});
  own->SkinData->FCustomColor = true;
  own->SetColor(0x123456);
  ASSERT_TRUE(own->PrepareCache());
  EXPECT_EQ(own->SkinData->FCacheBmp->Pixel(30, 20), Px(0x123456));
}

}  // namespace skin::test

namespace skin::test {

TEST_F(SkinCommands, PaintingOverTheParentWaitsForItsPicture) {
  TProbeControl* parent = Probe(cocPanel, u"PANEL", nullptr, {5, 5, 0, 0});
  parent->SkinData->EmptyCache();
  TProbeControl* child = Probe(cocGroupBox, u"GROUPBOX", parent, {0, 0, 40, 30});
  Bitmap32 dst(40, 30);
  FillPixels(&dst, {0, 0, 40, 30}, 0x00FF00, 255);
  EXPECT_FALSE(PaintControlOverParent(*child->SkinData, parent, true, &dst, {0, 0}, {0, 0, 40, 30}, 0));
  EXPECT_EQ(dst.Pixel(20, 15), Px(0x00FF00));
  parent->SetBounds(5, 5, 200, 150);
  ASSERT_TRUE(parent->PrepareCache());
  child->SetBounds(10, 12, 40, 30);
  EXPECT_TRUE(PaintControlOverParent(*child->SkinData, parent, true, &dst, {10, 12}, {0, 0, 40, 30}, 0));
  // GROUPBOX shows its parent: the middle is the panel's picture at the child's place.
  EXPECT_EQ(dst.Pixel(20, 15), parent->SkinData->FCacheBmp->Pixel(30, 27));
}

}  // namespace skin::test

namespace skin::test {

TEST_F(SkinCommands, ContainersPassTheirNoticesToTheirChildren) {
  TProbeControl* box = Probe(cocGroupBox, u"GROUPBOX", nullptr, {5, 5, 200, 150});
  TProbeControl* child = Probe(cocGroupBox, u"EDIT", box, {10, 10, 60, 30});
  ASSERT_TRUE(box->PrepareCache());
  ASSERT_TRUE(child->PrepareCache());
  // A changed background reaches the child.
  SendSkinCommand(box->Handle(), scParentBgChanged, 0);
  EXPECT_TRUE(child->SkinData->BGChanged);
  // Outer effects: the child is handed the container's picture.
  const TsBackgroundQuery* seen = nullptr;
  int asked = 0;
  child->JoinWindowProc(&asked, [&](forms::TMessage& m, const forms::TWndNext& next) {
    if (m.Msg == SkinCmdMessage && SkinCmdOf(m.WParam) == scPaintOuterEffect) {
      ++asked;
      seen = reinterpret_cast<const TsBackgroundQuery*>(m.LParam);
      EXPECT_EQ(seen->Kind, bqBitmap);
      EXPECT_EQ(seen->Bitmap, box->SkinData->FCacheBmp.get());
    }
    next(m);
  });
  box->SkinData->PaintOuterEffects(box, {0, 0});
  EXPECT_EQ(asked, 1);
  manager->Effects.AllowOuterEffects = false;
  box->SkinData->PaintOuterEffects(box, {0, 0});
  EXPECT_EQ(asked, 1);
  child->LeaveWindowProc(&asked);
  // Resetting the caches empties the child's and the container's.
  ASSERT_TRUE(child->PrepareCache());
  SendSkinCommand(box->Handle(), scResetCache, 0);
  EXPECT_TRUE(box->SkinData->FCacheBmp->Empty());
  EXPECT_TRUE(child->SkinData->FCacheBmp->Empty());
  // With the memory priority a hidden control gives its picture up.
  ASSERT_TRUE(box->PrepareCache());
  manager->Options.OptimizingPriority = TacOptimizingPriority::opMemory;
  box->Hide();
  win::RunUntilIdle();
  EXPECT_TRUE(box->SkinData->FCacheBmp->Empty());
}

}  // namespace skin::test
