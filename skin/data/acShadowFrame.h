#pragma once
// Shadow frames computed at load time: the outer-effect masks of sections and of
// [GLOBALINFO] that have no picture of their own, and the window shadow templates of the
// extended-border mode. A frame is a rounded rectangle that fades out over the blur width,
// laid out for nine-slice drawing around a control.
#include <array>
#include <cstdint>

#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

// A masked frame picture: the side colours above a grey mask of the same size (mask 0
// shows the picture, 255 keeps what lies below), and the border widths that slice it.
struct TacShadowFrame {
  Bitmap32Ptr Bmp;
  int Width = 0;   // one picture
  int Height = 0;  // one picture (the mask lies below it)
  int WL = 0, WT = 0, WR = 0, WB = 0;
};

// The frame around a control whose shadow reaches offsets (left, top, right, bottom; below
// 0 counts as 0) beyond its sides and fades out over blur pixels, with rounded corners of
// radius. Each pixel takes the colour of the nearest side of the frame. Radius is limited
// to 0..60, blur to 0..30 and the offsets to 0..255.
TacShadowFrame MakeShadowFrame(int radius, int blur, const std::array<int, 4>& offsets,
                               const std::array<TColor, 4>& colors);

// A window shadow template with per-pixel alpha (straight, not premultiplied): the shadow
// of a window reaching size pixels beyond it, moved down by offset, with rounded corners
// of radius, in the colour of argb (alpha in the high byte). Sizes are limited as above.
Bitmap32Ptr MakeShadowTemplate(int radius, int size, int offset, std::uint32_t argb);

}  // namespace skin
