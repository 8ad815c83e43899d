#include "platform/forms/Application.h"

#include <unistd.h>

#include <algorithm>
#include <climits>

#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/ctl/MessageBox.h"
#include "platform/forms/SysUtils.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"

namespace forms {

TApplicationRef Application;
TScreenRef Screen;

namespace {

TApplication* g_application = nullptr;
TScreen* g_screen = nullptr;

constexpr const char16_t* kAppClass = u"TApplication";

}  // namespace

TApplication* TApplicationRef::Get() {
  if (!g_application) g_application = New<TApplication>(nullptr);
  return g_application;
}

void TApplicationRef::Reset() {
  if (g_application) {
    TApplication* a = g_application;
    a->Shutdown();
    g_application = nullptr;
    a->Free();
  }
  if (g_screen) {
    TScreen* s = g_screen;
    g_screen = nullptr;
    s->Free();
  }
}

TScreen* TScreenRef::Get() {
  if (!g_screen) g_screen = New<TScreen>(nullptr);
  return g_screen;
}

std::u16string TitleFromExeName(std::u16string_view path) {
  std::u16string name = ExtractFileName(path);
  std::size_t dot = name.find(u'.');
  if (dot != std::u16string::npos) name.resize(dot);
  for (std::size_t i = 1; i < name.size(); ++i) name[i] = base::ToLowerUi(name[i]);
  return name;
}

std::u16string ErrorBoxText(const std::u16string& message) {
  if (!message.empty() && message.back() > u'.') return message + u".";
  return message;
}

// --- The application window --------------------------------------------------------------------

LRESULT ApplicationWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TApplication* app = g_application;
  if (app && app->handle_ == hwnd) {
    TMessage m{msg, wParam, lParam, 0};
    // The newest hook first; a hook may remove itself while it runs.
    std::vector<TApplication::Hook> hooks = app->hooks_;
    for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
      if (it->fn(m)) return m.Result;
    if (msg == win::WM_CLOSE) {
      if (app->mainForm_) app->mainForm_->Close();
      return 0;
    }
    if (msg == win::WM_NCDESTROY) app->handle_ = nullptr;
  }
  return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

// --- TApplication ------------------------------------------------------------------------------

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() = default;

void TApplication::Destroy() {
  Shutdown();
  TComponent::Destroy();
}

void TApplication::Shutdown() {
  mouseControl_ = nullptr;
  mainForm_ = nullptr;
  DestroyComponents();
  if (handle_ && win::IsWindow(handle_)) win::DestroyWindow(handle_);
  handle_ = nullptr;
  hooks_.clear();
  terminated_ = false;
}

void TApplication::Initialize() {
  terminated_ = false;
  Screen->PixelsPerInch();  // the window system runs from here on
}

void TApplication::FormCreated(TCustomForm* f) {
  if (!mainForm_) {
    mainForm_ = f;
    f->HandleNeeded();
  }
}

void TApplication::Notification(TComponent* c, TOperation op) {
  TComponent::Notification(c, op);
  if (op == TOperation::opRemove && c == mainForm_) mainForm_ = nullptr;
}

HWND TApplication::MainFormHandle() const {
  return mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
}

HWND TApplication::Handle() {
  if (handle_ && win::IsWindow(handle_)) return handle_;
  win::WNDCLASSEX wc;
  if (!win::GetClassInfoEx(nullptr, kAppClass, &wc)) {
    wc = win::WNDCLASSEX{};
    wc.lpfnWndProc = &ApplicationWndProc;
    wc.lpszClassName = kAppClass;
    win::RegisterClassEx(wc);
  }
  handle_ = win::CreateWindowEx(0, kAppClass, Title().c_str(), win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU, 0, 0,
                                0, 0, nullptr, nullptr, nullptr, nullptr);
  return handle_;
}

void TApplication::HookMainWindow(const TWindowHook& hook, const void* id) {
  UnhookMainWindow(id);
  hooks_.push_back({id, hook});
}

void TApplication::UnhookMainWindow(const void* id) {
  hooks_.erase(std::remove_if(hooks_.begin(), hooks_.end(), [id](const Hook& h) { return h.id == id; }), hooks_.end());
}

std::u16string TApplication::ExeName() const {
  if (!exeName_.empty()) return exeName_;
  char buf[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return {};
  return base::Utf8ToUtf16(std::string_view(buf, static_cast<std::size_t>(n)));
}

std::u16string TApplication::Title() const {
  if (!title_.empty()) return title_;
  return TitleFromExeName(ExeName());
}

// --- The message loop ----------------------------------------------------------------------------

bool TApplication::ProcessMessage() {
  win::MSG msg;
  if (!win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) return false;
  if (msg.message == win::WM_QUIT) {
    terminated_ = true;
    return true;
  }
  bool handled = false;
  if (OnMessage) OnMessage(msg, handled);
  if (!handled) {
    win::TranslateMessage(&msg);
    win::DispatchMessage(&msg);
  }
  return true;
}

void TApplication::Idle() {
  MouseMoved();
  bool done = true;
  if (OnIdle) OnIdle(this, done);
  if (done && !terminated_) win::WaitMessage();
}

void TApplication::HandleMessage() {
  if (!ProcessMessage()) Idle();
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::Run() {
  if (mainForm_ && showMainForm_) mainForm_->Show();
  while (!terminated_) {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  }
}

void TApplication::Terminate() {
  if (!terminated_) win::PostQuitMessage(0);
}

// --- Mouse tracking -------------------------------------------------------------------------------

void TApplication::MouseMoved() {
  win::POINT p;
  win::GetCursorPos(&p);
  TControl* c = FindDragTarget(p, true);
  if (c == mouseControl_) return;
  TControl* old = mouseControl_;
  mouseControl_ = c;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (c && c == mouseControl_) c->Perform(CM_MOUSEENTER);
}

void TApplication::ControlDestroyed(TControl* c) {
  if (mouseControl_ == c) mouseControl_ = nullptr;
  if (mainForm_ == c) mainForm_ = nullptr;
}

// --- Errors ------------------------------------------------------------------------------------------

void TApplication::HandleException(TObject* sender) {
  std::exception_ptr e = std::current_exception();
  if (!e) return;
  try {
    std::rethrow_exception(e);
  } catch (const base::Exception& ex) {
    if (OnException) {
      OnException(sender, ex);
      return;
    }
    ShowException(ex.Message());
  } catch (const std::exception& ex) {
    base::Exception wrapped("Exception", base::Utf8ToUtf16(ex.what()));
    if (OnException) {
      OnException(sender, wrapped);
      return;
    }
    ShowException(wrapped.Message());
  } catch (...) {
    base::Exception unknown("Exception", u"Unknown error");
    if (OnException) {
      OnException(sender, unknown);
      return;
    }
    ShowException(unknown.Message());
  }
}

void TApplication::ShowException(const std::u16string& message) {
  // An error while the box for another one is open is not shown in a second box.
  if (handlingException_) return;
  handlingException_ = true;
  try {
    MessageBox(ErrorBoxText(message), Title(), ctl::MB_OK | ctl::MB_ICONSTOP);
  } catch (...) {
    handlingException_ = false;
    throw;
  }
  handlingException_ = false;
}

int TApplication::MessageBox(const std::u16string& text, const std::u16string& caption, win::UINT flags) {
  HWND owner = nullptr;
  if (TCustomForm* f = Screen->ActiveForm(); f && f->HandleAllocated() && f->Visible()) owner = f->Handle();
  else if (HWND m = MainFormHandle(); m && win::IsWindowVisible(m)) owner = m;
  std::u16string title = caption.empty() ? Title() : caption;
  return RunTaskModal([&] { return ctl::MessageBox(owner, text, title.c_str(), flags); });
}

}  // namespace forms
