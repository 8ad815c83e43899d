#include "skin/render/acSectionState.h"

#include "skin/data/acSkinData.h"
#include "skin/data/acSkinLoader.h"

namespace skin {

const TsGeneralData* SectionOf(const TacSkinLoader* manager, int index) {
  if (manager == nullptr || manager->SkinDataArray.empty() || index < 0) return nullptr;
  const TacSkinData* data = manager->SkinDataArray[0].get();
  if (data == nullptr || index >= static_cast<int>(data->gd.size())) return nullptr;
  return &data->gd[static_cast<std::size_t>(index)];
}

}  // namespace skin
