// Lookups of a loaded skin by name: sections, image entries and textures, with the
// section inheritance of image keys, and image entries read straight from the options
// text for another density.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/base/TextCase.h"
#include "skin/data/acImageRef.h"
#include "skin/data/acMaskRescale.h"
#include "skin/data/acScaleVariants.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"
#include "skin/data/acSkinPictures.h"

namespace skin {

namespace {

bool EndsChain(const std::u16string& parent, std::u16string_view own) {
  return parent.empty() || parent == u"?" || parent == own;
}

// The name of a section record, or empty for an index outside the records.
std::u16string_view SectionNameAt(const TacSkinData& data, int skinIndex) {
  return skinIndex >= 0 && skinIndex < static_cast<int>(data.gd.size())
             ? std::u16string_view(data.gd[static_cast<std::size_t>(skinIndex)].ClassName)
             : std::u16string_view();
}

}  // namespace

int TacSkinLoader::GetSkinIndex(std::u16string_view name, const TacSkinData* data) const {
  data = DataOrDefault(data);
  if (data == nullptr || name.empty()) return -1;
  for (std::size_t i = 0; i < data->gd.size(); ++i)
    if (data->gd[i].ClassName == name) return static_cast<int>(i);
  return -1;
}

int TacSkinLoader::MaskIndexInChain(int skinIndex, std::u16string_view sectionName, const TacSkinData& data,
                                    std::u16string_view key, TacEntryMatch match, std::vector<int>& visited) const {
  for (;;) {
    for (std::size_t i = 0; i < data.ma.size(); ++i) {
      const TsMaskData& md = data.ma[i];
      if (md.PropertyName != key) continue;
      if (match == TacEntryMatch::TextureByName ? md.ClassName != sectionName : md.SkinIndex != skinIndex) continue;
      if (match != TacEntryMatch::AnyByIndex && md.ImgType != itisaTexture) continue;
      return static_cast<int>(i);
    }
    if (skinIndex < 0 || skinIndex >= static_cast<int>(data.gd.size())) return -1;
    const std::u16string& parent = data.gd[static_cast<std::size_t>(skinIndex)].ParentClass;
    if (EndsChain(parent, sectionName)) return -1;
    const int parentIndex = GetSkinIndex(parent, &data);
    if (parentIndex < 0 || std::find(visited.begin(), visited.end(), parentIndex) != visited.end()) return -1;
    visited.push_back(parentIndex);
    skinIndex = parentIndex;
    sectionName = data.gd[static_cast<std::size_t>(parentIndex)].ClassName;
  }
}

int TacSkinLoader::GetMaskIndex(int skinIndex, std::u16string_view sectionName, const TacSkinData* data,
                                std::u16string_view key) const {
  data = DataOrDefault(data);
  if (data == nullptr) return -1;
  std::vector<int> visited{skinIndex};
  return MaskIndexInChain(skinIndex, sectionName, *data, key, TacEntryMatch::AnyByIndex, visited);
}

int TacSkinLoader::GetMaskIndex(int skinIndex, std::u16string_view key, const TacSkinData* data) const {
  data = DataOrDefault(data);
  if (data == nullptr) return -1;
  return GetMaskIndex(skinIndex, SectionNameAt(*data, skinIndex), data, key);
}

int TacSkinLoader::GetMaskIndex(std::u16string_view sectionName, std::u16string_view key,
                                const TacSkinData* data) const {
  data = DataOrDefault(data);
  if (data == nullptr) return -1;
  for (std::size_t i = 0; i < data->ma.size(); ++i)
    if (data->ma[i].ClassName == sectionName && data->ma[i].PropertyName == key) return static_cast<int>(i);
  return -1;
}

int TacSkinLoader::GetTextureIndex(int skinIndex, std::u16string_view sectionName, const TacSkinData* data,
                                   std::u16string_view key) const {
  data = DataOrDefault(data);
  if (data == nullptr) return -1;
  std::vector<int> visited{skinIndex};
  return MaskIndexInChain(skinIndex, sectionName, *data, key, TacEntryMatch::TextureByName, visited);
}

int TacSkinLoader::GetTextureIndex(int skinIndex, std::u16string_view key, const TacSkinData* data) const {
  data = DataOrDefault(data);
  if (data == nullptr) return -1;
  std::vector<int> visited{skinIndex};
  return MaskIndexInChain(skinIndex, SectionNameAt(*data, skinIndex), *data, key, TacEntryMatch::TextureByIndex,
                          visited);
}

int TacSkinLoader::GetScaledMaskData(std::u16string_view section, std::u16string_view key, TsMaskData& md,
                                     Bitmap32Ptr& picture, int ppi) const {
  if (!IsActive() && !IsChanging()) return -1;
  const int sectionIndex = SkinFile.IndexOfSection(section);
  auto value = [&](int i) {
    return SkinFile.FindValueAt(sectionIndex, std::u16string(key) + std::u16string(acScaleSuffix[i]));
  };
  int found = -1;
  for (int i = 0; i < acScaleCount && found < 0; ++i)
    if (value(i) != nullptr && acScalePPI[i] > ppi) found = i;
  for (int i = acScaleCount - 1; i >= 0 && found < 0; --i)
    if (value(i) != nullptr && acScalePPI[i] <= ppi) found = i;
  if (found < 0) return -1;

  const TacImageRef ref = ParseCanonicalImageRef(NormalizeImageRef(base::ToUpperAscii(*value(found))));
  md = MaskDataFromRef(ref, section, key, GetSkinIndex(section), const_cast<TacSkinLoader*>(this), ppi,
                       acScalePPI[found]);
  picture.reset();
  const Bitmap32* source = MasterBitmap.get();
  bool keyless = md.ImgType == itisaTexture || md.ImgType == itisaGlow;
  if (!ref.File.empty()) {
    TacBytes holder;
    std::span<const std::uint8_t> bytes;
    if (!ReadSkinFile(ref.File, holder, bytes)) return -1;
    picture = DecodeEntryPicture(bytes, ref.File, Settings.Brightness < 1 && md.ImgType != itisaBorder,
                                 Settings.CompositionEnabled);
    md.R = gfx::Intersect(md.R, TRect{0, 0, picture->Width(), picture->Height()});
    if (md.R.IsEmpty()) md.R = TRect{0, 0, picture->Width(), picture->Height()};
    source = picture.get();
    keyless = keyless || md.ImgType == itisaPngGlyph;
  }
  const bool ownPicture = picture != nullptr;
  if (md.MulPPi != md.DivPPI && source != nullptr && (ownPicture || (md.DrawMode & dmNoRescale) == 0)) {
    if (Bitmap32Ptr scaled = RescaleMaskPicture(md, *source, keyless, Palette[pcMainColor]))
      picture = std::move(scaled);
  }
  md.Bmp = picture.get();
  const int count = std::max<int>(1, md.ImageCount);
  md.Width = std::max(0, md.R.Width()) / count;
  md.Height = std::max(0, md.R.Height()) / (md.MaskType + 1);
  if (md.ImgType == itisaBorder) md.Cfg = CornerKeyCfg(md, md.Bmp != nullptr ? md.Bmp : MasterBitmap.get());
  return found;
}

}  // namespace skin
