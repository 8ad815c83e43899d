// TacSkinData::LoadAllMasks: the image entries of every section, with their pictures
// loaded from the skin's files or cut from the master bitmap, prepared for the data set's
// density and shared between entries that name the same picture.
#include <algorithm>
#include <string>

#include "platform/base/TextCase.h"
#include "skin/data/acFiles.h"
#include "skin/data/acImageRef.h"
#include "skin/data/acMaskRescale.h"
#include "skin/data/acScaleVariants.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"
#include "skin/data/acSkinPictures.h"

namespace skin {

namespace {

constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";

TRect WholeOf(const Bitmap32& bmp) { return TRect{0, 0, bmp.Width(), bmp.Height()}; }

std::int16_t Short(std::int32_t v) { return static_cast<std::int16_t>(v); }

// Textures, glows and PNG glyphs of their own files carry no key colour.
bool KeylessFile(TacImgType type) { return type == itisaTexture || type == itisaGlow || type == itisaPngGlyph; }

}  // namespace

void TacSkinData::LoadAllMasks() {
  BmpArray.clear();
  ma.clear();
  TacSkinLoader& m = *FOwner;
  const TacSkinIni& ini = m.SkinFile;
  m.Palette[pcMainColor] = static_cast<TColor>(
      ini.ReadInteger(kGlobalInfo, u"COLOR", static_cast<std::int32_t>(gfx::GetSysColor(gfx::COLOR_BTNFACE))));

  const int firstGlobal = ini.IndexOfSection(kGlobalInfo);
  const auto& sections = ini.Sections();
  for (int i = 0; i < static_cast<int>(sections.size()); ++i) {
    const TacIniSection& section = sections[static_cast<std::size_t>(i)];
    for (const TacIniEntry& e : section.Entries) {
      if (!e.HasValue) continue;
      if (i == firstGlobal && e.Key == u"MASTERBITMAP") continue;
      if (e.Key.find(u'*') != std::u16string::npos) continue;
      // Values are read by section name: a repeated section reads the first one's keys.
      const std::u16string* value = ini.FindValue(section.Name, e.Key);
      if (value == nullptr || value->empty() || !IsImageRefValue(base::ToUpperAscii(*value))) continue;
      AddMaskEntry(i, section.Name, e.Key);
    }
  }
  LoadCommonSectionMasks();
}

void TacSkinData::AddMaskEntry(int sectionIndex, std::u16string_view section, std::u16string_view key) {
  const TacSkinIni& ini = FOwner->SkinFile;
  const std::optional<TacKeyVariant> variant = FindImageVariant(ini, section, key, PPI);
  if (!variant) return;
  const TacImageRef ref = ParseCanonicalImageRef(NormalizeImageRef(base::ToUpperAscii(variant->Value)));

  TsMaskData md = MaskDataFromRef(ref, section, key, sectionIndex, FOwner, PPI, variant->PPI);
  if (!LoadEntryPicture(md, ref)) return;  // a missing picture drops the entry

  if (md.ImgType == itisaBorder) {
    md.Cfg = section == u"BUTTON_HUGE" && key == u"BORDERSMASK"
                 ? 2
                 : CornerKeyCfg(md, md.Bmp != nullptr ? md.Bmp : FOwner->MasterBitmap.get());
  }
  ma.push_back(std::move(md));
}

bool TacSkinData::LoadEntryPicture(TsMaskData& md, const TacImageRef& ref) {
  TacSkinLoader& m = *FOwner;
  const TRect source = md.R;
  if (const TacBmpData* reused = FindLoadedPicture(ref.File, source)) {
    md.Bmp = reused->Bmp.get();
    md.MulPPi = reused->MulPPI;
    md.DivPPI = reused->DivPPI;
    if (md.Bmp != nullptr) md.R = reused->R;
    md.Width = md.R.Width();
    md.Height = md.R.Height();
    const int count = std::max<int>(1, md.ImageCount);
    md.WL = Short(MulDivRound(md.WL, md.MulPPi, md.DivPPI));
    md.WT = Short(MulDivRound(md.WT, md.MulPPi, md.DivPPI));
    md.WR = Short(std::max(0, std::min(MulDivRound(md.WR, md.MulPPi, md.DivPPI), md.Width / count - md.WL - 1)));
    md.WB = Short(
        std::max(0, std::min(MulDivRound(md.WB, md.MulPPi, md.DivPPI), md.Height / (md.MaskType + 1) - md.WT - 1)));
    return true;
  }

  if (!ref.File.empty()) {
    TacBytes holder;
    std::span<const std::uint8_t> bytes;
    if (!m.ReadSkinFile(ref.File, holder, bytes)) return false;
    Bitmap32Ptr bmp = DecodeEntryPicture(bytes, ref.File, m.Settings.Brightness < 1 && md.ImgType != itisaBorder,
                                         m.Settings.CompositionEnabled);
    // An entry that names an area of its file keeps it (cut to the picture); otherwise it
    // is the whole picture.
    md.R = gfx::Intersect(md.R, WholeOf(*bmp));
    if (md.R.IsEmpty()) md.R = WholeOf(*bmp);
    md.Width = md.R.Width();
    md.Height = md.R.Height();
    if (md.MulPPi != md.DivPPI) {
      if (Bitmap32Ptr scaled = RescaleMaskPicture(md, *bmp, KeylessFile(md.ImgType), m.Palette[pcMainColor])) {
        bmp = std::move(scaled);
      }
    }
    md.Bmp = KeepPicture(md, ref.File, source, std::move(bmp)).Bmp.get();
    return true;
  }

  // An area of the master bitmap: rescaled into a picture of its own unless its draw mode
  // forbids it.
  if (md.MulPPi != md.DivPPI && (md.DrawMode & dmNoRescale) == 0 && m.MasterBitmap) {
    if (Bitmap32Ptr scaled = RescaleMaskPicture(md, *m.MasterBitmap, false, m.Palette[pcMainColor])) {
      md.Bmp = KeepPicture(md, u"", source, std::move(scaled)).Bmp.get();
    }
  }
  if (md.R.IsEmpty() && md.Bmp != nullptr) md.R = WholeOf(*md.Bmp);
  return true;
}

const TacBmpData* TacSkinData::FindLoadedPicture(const std::u16string& file, const TRect& src) const {
  for (const TacBmpData& b : BmpArray)
    if (b.FileName == file && b.SrcRect == src) return &b;
  return nullptr;
}

TacBmpData& TacSkinData::KeepPicture(const TsMaskData& md, std::u16string file, const TRect& src, Bitmap32Ptr bmp) {
  TacBmpData rec;
  rec.MulPPI = md.MulPPi;
  rec.DivPPI = md.DivPPI;
  rec.MaskType = md.MaskType;
  rec.Path = md.ClassName + u"-" + md.PropertyName;
  rec.FileName = std::move(file);
  rec.R = md.R;
  rec.SrcRect = src;
  rec.Bmp = std::move(bmp);
  BmpArray.push_back(std::move(rec));
  return BmpArray.back();
}

int TacSkinData::CommonSectionIndex(std::u16string_view name) const {
  const TacSkinIni& skinIni = FOwner->SkinFile;
  const int own = skinIni.IndexOfSection(name);
  if (own >= 0) return own;
  int next = static_cast<int>(skinIni.Sections().size());
  const TacSkinIni& common = FOwner->CommonSectionsIni();
  for (int i = 0; i < static_cast<int>(common.Sections().size()); ++i) {
    const std::u16string& n = common.Sections()[static_cast<std::size_t>(i)].Name;
    if (n == kGlobalInfo || skinIni.SectionExists(n) || common.IndexOfSection(n) != i) continue;
    if (n == name) return next;
    ++next;
  }
  return -1;
}

void TacSkinData::LoadCommonSectionMasks() {
  const TacSkinIni& common = FOwner->CommonSectionsIni();
  for (const TacIniSection& section : common.Sections()) {
    // Only the first section of a name counts, as for every lookup by name.
    if (section.Name == kGlobalInfo ||
        &common.Sections()[static_cast<std::size_t>(common.IndexOfSection(section.Name))] != &section)
      continue;
    for (const TacIniEntry& e : section.Entries) {
      if (!e.HasValue) continue;
      const std::u16string value = base::ToUpperAscii(e.Value);
      if (value.find(u".BMP") == std::u16string::npos) continue;
      const TacImageRef ref = ParseCanonicalImageRef(NormalizeImageRef(value));
      const std::u16string path =
          ref.File.find(u':') != std::u16string::npos ? ref.File : FOwner->SkinCommonInfo.SkinPath + ref.File;
      if (ref.File.empty() || !FileExists(path)) continue;
      Bitmap32Ptr bmp = DecodeSkinPicture(ReadWholeFile(path, 64u << 20), TacPictureCodec::Bmp, ref.File, false);
      TsMaskData md = MaskDataFromRef(ref, section.Name, e.Key, CommonSectionIndex(section.Name), FOwner, PPI, PPI);
      if (md.R.IsEmpty()) md.R = WholeOf(*bmp);
      md.Bmp = KeepPicture(md, path, md.R, std::move(bmp)).Bmp.get();
      ma.push_back(std::move(md));
    }
  }
}

}  // namespace skin
