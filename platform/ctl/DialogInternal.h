#pragma once
// Internal: the dialog manager's per-dialog record, kept in the dialog's extra bytes
// beside the dialog procedure.
#include "platform/win/Types.h"

namespace ctl::detail {

struct DialogData {
  int defId = 0;              // DM_SETDEFID; 0: the button made with BS_DEFPUSHBUTTON
  win::HWND focus = nullptr;  // the control to focus when the dialog is activated again
  bool ended = false;
  win::LRESULT result = 0;
};

constexpr int kDialogDataOffset = 24;

DialogData* DataOf(win::HWND dialog);
// The id Enter presses: the stored default, else the BS_DEFPUSHBUTTON button's, else 0.
int DefaultId(win::HWND dialog);
// Gives the default push button look to `button` (null: to the dialog's default).
void ShowDefaultOn(win::HWND dialog, win::HWND button);

}  // namespace ctl::detail
