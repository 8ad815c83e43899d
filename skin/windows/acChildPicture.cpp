#include "skin/windows/acChildPicture.h"

#include "platform/ctl/ClassicDraw.h"
#include "platform/gfx/Surface.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acBackgroundQuery.h"
#include "skin/render/acSectionBehind.h"
#include "skin/render/pixels/Bitmap32.h"

namespace skin {

gfx::TPoint PositionInParent(win::HWND wnd) {
  win::RECT r{};
  win::GetWindowRect(wnd, &r);
  win::POINT at{r.Left, r.Top};
  if (win::HWND parent = win::GetParent(wnd)) win::ScreenToClient(parent, &at);
  return {at.X, at.Y};
}

TacBgInfo BackgroundBehind(win::HWND wnd) {
  TsBackgroundQuery q;
  QueryParentBackground(q, win::GetParent(wnd), false);
  return ToBgInfo(q);
}

void FillWithBackground(win::HWND wnd, Bitmap32& bmp) {
  const TacBgInfo bg = BackgroundBehind(wnd);
  const TsSkinManager* m = DefaultManager();
  const TColor fallback = m != nullptr ? m->GetGlobalColor() : KeyColor;
  GiveBehind(&bmp, {0, 0, bmp.Width(), bmp.Height()}, BgAtTarget(bg, PositionInParent(wnd), {0, 0}), fallback);
}

gfx::Font WindowFont(win::HWND wnd) {
  return ctl::draw::FontOf(reinterpret_cast<const void*>(win::SendMessage(wnd, win::WM_GETFONT, 0, 0)));
}

void PaintClientPicture(win::HWND wnd, forms::TMessage& m, const std::function<void(Bitmap32&)>& paint) {
  win::RECT c{};
  win::GetClientRect(wnd, &c);
  auto put = [&](win::HDC dc) {
    if (dc == nullptr || c.Width() <= 0 || c.Height() <= 0) return;
    Bitmap32 bmp(c.Width(), c.Height());
    paint(bmp);
    dc->BitBlt(0, 0, c.Width(), c.Height(), bmp.Canvas(), 0, 0, gfx::SRCCOPY);
  };
  m.Result = 0;
  if (m.Msg == win::WM_PRINTCLIENT || m.WParam != 0) {
    put(reinterpret_cast<win::HDC>(m.WParam));
    return;
  }
  win::PAINTSTRUCT ps;
  win::HDC dc = win::BeginPaint(wnd, &ps);
  put(dc);
  win::EndPaint(wnd, &ps);
}

}  // namespace skin
