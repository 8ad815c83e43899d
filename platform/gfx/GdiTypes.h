#pragma once
// The handle types, constants and records of the platform's drawing calls (Gdi.h), for
// headers that hold or pass handles without drawing: a handle is a pointer to one of
// gfx's objects, declared in Forward.h and defined in Gdi.h.
#include <cstdint>

#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Forward.h"
#include "platform/gfx/Geometry.h"

namespace gfx {

using RECT = TRect;
using POINT = TPoint;
using SIZE = TSize;
using COLORREF = TColor;

// --- Constants ------------------------------------------------------------------------
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int OEM_FIXED_FONT = 10;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEVICE_DEFAULT_FONT = 14;
constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;

constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;

constexpr int OBJ_PEN = 1;
constexpr int OBJ_BRUSH = 2;
constexpr int OBJ_FONT = 6;
constexpr int OBJ_BITMAP = 7;

constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

// The platform's font description.
struct LOGFONTW {
  int lfHeight = 0;
  int lfWidth = 0;
  int lfEscapement = 0;
  int lfOrientation = 0;
  int lfWeight = 0;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = DEFAULT_CHARSET;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  char16_t lfFaceName[32] = {};
};
using TEXTMETRICW = TextMetric;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Gradient vertices with 16-bit colour components (0x0000..0xFF00), as on the platform.
struct TRIVERTEX {
  int x = 0;
  int y = 0;
  std::uint16_t Red = 0;
  std::uint16_t Green = 0;
  std::uint16_t Blue = 0;
  std::uint16_t Alpha = 0;
};
struct GRADIENT_TRIANGLE {
  unsigned Vertex1 = 0, Vertex2 = 0, Vertex3 = 0;
};
struct GRADIENT_RECT {
  unsigned UpperLeft = 0, LowerRight = 0;
};
constexpr unsigned GRADIENT_FILL_RECT_H = 0;
constexpr unsigned GRADIENT_FILL_RECT_V = 1;
constexpr unsigned GRADIENT_FILL_TRIANGLE = 2;

}  // namespace gfx
