#pragma once
// FontLibrary: finds font files through fontconfig and opens them with FreeType, once per
// process. At start-up it adds the folder of Debian's fonts-wine package (which holds a
// metric-compatible Tahoma) to the font configuration. A face name that no installed
// family carries falls back to DejaVu Sans. Faces are shared by every font description
// that resolves to the same file, size and synthetic styles. Used by Font and FontFace.
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "platform/gfx/Font.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;
struct _FcConfig;

namespace gfx {

class FontFace;

class FontLibrary {
 public:
  // The process-wide library, made on first use and kept until the process ends.
  static FontLibrary& Get();

  std::shared_ptr<FontFace> Resolve(const FontDesc& desc);
  void PurgeGlyphs();

  // The folder added to the font configuration at start-up.
  static constexpr const char* kExtraFontDir = "/usr/share/wine/fonts";
  static constexpr const char* kFallbackFamily = "DejaVu Sans";

 private:
  struct FaceFile {
    FT_FaceRec_* face = nullptr;
    std::string family;  // the family name as asked for when it matched, else the file's
    bool bold = false;
    bool italic = false;
  };

  FontLibrary();
  // The best file for a family; null when the family is not installed (or, with
  // anyFamily, when no font at all is installed).
  const FaceFile* Match(const std::string& family, int weight, bool italic, bool anyFamily);
  const FaceFile* Open(const std::string& path, int index);
  // True when a bold file draws noticeably heavier stems than the regular one.
  static bool Heavier(FT_FaceRec_* bold, FT_FaceRec_* regular);
  std::shared_ptr<FontFace> Instance(const FaceFile* file, int pixelSize, int cellHeight, bool synthBold,
                                     bool synthItalic);

  FT_LibraryRec_* ft_ = nullptr;
  _FcConfig* config_ = nullptr;
  std::map<std::pair<std::string, int>, std::unique_ptr<FaceFile>> files_;
  std::map<std::tuple<const FaceFile*, int, int, bool, bool>, std::shared_ptr<FontFace>> instances_;
  std::map<std::tuple<std::u16string, int, int, bool>, std::shared_ptr<FontFace>> resolved_;
};

}  // namespace gfx
