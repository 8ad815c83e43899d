#pragma once
// FontFace: one font face at one pixel size, with the synthetic bold and slant it needs.
// It answers text metrics and rasterised glyphs (grey coverage, 0..255), and keeps every
// glyph it has rasterised, so that drawing the same text again costs no rasterising.
// Characters the face lacks come from the fallback face (DejaVu Sans) at the same size.
// Faces are made and shared by the font library (FontLibrary.cpp); Font::Face() finds one.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gfx/Font.h"

struct FT_FaceRec_;
struct FT_SizeRec_;

namespace gfx {

struct Glyph {
  int advance = 0;  // pixels the pen moves
  int left = 0;     // from the pen position to the first column
  int top = 0;      // from the baseline up to the first row
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;  // width x height, row by row
};

class FontFace {
 public:
  struct Params {
    FT_FaceRec_* face = nullptr;  // null: no font is installed at all; glyphs are empty
    std::string family;           // the family drawn, UTF-8
    int pixelSize = 11;           // the em size in pixels
    int cellHeight = 0;           // > 0: the cell height asked for, which the metrics keep
    bool syntheticBold = false;
    bool syntheticItalic = false;
    std::shared_ptr<FontFace> fallback;  // for characters the face lacks
  };

  explicit FontFace(Params p);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  // Metrics of the face alone; underline, strike-out and character set come from the
  // font's description (see Surface::GetTextMetrics).
  const TextMetric& Metrics() const { return metrics_; }
  int PixelSize() const { return params_.pixelSize; }
  const std::string& Family() const { return params_.family; }
  bool SyntheticBold() const { return params_.syntheticBold; }
  bool SyntheticItalic() const { return params_.syntheticItalic; }

  const Glyph& GetGlyph(char32_t c);
  int Advance(char32_t c) { return GetGlyph(c).advance; }

  // Underline: rows below the baseline to its first row; strike-out: rows above the
  // baseline to its first row; both as thick as LineThickness().
  int UnderlinePosition() const { return underlinePos_; }
  int StrikeoutPosition() const { return strikeoutPos_; }
  int LineThickness() const { return lineThickness_; }

  // Drops every rasterised glyph (benchmarks measure the first drawing with it).
  void PurgeGlyphs();

  // A face's ascent and descent in font units, as the platform sizes the cell (the
  // OS/2 "win" extents, else the horizontal header's).
  static void VerticalExtent(FT_FaceRec_* face, int& ascent, int& descent);

 private:
  bool HasChar(char32_t c) const;
  Glyph Rasterise(char32_t c);
  void ComputeMetrics();

  Params params_;
  FT_SizeRec_* size_ = nullptr;
  TextMetric metrics_;
  int underlinePos_ = 1;
  int strikeoutPos_ = 3;
  int lineThickness_ = 1;
  std::unordered_map<char32_t, Glyph> glyphs_;
};

// Drops the rasterised glyphs of every face made so far.
void PurgeGlyphCaches();

}  // namespace gfx
