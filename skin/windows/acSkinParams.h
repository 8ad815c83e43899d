#pragma once
// TacSkinParams: what a window adapter is created with: the control it serves (if any),
// the skin section, whether the skin's colours and font colours replace the window's,
// and the sizes of its scroll bars and their buttons (-1: automatic).
#include <string>

namespace forms {
class TControl;
}

namespace skin {

struct TacSkinParams {
  forms::TControl* Control = nullptr;
  std::u16string SkinSection;
  bool UseSkinColor = true;
  bool UseSkinFontColor = true;
  int VertScrollSize = -1;
  int HorzScrollSize = -1;
  int VertScrollBtnSize = -1;
  int HorzScrollBtnSize = -1;
};

}  // namespace skin
