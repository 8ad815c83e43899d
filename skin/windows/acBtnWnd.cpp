#include "skin/windows/acBtnWnd.h"

#include <algorithm>

#include "platform/ctl/ButtonApi.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/IconApi.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acButtonCommon.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/acControlText.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acTextMeasure.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/windows/acChildPicture.h"

namespace skin {

namespace {

TacSkinParams WithButtonSection(TacSkinParams p) {
  static const std::u16string kSection = u"BUTTON";
  if (p.SkinSection.empty()) p.SkinSection = kSection;
  return p;
}

constexpr int kFocusMargin = 1;
constexpr int kContentMargin = 6;

}  // namespace

TacBtnWnd::TacBtnWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager, TsCommonData* skinData)
    : TacMainWnd(wnd, WithButtonSection(params), manager, skinData) {
  if (OwnSkinData && SkinData != nullptr) SkinData->COC = cocButton;
  Invalidate();
}

TacBtnWnd::~TacBtnWnd() {
  // The window paints itself again in its own look.
  if (WindowAlive()) win::InvalidateRect(CtrlHandle, nullptr, win::TRUE);
}

bool TacBtnWnd::Skinned() const {
  if (SkinData == nullptr || SkinData->SkinIndex < 0) return false;
  const TsSkinManager* m = SkinData->GetSkinManager();
  return m != nullptr && m->IsActive();
}

int TacBtnWnd::CurrentState() const {
  if (!WindowAlive()) return 0;
  const auto state = win::SendMessage(CtrlHandle, ctl::BM_GETSTATE, 0, 0);
  if ((state & ctl::BST_PUSHED) != 0) return 2;
  if (hot_) return 1;
  const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(CtrlHandle, win::GWL_STYLE));
  return (style & ctl::BS_TYPEMASK) == ctl::BS_DEFPUSHBUTTON ? 3 : 0;
}

void TacBtnWnd::Invalidate() {
  if (WindowAlive() && !DontRepaint) win::InvalidateRect(CtrlHandle, nullptr, win::FALSE);
}

void TacBtnWnd::SetHot(bool hot) {
  if (hot == hot_) return;
  hot_ = hot;
  Invalidate();
}

void TacBtnWnd::PaintPicture(Bitmap32& bmp) {
  TacSkinData* data = SkinData->GetCommonSkinData();
  const TsGeneralData* g = SkinData->Section();
  const int w = bmp.Width(), h = bmp.Height();
  const int cs = CurrentState();
  const int s = ButtonPictureState(g, cs);
  const TacBgInfo bg = BackgroundBehind(CtrlHandle);
  // Corners the border image leaves open show the parent.
  FillWithBackground(CtrlHandle, bmp);
  PaintSection(SkinData->SkinIndex, bg, -1, -1, data, &bmp, PositionInParent(CtrlHandle), {0, 0, w, h}, s);
  const bool enabled = win::IsWindowEnabled(CtrlHandle) != win::FALSE;
  const bool shift = cs == 2 && ButtonShiftsContent(*SkinData);
  const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(CtrlHandle, win::GWL_STYLE));
  gfx::Surface& c = bmp.Canvas();
  c.SetFont(WindowFont(CtrlHandle));
  gfx::TRect content{0, 0, 0, 0};
  auto icon = reinterpret_cast<win::HICON>(win::SendMessage(CtrlHandle, ctl::BM_GETIMAGE, ctl::IMAGE_ICON, 0));
  if ((style & ctl::BS_ICON) != 0 && icon != nullptr) {
    const win::SIZE is = win::GetIconSize(icon);
    content = gfx::Bounds((w - is.cx) / 2, (h - is.cy) / 2, is.cx, is.cy);
    if (shift) content = content.Offset(1, 1);
    win::DrawIconEx(&c, content.Left, content.Top, icon, 0, 0);
    // The icon's pixels are opaque.
    for (int y = std::max(0, content.Top); y < std::min(h, content.Bottom); ++y)
      for (int x = std::max(0, content.Left); x < std::min(w, content.Right); ++x) bmp.Row(y)[x] |= 0xFF000000u;
  } else {
    const std::u16string text = win::GetWindowText(CtrlHandle);
    const unsigned lines = (style & ctl::BS_MULTILINE) != 0 ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE;
    gfx::TRect r{kContentMargin, 0, w - kContentMargin, 0};
    if (!text.empty()) DrawTextPlain(c, text, r, gfx::DT_CALCRECT | gfx::DT_EXPANDTABS | lines);
    const int tw = text.empty() ? 0 : r.Width(), th = text.empty() ? 0 : r.Height();
    content = gfx::Bounds((w - tw) / 2, (h - th) / 2, tw, th);
    if (shift) content = content.Offset(1, 1);
    if (!text.empty())
      WriteControlText(c, text, enabled, false, s, *SkinData,
                       gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_EXPANDTABS | lines, content);
  }
  if (win::GetFocus() == CtrlHandle && enabled && g != nullptr && !content.IsEmpty())
    DrawButtonFocusRect(c, content, kFocusMargin, h, *g);
}

void TacBtnWnd::acWndProc(forms::TMessage& m) {
  if (!Skinned()) {
    CallPrevious(m);
    return;
  }
  switch (m.Msg) {
    case win::WM_PAINT:
    case win::WM_PRINTCLIENT: PaintClientPicture(CtrlHandle, m, [this](Bitmap32& bmp) { PaintPicture(bmp); }); return;
    case win::WM_ERASEBKGND: m.Result = 1; return;
    case win::WM_MOUSEMOVE: {
      CallPrevious(m);
      if (!WindowAlive() || hot_) return;
      win::TRACKMOUSEEVENT tme{};
      tme.dwFlags = win::TME_LEAVE;
      tme.hwndTrack = CtrlHandle;
      win::TrackMouseEvent(&tme);
      SetHot(true);
      return;
    }
    case win::WM_MOUSELEAVE:
      CallPrevious(m);
      SetHot(false);
      return;
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK:
      FMouseClicked = true;
      CallPrevious(m);
      return;
    case win::WM_LBUTTONUP:
      FMouseClicked = false;
      CallPrevious(m);
      Invalidate();
      return;
    case win::WM_ENABLE:
      if (m.WParam == 0) hot_ = false;
      CallPrevious(m);
      Invalidate();
      return;
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS:
    case ctl::BM_SETSTYLE:
    case ctl::BM_SETSTATE:
      CallPrevious(m);
      Invalidate();
      return;
    case SkinCmdMessage:
      switch (SkinCmdOf(m.WParam)) {
        case scNewSkin:
        case scRefresh:
          SkinData->UpdateIndexes(true);
          Invalidate();
          m.Result = 0;
          return;
        case scIsSkinned: m.Result = 1; return;
        default: CallPrevious(m); return;
      }
    default: CallPrevious(m); return;
  }
}

}  // namespace skin
