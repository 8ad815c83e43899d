// Faults of the frame rules that are mended: the window region and the button background
// of windows smaller than their corners, a section without states, the print of a skinned
// window, a programmatic resize, the message box's band against its real non-client area,
// and the form's answer to skin command 4.
#include <gtest/gtest.h>

#include "platform/gfx/Surface.h"
#include "platform/forms/Dialogs.h"
#include "platform/win/HeadlessBackend.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"
#include "platform/win/PaintApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinMessageBoxes.h"
#include "skin/data/acSkinMessages.h"
#include "skin/render/acBackgroundQuery.h"
#include "skin/windows/acWindowRegion.h"
#include "tests/skin/windows/SkinProviderTestSupport.h"

namespace skin::test {

TEST_F(SkinnedForms, RegionRunsStayOnSmallWindows) {
  TsSkinProvider* p = ProviderOf(main);
  const TacSkinData& data = *p->SkinData();
  const int form = p->FCommonData->SkinIndex;
  // The stored skin's corners: five rows on top, three at the bottom, each run one row high.
  const std::vector<gfx::TRect> full = FrameRegionRects(data, form, p->FTitleSkinIndex, 670, 585);
  ASSERT_FALSE(full.empty());
  for (const gfx::TRect& r : full) EXPECT_EQ(r.Height(), 1);
  for (int w : {1, 3, 7, 12}) {
    for (const gfx::TRect& r : FrameRegionRects(data, form, p->FTitleSkinIndex, w, w)) {
      EXPECT_GE(r.Left, 0) << w;
      EXPECT_GE(r.Top, 0) << w;
      EXPECT_LE(r.Right, w) << w;
      EXPECT_LE(r.Bottom, w) << w;
      EXPECT_FALSE(r.IsEmpty());
    }
  }
  EXPECT_TRUE(FrameRegionRects(data, form, p->FTitleSkinIndex, 0, 10).empty());
}

TEST_F(SkinnedForms, NarrowWindowsKeepTheirButtonBackgroundInside) {
  forms::TForm* f = MakeForm(forms::TFormBorderStyle::bsSizeable, 10, 10);
  TsSkinProvider* p = ProviderOf(f);
  ASSERT_NE(p, nullptr);
  f->SetBounds(f->Left(), f->Top(), 30, 40);
  win::RunUntilIdle();
  p->FCommonData->BGChanged = true;
  ASSERT_TRUE(p->PaintAll());
  EXPECT_GE(p->TempBmpRect.Left, 0);
  EXPECT_LE(p->TempBmpRect.Right, p->FCommonData->FCacheBmp->Width());
  EXPECT_LE(p->TempBmpRect.Bottom, p->FCommonData->FCacheBmp->Height());
}

// A FORM section that declares no states paints and answers in state 0.
TEST_F(SkinnedForms, ASectionWithoutStatesUsesStateZero) {
  TsSkinProvider* p = ProviderOf(main);
  for (auto& d : manager->SkinDataArray)
    if (d && p->FCommonData->SkinIndex < static_cast<int>(d->gd.size()))
      d->gd[static_cast<std::size_t>(p->FCommonData->SkinIndex)].States = 0;
  p->FCommonData->BGChanged = true;
  EXPECT_TRUE(p->PaintAll());
  TsBackgroundQuery q;
  SendSkinCommand(main->Handle(), scGetBgInfo, reinterpret_cast<win::LPARAM>(&q));
  EXPECT_NE(q.Kind, bqNone);
}

// WM_PRINT of the whole window gives what is on the screen: frame from the picture,
// client and children on it.
TEST_F(SkinnedForms, PrintGivesTheWindowAsShown) {
  win::RedrawWindow(main->Handle(), nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ERASE);
  win::RunUntilIdle();
  const gfx::PixelBuffer shown = win::headless::CaptureWindow(main->Handle());
  gfx::PixelBuffer printed(670, 585);
  gfx::Surface dc(printed.View());
  win::SendMessage(main->Handle(), win::WM_PRINT, reinterpret_cast<win::WPARAM>(&dc),
                   win::PRF_NONCLIENT | win::PRF_CLIENT | win::PRF_CHILDREN | win::PRF_ERASEBKGND);
  int differing = 0;
  for (int y = 0; y < 585; ++y)
    for (int x = 0; x < 670; ++x) differing += (shown.Row32(y)[x] & 0xFFFFFFu) != (printed.Row32(y)[x] & 0xFFFFFFu);
  // Only the cut corners differ: the screen shows the desktop there.
  EXPECT_LE(differing, static_cast<int>(ProviderOf(main)->Rects.size()) * 5);
}

// After a resize by code the frame is painted at the new size.
TEST_F(SkinnedForms, AResizeByCodeRepaintsTheFrame) {
  forms::TForm* f = MakeInfo();
  TsSkinProvider* p = ProviderOf(f);
  f->SetBounds(f->Left(), f->Top(), 380, 300);
  win::RunUntilIdle();
  EXPECT_EQ(p->FCommonData->FCacheBmp->Width(), 380);
  EXPECT_EQ(p->ButtonClose.cpRect, (gfx::TRect{380 - 4 - 30, 2, 380 - 4, 23}));
  const gfx::PixelBuffer shot = win::headless::CaptureWindow(f->Handle());
  const Bitmap32& pic = *p->FCommonData->FCacheBmp;
  for (int y : {5, 12, 20})
    for (int x : {200, 360, 378}) EXPECT_EQ(shot.Row32(y)[x] & 0xFFFFFFu, pic.Row(y)[x] & 0xFFFFFFu) << x << "," << y;
}

// The message box's title band is exactly its non-client caption: the client starts below
// frame and caption, and the band is painted on all of it.
TEST_F(SkinnedForms, MessageBoxBandMatchesItsNonClientArea) {
  int frame = -1, caption = -1, offsetY = -1;
  bool done = false;
  // The watch stays in place until the call returns (a function must not free itself).
  win::headless::Screen().onIdle = [&](std::optional<std::uint64_t>) {
    if (done) return false;
    const win::HWND box = win::GetActiveWindow();
    auto* form = dynamic_cast<forms::TCustomForm*>(forms::TWinControl::FindControl(box));
    TsSkinProvider* p = form != nullptr ? ProviderOf(form) : nullptr;
    if (p == nullptr) return false;
    done = true;
    frame = p->FrameWidth();
    caption = p->CaptionHeight();
    offsetY = p->OffsetY();
    win::headless::Screen().Push(win::InputEvent::KeyDown(win::VK_RETURN));
    win::headless::Screen().Push(win::InputEvent::KeyUp(win::VK_RETURN));
    return true;
  };
  forms::ShowMessage(u"Error\r\nNo connection");
  win::headless::Screen().onIdle = nullptr;
  EXPECT_EQ(frame, 3);
  EXPECT_EQ(caption, 23);
  EXPECT_EQ(offsetY, frame + caption);
}

TEST_F(SkinnedForms, FormsAnswerWithTheirProvider) {
  TsSkinProvider* p = ProviderOf(main);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(SendSkinCommand(main->Handle(), scGetSkinProvider, 0), reinterpret_cast<win::LRESULT>(p));
  forms::TForm* plain = MakeForm(forms::TFormBorderStyle::bsSingle, 100, 100, 256);
  EXPECT_EQ(win::SendMessage(plain->Handle(), SkinCmdMessage, SkinCmdWParam(scGetSkinProvider), 0), 0);
  // A second run-time provider on a form replaces the first.
  TsSkinProvider* second = TsSkinProvider::CreateRT(main, true);
  EXPECT_EQ(ProviderOf(main), second);
  EXPECT_EQ(SkinnedWindowAt(0)->SkinProvider, second);
  win::RedrawWindow(main->Handle(), nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE);
  win::RunUntilIdle();
  EXPECT_TRUE(second->FrameSkinned());
}

}  // namespace skin::test

namespace skin::test {

namespace {

std::vector<char>& HookOrder() {
  static std::vector<char> order;
  return order;
}
win::HHOOK g_olderHook = nullptr;
win::LRESULT OlderHook(int code, win::WPARAM wp, win::LPARAM lp) {
  if (code == win::HCBT_CREATEWND) HookOrder().push_back('o');
  return win::CallNextHookEx(g_olderHook, code, wp, lp);
}

}  // namespace

// The skin's hook passes every call on first and acts afterwards.
TEST_F(ManagerTest, TheSkinHookRunsAfterTheNextHook) {
  HookOrder().clear();
  g_olderHook = win::SetWindowsHookEx(win::WH_CBT, &OlderHook, nullptr, win::GetCurrentThreadId());
  MakeProgramManager();
  ASSERT_TRUE(acSkinHookInstalled());
  SetSkinHookHandler([](int code, win::WPARAM, win::LPARAM) {
    if (code == win::HCBT_CREATEWND) HookOrder().push_back('s');
  });
  HookOrder().clear();
  forms::TForm* other = nullptr;
  forms::Application->CreateForm(other);
  other->Handle();
  SetSkinHookHandler(nullptr);
  win::UnhookWindowsHookEx(g_olderHook);
  ASSERT_GE(HookOrder().size(), 2u);
  EXPECT_EQ(HookOrder()[0], 'o');
  EXPECT_EQ(HookOrder()[1], 's');
}

}  // namespace skin::test

namespace skin::test {

// The skin engine's own warning boxes keep the platform look (they may report a broken
// skin); a provider on a component that is not a form warns and stays inert.
TEST_F(SkinnedForms, SkinWarningBoxesAreNotSkinned) {
  TacFormsMessageSink boxes;
  TacScopedMessageSink scope(boxes);
  bool seen = false, skinned = true;
  win::headless::Screen().onIdle = [&](std::optional<std::uint64_t>) {
    if (seen) return false;
    auto* box = dynamic_cast<forms::TCustomForm*>(forms::TWinControl::FindControl(win::GetActiveWindow()));
    if (box == nullptr || box == main) return false;
    seen = true;
    skinned = ProviderOf(box) != nullptr;
    win::headless::Screen().Push(win::InputEvent::KeyDown(win::VK_RETURN));
    win::headless::Screen().Push(win::InputEvent::KeyUp(win::VK_RETURN));
    return true;
  };
  auto* notAForm = new TsSkinProvider(manager);
  win::headless::Screen().onIdle = nullptr;
  EXPECT_TRUE(seen);
  EXPECT_FALSE(skinned);
  EXPECT_FALSE(notAForm->FrameSkinned());
  EXPECT_EQ(notAForm->Form, nullptr);
}

}  // namespace skin::test
