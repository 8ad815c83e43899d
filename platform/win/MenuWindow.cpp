// The popup menu window (class "#32768"): measuring and painting a menu level in the
// classic look: a raised border, items in the menu font with their underlined access
// letters, shortcut texts aligned on the right, check marks, submenu arrows, etched
// greyed items, the highlighted item in the selection colours and the default item in
// bold.
#include <algorithm>

#include "platform/gfx/ClassicLook.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/HitCodes.h"
#include "platform/win/MenuApi.h"
#include "platform/win/MenuLevel.h"
#include "platform/win/MenuObject.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace win::detail {

namespace {

using gfx::TRect;

constexpr int kFrame = 3;  // two raised edges and a pixel of menu colour, at every density

// Sizes at 96 dots per inch, scaled to the screen's density by Px.
constexpr int kCheckColumn = 20;  // room for a check mark left of the text
constexpr int kArrowColumn = 18;  // room for a submenu arrow right of the shortcut
constexpr int kShortcutGap = 24;
constexpr int kSeparator = 9;
constexpr int kMinItemHeight = 17;
constexpr int kMinWidth = 80;

int Px(int size96) { return ScaleForDpi(size96, GetDpiForSystem()); }

gfx::Font MenuFont(bool bold) {
  gfx::FontDesc f = GetMenuFont(GetDpiForSystem());
  if (bold) f.weight = gfx::FW_BOLD;
  return gfx::Font(f);
}

int ItemHeight(gfx::Surface& s) { return std::max(Px(kMinItemHeight), s.GetTextMetrics().tmHeight + 5); }

void DrawCheck(gfx::Surface& s, int x, int y, gfx::TColor c) {
  // A tick seven pixels wide, three pixels thick.
  for (int i = 0; i < 7; ++i) {
    int top = i < 3 ? y + 2 + i : y + 4 - (i - 2);
    s.FillRect(gfx::Bounds(x + i, top, 1, 3), c);
  }
}

void DrawArrow(gfx::Surface& s, int x, int y, gfx::TColor c) {
  for (int i = 0; i < 4; ++i) s.FillRect(gfx::Bounds(x + i, y + i, 1, 7 - 2 * i), c);
}

}  // namespace

void LayoutMenu(const Menu& menu, MenuLevel& level) {
  gfx::PixelBuffer scratch(1, 1);
  gfx::Surface s(scratch.View());
  int label = 0, shortcut = 0;
  bool arrows = false;
  int h = 0;
  for (const MenuItem& it : menu.items) {
    if (it.Separator()) continue;
    s.SetFont(MenuFont((it.flags & MF_DEFAULT) != 0));
    h = std::max(h, ItemHeight(s));
    gfx::TRect r{0, 0, 0, 0};
    std::u16string l = it.Label();
    s.DrawText(l.empty() ? u" " : l, r, gfx::DT_SINGLELINE | gfx::DT_CALCRECT);
    label = std::max(label, r.Width());
    std::u16string sc = it.Shortcut();
    if (!sc.empty()) shortcut = std::max(shortcut, s.TextExtent(sc).cx);
    if (it.flags & MF_POPUP) arrows = true;
  }
  if (h == 0) {
    s.SetFont(MenuFont(false));
    h = ItemHeight(s);
  }
  int width = kFrame + Px(kCheckColumn) + label + (shortcut ? Px(kShortcutGap) + shortcut : 0) +
              Px(arrows || shortcut ? kArrowColumn : 12) + kFrame;
  width = std::max(width, Px(kMinWidth));
  level.items.clear();
  int y = kFrame;
  for (const MenuItem& it : menu.items) {
    int ih = it.Separator() ? Px(kSeparator) : h;
    level.items.push_back({kFrame, y, width - kFrame, y + ih});
    y += ih;
  }
  level.size = {width, std::max(y + kFrame, 2 * kFrame + 4)};
}

void PaintMenu(gfx::Surface& s, const Menu& menu, const MenuLevel& level) {
  TRect r{0, 0, level.size.cx, level.size.cy};
  s.FillRect(r, gfx::GetSysColor(gfx::COLOR_MENU));
  gfx::classic::DrawEdge(s, r, gfx::classic::Edge::RaisedWindow, gfx::classic::EmptyRect::AsPlaced);
  s.SetBkMode(gfx::BkMode::Transparent);
  for (std::size_t i = 0; i < menu.items.size() && i < level.items.size(); ++i) {
    const MenuItem& it = menu.items[i];
    TRect box = level.items[i];
    if (it.Separator()) {
      int y = box.Top + box.Height() / 2 - 1;
      s.FillRect({box.Left + 1, y, box.Right - 1, y + 1}, gfx::GetSysColor(gfx::COLOR_BTNSHADOW));
      s.FillRect({box.Left + 1, y + 1, box.Right - 1, y + 2}, gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT));
      continue;
    }
    bool hot = static_cast<int>(i) == level.hot;
    bool grey = it.Greyed();
    if (hot) s.FillRect(box, gfx::GetSysColor(gfx::COLOR_HIGHLIGHT));
    gfx::TColor text = gfx::GetSysColor(hot ? gfx::COLOR_HIGHLIGHTTEXT : gfx::COLOR_MENUTEXT);
    s.SetFont(MenuFont((it.flags & MF_DEFAULT) != 0));
    TRect labelBox{box.Left + Px(kCheckColumn), box.Top, box.Right - Px(kArrowColumn), box.Bottom};
    std::u16string sc = it.Shortcut();
    auto draw = [&](int dx, gfx::TColor c) {
      s.SetTextColor(c);
      TRect a = labelBox.Offset(dx, dx);
      s.DrawText(it.Label(), a, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT);
      if (!sc.empty()) {
        TRect b = labelBox.Offset(dx, dx);
        s.DrawText(sc, b, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_RIGHT | gfx::DT_NOPREFIX);
      }
      int glyphTop = box.Top + (box.Height() - 7) / 2 + dx;
      if (it.flags & MF_CHECKED) DrawCheck(s, box.Left + (Px(kCheckColumn) - 7) / 2 + dx, glyphTop - 1, c);
      if (it.flags & MF_POPUP) DrawArrow(s, box.Right - (Px(kArrowColumn) + 4) / 2 + dx, glyphTop, c);
    };
    if (grey && !hot) {
      draw(1, gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT));  // the etched look
      draw(0, gfx::GetSysColor(gfx::COLOR_GRAYTEXT));
    } else {
      draw(0, grey ? gfx::GetSysColor(gfx::COLOR_GRAYTEXT) : text);
    }
  }
}

int MenuItemAt(const MenuLevel& level, gfx::TPoint p) {
  for (std::size_t i = 0; i < level.items.size(); ++i)
    if (level.items[i].Contains(p)) return static_cast<int>(i);
  return -1;
}

LRESULT MenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      auto* level = reinterpret_cast<const MenuLevel*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
      if (dc && level)
        if (const Menu* m = FindMenu(level->menu)) PaintMenu(*dc, *m, *level);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCHITTEST: return HTCLIENT;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace win::detail
