#pragma once
// Internal: the record behind an icon handle.
#include <vector>

#include "platform/gfx/PixelBuffer.h"
#include "platform/win/HandleMap.h"

namespace win::detail {

struct IconObject {
  std::vector<gfx::PixelBuffer> pictures;  // premultiplied B, G, R, A
  bool system = false;                     // shared; DestroyIcon leaves it
};

using IconStore = HandleMap<IconObject>;

}  // namespace win::detail
