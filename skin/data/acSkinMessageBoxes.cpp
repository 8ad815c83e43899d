#include "skin/data/acSkinMessageBoxes.h"

#include "platform/forms/Dialogs.h"
#include "platform/forms/Messages.h"

namespace skin {

TacMsgAnswer TacFormsMessageSink::Show(TacMsgKind kind, const std::u16string& text) {
  using forms::TMsgDlgType;
  switch (kind) {
    case TacMsgKind::Plain: forms::ShowMessage(text); return TacMsgAnswer::Ok;
    case TacMsgKind::Warning: forms::MessageDlg(text, TMsgDlgType::mtWarning, {forms::TMsgDlgBtn::mbOK}); break;
    case TacMsgKind::Error: forms::MessageDlg(text, TMsgDlgType::mtError, {forms::TMsgDlgBtn::mbOK}); break;
    case TacMsgKind::Information: forms::MessageDlg(text, TMsgDlgType::mtInformation, {forms::TMsgDlgBtn::mbOK}); break;
    case TacMsgKind::Confirmation: {
      const int r =
          forms::MessageDlg(text, TMsgDlgType::mtConfirmation, {forms::TMsgDlgBtn::mbYes, forms::TMsgDlgBtn::mbNo});
      return r == forms::mrYes ? TacMsgAnswer::Yes : r == forms::mrNo ? TacMsgAnswer::No : TacMsgAnswer::Cancel;
    }
  }
  return TacMsgAnswer::Ok;
}

}  // namespace skin
