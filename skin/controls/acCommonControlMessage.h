#pragma once
// CommonControlMessage: the handling of ordinary window messages that every skinned
// control runs after its own special cases and before the standard handling (moves,
// sizes, focus, visibility, enabling, hover, skin commands). The window procedure of a
// skinned control has this shape:
//   1. skin commands the control answers itself, else DispatchSkinCommand;
//   2. not laid out or not skinned: standard handling only;
//   3. its own paint, erase, print, focus and mouse handling;
//   4. CommonControlMessage (true: stop);
//   5. standard handling;
//   6. post-processing.
#include "platform/forms/Messages.h"

namespace skin {

class TsCommonData;

// True when the standard handling is to be skipped.
bool CommonControlMessage(forms::TMessage& m, TsCommonData& sd);

}  // namespace skin
