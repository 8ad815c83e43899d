// The platform facade: lines, shapes and gradient fills.
#include "platform/gfx/Gdi.h"

namespace gfx {
namespace {

Surface::GradientVertex ToVertex(const TRIVERTEX& v) {
  const std::uint32_t colour = (std::uint32_t(v.Alpha >> 8) << 24) | (std::uint32_t(v.Red >> 8) << 16) |
                               (std::uint32_t(v.Green >> 8) << 8) | std::uint32_t(v.Blue >> 8);
  return {{v.x, v.y}, colour};
}

}  // namespace

bool MoveToEx(HDC dc, int x, int y, POINT* old) {
  if (!dc) return false;
  if (old) *old = dc->CurrentPosition();
  dc->MoveTo({x, y});
  return true;
}

bool LineTo(HDC dc, int x, int y) {
  if (!dc) return false;
  dc->LineTo({x, y});
  return true;
}

bool Polyline(HDC dc, const POINT* pts, int count) {
  if (!dc || !pts || count < 2) return false;
  dc->Polyline(pts, count);
  return true;
}

bool Polygon(HDC dc, const POINT* pts, int count) {
  if (!dc || !pts || count < 2) return false;
  dc->Polygon(pts, count);
  return true;
}

bool PolyPolygon(HDC dc, const POINT* pts, const int* counts, int polygons) {
  if (!dc || !pts || !counts || polygons <= 0) return false;
  dc->PolyPolygon(pts, counts, polygons);
  return true;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return false;
  dc->Rectangle({left, top, right, bottom});
  return true;
}

bool Ellipse(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return false;
  dc->Ellipse({left, top, right, bottom});
  return true;
}

bool RoundRect(HDC dc, int left, int top, int right, int bottom, int w, int h) {
  if (!dc) return false;
  dc->RoundRect({left, top, right, bottom}, w, h);
  return true;
}

bool GradientFill(HDC dc, const TRIVERTEX* vertices, unsigned nVertices, const void* mesh, unsigned nMesh,
                  unsigned mode) {
  if (!dc || !vertices || !mesh) return false;
  if (mode == GRADIENT_FILL_TRIANGLE) {
    const auto* tri = static_cast<const GRADIENT_TRIANGLE*>(mesh);
    for (unsigned i = 0; i < nMesh; ++i) {
      if (tri[i].Vertex1 >= nVertices || tri[i].Vertex2 >= nVertices || tri[i].Vertex3 >= nVertices) return false;
      const Surface::GradientVertex v[3] = {ToVertex(vertices[tri[i].Vertex1]), ToVertex(vertices[tri[i].Vertex2]),
                                            ToVertex(vertices[tri[i].Vertex3])};
      dc->GradientFillTriangle(v);
    }
    return true;
  }
  if (mode == GRADIENT_FILL_RECT_H || mode == GRADIENT_FILL_RECT_V) {
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (unsigned i = 0; i < nMesh; ++i) {
      if (rects[i].UpperLeft >= nVertices || rects[i].LowerRight >= nVertices) return false;
      dc->GradientFillRect(
          ToVertex(vertices[rects[i].UpperLeft]), ToVertex(vertices[rects[i].LowerRight]),
          mode == GRADIENT_FILL_RECT_H ? Surface::GradientDirection::Horizontal : Surface::GradientDirection::Vertical);
    }
    return true;
  }
  return false;
}

}  // namespace gfx
