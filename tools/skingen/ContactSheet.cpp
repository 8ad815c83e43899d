#include "tools/skingen/ContactSheet.h"

#include <algorithm>
#include <string>

#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "skin/data/acImageRef.h"
#include "skin/render/pixels/acPixelBlend.h"

namespace skingen {

namespace {

using skin::Bitmap32;
using skin::TRect;

constexpr int kLegendWidth = 560;
constexpr int kLineHeight = 15;
constexpr std::uint32_t kOutline[] = {0xFFFF3B30, 0xFF00C853, 0xFF2979FF, 0xFFFFAB00, 0xFFD500F9, 0xFF00B8D4};

struct TEntry {
  std::string File;  // upper-case member name, empty for the master bitmap
  TRect R;
  std::string Names;
  std::string Picture;
  int States = 1;
  bool Mask = false;
};

void Label(Bitmap32& b, int x, int y, const std::string& text, skin::TColor colour, int height = -11) {
  gfx::Surface& s = b.Canvas();
  const int saved = s.Save();
  gfx::FontDesc f;
  f.height = height;
  s.SetFont(gfx::Font(f));
  s.SetTextColor(colour);
  s.SetBkMode(gfx::BkMode::Transparent);
  s.TextOut(x, y, base::Utf8ToUtf16(text));
  s.Restore(saved);
}

void Frame(Bitmap32& b, const TRect& r, std::uint32_t px) {
  auto put = [&](int x, int y) {
    if (x >= 0 && y >= 0 && x < b.Width() && y < b.Height()) b.Row(y)[x] = px;
  };
  for (int x = r.Left; x < r.Right; ++x) {
    put(x, r.Top);
    put(x, r.Bottom - 1);
  }
  for (int y = r.Top; y < r.Bottom; ++y) {
    put(r.Left, y);
    put(r.Right - 1, y);
  }
}

// One file enlarged by scale at (x0, y0): key pixels and transparent ones as a
// checkerboard, translucent ones over it.
void PaintFile(Bitmap32& sheet, const TPictureFile& f, int x0, int y0, int scale) {
  const gfx::PixelBuffer& px = f.Pixels;
  for (int y = 0; y < px.Height() * scale; ++y) {
    std::uint32_t* row = sheet.Row(y0 + y) + x0;
    for (int x = 0; x < px.Width() * scale; ++x) {
      const std::uint32_t check = ((x / 6 + y / 6) % 2) ? 0xFFD8D8D8u : 0xFFF4F4F4u;
      std::uint32_t p = px.Row32(y / scale)[x / scale];
      if (p == kKeyPixel) p = 0;
      row[x] = gfx::MixPixelOpaque255Round(check, p, p >> 24);
    }
  }
}

}  // namespace

Bitmap32 PaintContactSheet(const std::vector<TPictureFile>& files, const std::vector<TImageUse>& images) {
  // The entries, one per distinct place; keys naming the same place share a number.
  std::vector<TEntry> entries;
  for (const TImageUse& use : images) {
    const skin::TacImageRef ref = skin::ParseCanonicalImageRef(skin::NormalizeImageRef(base::Utf8ToUtf16(use.Value)));
    const std::string file = base::ToUpperAscii(base::Utf16ToUtf8(ref.File));
    TRect r = ref.R;
    if (r.IsEmpty()) {
      for (const TPictureFile& f : files)
        if (base::ToUpperAscii(f.Recipe->Name) == file) r = {0, 0, f.Recipe->Size.cx, f.Recipe->Size.cy};
    }
    const std::string name = use.Section + "." + use.Key;
    auto it = std::find_if(entries.begin(), entries.end(), [&](const TEntry& e) { return e.File == file && e.R == r; });
    if (it != entries.end()) {
      it->Names += ", " + name;
      continue;
    }
    entries.push_back({file, r, name, use.Picture, std::max(1, ref.ImageCount), ref.MaskType != 0});
  }

  const int masterScale = 3, fileScale = 2;
  int width = 0, height = 8;
  std::vector<std::pair<int, int>> places;  // top-left of each file on the sheet
  for (const TPictureFile& f : files) {
    const int scale = &f == &files.front() ? masterScale : fileScale;
    places.push_back({8, height + 34});
    height += 34 + f.Pixels.Height() * scale + 8;
    width = std::max(width, 16 + f.Pixels.Width() * scale);
  }
  const int legendX = width + 8;
  height = std::max(height, 30 + static_cast<int>(entries.size()) * kLineHeight + 8);
  Bitmap32 sheet(legendX + kLegendWidth, height);
  skin::FillPixels(&sheet, {0, 0, sheet.Width(), sheet.Height()}, 0x3A3230, 255);

  for (std::size_t i = 0; i < files.size(); ++i) {
    const TPictureFile& f = files[i];
    const int scale = i == 0 ? masterScale : fileScale;
    const auto [x0, y0] = places[i];
    Label(sheet, x0, y0 - 32,
          f.Recipe->Name + "  (" + std::to_string(f.Pixels.Width()) + " x " + std::to_string(f.Pixels.Height()) +
              ", shown x" + std::to_string(scale) + ")",
          0xFFFFFF);
    PaintFile(sheet, f, x0, y0, scale);
    for (std::size_t n = 0; n < entries.size(); ++n) {
      const TEntry& e = entries[n];
      const bool here = e.File.empty() ? i == 0 : base::ToUpperAscii(f.Recipe->Name) == e.File;
      if (!here) continue;
      const std::uint32_t colour = kOutline[n % std::size(kOutline)];
      const TRect r{x0 + e.R.Left * scale - 1, y0 + e.R.Top * scale - 1, x0 + e.R.Right * scale + 1,
                    y0 + e.R.Bottom * scale + 1};
      Frame(sheet, r, colour);
      if (e.Mask) {
        const int mid = y0 + (e.R.Top + e.R.Height() / 2) * scale;
        for (int x = r.Left; x < r.Right; x += 2) sheet.Row(mid)[x] = colour;
      }
      const int cell = e.R.Width() / e.States;
      for (int s = 1; s < e.States; ++s) {
        const int x = x0 + (e.R.Left + s * cell) * scale;
        for (int y = r.Top; y < r.Bottom; y += 3) sheet.Row(y)[x] = colour;
      }
      const std::string tag = std::to_string(n + 1);
      skin::FillPixels(&sheet, {r.Left, r.Top - 12, r.Left + 7 * static_cast<int>(tag.size()) + 4, r.Top}, 0x202020,
                       255);
      Label(sheet, r.Left + 2, r.Top - 13, tag, skin::SwapRedBlue(colour & 0xFFFFFF));
    }
  }

  Label(sheet, legendX, 8, "Image entries named by the options", 0xFFFFFF, -13);
  for (std::size_t n = 0; n < entries.size(); ++n) {
    const TEntry& e = entries[n];
    const std::string line =
        std::to_string(n + 1) + "  " + e.Names + "  [" + e.Picture + "]  " + std::to_string(e.R.Left) + "," +
        std::to_string(e.R.Top) + " - " + std::to_string(e.R.Right) + "," + std::to_string(e.R.Bottom) + "  x" +
        std::to_string(e.States) + (e.Mask ? " +mask" : "") + (e.File.empty() ? "" : "  in " + e.File);
    Label(sheet, legendX, 30 + static_cast<int>(n) * kLineHeight, line,
          skin::SwapRedBlue(kOutline[n % std::size(kOutline)] & 0xFFFFFF));
  }
  return sheet;
}

}  // namespace skingen
