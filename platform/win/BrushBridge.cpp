// Class background brushes: a brush object of the drawing layer, or (as on the platform)
// a system colour index plus one.
#include "platform/gfx/Gdi.h"
#include "platform/win/Internal.h"
#include "platform/win/Metrics.h"

namespace win {
namespace detail {

bool FillWithBrush(gfx::Surface& s, const gfx::TRect& r, HBRUSH brush) {
  auto v = reinterpret_cast<std::uintptr_t>(brush);
  if (v == 0) return false;
  if (v <= static_cast<std::uintptr_t>(gfx::COLOR_COUNT)) {
    s.FillRect(r, gfx::GetSysColor(static_cast<int>(v - 1)));
    return true;
  }
  if (brush->Kind() != gfx::GdiKind::Brush) return false;
  s.FillRect(r, brush->value);
  return true;
}

}  // namespace detail

bool BrushColor(HBRUSH brush, gfx::TColor* out) {
  auto v = reinterpret_cast<std::uintptr_t>(brush);
  if (v == 0) return false;
  gfx::TColor c;
  if (v <= static_cast<std::uintptr_t>(gfx::COLOR_COUNT)) {
    c = gfx::GetSysColor(static_cast<int>(v - 1));
  } else {
    if (brush->Kind() != gfx::GdiKind::Brush || brush->value.IsNull()) return false;
    c = brush->value.Color();
  }
  if (out) *out = c;
  return true;
}

}  // namespace win
