#pragma once
// Runs every reading of an options text that the skin loader will use, on whatever text
// arrived: the mutation test and the fuzz target share it. Traps on a broken invariant.
#include <cstdint>

#include "platform/base/TextCase.h"
#include "skin/data/acImageRef.h"
#include "skin/data/acScaleVariants.h"
#include "skin/data/acSectionReader.h"
#include "skin/data/acSkinIni.h"

namespace skin::test {

// Reads every section with inheritance and every value with each of its syntaxes, for a
// data set of density ppi.
inline void ExerciseOptions(const TacSkinIni& ini, int ppi) {
  for (const TacIniSection& section : ini.Sections()) {
    const TacSectionReader reader(ini, section.Name);
    (void)reader.ReadInt(u"COLOR", 0xFFFFFF, 0xFFFFFF);
    (void)reader.ReadBool(u"GIVEOWNFONT", false);
    (void)reader.ReadText(u"PARENTCLASS", u"");
    for (const TacIniEntry& e : section.Entries) {
      if (!e.HasValue) continue;
      const std::u16string value = base::ToUpperAscii(e.Value);
      if (IsImageRefValue(value)) {
        const TacImageRef r = ParseCanonicalImageRef(NormalizeImageRef(value));
        if (r.ImgType < 0 || r.ImgType > 4) __builtin_trap();
        (void)FindImageVariant(ini, section.Name, e.Key, ppi);
      }
      std::int64_t i = 0;
      double f = 0;
      (void)TryParseInt64(e.Value, i);
      (void)TryParseFloat(e.Value, f);
    }
  }
  (void)ReadScaledGlobalInt(ini, u"BITOP", 0, ppi);
  (void)ReadFormFrameInt(ini, u"TITLEHEIGHT", 30, ppi, 144);
}

}  // namespace skin::test
