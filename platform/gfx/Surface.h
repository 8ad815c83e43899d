#pragma once
// Surface: a drawing surface over 32-bit pixels that live anywhere (a bitmap, a window's
// paint target). It keeps the drawing state (viewport and window origins, the clip region,
// the selected font, brush and pen, text and background colours and modes, saved states)
// and draws through it: fills, copies, stretches, shapes, gradients, smooth lines, text.
// It does not own its pixels and does not know where they come from.
//
// Coordinates. Drawing operations take logical coordinates; device = logical - window
// origin + viewport origin. The device's (0, 0) lies at the target's pixel DeviceOrigin(),
// so a child area of a larger picture can be drawn on as if it started at (0, 0).
// Clip regions are given in device coordinates (SelectClip), clip rectangles in logical
// ones (IntersectClip, ExcludeClip), as on the platform.
//
// Clipping. Every pixel written lies inside the target, inside the system clip set by the
// target's owner (for example the visible part of a window) and inside the clip region.
// The system clip is not part of the saved state.
//
// Byte A of a 32-bit pixel, operation by operation:
//  - Solid fills (FillRect, FillRegion, PatBlt PATCOPY/BLACKNESS/WHITENESS), lines and
//    shapes drawn with a pen or brush, and the opaque text background write A = 255.
//  - Text glyphs, smooth lines and the alpha gradient brushes compose source-over: a
//    colour with alpha a (its coverage times its own alpha) gives A' = A + (255 - A) x a / 255.
//  - BitBlt SRCCOPY, StretchBlt, PlgBlt and TransparentBlt copy all four bytes of every
//    pixel they copy; the other raster operations combine B, G, R and leave A.
//  - AlphaBlend treats the source as premultiplied and mixes all four bytes.
//  - GradientFill writes the alpha interpolated between its vertices.
//  - InvertRect and DSTINVERT invert B, G, R and leave A.
//
// Bad arguments. Empty and inverted rectangles, sizes and places outside the target are
// part of the contracts (they draw nothing or are cut), since they come from window and
// picture sizes. A null array with a positive count (Polyline, Polygon, PolyPolygon,
// FillPathGradient, GradientFillTriangle, PlgBlt) is a caller error: debug builds stop
// there (PELLOMIR_ASSERT); release builds draw nothing, as before.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/gfx/DrawObjects.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/Region.h"

namespace gfx {

enum class BkMode : int { Transparent = 1, Opaque = 2 };
// Stretch modes keep the platform's numbers; every mode samples the nearest pixel.
enum class StretchMode : int { BlackOnWhite = 1, WhiteOnBlack = 2, ColorOnColor = 3, Halftone = 4 };

// Raster operations of the platform's copies and pattern fills.
constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr std::uint32_t SRCPAINT = 0x00EE0086;
constexpr std::uint32_t SRCAND = 0x008800C6;
constexpr std::uint32_t SRCINVERT = 0x00660046;
constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
constexpr std::uint32_t DSTINVERT = 0x00550009;
constexpr std::uint32_t PATCOPY = 0x00F00021;
constexpr std::uint32_t PATINVERT = 0x005A0049;
constexpr std::uint32_t BLACKNESS = 0x00000042;
constexpr std::uint32_t WHITENESS = 0x00FF0062;

// The platform's constant/per-pixel alpha blend description.
struct BlendFunction {
  std::uint8_t op = 0;  // AC_SRC_OVER
  std::uint8_t flags = 0;
  std::uint8_t sourceConstantAlpha = 255;
  std::uint8_t alphaFormat = 0;  // AC_SRC_ALPHA: the source carries premultiplied alpha
};
constexpr std::uint8_t AC_SRC_OVER = 0;
constexpr std::uint8_t AC_SRC_ALPHA = 1;

// Text alignment of TextOut and ExtTextOut (SetTextAlign).
constexpr unsigned TA_NOUPDATECP = 0;
constexpr unsigned TA_UPDATECP = 1;
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;
// ExtTextOut options.
constexpr unsigned ETO_OPAQUE = 2;
constexpr unsigned ETO_CLIPPED = 4;

class Surface {
 public:
  Surface() = default;
  explicit Surface(const PixelView& target) : target_(target) {}
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // --- Target -------------------------------------------------------------------------
  // Replaces the pixels drawn on; the drawing state stays.
  void SetTarget(const PixelView& target);
  const PixelView& Target() const { return target_; }
  void SetDeviceOrigin(TPoint origin);
  TPoint DeviceOrigin() const { return deviceOrigin_; }
  // Limits all drawing to rgn (device coordinates); nullptr removes the limit.
  void SetSystemClip(const Region* rgn);
  // The facade's handle of the bitmap whose pixels are the target (memory surfaces).
  const void* TargetHandle() const { return targetHandle_; }
  void SetTargetHandle(const void* h) { targetHandle_ = h; }
  // Pixels per inch reported to callers that scale by it.
  int Dpi() const { return dpi_; }
  void SetDpi(int dpi) { dpi_ = dpi > 0 ? dpi : 96; }

  // --- Coordinates --------------------------------------------------------------------
  TPoint ViewportOrg() const { return state_.viewportOrg; }
  void SetViewportOrg(TPoint p) { state_.viewportOrg = p; }
  void OffsetViewportOrg(int dx, int dy) {
    state_.viewportOrg = {state_.viewportOrg.X + dx, state_.viewportOrg.Y + dy};
  }
  TPoint WindowOrg() const { return state_.windowOrg; }
  void SetWindowOrg(TPoint p) { state_.windowOrg = p; }
  TPoint LogicalToDevice(TPoint p) const;
  TPoint DeviceToLogical(TPoint p) const;

  // --- Clipping -----------------------------------------------------------------------
  // Combines the clip region with rgn (device coordinates). A null rgn with Copy removes
  // the clip region. Returns the kind of the new clip (Error for a null rgn with another op).
  RegionKind SelectClip(const Region* rgn, RegionOp op = RegionOp::Copy);
  RegionKind IntersectClip(const TRect& logical);
  RegionKind ExcludeClip(const TRect& logical);
  // The clip region in device coordinates; false when there is none.
  bool GetClip(Region& out) const;
  // Bounding box of what can be drawn, in logical coordinates, and its kind.
  RegionKind ClipBox(TRect& logical) const;
  bool PtVisible(TPoint logical) const;
  bool RectVisible(const TRect& logical) const;

  // --- Saved states -------------------------------------------------------------------
  // Saves the whole drawing state; returns the new level (1 for the first save).
  int Save();
  // Restores level n (n > 0) or the n-th most recent (n < 0), dropping later saves.
  bool Restore(int level);
  int SaveLevel() const { return static_cast<int>(saved_.size()); }

  // --- Selected objects and attributes ------------------------------------------------
  const Brush& GetBrush() const { return state_.brush; }
  void SetBrush(const Brush& b) { state_.brush = b; }
  const Pen& GetPen() const { return state_.pen; }
  void SetPen(const Pen& p) { state_.pen = p; }
  const Font& GetFont() const { return state_.font; }
  void SetFont(const Font& f) { state_.font = f; }
  TColor TextColor() const { return state_.textColor; }
  TColor SetTextColor(TColor c);
  TColor BkColor() const { return state_.bkColor; }
  TColor SetBkColor(TColor c);
  gfx::BkMode GetBkMode() const { return state_.bkMode; }
  void SetBkMode(gfx::BkMode m) { state_.bkMode = m; }
  gfx::StretchMode GetStretchMode() const { return state_.stretchMode; }
  void SetStretchMode(gfx::StretchMode m) { state_.stretchMode = m; }
  FillMode PolyFillMode() const { return state_.polyFillMode; }
  void SetPolyFillMode(FillMode m) { state_.polyFillMode = m; }
  unsigned TextAlign() const { return state_.textAlign; }
  void SetTextAlign(unsigned a) { state_.textAlign = a; }
  TPoint CurrentPosition() const { return state_.currentPos; }
  void MoveTo(TPoint p) { state_.currentPos = p; }

  // Handles the platform facade selected, kept with the state so that selecting returns
  // the previous one. The surface never looks at them.
  struct Handles {
    const void* brush = nullptr;
    const void* pen = nullptr;
    const void* font = nullptr;
  };
  Handles& SelectedHandles() { return state_.handles; }

  // --- Fills and copies (SurfaceBlit.cpp) ----------------------------------------------
  void FillRect(const TRect& r, const Brush& b);
  void FillRect(const TRect& r, TColor c) { FillRect(r, Brush::Solid(c)); }
  // A one-pixel border along the inside of r.
  void FrameRect(const TRect& r, const Brush& b);
  void FrameRect(const TRect& r, TColor c) { FrameRect(r, Brush::Solid(c)); }
  // rgn in logical coordinates.
  void FillRegion(const Region& rgn, const Brush& b);
  void InvertRect(const TRect& r);
  bool PatBlt(int x, int y, int w, int h, std::uint32_t rop);
  bool SetPixel(TPoint p, TColor c);
  // The colour at p (0x00BBGGRR), or clNone outside the target.
  TColor GetPixel(TPoint p) const;

  // Copies w x h pixels from src at (sx, sy) to (x, y). src may be this surface; the
  // source is read before anything is written. Only the destination is clipped.
  bool BitBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, std::uint32_t rop);
  // Scales the source rectangle onto the destination rectangle, nearest pixel; negative
  // widths or heights on one side only mirror the picture.
  bool StretchBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh, std::uint32_t rop);
  // Maps the source rectangle onto the parallelogram whose upper-left, upper-right and
  // lower-left corners are pts[0..2], nearest pixel.
  bool PlgBlt(const TPoint pts[3], const Surface& src, int sx, int sy, int w, int h);
  // Copies and scales all pixels except those of colour key (0x00BBGGRR, compared on B, G, R).
  bool TransparentBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh, TColor key);
  // Source-over with constant and per-pixel alpha, scaling when the sizes differ.
  bool AlphaBlend(int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh, BlendFunction bf);

  // --- Lines and shapes (SurfaceShapes.cpp) ------------------------------------------
  // The pen draws outlines, the brush fills interiors. Pens of width 1 draw single-pixel
  // lines (dashed and dotted styles too); wider pens draw solid strokes with round ends.
  // A line from the current position to p, p excluded; p becomes the current position.
  void LineTo(TPoint p);
  // Connected lines; the last point is excluded.
  void Polyline(const TPoint* pts, int count);
  // Filled (polygon fill mode) and outlined, closed.
  void Polygon(const TPoint* pts, int count);
  void PolyPolygon(const TPoint* pts, const int* counts, int polygons);
  // The outline runs on the rectangle's outer pixels; without a pen the filled area is
  // one pixel smaller on the right and bottom, as on the platform.
  void Rectangle(const TRect& r);
  // The ellipse inscribed in r, filled and outlined.
  void Ellipse(const TRect& r);
  void RoundRect(const TRect& r, int cornerW, int cornerH);

  // --- Gradients and smooth drawing (SurfaceGradient.cpp, SurfaceSmooth.cpp) ---------
  // Colours here are pixel values 0xAARRGGBB with straight alpha.
  struct GradientVertex {
    TPoint p;
    std::uint32_t colour = 0;
  };
  enum class GradientDirection { Horizontal, Vertical };
  // The platform's triangle gradient: the pixels of the triangle (filled like a polygon)
  // get the colour (all four bytes) interpolated linearly at their positions, so a pixel
  // on a vertex gets the vertex's colour.
  void GradientFillTriangle(const GradientVertex v[3]);
  // The platform's rectangle gradient between two corner vertices: colour a at the left
  // (top) column (row), stepping linearly toward b; the far edge is excluded.
  void GradientFillRect(const GradientVertex& a, const GradientVertex& b, GradientDirection dir);
  // A linear gradient brush from colour `from` at the brush rectangle's left (top) edge to
  // `to` at its right (bottom) edge, composed source-over onto the pixels of area.
  // Pixel x takes the colour at x (pixel centres at whole coordinates), clamped to the ends.
  void FillLinearGradient(const TRectF& brush, std::uint32_t from, std::uint32_t to, GradientDirection dir,
                          const TRect& area);
  // A path gradient over a polygon (filled like a polygon, pixel positions at whole
  // coordinates): colours interpolate from the centre colour at centre to the outline
  // colours (along each edge between its two points), composed source-over.
  void FillPathGradient(const TPointF* pts, const std::uint32_t* colours, int count, TPointF centre,
                        std::uint32_t centreColour);
  // An anti-aliased straight line of the given width with flat ends, composed
  // source-over. Coordinates put pixel centres at whole numbers, so (1, 1)-(6, 6) runs
  // through the centres of pixels (1, 1) and (6, 6).
  void DrawSmoothLine(TPointF a, TPointF b, double width, std::uint32_t colour);

  // --- Text (SurfaceText.cpp) ----------------------------------------------------------
  // Glyphs are grey coverage composed in the text colour; in opaque background mode the
  // text's cells are first filled with the background colour.
  // Metrics of the selected font, with its underline, strike-out and character set.
  TextMetric GetTextMetrics() const;
  // Width of text on one line and the font's cell height.
  TSize TextExtent(std::u16string_view text) const;
  // Like TextExtent; fit gets the number of UTF-16 units that fit in maxExtent and
  // extents the pen position after each unit.
  TSize TextExtentEx(std::u16string_view text, int maxExtent, int* fit, std::vector<int>* extents) const;
  // Text at (x, y) placed by the text alignment (TA_*).
  void TextOut(int x, int y, std::u16string_view text);
  // TextOut with ETO_OPAQUE (fill rect with the background colour), ETO_CLIPPED (clip to
  // rect) and, when dx is given, the advance of every UTF-16 unit.
  void ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::u16string_view text, const int* dx);
  // Formatted text in rect (DT_* flags). Returns the height of the text, or with
  // DT_VCENTER or DT_BOTTOM on a single line the distance from rect's top to the text's
  // bottom. DT_CALCRECT draws nothing and sets rect's right and bottom to the text's.
  int DrawText(std::u16string_view text, TRect& rect, unsigned format);

 private:
  struct State {
    TPoint viewportOrg;
    TPoint windowOrg;
    bool hasClip = false;
    Region clip;  // device coordinates
    Brush brush;
    Pen pen;
    Font font;
    Handles handles;
    TColor textColor = 0;
    TColor bkColor = 0xFFFFFF;
    gfx::BkMode bkMode = gfx::BkMode::Opaque;
    gfx::StretchMode stretchMode = gfx::StretchMode::BlackOnWhite;
    FillMode polyFillMode = FillMode::Alternate;
    unsigned textAlign = 0;
    TPoint currentPos;
  };

  // The drawable area in target pixels: target ∩ system clip ∩ clip region.
  const Region& Visible() const;
  // Draws the glyphs of text with the pen at pen positions xs (from MeasureRun) relative
  // to origin (target pixels, on the baseline), cut to limit when given.
  void DrawGlyphs(TPoint origin, std::u16string_view text, const std::vector<int>& xs, const TRect* limit);
  // Fills a rectangle of target pixels with a pixel value, cut to limit when given.
  void FillPixels(const TRect& r, std::uint32_t px, const TRect* limit);
  // The font's underline and strike-out across [x0, x1) of the baseline at y (pixels).
  void DrawDecorations(int x0, int x1, int baseline, const TRect* limit);
  // Pen strokes and fills in target pixels (SurfaceShapes.cpp).
  void StrokeLine(TPoint a, TPoint b, bool lastPixel);
  void FillSpans(const Region& area, std::uint32_t px);
  void ClipChanged() { visibleValid_ = false; }
  // Logical rectangle to target pixels.
  TRect ToPixels(const TRect& logical) const;
  TPoint ToPixels(TPoint logical) const;
  TPoint PixelOffset() const;

  PixelView target_;
  const void* targetHandle_ = nullptr;
  TPoint deviceOrigin_;
  bool hasSystemClip_ = false;
  Region systemClip_;  // device coordinates
  int dpi_ = 96;
  State state_;
  std::vector<State> saved_;
  mutable Region visible_;
  mutable bool visibleValid_ = false;
};

}  // namespace gfx
