#pragma once
// DispatchSkinCommand: how a control's skin state obeys the skin commands (SkinCmdMessage).
// Each command has a handler of its own; the dispatch only chooses it. Commands the
// control answers itself (scGetDefaultIndex, scGetDefaultKind, its picture for
// scPrepareCache) come to the control first.
#include "platform/forms/Messages.h"

namespace forms {
class TWinControl;
}

namespace skin {

class TsCommonData;

// Sends a skin message on to the windowed children of control that have a window and
// are showing (how the end of an update reaches them).
void PassToShowingChildren(forms::TWinControl* control, const forms::TMessage& m);

// Handles m (a SkinCmdMessage) for the skin state; false for commands it does not handle
// and for those reported as not handled (scRemoveSkin, scPPIChanged), so that the
// control's own handling follows.
bool DispatchSkinCommand(forms::TMessage& m, TsCommonData& sd);

// The skin state's manager is the one a manager command names in LParam.
bool IsOwnManager(const forms::TMessage& m, const TsCommonData& sd);

}  // namespace skin
