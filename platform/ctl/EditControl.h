#pragma once
// Internal: the "Edit" control's window object. EditModel keeps the text, selection and
// undo; this object adds what needs a window: the font and its metrics, the formatting
// rectangle and scrolling (a first visible line and a horizontal pixel offset), the
// caret, the scroll bars, painting of visible lines only, keyboard, mouse, clipboard and
// the notifications. Its parts live in Edit.cpp (messages), EditInput.cpp (keyboard,
// mouse, clipboard), EditView.cpp (geometry, scrolling) and EditPaint.cpp.
#include <string>
#include <vector>

#include "platform/ctl/ControlBase.h"
#include "platform/ctl/EditModel.h"
#include "platform/gfx/Font.h"

namespace ctl::detail {

class Edit final : public ControlObject {
 public:
  Edit(win::HWND hwnd, const win::CREATESTRUCT& cs);
  win::LRESULT Handle(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

 private:
  // --- Edit.cpp -----------------------------------------------------------------------
  win::LRESULT HandleEditMessage(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam, bool* handled);
  win::DWORD Style() const;
  bool Multiline() const { return model_.Text().Multiline(); }
  bool ReadOnly() const;
  // Replaces the selection. `user`: typed or pasted (the limit, ES_AUTOHSCROLL and
  // ES_AUTOVSCROLL may refuse it). Sends EN_UPDATE, repaints, sends EN_CHANGE.
  bool ReplaceSel(std::u16string_view s, bool undoable, EditKind kind, bool user);
  void AfterTextChange(int firstLine, int oldLastLine, bool notify);
  // Without ES_AUTOHSCROLL (single-line) or ES_AUTOVSCROLL (multi-line, no scroll bar)
  // typed text must stay inside the window: whether replacing the selection keeps it so.
  bool FitsWithoutScrolling(std::u16string_view replacement) const;
  void SetSelection(int anchor, int caret, bool scroll);
  void SetFont(const void* hfont, bool redraw);

  // --- EditInput.cpp ------------------------------------------------------------------
  void OnKeyDown(int vk);
  void OnChar(char16_t c);
  void OnMouseDown(win::POINT p, bool doubleClick);
  void OnMouseMove(win::POINT p);
  void OnMouseUp();
  void OnAutoScroll();
  void OnWheel(int delta);
  // The classic edit menu (Undo, Cut, Copy, Paste, Delete, Select All) at a screen point;
  // (-1, -1) places it at the caret.
  void OnContextMenu(win::POINT screen);
  // Moves the caret (extending the selection) and scrolls it into view; a vertical
  // move keeps the pixel column it started from.
  void MoveCaret(int pos, bool extend, bool vertical = false);
  void MoveLines(int lines, bool extend);
  void ExtendDrag(win::POINT p);
  // Backspace / Delete: the selection, else the character before / after the caret.
  void DeleteChar(bool forward);
  void Copy();
  void Cut();
  void Paste();
  void Clear();
  bool UndoEdit();

  // --- EditView.cpp -------------------------------------------------------------------
  void UpdateMetrics();
  win::RECT FormatRect() const;
  int VisibleLines() const;
  int MaxFirstLine() const;
  // Pixel offset of pos within its line (tabs expanded), before scrolling and alignment.
  int XInLine(int pos) const;
  // The position on `line` nearest to pixel offset x (same measure as XInLine).
  int PosAtX(int line, int x) const;
  int LineWidth(int line) const;
  // Width of a run of display text starting at a line's start.
  int TextWidth(std::u16string_view display) const;
  int AlignOffset(int line) const;
  win::POINT ClientPos(int pos) const;
  int PosFromClient(win::POINT p) const;
  void ScrollToCaret();
  // Scrolls to a first line / horizontal offset; true when anything moved.
  bool ScrollTo(int firstLine, int xOffset);
  void UpdateScrollBars();
  void UpdateCaret();
  void InvalidateText();
  // A scroll request (WM_VSCROLL / WM_HSCROLL, EM_SCROLL); `notify` sends EN_VSCROLL / EN_HSCROLL.
  void OnScroll(int bar, win::WPARAM wParam, bool notify);
  // Widths of lines for the horizontal scroll bar, kept while the edit has WS_HSCROLL.
  void UpdateWidths(int firstLine, int oldLastLine, int newLastLine);
  int MaxLineWidth();

  // --- EditPaint.cpp ------------------------------------------------------------------
  void Paint(win::HDC dc, const win::RECT& area) override;
  std::u16string DisplayText(int line) const;

  EditModel model_;
  const void* hfont_ = nullptr;
  gfx::Font font_;
  int lineHeight_ = 13;
  int aveChar_ = 5;
  int tabWidth_ = 40;
  int tabStopDlu_ = 32;
  int marginLeft_ = 2;
  int marginRight_ = 2;
  int firstLine_ = 0;
  int xOffset_ = 0;
  int desiredX_ = -1;  // caret's pixel column kept across Up / Down
  bool focused_ = false;
  bool modified_ = false;
  char16_t password_ = 0;
  int limit_ = 0x7FFFFFFE;
  std::u16string cue_;
  bool cueWhenFocused_ = false;
  bool redraw_ = true;
  bool scrollBarsStale_ = false;
  enum class Drag { None, Chars, Words } drag_ = Drag::None;
  int dragWordStart_ = 0;
  int dragWordEnd_ = 0;
  win::POINT lastMouse_;
  // Horizontal scroll bar support.
  std::vector<int> widths_;
  bool widthsBuilt_ = false;
  int maxWidth_ = 0;
  bool maxWidthStale_ = false;
  // Last scroll bar values set, to skip needless updates.
  struct BarValues {
    int max = -1;
    int page = -1;
    int pos = -1;
  } lastV_, lastH_;
};

}  // namespace ctl::detail
