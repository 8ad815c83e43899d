#include "platform/gfx/FontLibrary.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>

#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/gfx/FontFace.h"

namespace gfx {
namespace {

// Width in font units of the stem of "l", the plainest vertical stroke.
double StemWidth(FT_Face face) {
  const FT_UInt gi = FT_Get_Char_Index(face, 'l');
  if (gi == 0 || FT_Load_Glyph(face, gi, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0) return 0;
  if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE || face->units_per_EM == 0) return 0;
  FT_BBox box;
  FT_Outline_Get_CBox(&face->glyph->outline, &box);
  return double(box.xMax - box.xMin) / face->units_per_EM;
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// fontconfig's configuration parser loses a few hundred bytes once per process (its
// frames carry no frame pointers, so the leak checker sees only the library). The hook
// lives here because this file is linked into every program that uses fonts.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

FontLibrary& FontLibrary::Get() {
  // Kept for the whole process: faces may be released by objects that outlive statics.
  static FontLibrary* library = new FontLibrary();
  return *library;
}

FontLibrary::FontLibrary() {
  if (FT_Init_FreeType(&ft_) != 0) ft_ = nullptr;
  config_ = FcInitLoadConfigAndFonts();
  if (config_) FcConfigAppFontAddDir(config_, reinterpret_cast<const FcChar8*>(kExtraFontDir));
}

const FontLibrary::FaceFile* FontLibrary::Open(const std::string& path, int index) {
  auto key = std::make_pair(path, index);
  auto it = files_.find(key);
  if (it != files_.end()) return it->second.get();
  auto file = std::make_unique<FaceFile>();
  if (FT_New_Face(ft_, path.c_str(), index, &file->face) != 0) file->face = nullptr;
  if (file->face) {
    file->bold = (file->face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    file->italic = (file->face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    file->family = file->face->family_name ? file->face->family_name : "";
  }
  const FaceFile* out = file->face ? file.get() : nullptr;
  files_.emplace(key, std::move(file));
  return out;
}

const FontLibrary::FaceFile* FontLibrary::Match(const std::string& family, int weight, bool italic, bool anyFamily) {
  if (!config_ || !ft_) return nullptr;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(std::clamp(weight, 1, 1000)));
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config_, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config_, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return nullptr;

  // fontconfig always answers with something; accept it only when one of its family
  // names is the one asked for (or when any family will do).
  bool sameFamily = false;
  FcChar8* name = nullptr;
  const std::string wanted = base::ToLowerAscii(family);
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
    sameFamily = sameFamily || base::ToLowerAscii(reinterpret_cast<const char*>(name)) == wanted;
  FcChar8* path = nullptr;
  int index = 0;
  const FaceFile* file = nullptr;
  if ((sameFamily || anyFamily) && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    file = Open(reinterpret_cast<const char*>(path), index);
  }
  FcPatternDestroy(match);
  return file;
}

bool FontLibrary::Heavier(FT_FaceRec_* bold, FT_FaceRec_* regular) {
  const double b = StemWidth(bold), r = StemWidth(regular);
  return b <= 0 || r <= 0 || b > r * 1.15;
}

std::shared_ptr<FontFace> FontLibrary::Instance(const FaceFile* file, int pixelSize, int cellHeight, bool synthBold,
                                                bool synthItalic) {
  auto key = std::make_tuple(file, pixelSize, cellHeight, synthBold, synthItalic);
  auto it = instances_.find(key);
  if (it != instances_.end()) return it->second;
  FontFace::Params p;
  p.face = file ? file->face : nullptr;
  p.family = file ? file->family : std::string();
  p.pixelSize = pixelSize;
  p.cellHeight = cellHeight;
  p.syntheticBold = synthBold;
  p.syntheticItalic = synthItalic;
  if (file && base::ToLowerAscii(file->family) != base::ToLowerAscii(kFallbackFamily)) {
    const FaceFile* fb =
        Match(kFallbackFamily, synthBold || file->bold ? FW_BOLD : FW_NORMAL, synthItalic || file->italic, false);
    if (fb && fb != file) p.fallback = Instance(fb, pixelSize, 0, false, false);
  }
  auto face = std::make_shared<FontFace>(std::move(p));
  instances_.emplace(key, face);
  return face;
}

std::shared_ptr<FontFace> FontLibrary::Resolve(const FontDesc& desc) {
  const bool wantBold = desc.weight >= 600;
  auto key = std::make_tuple(base::ToLowerAscii(desc.face), desc.height, wantBold ? FW_BOLD : FW_NORMAL, desc.italic);
  auto it = resolved_.find(key);
  if (it != resolved_.end()) return it->second;

  std::string family = base::Utf16ToUtf8(desc.face);
  if (family.empty()) family = "Tahoma";
  const FaceFile* file = Match(family, wantBold ? FW_BOLD : FW_NORMAL, desc.italic, false);
  if (!file) file = Match(kFallbackFamily, wantBold ? FW_BOLD : FW_NORMAL, desc.italic, false);
  if (!file) file = Match(family, wantBold ? FW_BOLD : FW_NORMAL, desc.italic, true);

  bool synthBold = false;
  if (file && wantBold) {
    if (!file->bold) {
      synthBold = true;
    } else {
      // Some bold files carry regular-weight outlines; draw the regular face emboldened.
      const FaceFile* regular = Match(file->family, FW_NORMAL, desc.italic, false);
      if (regular && regular != file && !regular->bold && !Heavier(file->face, regular->face)) {
        file = regular;
        synthBold = true;
      }
    }
  }
  const bool synthItalic = file && desc.italic && !file->italic;

  // Pixel size from the height: negative is the em size, positive the cell height.
  int pixelSize = 11, cellHeight = 0;
  if (desc.height < 0) {
    pixelSize = -desc.height;
  } else if (desc.height > 0) {
    cellHeight = std::min(desc.height, 1024);
    int asc = 0, des = 0;
    if (file) FontFace::VerticalExtent(file->face, asc, des);
    const int upem = file && file->face->units_per_EM ? file->face->units_per_EM : 1;
    pixelSize = asc + des > 0 ? static_cast<int>(std::lround(double(cellHeight) * upem / (asc + des))) : cellHeight;
  }
  pixelSize = std::clamp(pixelSize, 1, 1024);

  auto face = Instance(file, pixelSize, cellHeight, synthBold, synthItalic);
  resolved_.emplace(key, face);
  return face;
}

void FontLibrary::PurgeGlyphs() {
  for (auto& [key, face] : instances_) face->PurgeGlyphs();
}

void PurgeGlyphCaches() { FontLibrary::Get().PurgeGlyphs(); }

FontFace& Font::Face() const {
  if (!face_) face_ = FontLibrary::Get().Resolve(desc_).get();
  return *face_;
}

}  // namespace gfx
