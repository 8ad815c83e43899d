#pragma once
// TsSaveDialog: the program's save dialog. It adds no behaviour of its own: the standard
// save dialog it opens is skinned by the dialog adapters while the skin is active.
#include "platform/forms/Dialogs.h"

namespace skin {

class TsSaveDialog : public forms::TSaveDialog {
  FORMS_CLASS(TsSaveDialog)
 public:
  using forms::TSaveDialog::TSaveDialog;
};

}  // namespace skin
