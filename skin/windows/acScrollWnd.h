#pragma once
// TacScrollWnd: the adapter part that gives a window with the platform's scroll bar styles
// skinned scroll bars in its non-client area. The window keeps the platform's scroll model
// (range, page, position, the WM_HSCROLL / WM_VSCROLL requests); the adapter reserves the
// bars' room itself, answers hit tests over them, paints them from the skin and runs their
// mouse handling (acScrollTracking). It does not paint the window's frame or client area:
// subclasses (TacEditWnd) do. The window carries the property "ACSBSC" naming it.
#include "skin/windows/acMainWnd.h"
#include "skin/windows/acScrollBar.h"

namespace gfx {
class Surface;
}

namespace skin {

inline constexpr char16_t acScrollWndProp[] = u"ACSBSC";

class TacScrollWnd : public TacMainWnd {
 public:
  TacScrollWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager, TsCommonData* skinData);
  ~TacScrollWnd() override;

  // ---- Fields ----
  TacScrollBar sBarHorz;
  TacScrollBar sBarVert;
  bool fLeftScrollbar = false;
  bool fThumbTracking = false;
  bool ScrollsInitialized = false;
  bool bPreventStyleChange = false;
  int cxLeftEdge = 0, cxRightEdge = 0, cyTopEdge = 0, cyBottomEdge = 0;

  // The adapter named by a window's "ACSBSC", or nullptr.
  static TacScrollWnd* ScrollWndOf(win::HWND wnd);

  // ---- Geometry (window coordinates) ----
  TacScrollBar& Bar(int barType) { return barType == 1 ? sBarVert : sBarHorz; }
  // Thickness of a bar and length of its arrow buttons.
  int BarThickness(const TacScrollBar& sb) const;
  int ButtonLength(const TacScrollBar& sb) const;
  // The bar's rectangle (empty when it is not shown) and the corner box (empty unless both
  // bars show).
  gfx::TRect BarRect(const TacScrollBar& sb) const;
  gfx::TRect CornerRect() const;
  // Start and end of the bar along it, without the extra button areas.
  void BarExtent(const TacScrollBar& sb, const gfx::TRect& r, int& s, int& e) const;
  // The part under a window point, spNone outside the bar.
  int PartAt(const TacScrollBar& sb, gfx::TPoint p, bool shift) const;
  // The bar can be used: its information can be read, it is not unavailable, not both
  // arrows are disabled, and the window is enabled.
  bool BarEnabled(const TacScrollBar& sb) const;

  // ---- Refresh and painting ----
  // Re-reads both bars' scroll information; repaints them when asked.
  void RefreshScrolls(bool repaint);
  void ReadScrollInfo(TacScrollBar& sb);
  // Paints one bar onto dc (window coordinates); thumbStart >= 0 draws the thumb there
  // pressed, as a running drag shows it.
  void PaintBar(TacScrollBar& sb, gfx::Surface* dc, int thumbStart = -1);
  // Paints both bars and the corner box onto dc, or onto the window's own surface.
  void PaintBars(gfx::Surface* dc = nullptr);
  void PaintCorner(gfx::Surface* dc);
  // Whether the bars may be painted now (skin active, not updating, owner visible).
  bool CanPaintBars() const;

 protected:
  void acWndProc(forms::TMessage& m) override;
  void WindowGone() override;
  void LetGo() override;
  // The border widening by a negative ScrollBorderOffset applies to this kind of window.
  virtual bool WidensClientByBorderOffset() const { return true; }
  // Non-client layout is left to the window (single-line edits).
  virtual bool KeepsOwnNCLayout() const { return false; }
  // Paints the frame around the client area (subclasses); the bars come after it.
  virtual void PaintFrame(gfx::Surface* dc, forms::TMessage& m);

  void WMNCCalcSize(forms::TMessage& m);
  void WMNCHitTest(forms::TMessage& m);
  void WMNCPaint(forms::TMessage& m);
  void WMPrint(forms::TMessage& m);
  void WMStyleChanged(forms::TMessage& m);
  void WMMouseWheel(forms::TMessage& m);
  void WMCaptureChanged(forms::TMessage& m);
  // Skin changes reach an adapter with a skin state of its own here: it binds the state
  // again and lays out and repaints its frame.
  void SkinCommand(forms::TMessage& m);
  // Everything else: passed on, then the bars refreshed when the message may have moved
  // the content.
  void PassOn(forms::TMessage& m);

 private:
  void InitScrollBar(TacScrollBar& sb, int barType);
  // Timers, tracking and the property go; the window gets its own bars back. Once.
  void GiveBarsBack();

  bool barsGivenBack_ = false;
};

// Messages after which the bars are refreshed (size, font, keys, left button, text
// replacement, list item changes, wheel, focus).
bool MovesContent(win::UINT msg);

}  // namespace skin
