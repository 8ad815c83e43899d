#include "skin/windows/acStaticWnd.h"

#include <algorithm>

#include "platform/ctl/StaticApi.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/IconApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acBitmapText.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/windows/acChildPicture.h"

namespace skin {

namespace {

win::DWORD StyleOf(win::HWND h) { return static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_STYLE)); }

// The text format of a static's style, as the control itself lays its text out.
unsigned TextFormat(win::DWORD st) {
  unsigned f = gfx::DT_EXPANDTABS;
  switch (st & ctl::SS_TYPEMASK) {
    case ctl::SS_CENTER: f |= gfx::DT_CENTER | gfx::DT_WORDBREAK; break;
    case ctl::SS_RIGHT: f |= gfx::DT_RIGHT | gfx::DT_WORDBREAK; break;
    case ctl::SS_LEFTNOWORDWRAP:
    case ctl::SS_SIMPLE: f |= gfx::DT_SINGLELINE; break;
    default: f |= gfx::DT_WORDBREAK; break;
  }
  if (st & ctl::SS_NOPREFIX) f |= gfx::DT_NOPREFIX;
  if (st & ctl::SS_EDITCONTROL) f |= gfx::DT_EDITCONTROL;
  if (st & ctl::SS_CENTERIMAGE) f = (f & ~gfx::DT_WORDBREAK) | gfx::DT_SINGLELINE | gfx::DT_VCENTER;
  if ((st & ctl::SS_PATHELLIPSIS) == ctl::SS_PATHELLIPSIS) f |= gfx::DT_PATH_ELLIPSIS;
  else if (st & ctl::SS_ENDELLIPSIS) f |= gfx::DT_END_ELLIPSIS;
  return f;
}

// Half way between two colours (the disabled text).
TColor Halfway(TColor a, TColor b) {
  auto ch = [](TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
  TColor r = 0;
  for (int shift : {0, 8, 16}) r |= static_cast<TColor>((ch(a, shift) + ch(b, shift)) / 2) << shift;
  return r;
}

}  // namespace

TacStaticWnd::TacStaticWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager)
    : TacMainWnd(wnd, params, manager, nullptr) {
  if (WindowAlive()) win::InvalidateRect(CtrlHandle, nullptr, win::FALSE);
}

TacStaticWnd::~TacStaticWnd() {
  if (WindowAlive()) win::InvalidateRect(CtrlHandle, nullptr, win::TRUE);
}

bool TacStaticWnd::Skinned() const {
  const TsSkinManager* m = SkinManager != nullptr ? SkinManager : DefaultManager();
  return m != nullptr && m->IsActive();
}

TColor TacStaticWnd::TextColor() const {
  const TsSkinManager* m = SkinManager != nullptr ? SkinManager : DefaultManager();
  return m != nullptr ? m->GetGlobalFontColor() : 0;
}

void TacStaticWnd::PaintPicture(Bitmap32& bmp) {
  FillWithBackground(CtrlHandle, bmp);
  const std::u16string text = win::GetWindowText(CtrlHandle);
  if (text.empty()) return;
  bmp.Canvas().SetFont(WindowFont(CtrlHandle));
  TColor color = TextColor();
  if (!win::IsWindowEnabled(CtrlHandle)) {
    const TsSkinManager* m = SkinManager != nullptr ? SkinManager : DefaultManager();
    color = Halfway(color, m != nullptr ? m->GetGlobalColor() : color);
  }
  DrawTextOnBitmap32(&bmp, text, false, color, TextFormat(StyleOf(CtrlHandle)), {0, 0, bmp.Width(), bmp.Height()});
}

void TacIconWnd::PaintPicture(Bitmap32& bmp) {
  FillWithBackground(CtrlHandle, bmp);
  auto icon = reinterpret_cast<win::HICON>(win::SendMessage(CtrlHandle, ctl::STM_GETICON, 0, 0));
  if (icon == nullptr) return;
  const win::SIZE s = win::GetIconSize(icon);
  const bool centred = (StyleOf(CtrlHandle) & ctl::SS_CENTERIMAGE) != 0;
  const int x = centred ? (bmp.Width() - s.cx) / 2 : 0, y = centred ? (bmp.Height() - s.cy) / 2 : 0;
  win::DrawIconEx(&bmp.Canvas(), x, y, icon, 0, 0);
}

void TacStaticWnd::acWndProc(forms::TMessage& m) {
  if (!Skinned()) {
    CallPrevious(m);
    return;
  }
  switch (m.Msg) {
    case win::WM_PAINT:
    case win::WM_PRINTCLIENT: PaintClientPicture(CtrlHandle, m, [this](Bitmap32& bmp) { PaintPicture(bmp); }); return;
    case win::WM_ERASEBKGND: m.Result = 1; return;
    case SkinCmdMessage:
      switch (SkinCmdOf(m.WParam)) {
        case scNewSkin:
        case scRefresh:
        case scParentBgChanged:
          if (WindowAlive()) win::InvalidateRect(CtrlHandle, nullptr, win::FALSE);
          m.Result = 0;
          return;
        case scIsSkinned: m.Result = 1; return;
        default: CallPrevious(m); return;
      }
    default: CallPrevious(m); return;
  }
}

}  // namespace skin
