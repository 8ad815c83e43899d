#include "skin/data/acScaleVariants.h"

#include "skin/data/acSkinIni.h"

namespace skin {

namespace {

constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";

// v * mul / div in 64 bits, truncated toward zero, wrapped into 32 bits.
std::int32_t Scale(std::int32_t v, int mul, int div) {
  if (div == 0) return v;
  return static_cast<std::int32_t>(static_cast<std::int64_t>(v) * mul / div);
}

std::u16string WithSuffix(std::u16string_view key, int index) {
  return std::u16string(key) + std::u16string(acScaleSuffix[index]);
}

}  // namespace

int ScaleIndexOfPPI(int ppi) {
  if (ppi <= 110) return 0;
  if (ppi <= 134) return 1;
  if (ppi <= 170) return 2;
  return 3;
}

std::optional<TacKeyVariant> FindImageVariant(const TacSkinIni& ini, std::u16string_view section,
                                              std::u16string_view key, int ppi) {
  const int sectionIndex = ini.IndexOfSection(section);
  if (ini.FindValueAt(sectionIndex, key) == nullptr) return std::nullopt;
  const int s = ScaleIndexOfPPI(ppi);
  const int start = acScalePPI[s] < ppi ? s + 1 : s;
  auto probe = [&](int index) -> std::optional<TacKeyVariant> {
    if (const std::u16string* v = ini.FindValueAt(sectionIndex, WithSuffix(key, index))) {
      return TacKeyVariant{*v, acScalePPI[index]};
    }
    return std::nullopt;
  };
  for (int i = start; i < acScaleCount; ++i)
    if (auto found = probe(i)) return found;
  for (int i = start - 1; i >= 0; --i)
    if (auto found = probe(i)) return found;
  return std::nullopt;
}

std::int32_t ReadScaledGlobalInt(const TacSkinIni& ini, std::u16string_view key, std::int32_t def, int ppi) {
  const int s = ScaleIndexOfPPI(ppi);
  if (s == 0) return ini.ReadInteger(kGlobalInfo, key, def);
  const std::u16string suffixed = WithSuffix(key, s);
  if (ini.ValueExists(kGlobalInfo, suffixed)) return ini.ReadInteger(kGlobalInfo, suffixed, def);
  return Scale(ini.ReadInteger(kGlobalInfo, key, def), ppi, 96);
}

std::int32_t ReadFormFrameInt(const TacSkinIni& ini, std::u16string_view key, std::int32_t def, int ppi,
                              int exBorderPPI) {
  if (exBorderPPI <= 0) return ReadScaledGlobalInt(ini, key, def, ppi);
  const int index = ScaleIndexOfPPI(exBorderPPI);
  const std::u16string suffixed = WithSuffix(key, index);
  if (index > 0 && ini.ValueExists(kGlobalInfo, suffixed)) {
    return Scale(ini.ReadInteger(kGlobalInfo, suffixed, def), ppi, acScalePPI[index]);
  }
  return Scale(ini.ReadInteger(kGlobalInfo, key, def), ppi, 96);
}

}  // namespace skin
