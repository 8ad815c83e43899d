// The platform facade: surfaces, objects, attributes, clipping, fills and copies.
#include "platform/gfx/Gdi.h"

#include <array>

namespace gfx {
namespace {

template <class T>
T* MakeStock(T* obj) {
  obj->MarkStock();
  return obj;
}

// Stock objects live as long as the program; they are made on first use.
GdiObject* Stock(int index) {
  static const std::array<GdiObject*, 18> objects = [] {
    std::array<GdiObject*, 18> a{};
    a[WHITE_BRUSH] = MakeStock(new BrushObject(Brush::Solid(0xFFFFFF)));
    a[LTGRAY_BRUSH] = MakeStock(new BrushObject(Brush::Solid(0xC0C0C0)));
    a[GRAY_BRUSH] = MakeStock(new BrushObject(Brush::Solid(0x808080)));
    a[DKGRAY_BRUSH] = MakeStock(new BrushObject(Brush::Solid(0x404040)));
    a[BLACK_BRUSH] = MakeStock(new BrushObject(Brush::Solid(0)));
    a[NULL_BRUSH] = MakeStock(new BrushObject(Brush::Null()));
    a[WHITE_PEN] = MakeStock(new PenObject(Pen(PenStyle::Solid, 1, 0xFFFFFF)));
    a[BLACK_PEN] = MakeStock(new PenObject(Pen()));
    a[NULL_PEN] = MakeStock(new PenObject(Pen::Null()));
    FontDesc fixed;
    fixed.face = u"DejaVu Sans Mono";
    fixed.height = -12;
    auto* fixedFont = MakeStock(new FontObject(Font(fixed)));
    auto* uiFont = MakeStock(new FontObject(Font()));
    a[OEM_FIXED_FONT] = a[ANSI_FIXED_FONT] = a[SYSTEM_FIXED_FONT] = fixedFont;
    a[ANSI_VAR_FONT] = a[SYSTEM_FONT] = a[DEVICE_DEFAULT_FONT] = a[DEFAULT_GUI_FONT] = uiFont;
    return a;
  }();
  return index >= 0 && index < static_cast<int>(objects.size()) ? objects[static_cast<std::size_t>(index)] : nullptr;
}

RegionOp ToOp(int mode) {
  switch (mode) {
    case RGN_AND: return RegionOp::And;
    case RGN_OR: return RegionOp::Or;
    case RGN_XOR: return RegionOp::Xor;
    case RGN_DIFF: return RegionOp::Diff;
    default: return RegionOp::Copy;
  }
}

bool ValidRgnMode(int mode) { return mode >= RGN_AND && mode <= RGN_COPY; }

int KindValue(RegionKind k) { return static_cast<int>(k); }

// Records obj as the selected handle of its kind and returns the one selected before
// (the stock object a surface starts with when none was).
template <class T>
T* Exchange(const void*& slot, T* obj, int stockIndex) {
  auto* old = static_cast<T*>(const_cast<void*>(slot));
  slot = obj;
  return old ? old : static_cast<T*>(Stock(stockIndex));
}

}  // namespace

// --- Surfaces ---------------------------------------------------------------------------

HDC CreateCompatibleDC(HDC reference) {
  auto* dc = new Surface();
  if (reference) dc->SetDpi(reference->Dpi());
  return dc;
}

bool DeleteDC(HDC dc) {
  delete dc;
  return dc != nullptr;
}

int SaveDC(HDC dc) { return dc ? dc->Save() : 0; }

bool RestoreDC(HDC dc, int level) { return dc && dc->Restore(level); }

int GetDeviceCaps(HDC dc, int index) {
  if (!dc) return 0;
  switch (index) {
    case HORZRES: return dc->Target().width;
    case VERTRES: return dc->Target().height;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case LOGPIXELSX:
    case LOGPIXELSY: return dc->Dpi();
    default: return 0;
  }
}

// --- Objects ----------------------------------------------------------------------------

HBRUSH CreateSolidBrush(COLORREF c) { return new BrushObject(Brush::Solid(c)); }

HBRUSH GetSysColorBrush(int index) {
  static std::array<BrushObject*, COLOR_COUNT> brushes{};
  if (index < 0 || index >= COLOR_COUNT) return nullptr;
  BrushObject*& b = brushes[static_cast<std::size_t>(index)];
  if (!b) b = MakeStock(new BrushObject(Brush()));
  b->value = Brush::Solid(GetSysColor(index));  // follows changes of the colour table
  return b;
}

HPEN CreatePen(int style, int width, COLORREF c) {
  if (style < PS_SOLID || style > PS_INSIDEFRAME) style = PS_SOLID;
  return new PenObject(Pen(static_cast<PenStyle>(style), width, c));
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  return new BitmapObject(width, height);
}

HGDIOBJ GetStockObject(int index) { return Stock(index); }

HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj) {
  if (!dc || !obj) return nullptr;
  switch (obj->Kind()) {
    case GdiKind::Brush: return SelectObject(dc, static_cast<HBRUSH>(obj));
    case GdiKind::Pen: return SelectObject(dc, static_cast<HPEN>(obj));
    case GdiKind::Font: return SelectObject(dc, static_cast<HFONT>(obj));
    case GdiKind::Bitmap: return SelectObject(dc, static_cast<HBITMAP>(obj));
    case GdiKind::Region: {
      const int kind = SelectClipRgn(dc, static_cast<HRGN>(obj));
      // The platform answers a region selection with the region's kind, not a handle.
      return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(kind));
    }
  }
  return nullptr;
}

HBRUSH SelectObject(HDC dc, HBRUSH obj) {
  if (!dc || !obj) return nullptr;
  dc->SetBrush(obj->value);
  return Exchange<BrushObject>(dc->SelectedHandles().brush, obj, WHITE_BRUSH);
}

HPEN SelectObject(HDC dc, HPEN obj) {
  if (!dc || !obj) return nullptr;
  dc->SetPen(obj->value);
  return Exchange<PenObject>(dc->SelectedHandles().pen, obj, BLACK_PEN);
}

HFONT SelectObject(HDC dc, HFONT obj) {
  if (!dc || !obj) return nullptr;
  dc->SetFont(obj->value);
  return Exchange<FontObject>(dc->SelectedHandles().font, obj, DEFAULT_GUI_FONT);
}

HBITMAP SelectObject(HDC dc, HBITMAP obj) {
  if (!dc || !obj) return nullptr;
  auto* old = static_cast<HBITMAP>(const_cast<void*>(dc->TargetHandle()));
  dc->SetTarget(obj->pixels.View());
  dc->SetTargetHandle(obj);
  return old;
}

HGDIOBJ GetCurrentObject(HDC dc, int type) {
  if (!dc) return nullptr;
  const auto& h = dc->SelectedHandles();
  auto pick = [](const void* p, int stock) { return p ? static_cast<HGDIOBJ>(const_cast<void*>(p)) : Stock(stock); };
  switch (type) {
    case OBJ_BRUSH: return pick(h.brush, WHITE_BRUSH);
    case OBJ_PEN: return pick(h.pen, BLACK_PEN);
    case OBJ_FONT: return pick(h.font, DEFAULT_GUI_FONT);
    case OBJ_BITMAP: return static_cast<HGDIOBJ>(const_cast<void*>(dc->TargetHandle()));
    default: return nullptr;
  }
}

bool DeleteObject(HGDIOBJ obj) {
  if (!obj) return false;
  if (!obj->IsStock()) delete obj;
  return true;
}

// --- Attributes and coordinates -----------------------------------------------------------

COLORREF SetTextColor(HDC dc, COLORREF c) { return dc ? dc->SetTextColor(c) : CLR_INVALID; }
COLORREF GetTextColor(HDC dc) { return dc ? dc->TextColor() : CLR_INVALID; }
COLORREF SetBkColor(HDC dc, COLORREF c) { return dc ? dc->SetBkColor(c) : CLR_INVALID; }
COLORREF GetBkColor(HDC dc) { return dc ? dc->BkColor() : CLR_INVALID; }

int SetBkMode(HDC dc, int mode) {
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int old = static_cast<int>(dc->GetBkMode());
  dc->SetBkMode(static_cast<BkMode>(mode));
  return old;
}

int GetBkMode(HDC dc) { return dc ? static_cast<int>(dc->GetBkMode()) : 0; }

int SetStretchBltMode(HDC dc, int mode) {
  if (!dc || mode < BLACKONWHITE || mode > HALFTONE) return 0;
  const int old = static_cast<int>(dc->GetStretchMode());
  dc->SetStretchMode(static_cast<StretchMode>(mode));
  return old;
}

int GetStretchBltMode(HDC dc) { return dc ? static_cast<int>(dc->GetStretchMode()) : 0; }

int SetPolyFillMode(HDC dc, int mode) {
  if (!dc || (mode != ALTERNATE && mode != WINDING)) return 0;
  const int old = static_cast<int>(dc->PolyFillMode());
  dc->SetPolyFillMode(static_cast<FillMode>(mode));
  return old;
}

bool SetViewportOrgEx(HDC dc, int x, int y, POINT* old) {
  if (!dc) return false;
  if (old) *old = dc->ViewportOrg();
  dc->SetViewportOrg({x, y});
  return true;
}

bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old) {
  if (!dc) return false;
  if (old) *old = dc->ViewportOrg();
  dc->OffsetViewportOrg(dx, dy);
  return true;
}

bool GetViewportOrgEx(HDC dc, POINT* out) {
  if (!dc || !out) return false;
  *out = dc->ViewportOrg();
  return true;
}

bool SetWindowOrgEx(HDC dc, int x, int y, POINT* old) {
  if (!dc) return false;
  if (old) *old = dc->WindowOrg();
  dc->SetWindowOrg({x, y});
  return true;
}

bool GetWindowOrgEx(HDC dc, POINT* out) {
  if (!dc || !out) return false;
  *out = dc->WindowOrg();
  return true;
}

bool LPtoDP(HDC dc, POINT* pts, int count) {
  if (!dc || !pts) return false;
  for (int i = 0; i < count; ++i) pts[i] = dc->LogicalToDevice(pts[i]);
  return true;
}

bool DPtoLP(HDC dc, POINT* pts, int count) {
  if (!dc || !pts) return false;
  for (int i = 0; i < count; ++i) pts[i] = dc->DeviceToLogical(pts[i]);
  return true;
}

// --- Clipping ---------------------------------------------------------------------------

int SelectClipRgn(HDC dc, HRGN rgn) { return ExtSelectClipRgn(dc, rgn, RGN_COPY); }

int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode) {
  if (!dc || !ValidRgnMode(mode)) return RGN_ERROR;
  return KindValue(dc->SelectClip(rgn ? &rgn->value : nullptr, ToOp(mode)));
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  return dc ? KindValue(dc->IntersectClip({left, top, right, bottom})) : RGN_ERROR;
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  return dc ? KindValue(dc->ExcludeClip({left, top, right, bottom})) : RGN_ERROR;
}

int GetClipBox(HDC dc, RECT* out) {
  if (!dc || !out) return RGN_ERROR;
  return KindValue(dc->ClipBox(*out));
}

int GetClipRgn(HDC dc, HRGN rgn) {
  if (!dc || !rgn) return -1;
  return dc->GetClip(rgn->value) ? 1 : 0;
}

bool PtVisible(HDC dc, int x, int y) { return dc && dc->PtVisible({x, y}); }

bool RectVisible(HDC dc, const RECT* r) { return dc && r && dc->RectVisible(*r); }

// --- Fills and copies ---------------------------------------------------------------------

int FillRect(HDC dc, const RECT* r, HBRUSH brush) {
  if (!dc || !r || !brush) return 0;
  dc->FillRect(*r, brush->value);
  return 1;
}

int FrameRect(HDC dc, const RECT* r, HBRUSH brush) {
  if (!dc || !r || !brush || r->IsEmpty()) return 0;
  dc->FrameRect(*r, brush->value);
  return 1;
}

bool InvertRect(HDC dc, const RECT* r) {
  if (!dc || !r) return false;
  dc->InvertRect(*r);
  return true;
}

bool PatBlt(HDC dc, int x, int y, int w, int h, std::uint32_t rop) { return dc && dc->PatBlt(x, y, w, h, rop); }

COLORREF SetPixel(HDC dc, int x, int y, COLORREF c) {
  if (!dc || !dc->SetPixel({x, y}, c)) return CLR_INVALID;
  return ColorToRGB(c) & 0xFFFFFF;
}

bool SetPixelV(HDC dc, int x, int y, COLORREF c) { return dc && dc->SetPixel({x, y}, c); }

COLORREF GetPixel(HDC dc, int x, int y) {
  if (!dc) return CLR_INVALID;
  const TColor c = dc->GetPixel({x, y});
  return c == clNone ? CLR_INVALID : c;
}

bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, std::uint32_t rop) {
  if (!dst) return false;
  if (!src) return dst->PatBlt(x, y, w, h, rop);
  return dst->BitBlt(x, y, w, h, *src, sx, sy, rop);
}

bool StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, std::uint32_t rop) {
  if (!dst) return false;
  if (!src) return dst->PatBlt(x, y, w, h, rop);
  return dst->StretchBlt(x, y, w, h, *src, sx, sy, sw, sh, rop);
}

bool PlgBlt(HDC dst, const POINT* pts, HDC src, int sx, int sy, int w, int h, HBITMAP mask, int, int) {
  if (!dst || !src || !pts || mask) return false;
  return dst->PlgBlt(pts, *src, sx, sy, w, h);
}

bool TransparentBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, COLORREF key) {
  return dst && src && dst->TransparentBlt(x, y, w, h, *src, sx, sy, sw, sh, key);
}

bool AlphaBlend(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, BlendFunction bf) {
  return dst && src && dst->AlphaBlend(x, y, w, h, *src, sx, sy, sw, sh, bf);
}

}  // namespace gfx
