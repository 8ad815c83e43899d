#pragma once
// The seam through which a skinned memo gets the window adapter that paints its frame and
// its skinned scroll bars. The adapter lives in the window-skinning layer above this one;
// that layer registers how one is made (RegisterEditAdapterMaker) when it is linked in,
// and the memo makes and frees its adapter through this interface only. Without a
// registered maker the memo paints its frame itself and keeps the platform's scroll bar.
#include <memory>

namespace forms {
class TWinControl;
}

namespace skin {

class TsScrollWndData;

class TacEditAdapter {
 public:
  virtual ~TacEditAdapter() = default;
  // The adapted window's text changed: its scroll bars follow.
  virtual void TextChanged() = 0;
  // Paints the frame and the scroll bars again.
  virtual void Repaint() = 0;
};

// Makes the adapter of a skinned memo's window (the window exists), or nullptr.
using TacEditAdapterMaker = std::unique_ptr<TacEditAdapter> (*)(forms::TWinControl& control, TsScrollWndData& sd);

// Registers the maker (nullptr: none). A link between layers set once by the code that
// provides the adapter, not engine state: it outlives SkinEngineShutdown.
void RegisterEditAdapterMaker(TacEditAdapterMaker maker);
TacEditAdapterMaker EditAdapterMaker();

}  // namespace skin
