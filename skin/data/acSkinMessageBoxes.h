#pragma once
// The skin engine's message boxes shown as the framework's message boxes: titled by kind
// ("Warning", "Error", "Information", "Confirm") with their icons; plain boxes with the
// application title and one OK button. The program puts this sink in place; tests keep
// the recording one.
#include "skin/data/acSkinMessages.h"

namespace skin {

class TacFormsMessageSink : public TacMessageSink {
 public:
  TacMsgAnswer Show(TacMsgKind kind, const std::u16string& text) override;
};

}  // namespace skin
