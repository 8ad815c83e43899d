#include "skin/render/acSectionSeeThrough.h"

#include <algorithm>

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"
#include "skin/render/acImageSource.h"
#include "skin/render/acPaintImageSlices.h"
#include "skin/render/acSectionState.h"

namespace skin {
namespace {

// The blue byte of the mask pixel in the middle of the picture of state s, or -1 when it
// lies outside the entry's area or bitmap.
int MaskMiddleBlue(const TsMaskData& e, int s) {
  const Bitmap32* src = ImageSourceBitmap(e);
  if (src == nullptr || e.Width <= 0 || e.Height <= 0 || e.ImageCount <= 0) return -1;
  const int picture = std::min(s, e.ImageCount - 1);
  const std::int64_t x = std::int64_t(e.R.Left) + std::int64_t(picture) * e.Width + e.Width / 2;
  const std::int64_t y = std::min<std::int64_t>(std::int64_t(e.R.Bottom) - e.Height / 2, std::int64_t(e.R.Bottom) - 1);
  if (x < e.R.Left || x >= e.R.Right || y < e.R.Top || y >= e.R.Bottom) return -1;
  if (x < 0 || y < 0 || x >= src->Width() || y >= src->Height()) return -1;
  return static_cast<int>(src->Pixel(static_cast<int>(x), static_cast<int>(y)) & 0xFF);
}

}  // namespace

bool IsSectionSeeThrough(const TacSkinLoader* manager, int section, int state) {
  const TsGeneralData* g = SectionOf(manager, section);
  if (g == nullptr) return false;
  const int s = LimitSectionState(*g, state);
  if (SectionStateProps(*g, s).Transparency <= 50) return false;
  const TacSkinData& data = *manager->SkinDataArray[0];
  if (g->BorderIndex < 0 || g->BorderIndex >= static_cast<int>(data.ma.size())) return true;
  const TsMaskData& e = data.ma[static_cast<std::size_t>(g->BorderIndex)];
  const bool centre = (e.DrawMode & dmCentre) != 0;
  if (s == 0) return !centre || (e.DrawMode & dmHiddenInState0) != 0;
  if (!centre) return true;
  if (e.MaskType <= 0) return false;
  return MaskMiddleBlue(e, s) >= 128;
}

bool IsTextLookThroughSection(const TacSkinLoader* manager, int section) {
  if (manager == nullptr || section < 0) return false;
  const TacIntSections& known = manager->SkinCommonInfo.Sections;
  return std::find(known.begin(), known.begin() + ssButton + 1, section) != known.begin() + ssButton + 1;
}

}  // namespace skin
