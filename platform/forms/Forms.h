#pragma once
// Forms: top-level windows made from their stored description (read when the form is
// created: every control, property and event binding), with their frame by border style
// and icons, their place (designed or centred), showing and hiding, closing, the modal
// loop with ModalResult, the active control and keyboard navigation (Tab and Shift+Tab in
// tab order, arrows among siblings, Enter and Escape to the default and cancel buttons
// through CM_DIALOGKEY, Alt+letter accelerators through CM_DIALOGCHAR), and scaling from
// the stored density to the screen's.
#include <vector>

#include "platform/forms/WinControls.h"

namespace forms {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum class TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem>;

const TEnumInfo& FormBorderStyleInfo();
const TEnumInfo& BorderIconInfo();
const TEnumInfo& PositionInfo();
const TEnumInfo& WindowStateInfo();
const TEnumInfo& FormStyleInfo();

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
  FORMS_CLASS(TCustomForm)
 public:
  // A form whose class has a registered description reads it when constructed (through
  // New or Application->CreateForm); other classes than TForm must have one.
  explicit TCustomForm(TComponent* owner);
  // A form made in code, without a description.
  struct TCreateNew {};
  TCustomForm(TComponent* owner, TCreateNew);
  ~TCustomForm() override;

  void AfterConstruction() override;
  void Destroy() override;

  // --- Settings ---
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle v);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons v);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition v) { position_ = v; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState v);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle v) { formStyle_ = v; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool v) { keyPreview_ = v; }
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int v);
  bool Scaled() const { return scaled_; }
  void SetScaled(bool v) { scaled_ = v; }
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int v) { textHeight_ = v; }
  void SetClientWidth(int v) override;
  void SetClientHeight(int v) override;
  TCanvas* Canvas() const { return canvas_.get(); }
  TFormState FormState() const { return formState_; }

  // --- Activity and focus ---
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* c);
  bool Active() const { return active_; }
  void FocusControl(TWinControl* c);
  // Focus moved to a control of this form: CM_EXIT / CM_ENTER along the way and
  // CM_FOCUSCHANGED to all controls. False when the change was overtaken by another.
  bool SetFocusedControl(TWinControl* c);
  void DefocusControl(TWinControl* c, bool removing);
  void SendCancelMode(TControl* sender);
  void SetVisible(bool v) override;

  // --- Showing and closing ---
  void Show();
  void Hide();
  void Close();
  bool CloseQuery();
  // Shows the form modally and runs messages until ModalResult is set (by a button, by
  // closing, by code); hides it and returns the result.
  virtual TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult r) { modalResult_ = r; }
  // Frees the form once the messages being handled are done.
  void Release();

  // Key preview: the form sees its controls' keys first.
  bool DoKeyDown(win::WORD& key, LPARAM keyData) override { return TWinControl::DoKeyDown(key, keyData); }
  bool DoKeyUp(win::WORD& key, LPARAM keyData) override { return TWinControl::DoKeyUp(key, keyData); }
  bool DoKeyPress(char16_t& key) override { return TWinControl::DoKeyPress(key); }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void ChangeScale(int m, int d) override;
  void ReadState(TReader& reader) override;
  void Loaded() override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& m) override;
  void PaintWindow(win::HDC dc) override;
  virtual void Paint();
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void Activate();
  virtual void Deactivate();
  virtual void DoClose(TCloseAction& action);
  void CloseModal();
  // Where the form goes when it is shown (by Position).
  void PlaceForShow();
  void SetActive(bool active);
  void SetWindowFocus();
  void ConstrainedResize(int& minW, int& minH, int& maxW, int& maxH) override;

 private:
  void Init();
  void CMShowingChangedForm();
  void CMDialogKey(TMessage& m);

  // Size limits read at another density hold that density's frame: they get the frame of
  // the screen's density instead, so that scaling them scales only their client part.
  void RebaseConstraintsOnScreenFrame(int storedPpi);

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TBorderIcons borderIcons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
  TPosition position_ = TPosition::poDefaultPosOnly;
  TWindowState windowState_ = TWindowState::wsNormal;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  bool keyPreview_ = false;
  int pixelsPerInch_ = 96;
  bool scaled_ = true;
  int textHeight_ = 0;
  int pendingClientWidth_ = -1;
  int pendingClientHeight_ = -1;
  bool createNew_ = false;
  TFormState formState_;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  bool active_ = false;
  int focusCount_ = 0;
  TModalResult modalResult_ = mrNone;
  std::unique_ptr<TControlCanvas> canvas_;
};

class TForm : public TCustomForm {
  FORMS_CLASS(TForm)
 public:
  using TCustomForm::TCustomForm;
};

// The screen: its size and density, the forms of the program and the active one.
class TScreen : public TComponent {
  FORMS_CLASS(TScreen)
 public:
  explicit TScreen(TComponent* owner);
  int PixelsPerInch() const;
  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;
  int FormCount() const { return static_cast<int>(forms_.size()); }
  // Forms, the most recently active first.
  TCustomForm* Forms(int index) const { return forms_[static_cast<std::size_t>(index)]; }
  TCustomForm* ActiveForm() const { return activeForm_; }
  TWinControl* ActiveControl() const { return activeControl_; }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor c);
  TNotifyEvent OnActiveFormChange;
  TNotifyEvent OnActiveControlChange;

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* f);
  void RemoveForm(TCustomForm* f);
  void SetActiveForm(TCustomForm* f);
  void SetActiveControl(TWinControl* c);
  void MoveToFront(TCustomForm* f);

  std::vector<TCustomForm*> forms_;
  TCustomForm* activeForm_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  TCursor cursor_ = crDefault;
};

// Process-wide objects, made on first use.
struct TScreenRef {
  TScreen* operator->() const { return Get(); }
  TScreen& operator*() const { return *Get(); }
  static TScreen* Get();
};
extern TScreenRef Screen;

// The windows of the program other than `except` that are enabled and visible get
// disabled (while a modal form runs); EnableTaskWindows gives them back.
std::vector<HWND> DisableTaskWindows(HWND except);
void EnableTaskWindows(const std::vector<HWND>& windows);

// While it lives, the program's windows other than `except` are disabled; when it ends
// they are enabled again and the window that was active at its start is active again
// (unless KeepActivation was called, or that window is gone or hidden). Modal forms and
// the dialogs of the window system run inside one.
class TTaskModalScope {
 public:
  explicit TTaskModalScope(HWND except = nullptr);
  ~TTaskModalScope();
  TTaskModalScope(const TTaskModalScope&) = delete;
  TTaskModalScope& operator=(const TTaskModalScope&) = delete;
  // Leaves the activation where it is when the scope ends.
  void KeepActivation() { active_ = nullptr; }

 private:
  HWND active_;
  std::vector<HWND> disabled_;
};

// Runs a dialog of the window system (a message box, the save-file dialog) modally over
// all the program's windows and returns what it returns, also when it throws.
template <class F>
auto RunTaskModal(F&& run) {
  TTaskModalScope scope;
  return run();
}

}  // namespace forms
