#pragma once
// Controls: TControl (a rectangle in a parent, with visibility, enabling, colour, font,
// caption, cursor, alignment, anchors, mouse events and the CM_ notifications), and
// TGraphicControl (no window: painted by its parent into the parent's window).
// Windowed controls (TWinControl, TCustomControl) are in WinControls.h.
//
// Messages. Every message of a control runs through its WindowProc: windows' messages
// and the framework's CM_ notifications alike (Perform). Initially WindowProc runs the
// hooks joined with JoinWindowProc (newest first), then the virtual WndProc. WndProc
// pre-processes (mouse capture, graphic children) and calls Dispatch, which runs the
// class's message handlers from the most derived down and ends in DefaultHandler.
//
// Joining the chain. JoinWindowProc(id, hook) is the safe way in: parties leave by id in
// any order, also from inside a message, and the others stay joined. The older way,
// saving WindowProc, setting one's own and calling the saved one, still works, but it is
// only safe when parties leave in the reverse order they came: one that restores its
// saved WindowProc while a later one is above it cuts the later one out, and the later
// one then restores a procedure that calls the first after it left.
#include <memory>
#include <string>

#include "platform/forms/Canvas.h"
#include "platform/forms/Classes.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Messages.h"

namespace forms {

class TWinControl;
class TCustomForm;
class TControl;
struct TEnumInfo;
struct TWindowHooks;

// The rest of a control's window procedure chain, handed to a joined hook with each
// message: calling it passes the message on (to older hooks, then WndProc). Valid only
// while the hook runs.
class TWndNext {
 public:
  void operator()(TMessage& m) const;

 private:
  friend class TControl;
  TWndNext(TControl* control, const TWindowHooks* hooks, int index) : control_(control), hooks_(hooks), index_(index) {}
  TControl* control_;
  const TWindowHooks* hooks_;
  int index_;  // the next hook to run, counting down; -1: WndProc
};
// A joined hook: handles m, calling next(m) to pass it on before, after, or not at all.
using TWndHook = std::function<void(TMessage& m, const TWndNext& next)>;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum class TControlStyleItem {
  csAcceptsControls,
  csCaptureMouse,
  csDesignInteractive,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector,
  csActionClient,
  csMenuEvents,
  csNeedsBorderPaint,
  csParentBackground,
  csPannable,
  csAlignWithMargins,
  csGestures,
  csPaintBlackOpaqueOnGlass,
  csOverrideStylePaint
};
using TControlStyle = TSet<TControlStyleItem>;

enum class TControlStateItem {
  csLButtonDown,
  csClicked,
  csPalette,
  csReadingState,
  csAlignmentNeeded,
  csFocusing,
  csCreating,
  csPaintCopy,
  csCustomPaint,
  csDestroyingHandle,
  csDocking,
  csDesignerHide,
  csPanning,
  csRecreating,
  csAligning,
  csGlassPaint,
  csPrintClient
};
using TControlState = TSet<TControlStateItem>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TBorderStyle { bsNone, bsSingle };
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

const TEnumInfo& AlignInfo();
const TEnumInfo& AnchorKindInfo();
const TEnumInfo& BiDiModeInfo();
const TEnumInfo& AlignmentInfo();
const TEnumInfo& VerticalAlignmentInfo();
const TEnumInfo& TextLayoutInfo();
const TEnumInfo& BorderStyleInfo();
const TEnumInfo& BevelCutInfo();
const TEnumInfo& BevelKindInfo();
const TEnumInfo& ScrollStyleInfo();
const TIdentMap& ModalResultIdents();

using TMouseEvent = TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(TObject* Sender, win::WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char16_t& Key)>;

// The shift state of key data and of the mouse buttons held.
TShiftState KeyDataToShiftState(LPARAM keyData);
TShiftState KeyboardStateToShiftState();

class TControl;

// Size limits of a control (0: no limit).
class TSizeConstraints : public TPersistent {
  FORMS_CLASS(TSizeConstraints)
 public:
  explicit TSizeConstraints(TControl* control = nullptr) : control_(control) {}
  int MinWidth() const { return minW_; }
  int MinHeight() const { return minH_; }
  int MaxWidth() const { return maxW_; }
  int MaxHeight() const { return maxH_; }
  void SetMinWidth(int v);
  void SetMinHeight(int v);
  void SetMaxWidth(int v);
  void SetMaxHeight(int v);
  // Replaces all four limits at once without raising OnChange (scaling to a new screen
  // density): the maxima are cleared first so no old limit clips a new one.
  void SetAllQuietly(int minWidth, int minHeight, int maxWidth, int maxHeight);
  void Assign(const TPersistent* source) override;
  TPersistent* GetOwner() const override;
  TNotifyEvent OnChange;

 private:
  void Changed();
  TControl* control_;
  int minW_ = 0, minH_ = 0, maxW_ = 0, maxH_ = 0;
};

class TControl : public TComponent {
  FORMS_CLASS(TControl)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // --- Messages ---
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& m);
  virtual void Dispatch(TMessage& m);
  virtual void DefaultHandler(TMessage& m);
  // Sends a message through WindowProc and returns its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Joins the window procedure chain under `id` (any address the party owns), newest
  // first; joining again with the same id moves the hook to the front with its new
  // function. Leaving takes effect at once: a hook that has left is not called again,
  // not even later in the message that is running. Either may be called at any time,
  // also from inside a hook; a hook joined during a message sees the next one.
  void JoinWindowProc(const void* id, TWndHook hook);
  void LeaveWindowProc(const void* id);
  bool InWindowProc(const void* id) const;

  // --- Tree ---
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* c) override;
  void ReadState(TReader& reader) override;

  // --- Bounds (in the parent's client coordinates; top-level: the screen) ---
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  virtual void SetClientWidth(int v);
  virtual void SetClientHeight(int v);
  // The client area's top-left corner on the screen.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  TAlign Align() const { return align_; }
  void SetAlign(TAlign a);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors a);
  TSizeConstraints* Constraints() const { return constraints_.get(); }
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool v);

  // --- State ---
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  void Show();
  void Hide();
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);
  // Visible, and every parent up to a showing window shows.
  virtual bool Showing() const;
  TColor Color() const { return color_; }
  void SetColor(TColor c);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);
  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* f) { font_->Assign(f); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);
  std::u16string Caption() const { return GetText(); }
  void SetCaption(const std::u16string& s) { SetText(s); }
  std::u16string Text() const { return GetText(); }
  void SetTextValue(const std::u16string& s) { SetText(s); }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor c);
  const std::u16string& Hint() const { return hint_; }
  void SetHint(const std::u16string& h) { hint_ = h; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool v);
  TBiDiMode BiDiMode() const { return bidiMode_; }
  void SetBiDiMode(TBiDiMode m);
  bool UseRightToLeftReading() const { return bidiMode_ != TBiDiMode::bdLeftToRight; }
  bool UseRightToLeftAlignment() const { return bidiMode_ == TBiDiMode::bdRightToLeft; }
  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle s) { controlStyle_ = s; }
  TControlState ControlState() const { return controlState_; }
  void SetControlState(TControlState s) { controlState_ = s; }
  // Cursor-position tests: whether the control is hit at a client point (CM_HITTEST).
  bool HitTest(TPoint client);

  // --- Painting ---
  virtual void Invalidate();
  void Repaint();
  virtual void Update();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  // --- Events ---
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  virtual void Click();
  virtual void DblClick();

  // --- Scaling: positions, sizes and the own font by M/D ---
  void ScaleBy(int m, int d);
  virtual void ChangeScale(int m, int d);

  void Loaded() override;
  void Destroy() override;

  // Text as stored (WM_GETTEXT / WM_SETTEXT through the control).
  virtual std::u16string GetText() const;
  virtual void SetText(const std::u16string& s);

 protected:
  virtual void Resize();
  virtual void MouseDown(TMouseButton b, TShiftState s, int x, int y);
  virtual void MouseUp(TMouseButton b, TShiftState s, int x, int y);
  virtual void MouseMove(TShiftState s, int x, int y);
  // The control's place within its parent changed (or its alignment): realign.
  virtual void RequestAlign();
  virtual void AdjustSize();
  virtual bool CanResize(int& w, int& h);
  virtual bool CanAutoSize(int& w, int& h);
  virtual void ConstrainedResize(int& minW, int& minH, int& maxW, int& maxH);
  void DoConstraints(int& w, int& h);
  // Sets the bounds without telling anyone (the window moved them).
  void UpdateBoundsRect(const TRect& r);
  void UpdateAnchorRules();
  virtual void VisibleChanging() {}
  void InvalidateControl(bool isVisible, bool isOpaque);
  void SendCancelMode(TControl* sender);
  bool IsFontStored() const { return !parentFont_; }
  bool IsColorStored() const { return !parentColor_; }
  virtual bool IsCaptionStored() const { return true; }
  // The parent's colour and font, when the control follows them.
  void ParentColorChanged(TMessage& m);
  void ParentFontChanged(TMessage& m);

  std::u16string text_;  // the text while there is no window to keep it

 private:
  friend class TWinControl;
  friend class TCustomForm;
  void FontChanged(TObject*);
  void DoMouseDown(TMessage& m, TMouseButton b, TShiftState s);
  void DoMouseUp(TMessage& m, TMouseButton b);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = TAlign::alNone;
  TAnchors anchors_{TAnchorKind::akLeft, TAnchorKind::akTop};
  TPoint anchorRules_;  // distances kept to the parent's right and bottom edges
  TSize originalParentSize_;
  std::unique_ptr<TSizeConstraints> constraints_;
  bool autoSize_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  TCursor cursor_ = crDefault;
  std::u16string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TBiDiMode bidiMode_ = TBiDiMode::bdLeftToRight;
  TControlStyle controlStyle_;
  TControlState controlState_;
  int fontHeightAtLoad_ = 0;
  // The joined hooks, oldest first; replaced (never changed) when one joins or leaves,
  // so a message running keeps the list it started with.
  std::shared_ptr<const TWindowHooks> windowHooks_;
  void CallWindowHooks(TMessage& m);
  friend class TWndNext;
};

// A control without a window: its parent paints it (WM_PAINT with the parent's surface,
// origin moved to the control) and passes it the mouse messages over it.
class TGraphicControl : public TControl {
  FORMS_CLASS(TGraphicControl)
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const { return canvas_.get(); }

 protected:
  virtual void Paint() {}
  void Dispatch(TMessage& m) override;

 private:
  std::unique_ptr<TCanvas> canvas_;
};

// The form a control stands on (the top of its parent chain), or null.
TCustomForm* GetParentForm(const TControl* control);

// Text helpers of captions: the accelerator of "&Close" is 'C'; "&&" is a literal "&".
bool IsAccel(char16_t key, const std::u16string& caption);
std::u16string StripHotkey(const std::u16string& caption);

}  // namespace forms
