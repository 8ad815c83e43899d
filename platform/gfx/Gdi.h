#pragma once
// The platform's drawing calls, with its names and numbers, over gfx's own classes. A
// handle is a pointer to our object: HDC is a Surface, HRGN a region object, HBRUSH,
// HPEN, HFONT and HBITMAP the objects below. Objects made by Create... belong to the
// caller and are freed with DeleteObject (DeleteDC for surfaces made here); stock objects
// are never freed. Selecting an object into a surface copies its value, so deleting a
// selected object is harmless; selecting returns the handle selected before. The handle
// types, constants and records alone are in GdiTypes.h.
#include <cstdint>
#include <string_view>

#include "platform/gfx/DrawObjects.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/GdiTypes.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"

namespace gfx {

enum class GdiKind : std::uint8_t { Brush, Pen, Font, Bitmap, Region };

class GdiObject {
 public:
  virtual ~GdiObject() = default;
  GdiKind Kind() const { return kind_; }
  bool IsStock() const { return stock_; }
  void MarkStock() { stock_ = true; }

 protected:
  explicit GdiObject(GdiKind k) : kind_(k) {}

 private:
  GdiKind kind_;
  bool stock_ = false;
};

struct BrushObject final : GdiObject {
  explicit BrushObject(const Brush& b) : GdiObject(GdiKind::Brush), value(b) {}
  Brush value;
};
struct PenObject final : GdiObject {
  explicit PenObject(const Pen& p) : GdiObject(GdiKind::Pen), value(p) {}
  Pen value;
};
struct FontObject final : GdiObject {
  explicit FontObject(const Font& f) : GdiObject(GdiKind::Font), value(f) {}
  Font value;
};
struct BitmapObject final : GdiObject {
  BitmapObject(int w, int h) : GdiObject(GdiKind::Bitmap), pixels(w, h) {}
  PixelBuffer pixels;
};
struct RegionObject final : GdiObject {
  explicit RegionObject(Region r) : GdiObject(GdiKind::Region), value(std::move(r)) {}
  Region value;
};

// --- Surfaces ---------------------------------------------------------------------------
// A memory surface with no pixels until a bitmap is selected into it.
HDC CreateCompatibleDC(HDC reference);
// Frees a surface made by CreateCompatibleDC.
bool DeleteDC(HDC dc);
int SaveDC(HDC dc);
bool RestoreDC(HDC dc, int level);
int GetDeviceCaps(HDC dc, int index);

// --- Objects ----------------------------------------------------------------------------
HBRUSH CreateSolidBrush(COLORREF c);
// The shared brush of a system colour; never freed.
HBRUSH GetSysColorBrush(int index);
HPEN CreatePen(int style, int width, COLORREF c);
// A 32-bit bitmap, zero-filled.
HBITMAP CreateCompatibleBitmap(HDC reference, int width, int height);
// A font from its description; weight 0 means normal.
HFONT CreateFontIndirectW(const LOGFONTW* lf);
HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, unsigned italic,
                  unsigned underline, unsigned strikeOut, unsigned charSet, unsigned outPrecision,
                  unsigned clipPrecision, unsigned quality, unsigned pitchAndFamily, const char16_t* face);
// The description of a font object; returns the bytes written (0 on failure).
int GetObjectW(HFONT font, int size, LOGFONTW* out);
HGDIOBJ GetStockObject(int index);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj);
HBRUSH SelectObject(HDC dc, HBRUSH obj);
HPEN SelectObject(HDC dc, HPEN obj);
HFONT SelectObject(HDC dc, HFONT obj);
HBITMAP SelectObject(HDC dc, HBITMAP obj);
// The handle last selected of a kind (OBJ_BRUSH, OBJ_PEN, OBJ_FONT, OBJ_BITMAP).
HGDIOBJ GetCurrentObject(HDC dc, int type);
bool DeleteObject(HGDIOBJ obj);

// --- Attributes and coordinates -----------------------------------------------------------
COLORREF SetTextColor(HDC dc, COLORREF c);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF c);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
bool SetViewportOrgEx(HDC dc, int x, int y, POINT* old);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old);
bool GetViewportOrgEx(HDC dc, POINT* out);
bool SetWindowOrgEx(HDC dc, int x, int y, POINT* old);
bool GetWindowOrgEx(HDC dc, POINT* out);
bool LPtoDP(HDC dc, POINT* pts, int count);
bool DPtoLP(HDC dc, POINT* pts, int count);

// --- Clipping ---------------------------------------------------------------------------
int SelectClipRgn(HDC dc, HRGN rgn);
int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int GetClipBox(HDC dc, RECT* out);
// 1 and the clip region copied into rgn, 0 when there is none, -1 on error.
int GetClipRgn(HDC dc, HRGN rgn);
bool PtVisible(HDC dc, int x, int y);
bool RectVisible(HDC dc, const RECT* r);

// --- Regions ----------------------------------------------------------------------------
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* r);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int w, int h);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const RECT* r);
HRGN CreatePolygonRgn(const POINT* pts, int count, int fillMode);
HRGN CreatePolyPolygonRgn(const POINT* pts, const int* counts, int polygons, int fillMode);
// The union of a list of rectangles (the rectangle list of the platform's region data).
HRGN ExtCreateRegion(const RECT* rects, int count);
int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode);
int OffsetRgn(HRGN rgn, int dx, int dy);
bool PtInRegion(HRGN rgn, int x, int y);
bool RectInRegion(HRGN rgn, const RECT* r);
int GetRgnBox(HRGN rgn, RECT* out);
bool EqualRgn(HRGN a, HRGN b);
bool SetRectRgn(HRGN rgn, int left, int top, int right, int bottom);
bool FillRgn(HDC dc, HRGN rgn, HBRUSH brush);
bool PaintRgn(HDC dc, HRGN rgn);
bool InvertRgn(HDC dc, HRGN rgn);

// --- Fills and copies ---------------------------------------------------------------------
int FillRect(HDC dc, const RECT* r, HBRUSH brush);
int FrameRect(HDC dc, const RECT* r, HBRUSH brush);
bool InvertRect(HDC dc, const RECT* r);
bool PatBlt(HDC dc, int x, int y, int w, int h, std::uint32_t rop);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF c);
bool SetPixelV(HDC dc, int x, int y, COLORREF c);
// CLR_INVALID outside the surface.
COLORREF GetPixel(HDC dc, int x, int y);
bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, std::uint32_t rop);
bool StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, std::uint32_t rop);
// pts: upper-left, upper-right and lower-left corners of the destination; masks are not
// supported (a mask bitmap makes the call fail).
bool PlgBlt(HDC dst, const POINT* pts, HDC src, int sx, int sy, int w, int h, HBITMAP mask, int mx, int my);
bool TransparentBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, COLORREF key);
bool AlphaBlend(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, BlendFunction bf);

// --- Lines, shapes and gradients ----------------------------------------------------------
bool MoveToEx(HDC dc, int x, int y, POINT* old);
bool LineTo(HDC dc, int x, int y);
bool Polyline(HDC dc, const POINT* pts, int count);
bool Polygon(HDC dc, const POINT* pts, int count);
bool PolyPolygon(HDC dc, const POINT* pts, const int* counts, int polygons);
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool Ellipse(HDC dc, int left, int top, int right, int bottom);
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int w, int h);

// mesh points to nMesh GRADIENT_TRIANGLE or GRADIENT_RECT records, by mode.
bool GradientFill(HDC dc, const TRIVERTEX* vertices, unsigned nVertices, const void* mesh, unsigned nMesh,
                  unsigned mode);

// --- Text -------------------------------------------------------------------------------
// Counts of -1 mean "up to the terminating zero".
unsigned SetTextAlign(HDC dc, unsigned align);
unsigned GetTextAlign(HDC dc);
bool TextOutW(HDC dc, int x, int y, const char16_t* text, int count);
bool ExtTextOutW(HDC dc, int x, int y, unsigned options, const RECT* rect, const char16_t* text, int count,
                 const int* dx);
int DrawTextW(HDC dc, const char16_t* text, int count, RECT* rect, unsigned format);
bool GetTextExtentPoint32W(HDC dc, const char16_t* text, int count, SIZE* size);
// fit and extents (count entries) may be null.
bool GetTextExtentExPointW(HDC dc, const char16_t* text, int count, int maxExtent, int* fit, int* extents, SIZE* size);
bool GetTextMetricsW(HDC dc, TEXTMETRICW* tm);
// Copies the face name of the selected font (with its zero) and returns its length.
int GetTextFaceW(HDC dc, int size, char16_t* out);

}  // namespace gfx
