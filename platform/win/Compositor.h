#pragma once
// Internal: builds the screen from the top-level windows' backing pictures in z-order,
// honouring window regions and layered windows (colour key, constant alpha, per-pixel
// alpha), and presents what changed. It recomposes only damaged rectangles.
#include <vector>

#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Region.h"

namespace win::detail {

struct Window;

class Compositor {
 public:
  void Resize(gfx::TSize size);
  void Damage(const gfx::TRect& screenRect);
  bool HasDamage() const { return !damage_.IsEmpty(); }
  // Recomposes the damaged area and hands it to the backend.
  void Present();
  const gfx::PixelBuffer& Screen() const { return screen_; }
  int PresentCount() const { return presents_; }

 private:
  void ComposeRect(const gfx::TRect& r);
  void ComposeWindow(Window* t, const gfx::TRect& r);

  gfx::PixelBuffer screen_;
  gfx::Region damage_;
  int presents_ = 0;
};

// One screen pixel (B, G, R, A in memory) under a source pixel of a layered window; the
// screen stays opaque (platform/gfx/PixelOps.h's opaque blends).
// Constant alpha over the screen: each channel Mix255Round(s, d, a).
inline std::uint32_t BlendConstant(std::uint32_t dst, std::uint32_t src, unsigned alpha) {
  return gfx::MixPixelOpaque255Round(dst, src, alpha);
}
// A premultiplied source with a constant alpha on top (BlendPremultipliedOpaque255Round).
inline std::uint32_t BlendPremultiplied(std::uint32_t dst, std::uint32_t src, unsigned constantAlpha) {
  return gfx::BlendPremultipliedOpaque255Round(dst, src, constantAlpha);
}

}  // namespace win::detail
