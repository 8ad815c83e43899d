#pragma once
// The standard control classes and their registration. Every control is a window class
// of the window system, driven through messages alone (styles, WM_/BM_/EM_/LB_/CB_/SBM_/
// STM_ messages, WM_COMMAND notifications with the platform's numbers), so that whoever
// creates one needs only its class name.
#include "platform/win/Types.h"

namespace ctl {

inline constexpr const char16_t* WC_BUTTON = u"Button";
inline constexpr const char16_t* WC_EDIT = u"Edit";
inline constexpr const char16_t* WC_STATIC = u"Static";
inline constexpr const char16_t* WC_LISTBOX = u"ListBox";
inline constexpr const char16_t* WC_COMBOBOX = u"ComboBox";
inline constexpr const char16_t* WC_COMBOLBOX = u"ComboLBox";  // the drop-down list of a combo box
inline constexpr const char16_t* WC_SCROLLBAR = u"ScrollBar";
inline constexpr const char16_t* WC_DIALOG = u"#32770";

// Registers the control classes with the running window system. Safe to call any number
// of times; a restarted window system (which drops its classes) gets them again. The
// dialogs call it themselves; whoever creates controls by class name calls it first.
void RegisterControlClasses();

// Notifications travel to the parent as WM_COMMAND: MAKEWPARAM(id, code), the control's
// handle in lParam.
void NotifyParent(win::HWND control, win::WORD code);

}  // namespace ctl
