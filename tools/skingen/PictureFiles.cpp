#include "tools/skingen/PictureFiles.h"

#include <algorithm>

#include "platform/base/TextCase.h"
#include "platform/gfx/ImageCodec.h"
#include "tools/skingen/SourceText.h"

namespace skingen {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// Gives fully transparent pixels (alpha 0) the average colour of painted neighbours,
// growing outward pass by pass; what no pass reaches stays black.
void BleedColours(gfx::PixelBuffer& cell) {
  const int w = cell.Width(), h = cell.Height();
  std::vector<std::uint8_t> filled(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) filled[static_cast<std::size_t>(y) * w + x] = (cell.Row32(y)[x] >> 24) != 0;
  for (int pass = 0; pass < w + h; ++pass) {
    std::vector<std::uint8_t> next = filled;
    bool changed = false;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (filled[static_cast<std::size_t>(y) * w + x]) continue;
        int n = 0, sum[3] = {0, 0, 0};
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h || !filled[static_cast<std::size_t>(ny) * w + nx]) continue;
            const std::uint32_t px = cell.Row32(ny)[nx];
            for (int c = 0; c < 3; ++c) sum[c] += (px >> (8 * c)) & 0xFF;
            ++n;
          }
        }
        if (n == 0) continue;
        std::uint32_t px = 0;  // alpha stays 0: the pixel is still not painted
        for (int c = 0; c < 3; ++c) px |= static_cast<std::uint32_t>((sum[c] + n / 2) / n) << (8 * c);
        cell.Row32(y)[x] = px;
        next[static_cast<std::size_t>(y) * w + x] = 1;
        changed = true;
      }
    }
    filled.swap(next);
    if (!changed) break;
  }
}

// Writes one state cell into the file at (x0, y0); the mask goes maskDy rows below.
void PlaceCell(const TPictureRecipe& p, gfx::PixelBuffer cell, gfx::PixelBuffer& file, int x0, int y0) {
  const int w = cell.Width(), h = cell.Height();
  if (p.Storage == TStorage::Mask) BleedColours(cell);
  const bool rounded = p.Round[0] > 0 || p.Round[1] > 0 || p.Round[2] > 0 || p.Round[3] > 0;
  const std::vector<float> shape = rounded ? RoundedCellCoverage(p.Cell, p.Round) : std::vector<float>();
  auto outside = [&](int x, int y) { return rounded && shape[static_cast<std::size_t>(y) * w + x] < 0.5f; };
  for (int y = 0; y < h; ++y) {
    std::uint32_t* out = file.Row32(y0 + y) + x0;
    for (int x = 0; x < w; ++x) {
      const std::uint32_t px = cell.Row32(y)[x];
      const std::uint32_t a = px >> 24, rgb = px & 0xFFFFFFu;
      switch (p.Storage) {
        case TStorage::Alpha: out[x] = a == 0 ? 0 : px; break;
        case TStorage::Key: out[x] = a >= 128 && !outside(x, y) ? (rgb | kOpaque) : kKeyPixel; break;
        case TStorage::Mask: {
          const bool key = outside(x, y);
          out[x] = key ? kKeyPixel : (rgb | kOpaque);
          const std::uint32_t m = key ? 255 : 255 - a;
          file.Row32(y0 + h + y)[x0 + x] = kOpaque | (m << 16) | (m << 8) | m;
          break;
        }
      }
    }
  }
}

std::vector<std::uint8_t> Encode(const gfx::PixelBuffer& pixels, bool bmp) {
  gfx::PixelBuffer copy = pixels;
  if (bmp) return gfx::EncodeBmp(copy.View());
  // The loader turns opaque magenta into the key colour; PNG files carry it so.
  for (int y = 0; y < copy.Height(); ++y)
    for (int x = 0; x < copy.Width(); ++x)
      if (copy.Row32(y)[x] == kKeyPixel) copy.Row32(y)[x] = kKeyPixel | kOpaque;
  return gfx::EncodePng(copy.View());
}

}  // namespace

bool IsBmpName(std::string_view name) {
  if (name.size() < 4) return false;
  return base::ToUpperAscii(name.substr(name.size() - 4)) == ".BMP";
}

std::vector<TPictureFile> BuildPictureFiles(const TRecipe& recipe, std::string_view fileName) {
  std::vector<TStateCells> painted;
  for (const TPictureRecipe& p : recipe.Pictures) painted.push_back(PaintPicture(p, recipe, painted, fileName));

  std::vector<TPictureFile> files;
  for (const TFileRecipe& f : recipe.Files) {
    TPictureFile out;
    out.Recipe = &f;
    bool others = false;
    for (const TPictureRecipe& p : recipe.Pictures) {
      if (p.File != f.Id) continue;
      (p.Storage == TStorage::Alpha ? out.AlphaFile : others) = true;
      if (out.AlphaFile && others)
        throw TSourceError(fileName, p.Line, "\"" + f.Name + "\" mixes pictures with alpha and pictures without");
    }
    out.Pixels = gfx::PixelBuffer(f.Size.cx, f.Size.cy);
    for (int y = 0; y < f.Size.cy; ++y) std::fill_n(out.Pixels.Row32(y), f.Size.cx, out.AlphaFile ? 0u : kKeyPixel);
    for (std::size_t i = 0; i < recipe.Pictures.size(); ++i) {
      const TPictureRecipe& p = recipe.Pictures[i];
      if (p.File != f.Id) continue;
      for (int s = 0; s < p.States; ++s)
        PlaceCell(p, painted[i][static_cast<std::size_t>(s)], out.Pixels, p.At.X + s * p.Cell.cx, p.At.Y);
    }
    out.Bytes = Encode(out.Pixels, IsBmpName(f.Name));
    files.push_back(std::move(out));
  }
  return files;
}

}  // namespace skingen
