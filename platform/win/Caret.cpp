// The caret: an inverted rectangle in its window's client area that blinks on a timer.
#include "platform/gfx/Surface.h"
#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/PaintApi.h"

namespace win {
namespace detail {

namespace {

constexpr UINT kBlinkMs = 530;

void Invert() {
  CaretState& c = S().caret;
  HDC dc = GetDC(c.owner);
  if (!dc) return;
  dc->InvertRect(gfx::Bounds(c.pos.X, c.pos.Y, c.size.cx, c.size.cy));
  ReleaseDC(c.owner, dc);
  c.drawn = !c.drawn;
}

// Brings the pixels in line with the caret's state.
void Sync() {
  CaretState& c = S().caret;
  bool want = c.owner && W(c.owner) && c.hidden == 0 && c.blinkOn && !W(c.owner)->paint.inPaint;
  if (want != c.drawn) Invert();
}

void Blink(HWND, UINT, UINT_PTR, DWORD) {
  CaretState& c = S().caret;
  c.blinkOn = !c.blinkOn;
  Sync();
}

void Restart() {
  CaretState& c = S().caret;
  c.blinkOn = true;
  if (c.timer) c.timer = SetTimer(nullptr, c.timer, kBlinkMs, &Blink);
}

}  // namespace

void CaretBeforePaint(HWND hwnd) {
  CaretState& c = S().caret;
  if (c.owner == hwnd && c.drawn) Invert();
}

void CaretAfterPaint(HWND hwnd) {
  if (S().caret.owner == hwnd) Sync();
}

void CaretWindowGone(HWND hwnd) {
  CaretState& c = S().caret;
  if (c.owner != hwnd) return;
  if (c.timer) KillTimer(nullptr, c.timer);
  c = {};
}

}  // namespace detail

using namespace detail;

BOOL CreateCaret(HWND hwnd, int width, int height) {
  if (!W(hwnd)) return FALSE;
  DestroyCaret();
  CaretState& c = S().caret;
  c.owner = hwnd;
  c.size = {width > 0 ? width : 1, height > 0 ? height : 1};
  c.timer = SetTimer(nullptr, 0, kBlinkMs, &Blink);
  return TRUE;
}

BOOL DestroyCaret() {
  CaretState& c = S().caret;
  if (!c.owner) return FALSE;
  c.hidden = 1;
  Sync();
  if (c.timer) KillTimer(nullptr, c.timer);
  c = {};
  return TRUE;
}

BOOL SetCaretPos(int x, int y) {
  CaretState& c = S().caret;
  if (!c.owner) return FALSE;
  if (c.pos == gfx::TPoint{x, y}) return TRUE;
  if (c.drawn) Invert();
  c.pos = {x, y};
  Restart();
  Sync();
  return TRUE;
}

BOOL GetCaretPos(POINT* pt) {
  CaretState& c = S().caret;
  if (!pt || !c.owner) return FALSE;
  *pt = c.pos;
  return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
  CaretState& c = S().caret;
  if (!c.owner || (hwnd && hwnd != c.owner) || c.hidden == 0) return FALSE;
  if (--c.hidden == 0) Restart();
  Sync();
  return TRUE;
}

BOOL HideCaret(HWND hwnd) {
  CaretState& c = S().caret;
  if (!c.owner || (hwnd && hwnd != c.owner)) return FALSE;
  ++c.hidden;
  Sync();
  return TRUE;
}

UINT GetCaretBlinkTime() { return kBlinkMs; }

bool CaretDrawn() { return HasState() && S().caret.drawn; }

}  // namespace win
