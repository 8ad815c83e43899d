#pragma once
// The application: start-up, the forms it owns and the main form, the message loop with
// idle processing (mouse enter and leave of controls), termination, the title (from the
// executable's name unless set), the application window other components may watch, and
// the handling of errors nobody caught: the error box with the title, a stop icon, one
// OK button, and the message with a full stop appended where it lacks one.
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/Forms.h"
#include "platform/win/Types.h"

namespace forms {

// The title an executable gives: its file name without directory, cut at the first full
// stop, every character after the first in lower case ("C:\\x\\LISTER.EXE" -> "Lister").
std::u16string TitleFromExeName(std::u16string_view path);
// An error's message as the error box shows it: with a full stop appended when the last
// character's code is above that of the full stop.
std::u16string ErrorBoxText(const std::u16string& message);

using TExceptionEvent = TEvent<void(TObject* Sender, const base::Exception& E)>;
using TMessageEvent = TEvent<void(win::MSG& Msg, bool& Handled)>;
// Done false: the loop looks at its state again instead of waiting for a message.
using TIdleEvent = TEvent<void(TObject* Sender, bool& Done)>;
// A hook on the application window's messages; true: handled, not passed on.
using TWindowHook = std::function<bool(TMessage& m)>;

class TApplication : public TComponent {
  FORMS_CLASS(TApplication)
 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;
  void Destroy() override;

  void Initialize();
  bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }
  void SetMainFormOnTaskBar(bool v) { mainFormOnTaskBar_ = v; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool v) { showMainForm_ = v; }

  // Makes a form owned by the application; the first one becomes the main form. `ref`
  // is set before the form reads its description, so its handlers may use it.
  template <class T>
  void CreateForm(T*& ref) {
    T* f = new T(this);
    ref = f;
    try {
      f->AfterConstruction();
    } catch (...) {
      ref = nullptr;
      f->Free();
      throw;
    }
    FormCreated(f);
  }
  TCustomForm* MainForm() const { return mainForm_; }
  // The main form's window, or null.
  HWND MainFormHandle() const;

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every message that is ready now.
  void ProcessMessages();
  // Handles one message, or idles until one arrives.
  void HandleMessage();

  std::u16string Title() const;
  void SetTitle(const std::u16string& t) { title_ = t; }
  // The executable's path (UTF-16 text of the native path).
  std::u16string ExeName() const;
  void SetExeName(const std::u16string& path) { exeName_ = path; }

  // An error escaped an event handler: OnException, else the error box.
  void HandleException(TObject* sender);
  void ShowException(const std::u16string& message);
  // A message box owned by the active form, titled with the application title unless
  // a caption is given.
  int MessageBox(const std::u16string& text, const std::u16string& caption, win::UINT flags);

  // The application window: hidden, of class "TApplication"; hooks see its messages.
  HWND Handle();
  void HookMainWindow(const TWindowHook& hook, const void* id);
  void UnhookMainWindow(const void* id);

  TExceptionEvent OnException;
  TIdleEvent OnIdle;
  TMessageEvent OnMessage;

  // Mouse enter and leave: the control under the pointer is tracked on mouse messages
  // and when idle.
  void MouseMoved();
  TControl* MouseControl() const { return mouseControl_; }
  void ControlDestroyed(TControl* c);

  // Frees every form and the application window (the end of the program or of a test).
  void Shutdown();

 private:
  friend LRESULT ApplicationWndProc(HWND, UINT, WPARAM, LPARAM);
  void FormCreated(TCustomForm* f);
  bool ProcessMessage();
  void Idle();
  void Notification(TComponent* c, TOperation op) override;

  bool mainFormOnTaskBar_ = false;
  bool showMainForm_ = true;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  std::u16string title_;
  std::u16string exeName_;
  HWND handle_ = nullptr;
  struct Hook {
    const void* id;
    TWindowHook fn;
  };
  std::vector<Hook> hooks_;
  TControl* mouseControl_ = nullptr;
  bool handlingException_ = false;
};

struct TApplicationRef {
  TApplication* operator->() const { return Get(); }
  TApplication& operator*() const { return *Get(); }
  static TApplication* Get();
  // Frees the application and the screen (their next use makes new ones).
  static void Reset();
};
extern TApplicationRef Application;

}  // namespace forms
