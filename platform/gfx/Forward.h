#pragma once
// Declarations of the drawing layer's types, for headers that only point to them, take
// them by reference or pass handles on. The handle aliases of the platform's drawing calls
// (HDC, HBRUSH, ...) are defined here; their constants and records are in GdiTypes.h.
#include "platform/gfx/Color.h"

namespace gfx {

struct TPoint;
struct TSize;
struct TRect;
struct TPointF;
struct TRectF;

struct PixelView;
class PixelBuffer;
struct BitMask;
class Region;
class RegionBuilder;
struct BlendFunction;
class Surface;

class Brush;
class Pen;
struct FontDesc;
struct TextMetric;
class Font;
class FontFace;
struct Glyph;
class TextMeasurer;
struct LaidOutLine;
struct TextLayout;

struct DecodedImage;
struct DecodeResult;

class GdiObject;
struct BrushObject;
struct PenObject;
struct FontObject;
struct BitmapObject;
struct RegionObject;

using HDC = Surface*;
using HGDIOBJ = GdiObject*;
using HBRUSH = BrushObject*;
using HPEN = PenObject*;
using HFONT = FontObject*;
using HBITMAP = BitmapObject*;
using HRGN = RegionObject*;

}  // namespace gfx
