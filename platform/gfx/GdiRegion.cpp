// The platform facade: region objects.
#include <vector>

#include "platform/gfx/Gdi.h"

namespace gfx {
namespace {

TRect Ordered(int l, int t, int r, int b) {
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  return {l, t, r, b};
}

FillMode ToFillMode(int mode) { return mode == WINDING ? FillMode::Winding : FillMode::Alternate; }

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return new RegionObject(Region(Ordered(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* r) { return r ? CreateRectRgn(r->Left, r->Top, r->Right, r->Bottom) : nullptr; }

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int w, int h) {
  return new RegionObject(Region::RoundRect(Ordered(left, top, right, bottom), w, h));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
  return new RegionObject(Region::Ellipse(Ordered(left, top, right, bottom)));
}

HRGN CreateEllipticRgnIndirect(const RECT* r) {
  return r ? CreateEllipticRgn(r->Left, r->Top, r->Right, r->Bottom) : nullptr;
}

HRGN CreatePolygonRgn(const POINT* pts, int count, int fillMode) {
  if (!pts || count < 0) return nullptr;
  return new RegionObject(Region::Polygon(pts, count, ToFillMode(fillMode)));
}

HRGN CreatePolyPolygonRgn(const POINT* pts, const int* counts, int polygons, int fillMode) {
  if (!pts || !counts || polygons < 0) return nullptr;
  return new RegionObject(Region::PolyPolygon(pts, counts, polygons, ToFillMode(fillMode)));
}

HRGN ExtCreateRegion(const RECT* rects, int count) {
  if (count < 0 || (count > 0 && !rects)) return nullptr;
  return new RegionObject(Region::FromRects(rects, static_cast<std::size_t>(count)));
}

int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode) {
  if (!dst || !a || mode < RGN_AND || mode > RGN_COPY) return RGN_ERROR;
  if (mode == RGN_COPY) {
    dst->value = a->value;
  } else {
    if (!b) return RGN_ERROR;
    dst->value = Region::Combine(a->value, b->value, static_cast<RegionOp>(mode));
  }
  return static_cast<int>(dst->value.Kind());
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
  if (!rgn) return RGN_ERROR;
  rgn->value.Offset(dx, dy);
  return static_cast<int>(rgn->value.Kind());
}

bool PtInRegion(HRGN rgn, int x, int y) { return rgn && rgn->value.Contains({x, y}); }

bool RectInRegion(HRGN rgn, const RECT* r) { return rgn && r && rgn->value.Intersects(*r); }

int GetRgnBox(HRGN rgn, RECT* out) {
  if (!rgn || !out) return RGN_ERROR;
  *out = rgn->value.Bounds();
  return static_cast<int>(rgn->value.Kind());
}

bool EqualRgn(HRGN a, HRGN b) { return a && b && a->value == b->value; }

bool SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
  if (!rgn) return false;
  rgn->value = Region(Ordered(left, top, right, bottom));
  return true;
}

bool FillRgn(HDC dc, HRGN rgn, HBRUSH brush) {
  if (!dc || !rgn || !brush) return false;
  dc->FillRegion(rgn->value, brush->value);
  return true;
}

bool PaintRgn(HDC dc, HRGN rgn) {
  if (!dc || !rgn) return false;
  dc->FillRegion(rgn->value, dc->GetBrush());
  return true;
}

bool InvertRgn(HDC dc, HRGN rgn) {
  if (!dc || !rgn) return false;
  for (const TRect& r : rgn->value.Rects()) dc->InvertRect(r);
  return true;
}

}  // namespace gfx
