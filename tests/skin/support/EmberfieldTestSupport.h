#pragma once
// The stored Emberfield package opened the way the skin manager opens it: through the
// package reader, its options text into the options ini, its pictures decoded with the
// loader's key-colour rule. Shared by the checks of the stored skin.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/gfx/ImageCodec.h"
#include "skin/data/acOptionsText.h"
#include "skin/data/acSkinIni.h"
#include "skin/data/acSkinPackage.h"
#include "skin/render/pixels/sColors.h"
#include "tests/skin/support/SkinDataTestSupport.h"

namespace skin::emberfield {

inline std::string StoredPackagePath() {
  return std::string(PELLOMIR_SOURCE_TREE) + "/skins/Emberfield/Emberfield.asz";
}
inline std::string SkinSourceFolder() { return std::string(PELLOMIR_SOURCE_TREE) + "/skins/Emberfield"; }
inline std::string BuiltPackagePath() { return std::string(PELLOMIR_BUILD_TREE) + "/skins/Emberfield.asz"; }

inline TacBytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return TacBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A picture as the loader holds it: opaque magenta in a PNG becomes the key pixel.
inline gfx::PixelBuffer LoadedPicture(const TacBytes& bytes, bool png) {
  gfx::DecodeResult r = gfx::DecodeImage(bytes);
  if (!r.ok) return {};
  if (png)
    for (int y = 0; y < r.image.pixels.Height(); ++y)
      for (int x = 0; x < r.image.pixels.Width(); ++x)
        if (r.image.pixels.Row32(y)[x] == 0xFFFF00FFu) r.image.pixels.Row32(y)[x] = 0x00FF00FFu;
  return std::move(r.image.pixels);
}

struct TOpenedSkin {
  TacBytes Package;
  TacSkinConvertor Sc;
  bool Read = false;
  TacSkinIni Ini;
  std::map<std::u16string, gfx::PixelBuffer> Pictures;  // by upper-case member name

  const gfx::PixelBuffer* Picture(std::u16string_view name) const {
    const auto it = Pictures.find(base::ToUpperAscii(name));
    return it == Pictures.end() ? nullptr : &it->second;
  }
  const gfx::PixelBuffer* Master() const { return Picture(Ini.ReadString(u"GLOBALINFO", u"MASTERBITMAP", u"")); }
};

// The stored package, opened once for all tests.
inline const TOpenedSkin& StoredSkin() {
  static const TOpenedSkin skin = [] {
    TOpenedSkin s;
    s.Package = ReadBytes(StoredPackagePath());
    s.Sc.PackedData = s.Package;
    test::RecordingHost host;
    s.Read = ReadSkinPackage(s.Sc, host) && host.boxes.empty();
    s.Sc.PackedData = {};
    if (s.Sc.Options) LoadOptionsText(s.Ini, *s.Sc.Options);
    for (const TacFileItem& f : s.Sc.Files) {
      const std::u16string upper = base::ToUpperAscii(f.Name);
      s.Pictures.emplace(upper, LoadedPicture(f.Stream, upper.find(u".PNG") != std::u16string::npos));
    }
    return s;
  }();
  return skin;
}

// Relative luminance of a colour value (0x00BBGGRR) and the contrast ratio of two.
inline double Luminance(TColor c) {
  auto lin = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * lin(c & 0xFF) + 0.7152 * lin((c >> 8) & 0xFF) + 0.0722 * lin((c >> 16) & 0xFF);
}

inline double Contrast(TColor a, TColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace skin::emberfield
