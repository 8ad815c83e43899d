#include <gtest/gtest.h>

#include "platform/gfx/Gdi.h"

namespace gfx {
namespace {

// A memory surface with a selected bitmap, freed at the end of the test.
struct MemoryDC {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bmp;
  HBITMAP old;
  MemoryDC(int w, int h) : bmp(CreateCompatibleBitmap(dc, w, h)), old(SelectObject(dc, bmp)) {}
  ~MemoryDC() {
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
  }
  std::uint32_t At(int x, int y) const { return bmp->pixels.Row32(y)[x]; }
};

TEST(Gdi, SelectingReturnsThePreviousHandle) {
  MemoryDC m(4, 4);
  EXPECT_EQ(m.old, nullptr);  // a new memory surface has no bitmap
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HBRUSH first = SelectObject(m.dc, red);
  EXPECT_EQ(first, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(m.dc, OBJ_BRUSH), red);
  // The generic selection dispatches by kind.
  EXPECT_EQ(SelectObject(m.dc, GetStockObject(NULL_BRUSH)), red);
  EXPECT_TRUE(DeleteObject(red));
  EXPECT_TRUE(DeleteObject(GetStockObject(NULL_BRUSH)));  // stock objects stay
  EXPECT_TRUE(m.dc->GetBrush().IsNull());
  HPEN pen = CreatePen(PS_DOT, 3, RGB(1, 2, 3));
  EXPECT_EQ(SelectObject(m.dc, pen), GetStockObject(BLACK_PEN));
  EXPECT_EQ(m.dc->GetPen().Style(), PenStyle::Dot);
  EXPECT_EQ(m.dc->GetPen().Width(), 3);
  SelectObject(m.dc, static_cast<HPEN>(GetStockObject(BLACK_PEN)));
  DeleteObject(pen);
  EXPECT_EQ(GetDeviceCaps(m.dc, HORZRES), 4);
  EXPECT_EQ(GetDeviceCaps(m.dc, LOGPIXELSY), 96);
}

TEST(Gdi, SystemColourBrushesFollowTheColourTable) {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  EXPECT_EQ(face->value.Color(), GetSysColor(COLOR_BTNFACE));
  SetSysColor(COLOR_BTNFACE, 0x010203);
  EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
  EXPECT_EQ(face->value.Color(), 0x010203u);
  ResetSysColors();
  EXPECT_TRUE(DeleteObject(face));  // never freed
  EXPECT_EQ(GetSysColorBrush(COLOR_COUNT), nullptr);
}

TEST(Gdi, FillsCopiesAndStatesThroughHandles) {
  MemoryDC a(6, 6), b(6, 6);
  RECT r{0, 0, 6, 6};
  FillRect(a.dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(a.At(5, 5), 0xFF000000u);
  EXPECT_EQ(SetPixel(a.dc, 1, 1, RGB(0, 0, 255)), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(a.dc, 1, 1), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(a.dc, 9, 9), CLR_INVALID);
  const int saved = SaveDC(b.dc);
  SetViewportOrgEx(b.dc, 2, 2, nullptr);
  POINT old{};
  OffsetViewportOrgEx(b.dc, 1, 0, &old);
  EXPECT_EQ(old, (POINT{2, 2}));
  EXPECT_EQ(IntersectClipRect(b.dc, 0, 0, 2, 2), SIMPLEREGION);
  EXPECT_TRUE(BitBlt(b.dc, -2, -2, 6, 6, a.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(b.At(3, 2), 0xFF000000u);
  EXPECT_EQ(b.At(2, 2), 0u);  // outside the clip
  EXPECT_TRUE(RestoreDC(b.dc, saved));
  RECT box;
  EXPECT_EQ(GetClipBox(b.dc, &box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{0, 0, 6, 6}));
  FrameRect(b.dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(b.At(0, 3), 0xFFFFFFFFu);
  EXPECT_EQ(b.At(1, 3), 0u);
  EXPECT_FALSE(PlgBlt(b.dc, nullptr, a.dc, 0, 0, 1, 1, nullptr, 0, 0));
}

TEST(Gdi, RegionObjects) {
  HRGN a = CreateRectRgn(10, 10, 0, 0);  // corners in either order
  HRGN b = CreateEllipticRgn(0, 0, 10, 10);
  HRGN c = CreateRectRgn(0, 0, 0, 0);
  RECT box;
  EXPECT_EQ(GetRgnBox(a, &box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{0, 0, 10, 10}));
  EXPECT_EQ(CombineRgn(c, a, b, RGN_DIFF), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(c, 0, 0));
  EXPECT_FALSE(PtInRegion(c, 5, 5));
  EXPECT_EQ(CombineRgn(c, c, b, RGN_OR), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(c, a));
  EXPECT_EQ(CombineRgn(c, a, nullptr, RGN_AND), RGN_ERROR);
  EXPECT_EQ(OffsetRgn(c, 5, 0), SIMPLEREGION);
  const RECT probe{14, 0, 20, 2};
  EXPECT_TRUE(RectInRegion(c, &probe));
  const RECT rects[] = {{0, 0, 2, 1}, {2, 0, 4, 1}};
  HRGN list = ExtCreateRegion(rects, 2);
  EXPECT_EQ(list->value.Rects().size(), 1u);
  // A selected clip region is a copy: changing the region afterwards changes nothing.
  MemoryDC m(4, 4);
  SetRectRgn(c, 0, 0, 1, 1);
  EXPECT_EQ(SelectClipRgn(m.dc, c), SIMPLEREGION);
  SetRectRgn(c, 0, 0, 4, 4);
  EXPECT_EQ(GetClipRgn(m.dc, a), 1);
  EXPECT_EQ(a->value, Region(Rect(0, 0, 1, 1)));
  EXPECT_TRUE(FillRgn(m.dc, c, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))));
  EXPECT_EQ(m.At(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(m.At(1, 1), 0u);
  for (HRGN r : {a, b, c, list}) DeleteObject(r);
}

}  // namespace
}  // namespace gfx
