#pragma once
// Solid fills and the ways of combining a source picture with a destination: constant
// weight, per-pixel alpha, shading toward a colour, setting the alpha byte. Every routine
// clips, and leaves the destination unchanged for missing, empty or non-32-bit bitmaps.
#include <cstdint>

#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/sColors.h"

namespace skin {

// Sets the clipped rectangle to SwapRedBlue(color) with byte A = alpha. The colour is
// used as given (system colours are not resolved).
void FillPixels(Bitmap32* bmp, const TRect& rect, TColor color, std::uint8_t alpha);

// Blend step with destination weight t on B, G, R and A. srcRect is inclusive.
void BlendBitmapRect(Bitmap32* dst, const Bitmap32* src, std::uint8_t t, TPoint at, const TRect& srcRect);

// Source-over with per-pixel alpha scaled by opacity. srcRect is inclusive.
void AlphaBlitRect(Bitmap32* dst, const Bitmap32* src, const TRect& srcRect, std::uint8_t opacity, TPoint at);

// d' = (s * (255 - t) + d * t) >> 8 on all four bytes, except where the source pixel equals
// key (compared as given). srcRect is inclusive.
void BlendKeyedRect(Bitmap32* dst, int x, int y, std::uint32_t key, std::uint8_t t, const TRect& srcRect,
                    const Bitmap32* src);

// Pulls B, G, R toward ColorToRGB(color): d' = (d * w + c * (255 - w)) >> 8. rect is
// inclusive. A is unchanged.
void ShadeRect(Bitmap32* bmp, const TRect& rect, std::uint8_t w, TColor color);

// Sets byte A inside the clipped rectangle, skipping pixels equal to key unless NoKey.
void SetAlphaRect(Bitmap32* bmp, const TRect& rect, std::uint8_t alpha, std::uint32_t key);

}  // namespace skin
