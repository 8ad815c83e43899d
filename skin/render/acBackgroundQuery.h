#pragma once
// TsBackgroundQuery: a parent's answer to a child that asks what lies behind it, and its
// translation into the TacBgInfo record the painting routines take. The record only; the
// asking and answering belong to the controls' skin state.
#include <cstdint>

#include "platform/gfx/Geometry.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acBgInfo.h"
#include "skin/render/pixels/sColors.h"

namespace gfx {
class Surface;
}

namespace skin {

// Kinds of answer.
enum TacBgQueryKind : std::uint8_t {
  bqNone = 0,      // not answered
  bqColor = 1,     // a plain colour (with a bitmap holding the border strips, when the section has a frame)
  bqBitmap = 2,    // a finished picture
  bqNotReady = 3,  // the answering control has no picture yet
};

struct TsBackgroundQuery {
  Bitmap32* Bitmap = nullptr;  // not owned
  TColor Color = 0;
  TPoint Offset{};      // the answering control's origin inside Bitmap
  TRect DrawRect{};     // area to paint when DrawNow is set
  TRect BorderFrame{};  // widths of the strips along the edges of Bitmap that it holds
  std::uint8_t Kind = bqNone;
  bool DrawNow = false;
  gfx::Surface* TargetDC = nullptr;  // not owned
};

// A bitmap answer becomes a ready record over the bitmap; any other answer a record that
// is not ready, with the answer's colour as RGB, its bitmap (if any) and its border strips.
TacBgInfo ToBgInfo(const TsBackgroundQuery& query);

}  // namespace skin
