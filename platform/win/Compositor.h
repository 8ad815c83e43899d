#pragma once
// Internal: builds the screen from the top-level windows' backing pictures in z-order,
// honouring window regions and layered windows (colour key, constant alpha, per-pixel
// alpha), and presents what changed. It recomposes only damaged rectangles.
#include <vector>

#include "platform/gfx/PixelBuffer.h"
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

// Channel product scaled to 0..255: (a * b + 127) / 255.
inline unsigned Mul255(unsigned a, unsigned b) { return (a * b + 127) / 255; }
// One screen pixel (B, G, R, A in memory) under a source pixel.
// Constant alpha over an opaque destination: c' = (s * a + d * (255 - a) + 127) / 255.
std::uint32_t BlendConstant(std::uint32_t dst, std::uint32_t src, unsigned alpha);
// Premultiplied source with a constant alpha on top: sa = Mul255(A_s, ca);
// c' = Mul255(c_s, ca) + Mul255(c_d, 255 - sa), limited to 255.
std::uint32_t BlendPremultiplied(std::uint32_t dst, std::uint32_t src, unsigned constantAlpha);

}  // namespace win::detail
