#include "platform/gfx/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace gfx {
namespace {

// Pixels added to each glyph by synthetic bold.
int BoldSpread(int pixelSize) { return 1 + pixelSize / 24; }

// Grey coverage 0..255 from any bitmap FreeType renders.
void CopyCoverage(const FT_Bitmap& b, Glyph& g) {
  g.width = static_cast<int>(b.width);
  g.height = static_cast<int>(b.rows);
  g.coverage.assign(static_cast<std::size_t>(g.width) * g.height, 0);
  for (int y = 0; y < g.height; ++y) {
    const unsigned char* row = b.buffer + static_cast<std::ptrdiff_t>(b.pitch) * y;
    std::uint8_t* out = g.coverage.data() + static_cast<std::size_t>(y) * g.width;
    for (int x = 0; x < g.width; ++x) {
      switch (b.pixel_mode) {
        case FT_PIXEL_MODE_MONO: out[x] = ((row[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0; break;
        case FT_PIXEL_MODE_GRAY:
          out[x] = b.num_grays > 1 && b.num_grays != 256 ? static_cast<std::uint8_t>(row[x] * 255 / (b.num_grays - 1))
                                                         : row[x];
          break;
        case FT_PIXEL_MODE_BGRA: out[x] = row[4 * x + 3]; break;
        default: out[x] = 0; break;
      }
    }
  }
}

// Widens every row by spread pixels to the right: the classic synthetic bold.
void Embolden(Glyph& g, int spread) {
  if (g.width > 0 && g.height > 0) {
    const int w = g.width + spread;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(w) * g.height, 0);
    for (int y = 0; y < g.height; ++y)
      for (int x = 0; x < w; ++x) {
        std::uint8_t v = 0;
        for (int k = 0; k <= spread; ++k) {
          const int sx = x - k;
          if (sx >= 0 && sx < g.width) v = std::max(v, g.coverage[static_cast<std::size_t>(y) * g.width + sx]);
        }
        out[static_cast<std::size_t>(y) * w + x] = v;
      }
    g.coverage = std::move(out);
    g.width = w;
  }
  g.advance += spread;
}

// Weights of the lower-case letters and the space in an average character width.
constexpr int kLetterWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                    56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
constexpr int kSpaceWeight = 166;

}  // namespace

void FontFace::VerticalExtent(FT_FaceRec_* face, int& ascent, int& descent) {
  ascent = descent = 0;
  if (!face) return;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
    return;
  }
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  if (hhea && hhea->Ascender - hhea->Descender > 0) {
    ascent = hhea->Ascender;
    descent = -hhea->Descender;
    return;
  }
  ascent = face->ascender;
  descent = -face->descender;
}

FontFace::FontFace(Params p) : params_(std::move(p)) {
  if (params_.face) {
    if (FT_New_Size(params_.face, &size_) != 0) {
      size_ = nullptr;
    } else {
      FT_Activate_Size(size_);
      if (FT_Set_Pixel_Sizes(params_.face, 0, static_cast<FT_UInt>(params_.pixelSize)) != 0) {
        FT_Done_Size(size_);
        size_ = nullptr;
      }
    }
  }
  ComputeMetrics();
}

FontFace::~FontFace() {
  if (size_) FT_Done_Size(size_);
}

void FontFace::ComputeMetrics() {
  TextMetric& m = metrics_;
  const int px = params_.pixelSize;
  const int spread = params_.syntheticBold ? BoldSpread(px) : 0;
  int asc = 0, des = 0;
  VerticalExtent(params_.face, asc, des);
  if (!size_ || asc + des <= 0) {
    // No usable face: plausible numbers so that layout still works.
    m.tmHeight = params_.cellHeight > 0 ? params_.cellHeight : px + px / 5;
    m.tmAscent = m.tmHeight * 4 / 5;
    m.tmDescent = m.tmHeight - m.tmAscent;
    m.tmInternalLeading = std::max(0, m.tmHeight - px);
    m.tmAveCharWidth = std::max(1, px / 2);
    m.tmMaxCharWidth = px;
    m.tmWeight = params_.syntheticBold ? FW_BOLD : FW_NORMAL;
    return;
  }
  FT_Face face = params_.face;
  const double scale = double(px) / face->units_per_EM;
  if (params_.cellHeight > 0) {
    m.tmAscent = static_cast<int>(std::lround(double(asc) * params_.cellHeight / (asc + des)));
    m.tmDescent = params_.cellHeight - m.tmAscent;
  } else {
    m.tmAscent = static_cast<int>(std::lround(asc * scale));
    m.tmDescent = static_cast<int>(std::lround(des * scale));
  }
  m.tmHeight = m.tmAscent + m.tmDescent;
  m.tmInternalLeading = std::max(0, m.tmHeight - px);
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (hhea) {
    const double gap = hhea->Line_Gap - ((asc + des) - (hhea->Ascender - hhea->Descender));
    m.tmExternalLeading = std::max(0, static_cast<int>(std::lround(gap * scale)));
    m.tmMaxCharWidth = static_cast<int>(std::lround(hhea->advance_Width_Max * scale)) + spread;
  } else {
    m.tmMaxCharWidth = static_cast<int>(std::lround(face->max_advance_width * scale)) + spread;
  }
  m.tmWeight = params_.syntheticBold ? FW_BOLD : (os2 && os2->version != 0xFFFF ? os2->usWeightClass : FW_NORMAL);
  m.tmItalic = params_.syntheticItalic || (face->style_flags & FT_STYLE_FLAG_ITALIC) ? 1 : 0;

  // Average width from the drawn advances of the lower-case letters and the space, as
  // the average is defined for text of ordinary letters.
  bool allLetters = HasChar(' ');
  long sum = kSpaceWeight * long(Advance(' '));
  for (int i = 0; i < 26 && allLetters; ++i) {
    allLetters = HasChar(char32_t('a' + i));
    sum += kLetterWeights[i] * long(Advance(char32_t('a' + i)));
  }
  if (allLetters) m.tmAveCharWidth = static_cast<int>((sum + 500) / 1000);
  else if (os2 && os2->version != 0xFFFF) m.tmAveCharWidth = static_cast<int>(std::lround(os2->xAvgCharWidth * scale));
  else m.tmAveCharWidth = std::max(1, px / 2);

  lineThickness_ = std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
  underlinePos_ =
      std::clamp(static_cast<int>(std::lround(-face->underline_position * scale)), 1, std::max(1, m.tmDescent - 1));
  strikeoutPos_ = os2 && os2->version != 0xFFFF && os2->yStrikeoutPosition > 0
                      ? static_cast<int>(std::lround(os2->yStrikeoutPosition * scale))
                      : m.tmAscent / 3;
}

bool FontFace::HasChar(char32_t c) const { return params_.face && FT_Get_Char_Index(params_.face, c) != 0; }

const Glyph& FontFace::GetGlyph(char32_t c) {
  auto it = glyphs_.find(c);
  if (it != glyphs_.end()) return it->second;
  return glyphs_.emplace(c, Rasterise(c)).first->second;
}

Glyph FontFace::Rasterise(char32_t c) {
  Glyph g;
  if (c < 0x20 || c == 0x7F) return g;  // control characters take no room
  if (!HasChar(c) && params_.fallback && params_.fallback->HasChar(c)) {
    g = params_.fallback->GetGlyph(c);
    if (params_.syntheticBold && !params_.fallback->params_.syntheticBold && params_.fallback->metrics_.tmWeight < 600)
      Embolden(g, BoldSpread(params_.pixelSize));
    return g;
  }
  if (!size_) {
    g.advance = std::max(1, params_.pixelSize / 2);
    return g;
  }
  FT_Face face = params_.face;
  FT_Activate_Size(size_);
  // Embedded bitmaps where the face has them at this size (crisp small Tahoma); outlines
  // are hinted in both directions, which keeps small text sharp as on a classic desktop.
  FT_Int32 flags = FT_LOAD_TARGET_NORMAL | FT_LOAD_FORCE_AUTOHINT;
  if (params_.syntheticItalic) flags |= FT_LOAD_NO_BITMAP;  // only outlines can be slanted
  if (FT_Load_Glyph(face, FT_Get_Char_Index(face, c), flags) != 0) {
    g.advance = std::max(1, params_.pixelSize / 2);
    return g;
  }
  FT_GlyphSlot slot = face->glyph;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE && params_.syntheticItalic) FT_GlyphSlot_Oblique(slot);
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    return g;
  }
  CopyCoverage(slot->bitmap, g);
  g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  g.left = slot->bitmap_left;
  g.top = slot->bitmap_top;
  if (params_.syntheticBold) Embolden(g, BoldSpread(params_.pixelSize));
  return g;
}

void FontFace::PurgeGlyphs() { glyphs_.clear(); }

}  // namespace gfx
