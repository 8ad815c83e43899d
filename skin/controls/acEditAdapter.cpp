#include "skin/controls/acEditAdapter.h"

namespace skin {

namespace {

TacEditAdapterMaker& Maker() {
  static TacEditAdapterMaker maker = nullptr;
  return maker;
}

}  // namespace

void RegisterEditAdapterMaker(TacEditAdapterMaker maker) { Maker() = maker; }

TacEditAdapterMaker EditAdapterMaker() { return Maker(); }

}  // namespace skin
