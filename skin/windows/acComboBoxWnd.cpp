#include "skin/windows/acComboBoxWnd.h"

#include <algorithm>

#include "platform/ctl/ComboBoxApi.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acArrow.h"
#include "skin/render/acBitmapText.h"
#include "skin/render/acDottedFrame.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/windows/acChildPicture.h"
#include "skin/windows/acEditWnd.h"

namespace skin {

namespace {

TacSkinParams WithComboSection(TacSkinParams p) {
  static const std::u16string kSection = u"COMBOBOX";
  if (p.SkinSection.empty()) p.SkinSection = kSection;
  return p;
}

ctl::COMBOBOXINFO InfoOf(win::HWND h) {
  ctl::COMBOBOXINFO info;
  win::SendMessage(h, ctl::CB_GETCOMBOBOXINFO, 0, reinterpret_cast<win::LPARAM>(&info));
  return info;
}

}  // namespace

TacComboBoxWnd::TacComboBoxWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager)
    : TacMainWnd(wnd, WithComboSection(params), manager, nullptr) {
  if (!WindowAlive()) return;
  // The drop-down list is a popup of its own, not a child: it is adapted here.
  const ctl::COMBOBOXINFO info = InfoOf(wnd);
  if (info.hwndList != nullptr && TacMainWnd::AdapterOf(info.hwndList) == nullptr) {
    TacSkinParams lp;
    lp.SkinSection = Params.SkinSection;
    list_ = std::make_unique<TacEditWnd>(info.hwndList, lp, manager, nullptr);
  }
  Invalidate();
}

TacComboBoxWnd::~TacComboBoxWnd() {
  list_.reset();
  if (WindowAlive()) win::InvalidateRect(CtrlHandle, nullptr, win::TRUE);
}

void TacComboBoxWnd::WindowGone() { list_.reset(); }

bool TacComboBoxWnd::Skinned() const {
  if (SkinData == nullptr || SkinData->SkinIndex < 0) return false;
  const TsSkinManager* m = SkinData->GetSkinManager();
  return m != nullptr && m->IsActive();
}

void TacComboBoxWnd::Invalidate() {
  if (WindowAlive() && !DontRepaint) win::InvalidateRect(CtrlHandle, nullptr, win::FALSE);
}

void TacComboBoxWnd::PaintPicture(Bitmap32& bmp) {
  TacSkinData* data = SkinData->GetCommonSkinData();
  const TsGeneralData* g = SkinData->Section();
  const int w = bmp.Width(), h = bmp.Height();
  const bool focused = win::GetFocus() == CtrlHandle;
  const bool enabled = win::IsWindowEnabled(CtrlHandle) != win::FALSE;
  const int state = g != nullptr ? SectionState(*g, (hot_ || focused) && enabled ? 1 : 0) : 0;
  FillWithBackground(CtrlHandle, bmp);
  PaintSection(SkinData->SkinIndex, BackgroundBehind(CtrlHandle), -1, -1, data, &bmp, PositionInParent(CtrlHandle),
               {0, 0, w, h}, state);
  const TColor font = g != nullptr ? g->Props[static_cast<std::size_t>(std::min(state, 2))].FontColor.Color : 0;
  const ctl::COMBOBOXINFO info = InfoOf(CtrlHandle);
  gfx::TRect button = info.rcButton;
  if (button.IsEmpty()) button = {w - h, 0, w, h};
  if (win::SendMessage(CtrlHandle, ctl::CB_GETDROPPEDSTATE, 0, 0) != 0) button = button.Offset(1, 1);
  DrawArrow(&bmp, font | 0xFF000000u, button, SkinData->CurrentPPI, asBottom);
  const auto sel = win::SendMessage(CtrlHandle, ctl::CB_GETCURSEL, 0, 0);
  gfx::TRect field = info.rcItem;
  if (field.IsEmpty()) field = {2, 2, button.Left - 1, h - 2};
  if (sel >= 0) {
    const auto len = win::SendMessage(CtrlHandle, ctl::CB_GETLBTEXTLEN, static_cast<win::WPARAM>(sel), 0);
    if (len > 0) {
      std::u16string text(static_cast<std::size_t>(len) + 1, u'\0');
      win::SendMessage(CtrlHandle, ctl::CB_GETLBTEXT, static_cast<win::WPARAM>(sel),
                       reinterpret_cast<win::LPARAM>(text.data()));
      text.resize(static_cast<std::size_t>(len));
      bmp.Canvas().SetFont(WindowFont(CtrlHandle));
      const gfx::TRect t{field.Left + 3, field.Top, field.Right - 1, field.Bottom};
      DrawTextOnBitmap32(&bmp, text, false, font,
                         gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX | gfx::DT_END_ELLIPSIS, t);
    }
  }
  if (focused && enabled)
    DrawDottedFrame(bmp.Canvas(), {field.Left + 1, field.Top + 1, field.Right - 1, field.Bottom - 1}, font, clNone);
}

void TacComboBoxWnd::acWndProc(forms::TMessage& m) {
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
      hot_ = true;
      Invalidate();
      return;
    }
    case win::WM_MOUSELEAVE:
      CallPrevious(m);
      hot_ = false;
      Invalidate();
      return;
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS:
    case win::WM_ENABLE:
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
