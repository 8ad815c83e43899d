#include "skin/windows/acWindowRegion.h"

#include <algorithm>

#include "platform/gfx/Gdi.h"
#include "platform/win/Metrics.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/data/acSkinData.h"
#include "skin/render/acImageCorners.h"
#include "skin/render/acPaintSection.h"
#include "skin/windows/acFormGeometry.h"

namespace skin {

namespace {

// The border image of a section, or nullptr.
const TsMaskData* BorderImage(const TacSkinData& data, int section) {
  if (section < 0 || section >= static_cast<int>(data.gd.size())) return nullptr;
  return ImageEntry(data, data.gd[static_cast<std::size_t>(section)].BorderIndex);
}

}  // namespace

std::vector<gfx::TRect> FrameRegionRects(const TacSkinData& data, int formSection, int titleSection, int width,
                                         int height) {
  std::vector<gfx::TRect> runs;
  if (width <= 0 || height <= 0) return runs;
  if (const TsMaskData* md = BorderImage(data, formSection)) {
    CornerTransparentRuns(runs, width, *md, 0, false, 0);
    CornerTransparentRuns(runs, width, *md, 0, true, height - md->WB);
  }
  if (const TsMaskData* md = BorderImage(data, titleSection)) CornerTransparentRuns(runs, width, *md, 0, false, 0);
  // A window smaller than its corner blocks keeps only what lies on it.
  std::vector<gfx::TRect> clipped;
  const gfx::TRect window{0, 0, width, height};
  for (const gfx::TRect& r : runs) {
    const gfx::TRect c{std::max(r.Left, window.Left), std::max(r.Top, window.Top), std::min(r.Right, window.Right),
                       std::min(r.Bottom, window.Bottom)};
    if (!c.IsEmpty()) clipped.push_back(c);
  }
  return clipped;
}

win::HRGN MakeFrameRegion(int width, int height, const std::vector<gfx::TRect>& cut) {
  win::HRGN whole = gfx::CreateRectRgn(0, 0, width, height);
  if (!cut.empty()) {
    win::HRGN holes = gfx::ExtCreateRegion(cut.data(), static_cast<int>(cut.size()));
    gfx::CombineRgn(whole, whole, holes, gfx::RGN_DIFF);
    gfx::DeleteObject(holes);
  }
  return whole;
}

win::HRGN MakeMaximizedRegion(int width, int height, int frameWidth) {
  return gfx::CreateRectRgn(frameWidth, frameWidth, width - frameWidth, height - frameWidth);
}

gfx::TRect ClientInWindow(win::HWND h) {
  win::RECT wr, cr;
  win::GetWindowRect(h, &wr);
  win::GetClientRect(h, &cr);
  gfx::TPoint origin{0, 0};
  win::ClientToScreen(h, &origin);
  const int x = origin.X - wr.Left, y = origin.Y - wr.Top;
  return {x, y, x + cr.Width(), y + cr.Height()};
}

void ReadWindowFrame(win::HWND h, int dpi, TacFrameShape& s) {
  const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_STYLE));
  s.SizingBorder = (style & win::WS_THICKFRAME) != 0;
  s.BorderBit = (style & win::WS_BORDER) != 0;
  s.DialogFrame = (style & win::WS_DLGFRAME) != 0;
  s.Child = (style & win::WS_CHILD) != 0;
  s.Minimized = win::IsIconic(h) != 0;
  s.Maximized = win::IsZoomed(h) != 0;
  win::RECT wr, cr;
  win::GetWindowRect(h, &wr);
  win::GetClientRect(h, &cr);
  s.Width = wr.Width();
  s.Height = wr.Height();
  s.ClientWidth = cr.Width();
  s.ClientHeight = cr.Height();
  s.Dpi = dpi;
  win::OSVERSIONINFO v;
  win::GetVersionEx(&v);
  s.PlatformMajorVersion = v.dwMajorVersion;
}

}  // namespace skin
