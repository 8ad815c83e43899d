#include "skin/render/pixels/acPixelTuning.h"

namespace skin {

TacPixelTuning& PixelTuning() {
  static TacPixelTuning tuning;
  return tuning;
}

}  // namespace skin
