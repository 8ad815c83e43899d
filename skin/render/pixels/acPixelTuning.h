#pragma once
// The engine-wide values the pixel routines are tuned by (the look of disabled controls).
// One instance per process. The skin engine's state (skin/data/EngineState.h) owns their
// life: SkinEngineShutdown puts them back to these defaults. The pixel layer sits below
// that state and reads them through PixelTuning().
#include <cstdint>

namespace skin {

struct TacPixelTuning {
  int DisabledSaturation = -90;      // -100 means plain grey
  std::uint8_t DisabledBlend = 100;  // the share of the control a disabled one keeps, of 256
};

TacPixelTuning& PixelTuning();

}  // namespace skin
