#pragma once
// Windowed controls. TWinControl owns a window of the window system, made on demand
// (Handle) from CreateParams: a window class named after the framework class, which may
// stand on a standard control class ("Button", "Edit", ...) whose procedure then handles
// what the framework passes on (DefaultHandler). It holds child controls in z-order and
// tab order, aligns them, gives graphic children their painting and mouse messages,
// reflects notifications of standard children back to them (CN_), tracks focus through
// its form, and runs the keyboard interface in its window procedure: key events, dialog
// keys (Tab, arrows, Enter, Escape as CM_DIALOGKEY to the form) and accelerators
// (CM_DIALOGCHAR). TCustomControl adds a canvas and a Paint method.
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/win/Types.h"

namespace forms {

struct TCreateParams {
  std::u16string Caption;
  win::DWORD Style = 0;
  win::DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  win::WNDCLASSEX WindowClass;
  std::u16string WinClassName;
  // The standard class the window class stands on (its procedure and extra bytes), or empty.
  std::u16string BaseClassName;
};

class TWinControl : public TControl {
  FORMS_CLASS(TWinControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // --- The window ---
  // The window, made on demand (with the parent's).
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // A window of the window system this control lives in without a framework parent.
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND h);
  // The procedure the framework passes unhandled messages to (the standard class's).
  win::WNDPROC DefWndProc() const { return defWndProc_; }
  void RecreateWnd();
  void DestroyHandle();
  // The control of a window made by the framework, or null.
  static TWinControl* FindControl(HWND h);

  // --- Children ---
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  // Children in z-order (bottom first).
  TControl* Controls(int index) const { return controls_[static_cast<std::size_t>(index)]; }
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  bool ContainsControl(const TControl* c) const;
  // The child at a client point: visible (and enabled unless allowDisabled) graphic
  // children, windowed ones too when asked; the topmost wins.
  TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = false, bool allLevels = false);
  // Sends the message to every child until one answers with a nonzero result.
  void Broadcast(TMessage& m);
  void NotifyControls(UINT msg);
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

  // --- Tab order and focus ---
  int TabOrder() const;
  void SetTabOrder(int v);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v);
  // Windowed children in tab order, each followed by its own children (depth first).
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  TWinControl* FindNextControl(TWinControl* cur, bool goForward, bool checkTabStop, bool checkParent) const;
  void SelectNext(TWinControl* cur, bool goForward, bool checkTabStop);
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

  // --- Alignment ---
  void DisableAlign();
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return alignLevel_ > 0; }
  TRect ClientRect() const override;
  // The part of the client area children are aligned in.
  virtual void AdjustClientRect(TRect& r) const;

  // --- Looks ---
  TBrush* Brush() const { return brush_.get(); }
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool v);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool v);
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool v);
  TBevelKind BevelKind() const { return bevelKind_; }
  void SetBevelKind(TBevelKind v);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut v);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut v);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int v);

  bool Showing() const override { return showing_; }
  void Invalidate() override;
  void Update() override;
  void SetBounds(int left, int top, int width, int height) override;
  TPoint ClientOrigin() const override;
  // Paints the control and its children into a surface at (x, y) (WM_PRINT).
  void PaintTo(win::HDC dc, int x, int y);
  void ChangeScale(int m, int d) override;
  void ReadState(TReader& reader) override;
  void Loaded() override;
  void Destroy() override;
  void WndProc(TMessage& m) override;
  void Dispatch(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

 protected:
  virtual void CreateParams(TCreateParams& params);
  // True while CreateParams runs only to learn the window's styles (for the client area
  // of a control without a window): no other window may be made then.
  static bool ParamsForMetrics() { return paramsForMetrics_; }
  // Uses the standard class `base` for the window class (procedure and extra bytes).
  void CreateSubClass(TCreateParams& params, const char16_t* base);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void CreateHandle();
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  // After the window exists: bounds, font and state are applied to it.
  virtual void InitializeWindow();

  virtual void AlignControls(TControl* aControl, TRect& rect);
  void AlignControl(TControl* aControl);
  void UpdateShowing();
  void UpdateControlState();
  virtual void PaintWindow(win::HDC dc);
  void PaintHandler(TMessage& m);
  void PaintControls(win::HDC dc, TControl* first);

  virtual bool DoKeyDown(win::WORD& key, LPARAM keyData);
  virtual bool DoKeyUp(win::WORD& key, LPARAM keyData);
  virtual bool DoKeyPress(char16_t& key);
  virtual void KeyDown(win::WORD& key, TShiftState shift);
  virtual void KeyUp(win::WORD& key, TShiftState shift);
  virtual void KeyPress(char16_t& key);
  // The window procedure's keyboard interface; true when the message was used up.
  bool HandleKeyMessage(TMessage& m);
  virtual void DoEnter();
  virtual void DoExit();
  // Takes the focus away from this control (and its children) when it leaves.
  void RemoveFocus(bool removing);

  // Message handlers of the dispatch chain.
  void WMPaint(TMessage& m);
  void WMEraseBkgnd(TMessage& m);
  void WMWindowPosChanged(TMessage& m);
  void WMSetCursor(TMessage& m);
  void CMShowingChanged(TMessage& m);
  bool IsControlMouseMsg(TMessage& m);

 private:
  friend class TControl;
  friend LRESULT FormsWndProc(HWND, UINT, WPARAM, LPARAM);
  void Insert(TControl* c);
  void Remove(TControl* c);
  void UpdateBounds();
  void DoAlign(TAlign align, TRect& rect, std::vector<TControl*>& done);
  void SetZOrderPosition(TControl* c, int pos);
  // Puts the children read from a description into their stored tab order.
  void FixupTabList();
  void ReflectNotification(TMessage& m, HWND child, UINT reflected);

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  win::WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;    // z-order, bottom first
  std::vector<TWinControl*> tabList_;  // windowed children in tab order
  std::unique_ptr<TBrush> brush_;
  bool tabStop_ = false;
  bool showing_ = false;
  bool doubleBuffered_ = false;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  TBevelKind bevelKind_ = TBevelKind::bkNone;
  TBevelCut bevelInner_ = TBevelCut::bvRaised;
  TBevelCut bevelOuter_ = TBevelCut::bvLowered;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  int alignLevel_ = 0;
  int readTabOrder_ = -1;  // TabOrder read from a description, applied once all siblings exist
  static inline bool paramsForMetrics_ = false;

 protected:
  // The frame the control's window would have around its client area, scroll bars left
  // out, from the styles it would get (given back in `style`), with the metrics of the
  // screen's density or of `dpi`.
  win::RECT FrameForMetrics(win::DWORD& style, int dpi = 0) const;
};

// A windowed control that paints itself on a canvas.
class TCustomControl : public TWinControl {
  FORMS_CLASS(TCustomControl)
 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas* Canvas() const { return canvas_.get(); }

 protected:
  virtual void Paint() {}
  void PaintWindow(win::HDC dc) override;

 private:
  std::unique_ptr<TCanvas> canvas_;
};

// A canvas over a control's window (its client area), made on demand.
class TControlCanvas : public TCanvas {
  FORMS_CLASS(TControlCanvas)
 public:
  explicit TControlCanvas(TControl* control = nullptr) : control_(control) {}
  ~TControlCanvas() override;
  void SetControl(TControl* c);
  // Gives the surface back to the window.
  void FreeHandle();

 protected:
  void CreateHandle() override;

 private:
  TControl* control_;
  HWND window_ = nullptr;
  win::HDC owned_ = nullptr;
};

// The window procedure of every window the framework makes.
LRESULT FormsWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The control under a screen point: the window's control, or its graphic child there.
TControl* FindDragTarget(TPoint screenPos, bool allowDisabled);
TControl* FindVCLWindow(TPoint screenPos);

}  // namespace forms
