#include "tools/skingen/PicturePainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/gfx/CoverageRaster.h"
#include "tools/skingen/SourceText.h"

namespace skingen {

namespace {

using gfx::PixelBuffer;
using gfx::TPointF;
using Polygon = std::vector<TPointF>;
using Coverage = std::vector<float>;  // 0..1 per pixel of the cell

constexpr int kArcSteps = 24;  // segments of a quarter circle

// A rounded rectangle traced clockwise (y down), or counter-clockwise for holes. Radii:
// top-left, top-right, bottom-right, bottom-left, each at most half the shorter side.
Polygon RoundRect(double x, double y, double w, double h, const double radii[4], bool hole = false) {
  const double limit = std::min(w, h) / 2;
  // Corners in drawing order: top-right, bottom-right, bottom-left, top-left.
  const double r[4] = {std::clamp(radii[1], 0.0, limit), std::clamp(radii[2], 0.0, limit),
                       std::clamp(radii[3], 0.0, limit), std::clamp(radii[0], 0.0, limit)};
  const double cx[4] = {x + w - r[0], x + w - r[1], x + r[2], x + r[3]};
  const double cy[4] = {y + r[0], y + h - r[1], y + h - r[2], y + r[3]};
  Polygon p;
  for (int c = 0; c < 4; ++c) {
    const double start = -std::numbers::pi / 2 + c * std::numbers::pi / 2;
    const int steps = r[c] > 0 ? kArcSteps : 0;
    for (int i = 0; i <= steps; ++i) {
      const double a = start + (std::numbers::pi / 2) * (steps ? static_cast<double>(i) / steps : 0.5);
      p.push_back({cx[c] + r[c] * std::cos(a), cy[c] + r[c] * std::sin(a)});
    }
  }
  if (hole) std::reverse(p.begin(), p.end());
  return p;
}

Polygon RoundRect(double x, double y, double w, double h, double r, bool hole = false) {
  const double radii[4] = {r, r, r, r};
  return RoundRect(x, y, w, h, radii, hole);
}

Polygon Circle(double cx, double cy, double r, bool hole = false) {
  return RoundRect(cx - r, cy - r, 2 * r, 2 * r, r, hole);
}

// The band between two radii from angle a0 to a1 (degrees, clockwise from the right).
Polygon ArcBand(double cx, double cy, double r, double a0, double a1, double t) {
  const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(a1 - a0) / 90.0 * kArcSteps)));
  const double ro = r + t / 2, ri = std::max(0.0, r - t / 2);
  Polygon p;
  for (int i = 0; i <= steps; ++i) {
    const double a = (a0 + (a1 - a0) * i / steps) * std::numbers::pi / 180;
    p.push_back({cx + ro * std::cos(a), cy + ro * std::sin(a)});
  }
  for (int i = steps; i >= 0; --i) {
    const double a = (a0 + (a1 - a0) * i / steps) * std::numbers::pi / 180;
    p.push_back({cx + ri * std::cos(a), cy + ri * std::sin(a)});
  }
  return p;
}

// A stroke of width t from a to b with flat ends.
Polygon Stroke(TPointF a, TPointF b, double t) {
  const double dx = b.X - a.X, dy = b.Y - a.Y, len = std::hypot(dx, dy);
  if (len <= 0) return {};
  const double nx = -dy / len * t / 2, ny = dx / len * t / 2;
  return {{a.X + nx, a.Y + ny}, {b.X + nx, b.Y + ny}, {b.X - nx, b.Y - ny}, {a.X - nx, a.Y - ny}};
}

Coverage Cover(const gfx::TSize& cell, const std::vector<Polygon>& polys) {
  gfx::CoverageRaster raster({0, 0, cell.cx, cell.cy});
  for (const Polygon& p : polys)
    if (p.size() >= 3) raster.AddPolygon(p.data(), static_cast<int>(p.size()));
  const std::vector<std::uint8_t> bytes = raster.Coverage();
  Coverage c(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) c[i] = bytes[i] / 255.0f;
  return c;
}

// Source-over of a colour with opacity a (0..1) onto a straight-alpha pixel.
std::uint32_t Over(std::uint32_t d, std::uint32_t rgb, double a) {
  if (a <= 0) return d;
  const double da = (d >> 24) / 255.0;
  const double oa = a + da * (1 - a);
  auto channel = [&](int shift) {
    const double s = (rgb >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
    const double v = (s * a + dc * da * (1 - a)) / oa;
    return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L)) << shift;
  };
  const std::uint32_t alpha = static_cast<std::uint32_t>(std::clamp(std::lround(oa * 255), 0L, 255L));
  return (alpha << 24) | channel(16) | channel(8) | channel(0);
}

// Paints a colour through a coverage; colourAt gives the ink of a pixel.
template <class F>
void PaintCoverage(PixelBuffer& cell, const Coverage& cov, F colourAt) {
  for (int y = 0; y < cell.Height(); ++y) {
    std::uint32_t* row = cell.Row32(y);
    for (int x = 0; x < cell.Width(); ++x) {
      const float c = cov[static_cast<std::size_t>(y) * cell.Width() + x];
      if (c <= 0) continue;
      const TInk ink = colourAt(x, y);
      row[x] = Over(row[x], ink.Rgb, c * ink.Alpha / 255.0);
    }
  }
}

void PaintSolid(PixelBuffer& cell, const Coverage& cov, TInk ink) {
  PaintCoverage(cell, cov, [&](int, int) { return ink; });
}

TInk Mix(TInk a, TInk b, double t) {
  auto lerp = [t](int u, int v) { return static_cast<std::uint32_t>(std::lround(u + (v - u) * t)); };
  TInk out;
  out.Rgb = (lerp((a.Rgb >> 16) & 0xFF, (b.Rgb >> 16) & 0xFF) << 16) |
            (lerp((a.Rgb >> 8) & 0xFF, (b.Rgb >> 8) & 0xFF) << 8) | lerp(a.Rgb & 0xFF, b.Rgb & 0xFF);
  out.Alpha = static_cast<std::uint8_t>(lerp(a.Alpha, b.Alpha));
  return out;
}

// Three passes of a box blur of radius k over a coverage, edges repeating.
void Blur(Coverage& c, const gfx::TSize& size, int k) {
  if (k <= 0) return;
  Coverage tmp(c.size());
  auto pass = [&](bool rows) {
    const int outer = rows ? size.cy : size.cx, inner = rows ? size.cx : size.cy;
    for (int o = 0; o < outer; ++o) {
      for (int i = 0; i < inner; ++i) {
        double sum = 0;
        for (int j = i - k; j <= i + k; ++j) {
          const int jj = std::clamp(j, 0, inner - 1);
          sum += rows ? c[static_cast<std::size_t>(o) * size.cx + jj] : c[static_cast<std::size_t>(jj) * size.cx + o];
        }
        const std::size_t at =
            rows ? static_cast<std::size_t>(o) * size.cx + i : static_cast<std::size_t>(i) * size.cx + o;
        tmp[at] = static_cast<float>(sum / (2 * k + 1));
      }
    }
    c.swap(tmp);
  };
  for (int n = 0; n < 3; ++n) {
    pass(true);
    pass(false);
  }
}

class TStepPainter {
 public:
  TStepPainter(PixelBuffer& cell, const TRecipeOp& op, std::string_view file) : cell_(cell), op_(op), file_(file) {}

  void Run();

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw TSourceError(file_, op_.Line, what); }
  double N(std::size_t i) const { return op_.Numbers[i]; }
  gfx::TSize Size() const { return {cell_.Width(), cell_.Height()}; }
  void NonNegative(std::initializer_list<std::size_t> at) const {
    for (std::size_t i : at)
      if (N(i) < 0) Fail("\"" + op_.Verb + "\" needs sizes, radii and widths of 0 or more");
  }

  PixelBuffer& cell_;
  const TRecipeOp& op_;
  std::string_view file_;
};

void TStepPainter::Run() {
  const std::string& v = op_.Verb;
  const gfx::TSize size = Size();
  if (v == "fill") {
    PaintSolid(cell_, Coverage(static_cast<std::size_t>(size.cx) * size.cy, 1.0f), op_.Inks[0]);
  } else if (v == "clear") {
    int x0 = 0, y0 = 0, x1 = size.cx, y1 = size.cy;
    if (!op_.Numbers.empty()) {
      x0 = static_cast<int>(std::lround(N(0)));
      y0 = static_cast<int>(std::lround(N(1)));
      x1 = x0 + static_cast<int>(std::lround(N(2)));
      y1 = y0 + static_cast<int>(std::lround(N(3)));
    }
    for (int y = std::max(0, y0); y < std::min(size.cy, y1); ++y)
      for (int x = std::max(0, x0); x < std::min(size.cx, x1); ++x) cell_.Row32(y)[x] = 0;
  } else if (v == "rect") {
    NonNegative({2, 3});
    PaintSolid(cell_, Cover(size, {RoundRect(N(0), N(1), N(2), N(3), 0.0)}), op_.Inks[0]);
  } else if (v == "box") {
    NonNegative({2, 3});
    PaintSolid(cell_, Cover(size, {RoundRect(N(0), N(1), N(2), N(3), op_.Radii)}), op_.Inks[0]);
  } else if (v == "frame") {
    NonNegative({2, 3, 4});
    const double t = N(4);
    std::vector<Polygon> polys{RoundRect(N(0), N(1), N(2), N(3), op_.Radii)};
    double inner[4];
    for (int i = 0; i < 4; ++i) inner[i] = std::max(0.0, op_.Radii[i] - t);
    if (N(2) > 2 * t && N(3) > 2 * t)
      polys.push_back(RoundRect(N(0) + t, N(1) + t, N(2) - 2 * t, N(3) - 2 * t, inner, true));
    PaintSolid(cell_, Cover(size, polys), op_.Inks[0]);
  } else if (v == "vgrad") {
    NonNegative({2, 3});
    const double top = N(1), h = N(3);
    const TInk a = op_.Inks[0], b = op_.Inks[1];
    PaintCoverage(cell_, Cover(size, {RoundRect(N(0), N(1), N(2), N(3), op_.Radii)}),
                  [&](int, int y) { return Mix(a, b, h > 1 ? std::clamp((y + 0.5 - top) / h, 0.0, 1.0) : 0.0); });
  } else if (v == "line") {
    NonNegative({4});
    PaintSolid(cell_, Cover(size, {Stroke({N(0), N(1)}, {N(2), N(3)}, N(4))}), op_.Inks[0]);
  } else if (v == "disc") {
    NonNegative({2});
    PaintSolid(cell_, Cover(size, {Circle(N(0), N(1), N(2))}), op_.Inks[0]);
  } else if (v == "ring") {
    NonNegative({2, 3});
    std::vector<Polygon> polys{Circle(N(0), N(1), N(2))};
    if (N(2) > N(3)) polys.push_back(Circle(N(0), N(1), N(2) - N(3), true));
    PaintSolid(cell_, Cover(size, polys), op_.Inks[0]);
  } else if (v == "arc") {
    NonNegative({2, 5});
    PaintSolid(cell_, Cover(size, {ArcBand(N(0), N(1), N(2), N(3), N(4), N(5))}), op_.Inks[0]);
  } else if (v == "poly") {
    Polygon p;
    for (std::size_t i = 0; i + 1 < op_.Numbers.size(); i += 2) p.push_back({N(i), N(i + 1)});
    PaintSolid(cell_, Cover(size, {p}), op_.Inks[0]);
  } else if (v == "glow") {
    NonNegative({2, 3, 4});
    Coverage c = Cover(size, {RoundRect(N(0), N(1), N(2), N(3), op_.Radii)});
    Blur(c, size, static_cast<int>(std::lround(N(4) / 2)));
    PaintSolid(cell_, c, op_.Inks[0]);
  } else if (v == "noise") {
    NonNegative({2, 3, 4, 5});
    const int amount = static_cast<int>(std::lround(N(4)));
    std::uint32_t seed = static_cast<std::uint32_t>(std::lround(N(5)));
    const int x0 = static_cast<int>(std::lround(N(0))), y0 = static_cast<int>(std::lround(N(1)));
    const int x1 = x0 + static_cast<int>(std::lround(N(2))), y1 = y0 + static_cast<int>(std::lround(N(3)));
    for (int y = std::max(0, y0); y < std::min(size.cy, y1); ++y) {
      for (int x = std::max(0, x0); x < std::min(size.cx, x1); ++x) {
        seed = seed * 1664525u + 1013904223u;
        const int d = static_cast<int>((seed >> 16) % static_cast<std::uint32_t>(2 * amount + 1)) - amount;
        std::uint32_t& px = cell_.Row32(y)[x];
        std::uint32_t out = px & 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8)
          out |= static_cast<std::uint32_t>(std::clamp(static_cast<int>((px >> shift) & 0xFF) + d, 0, 255)) << shift;
        px = out;
      }
    }
  } else if (v == "pixels") {
    const int x0 = static_cast<int>(N(0)), y0 = static_cast<int>(N(1));
    if (x0 < 0 || y0 < 0 || x0 + static_cast<int>(op_.Rows.front().size()) > size.cx ||
        y0 + static_cast<int>(op_.Rows.size()) > size.cy)
      Fail("the pixels block does not fit into the cell");
    for (std::size_t r = 0; r < op_.Rows.size(); ++r) {
      for (std::size_t c = 0; c < op_.Rows[r].size(); ++c) {
        TInk ink;
        for (const auto& [ch, k] : op_.Legend)
          if (ch == op_.Rows[r][c]) ink = k;
        const std::uint32_t px = (std::uint32_t(ink.Alpha) << 24) | (ink.Alpha ? ink.Rgb : 0);
        cell_.Row32(y0 + static_cast<int>(r))[x0 + static_cast<int>(c)] = px;
      }
    }
  }
}

}  // namespace

std::vector<float> RoundedCellCoverage(gfx::TSize cell, const double radii[4]) {
  return Cover(cell, {RoundRect(0, 0, cell.cx, cell.cy, radii)});
}

TStateCells TransformCells(const TStateCells& cells, TTransform t) {
  TStateCells out;
  for (const PixelBuffer& src : cells) {
    const int w = src.Width(), h = src.Height();
    const bool turned = t == TTransform::TurnLeft || t == TTransform::TurnRight;
    PixelBuffer dst(turned ? h : w, turned ? w : h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        int dx = x, dy = y;
        switch (t) {
          case TTransform::Same: break;
          case TTransform::FlipX: dx = w - 1 - x; break;
          case TTransform::FlipY: dy = h - 1 - y; break;
          case TTransform::TurnLeft:
            dx = y;
            dy = w - 1 - x;
            break;
          case TTransform::TurnRight:
            dx = h - 1 - y;
            dy = x;
            break;
        }
        dst.Row32(dy)[dx] = src.Row32(y)[x];
      }
    }
    out.push_back(std::move(dst));
  }
  return out;
}

TStateCells PaintPicture(const TPictureRecipe& p, const TRecipe& recipe, const std::vector<TStateCells>& painted,
                         std::string_view fileName) {
  TStateCells cells;
  if (!p.DeriveFrom.empty()) {
    for (std::size_t i = 0; i < recipe.Pictures.size() && i < painted.size(); ++i)
      if (recipe.Pictures[i].Name == p.DeriveFrom) cells = TransformCells(painted[i], p.Transform);
    if (cells.empty()) throw TSourceError(fileName, p.Line, "\"" + p.DeriveFrom + "\" is not painted yet");
  } else {
    for (int s = 0; s < p.States; ++s) {
      cells.emplace_back(p.Cell.cx, p.Cell.cy);
      cells.back().Clear();
    }
  }
  for (const TRecipeOp& op : p.Ops) {
    for (int s = 0; s < p.States; ++s) {
      if (!op.States.empty() && std::find(op.States.begin(), op.States.end(), s) == op.States.end()) continue;
      TStepPainter(cells[static_cast<std::size_t>(s)], op, fileName).Run();
    }
  }
  return cells;
}

}  // namespace skingen
