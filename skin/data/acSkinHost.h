#pragma once
// The seam between the skin data code and the skin manager that runs it. The package
// reader and the skin search show their boxes and flip the manager's state through this
// interface; the manager implements it (switching the skinning of standard dialogs off
// while a box is shown). The base class passes boxes straight to the message sink and
// keeps no state, for callers without a manager.
#include <string>

#include "skin/data/acSkinMessages.h"

namespace skin {

class TacSkinHost {
 public:
  virtual ~TacSkinHost() = default;

  // Shows a skin message box and returns the answer.
  virtual TacMsgAnswer ShowSkinMessage(TacMsgKind kind, const std::u16string& text) {
    return SkinMessageSink().Show(kind, text);
  }
  // Sets or clears the manager's skin-changing state.
  virtual void SetSkinChanging(bool /*on*/) {}
};

// A host without a manager behind it.
TacSkinHost& NoManagerHost();

}  // namespace skin
