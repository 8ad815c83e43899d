#pragma once
// Density variants of option keys: a key may have forms for higher screen densities,
// written as the key name plus "*125" (120 dots per inch), "*150" (144) or "*200" (192);
// the plain key stands for 96. These functions pick the variant a data set built for a
// density reads, for images and for the scaled numbers of [GLOBALINFO].
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skin {

class TacSkinIni;

inline constexpr int acScaleCount = 4;
// Density of each scale index, and the key suffix that stands for it.
inline constexpr int acScalePPI[acScaleCount] = {96, 120, 144, 192};
inline constexpr std::u16string_view acScaleSuffix[acScaleCount] = {u"", u"*125", u"*150", u"*200"};

// The scale index of a density: 0 up to 110, 1 up to 134, 2 up to 170, else 3.
int ScaleIndexOfPPI(int ppi);

// The variant of an image key that a data set for ppi reads, and the density it was made
// for. Only keys present in plain form have variants. The search starts at the density's
// scale index (one above when that index's density is below ppi) and goes upward to
// "*200", then downward to the plain key.
struct TacKeyVariant {
  std::u16string Value;
  int PPI = 96;
};
std::optional<TacKeyVariant> FindImageVariant(const TacSkinIni& ini, std::u16string_view section,
                                              std::u16string_view key, int ppi);

// A scaled number of [GLOBALINFO] for ppi: the key with the suffix of ppi's scale index
// when present, used as it is; else the plain key (or the default) times ppi / 96. At
// scale index 0 the plain key and the default are used as they are.
std::int32_t ReadScaledGlobalInt(const TacSkinIni& ini, std::u16string_view key, std::int32_t def, int ppi);

// A number of the form frame (BORDERWIDTH, FORMOFFSET, TITLEHEIGHT, MAXHEIGHT,
// CENTEROFFSET). When the EXBORDER image exists, exBorderPPI is its source density: the
// key with that density's suffix is tried, then the plain key (or the default) at 96, and
// the value is scaled from the density it was found at to ppi. With exBorderPPI 0 (no
// EXBORDER image) it reads like ReadScaledGlobalInt.
std::int32_t ReadFormFrameInt(const TacSkinIni& ini, std::u16string_view key, std::int32_t def, int ppi,
                              int exBorderPPI);

}  // namespace skin
