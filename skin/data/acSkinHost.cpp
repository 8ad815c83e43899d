#include "skin/data/acSkinHost.h"

namespace skin {

TacSkinHost& NoManagerHost() {
  static TacSkinHost host;
  return host;
}

}  // namespace skin
