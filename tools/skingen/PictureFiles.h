#pragma once
// Lays the painted pictures into the skin's picture files and encodes them. Each picture
// keeps the area its recipe gives it: the state pictures side by side and, for masked
// storage, the masks below them (255 minus the coverage, grey). Key storage and the
// corners of masked border pictures mark pixels covered less than half with the key
// colour; fully transparent pixels elsewhere in a masked picture take the colour of
// their painted neighbours, so that resampling at other densities blends no key colour
// in. Unused parts of a file hold the key colour (or nothing, in files of alpha pictures).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/PixelBuffer.h"
#include "tools/skingen/PicturePainter.h"
#include "tools/skingen/Recipe.h"

namespace skingen {

// The key colour as the loader holds it: magenta with alpha 0.
constexpr std::uint32_t kKeyPixel = 0x00FF00FF;

struct TPictureFile {
  const TFileRecipe* Recipe = nullptr;  // in the recipe the files were built from
  // The pixels as the skin loader holds them after reading the file: key pixels are
  // kKeyPixel, all others opaque, except in files of alpha pictures (straight alpha).
  gfx::PixelBuffer Pixels;
  bool AlphaFile = false;
  // The encoded file: PNG (key pixels written opaque, as the loader expects them) or a
  // 32-bit BMP (key pixels with alpha 0), by the member name's extension.
  std::vector<std::uint8_t> Bytes;
};

// Paints every picture of the recipe and builds every file, in the recipe's order. The
// files point into the recipe, which must outlive them.
// Throws TSourceError for a step that cannot be painted or a file that mixes alpha
// pictures with others.
std::vector<TPictureFile> BuildPictureFiles(const TRecipe& recipe, std::string_view fileName);

// True when the member name ends in ".BMP" (any letter case).
bool IsBmpName(std::string_view name);

}  // namespace skingen
