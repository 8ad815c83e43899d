#pragma once
// Internal: one open level of a popup menu (its window, highlighted item and item
// rectangles), and how a level is measured and painted in the classic look.
#include <vector>

#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"

namespace gfx {
class Surface;
}

namespace win::detail {

struct Menu;

struct MenuLevel {
  HMENU menu = nullptr;
  HWND window = nullptr;
  int hot = -1;                   // highlighted item, -1 for none
  std::vector<gfx::TRect> items;  // client coordinates, one per item
  gfx::TSize size;                // the window's size
};

// Measures the items and the window size of a level.
void LayoutMenu(const Menu& menu, MenuLevel& level);
void PaintMenu(gfx::Surface& s, const Menu& menu, const MenuLevel& level);
// The item under a client point, -1 for none (separators included).
int MenuItemAt(const MenuLevel& level, gfx::TPoint clientPt);

}  // namespace win::detail
