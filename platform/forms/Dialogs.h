#pragma once
// Message boxes as forms (TMessageForm: an icon picture by kind, a plain label with the
// text, plain TButton buttons, centred on the screen, titled by kind or with the
// application title) and the save dialog over the standard save-file dialog.
#include <string>

#include "platform/forms/Forms.h"

namespace forms {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TMsgDlgBtn {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp,
  mbClose
};
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
inline const TMsgDlgButtons mbYesNoCancel{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel};
inline const TMsgDlgButtons mbOKCancel{TMsgDlgBtn::mbOK, TMsgDlgBtn::mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{TMsgDlgBtn::mbAbort, TMsgDlgBtn::mbRetry, TMsgDlgBtn::mbIgnore};

// The form of a message box. Ctrl+C copies its caption, text and buttons.
class TMessageForm : public TForm {
  FORMS_CLASS(TMessageForm)
 public:
  explicit TMessageForm(TComponent* owner);

 protected:
  void Dispatch(TMessage& m) override;
};

// Makes the box (not shown): the caller shows it with ShowModal and frees it.
TMessageForm* CreateMessageDialog(const std::u16string& msg, TMsgDlgType type, TMsgDlgButtons buttons);
// Shows a box modally and returns the modal result of the button that closed it
// (mrCancel when it was closed otherwise).
int MessageDlg(const std::u16string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
// A box titled with the application title, without icon, with one OK button.
void ShowMessage(const std::u16string& msg);

enum class TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofShowHelp,
  ofNoValidate,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist,
  ofCreatePrompt,
  ofShareAware,
  ofNoReadOnlyReturn,
  ofNoTestFileCreate,
  ofNoNetworkButton,
  ofNoLongNames,
  ofOldStyleDialog,
  ofNoDereferenceLinks,
  ofEnableIncludeNotify,
  ofEnableSizing,
  ofDontAddToRecent,
  ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;
const TEnumInfo& OpenOptionInfo();

class TCommonDialog : public TComponent {
  FORMS_CLASS(TCommonDialog)
 public:
  using TComponent::TComponent;
  // Shows the dialog modally; true when the user confirmed it.
  virtual bool Execute() = 0;
  TNotifyEvent OnShow;
  TNotifyEvent OnClose;
};

class TOpenDialog : public TCommonDialog {
  FORMS_CLASS(TOpenDialog)
 public:
  explicit TOpenDialog(TComponent* owner);
  const std::u16string& FileName() const { return fileName_; }
  void SetFileName(const std::u16string& s) { fileName_ = s; }
  // "Text files (*.txt)|*.txt|All files|*.*": names and patterns in pairs.
  const std::u16string& Filter() const { return filter_; }
  void SetFilter(const std::u16string& s) { filter_ = s; }
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int i) { filterIndex_ = i; }
  const std::u16string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::u16string& s) { defaultExt_ = s; }
  const std::u16string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::u16string& s) { initialDir_ = s; }
  const std::u16string& Title() const { return title_; }
  void SetTitle(const std::u16string& s) { title_ = s; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions o) { options_ = o; }

 protected:
  std::u16string fileName_, filter_, defaultExt_, initialDir_, title_;
  int filterIndex_ = 1;
  TOpenOptions options_{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
  FORMS_CLASS(TSaveDialog)
 public:
  using TOpenDialog::TOpenDialog;
  bool Execute() override;
};

}  // namespace forms
