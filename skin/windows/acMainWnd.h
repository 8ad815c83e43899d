#pragma once
// TacMainWnd: the base of every window adapter. It attaches to an existing window without
// replacing it: it takes over the window's messages (through the owning control's window
// procedure chain when the window belongs to a control of the program, else by replacing
// the raw window procedure), owns or borrows the skin state the window is painted with,
// and gives everything back when it goes. It never touches a window that has died: the
// window's WM_NCDESTROY marks it Destroyed. What a message means is the subclasses'
// business (acWndProc); this class only routes.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/forms/Messages.h"
#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"
#include "skin/render/pixels/sColors.h"
#include "skin/windows/acSkinParams.h"

namespace forms {
class TControl;
class TWndNext;
}  // namespace forms

namespace skin {

class TsCommonData;
class TsSkinManager;

class TacMainWnd {
 public:
  // Attaches to wnd. skinData: the control's own skin state, or nullptr for a new one
  // owned by the adapter (bound to params.SkinSection). The window is subclassed unless
  // the subclass defers it (scroll-bar adapters subclass after reading their bars).
  TacMainWnd(win::HWND wnd, const TacSkinParams& params, TsSkinManager* manager, TsCommonData* skinData,
             bool subclassNow = true);
  virtual ~TacMainWnd();
  TacMainWnd(const TacMainWnd&) = delete;
  TacMainWnd& operator=(const TacMainWnd&) = delete;

  // ---- Fields ----
  win::HWND CtrlHandle = nullptr;
  TsCommonData* SkinData = nullptr;
  bool OwnSkinData = false;
  TsSkinManager* SkinManager = nullptr;
  win::WNDPROC OldWndProc = nullptr;        // the raw procedure replaced (nullptr: joined a control's chain)
  forms::TControl* OldProcOwner = nullptr;  // the control whose chain was joined
  std::u16string Caption;
  TColor StdColor = clNone;
  TColor StdFontColor = clNone;
  std::uint64_t OldCtrlStyle = 0;  // the control style to restore (bits of forms::TControlStyle)
  win::HWND ParentWnd = nullptr;
  gfx::TRect WndRect{}, ParentRect{};
  gfx::TPoint WndPos{}, WndSize{};
  bool DlgMode = false;
  bool Destroyed = false;
  bool InDestroying = false;
  bool DontRepaint = false;
  bool ParamsChanged = false;
  void* Adapter = nullptr;  // the form's control adapter, when a form's adapter made this one
  TacSkinParams Params;

  // ---- Operations ----
  virtual void SetSkinParams(const TacSkinParams& params);
  virtual void Repaint();
  // Runs one message through the adapter as if the window had received it.
  win::LRESULT ProcessMessage(win::UINT msg, win::WPARAM WPar, win::LPARAM LPar);
  // Called once the adapter is attached (first colours, first paint).
  virtual void AfterCreation() {}
  // The adapter of a window, or nullptr.
  static TacMainWnd* AdapterOf(win::HWND wnd);
  // Frees an adapter made with new. While one of its messages runs (the window's owner
  // frees it in answer to a message that passed through the adapter first, as a skin
  // removal does), it lets go of the window at once and is deleted when that message has
  // come back through it.
  static void Release(TacMainWnd* adapter);

 protected:
  // The adapter's message handling; the default passes every message on.
  virtual void acWndProc(forms::TMessage& m);
  // Passes m to the window's previous procedure.
  void CallPrevious(forms::TMessage& m);
  void Subclass();
  // Gives the window its previous procedure back (only while this adapter's is the current
  // one: otherwise whoever came later keeps theirs and this one forwards). Idempotent.
  void UnhookWindow();
  // The window is alive and still this adapter's.
  bool WindowAlive() const;
  // The window is being destroyed (WM_NCDESTROY, before it is passed on).
  virtual void WindowGone() {}
  // Gives the window back: its procedure, and (subclasses) its properties, timers and
  // frame; a borrowed skin state is no longer used. Run once, by Release or the
  // destructors; afterwards WindowAlive() is false.
  virtual void LetGo();

 private:
  static win::LRESULT RawProc(win::HWND wnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
  void Handle(forms::TMessage& m);
  void WMNCDestroy(forms::TMessage& m);

  // Runs one message through the adapter (next: the control's chain below it, or nullptr),
  // counting the messages running in it; an adapter released meanwhile may be deleted
  // when it returns, also by an exception.
  void HandleCounted(forms::TMessage& m, const forms::TWndNext* next);
  void MessageDone();

  bool hooked_ = false;
  bool released_ = false;  // let go of the window; deleted when no message runs in it
  bool deleteWhenIdle_ = false;
  int running_ = 0;                        // messages running through the adapter
  const forms::TWndNext* next_ = nullptr;  // the control's chain while one of its messages runs
};

}  // namespace skin
