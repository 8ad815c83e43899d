// The "Edit" control: messages, text changes and notifications.
#include <algorithm>
#include <cstring>

#include "platform/ctl/ControlProcs.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/EditApi.h"
#include "platform/ctl/EditControl.h"
#include "platform/ctl/ScrollBarApi.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/PaintApi.h"
#include "platform/win/ScrollApi.h"
#include "platform/win/Styles.h"

namespace ctl::detail {

using namespace win;

namespace {

// Caps the platform puts on 16-bit answers: values above a word answer -1.
LRESULT PackPair(int lo, int hi) {
  if (lo < 0 || hi < 0 || lo > 0xFFFF || hi > 0xFFFF) return -1;
  return MAKELRESULT(static_cast<unsigned>(lo), static_cast<unsigned>(hi));
}

}  // namespace

Edit::Edit(HWND hwnd, const CREATESTRUCT& cs)
    : ControlObject(hwnd), model_((static_cast<DWORD>(cs.style) & ES_MULTILINE) != 0) {
  if (cs.lpszName && !IS_INTRESOURCE(cs.lpszName)) model_.SetText(cs.lpszName);
  if (static_cast<DWORD>(cs.style) & ES_PASSWORD) password_ = u'*';
  UpdateMetrics();
}

DWORD Edit::Style() const { return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE)); }

bool Edit::ReadOnly() const { return (Style() & ES_READONLY) != 0; }

void Edit::SetSelection(int anchor, int caret, bool scroll) {
  int oldStart = model_.SelStart(), oldEnd = model_.SelEnd();
  model_.Select(anchor, caret);
  if (oldStart != model_.SelStart() || oldEnd != model_.SelEnd()) InvalidateText();
  if (scroll) ScrollToCaret();
  UpdateCaret();
}

bool Edit::ReplaceSel(std::u16string_view s, bool undoable, EditKind kind, bool user) {
  const TextBuffer& t = model_.Text();
  std::u16string_view text = s;
  int room = limit_ - (t.Length() - (model_.SelEnd() - model_.SelStart()));
  if (static_cast<int>(text.size()) > std::max(room, 0)) {
    // The limit cuts the new text; a cut through a surrogate pair or a CR LF keeps it whole.
    std::size_t keep = static_cast<std::size_t>(std::max(room, 0));
    if (keep > 0 && keep < text.size() &&
        ((text[keep - 1] >= 0xD800 && text[keep - 1] < 0xDC00) || (text[keep - 1] == u'\r' && text[keep] == u'\n')))
      --keep;
    text = text.substr(0, keep);
    NotifyParent(hwnd, EN_MAXTEXT);
    if (!IsWindow(hwnd) || (text.empty() && !model_.HasSelection())) return false;
  }
  int firstLine = t.LineFromChar(model_.SelStart());
  int oldLastLine = t.LineFromChar(model_.SelEnd());
  if (user && !FitsWithoutScrolling(text)) return false;
  model_.ReplaceSelection(text, undoable, kind);
  modified_ = true;
  AfterTextChange(firstLine, oldLastLine, true);
  return true;
}

void Edit::AfterTextChange(int firstLine, int oldLastLine, bool notify) {
  desiredX_ = -1;
  int newLastLine = model_.Text().LineFromChar(model_.SelEnd());
  UpdateWidths(firstLine, oldLastLine, std::max(newLastLine, firstLine));
  if (notify) {
    NotifyParent(hwnd, EN_UPDATE);
    if (!IsWindow(hwnd)) return;
  }
  firstLine_ = std::min(firstLine_, MaxFirstLine());
  ScrollToCaret();
  InvalidateText();
  UpdateScrollBars();
  UpdateCaret();
  if (notify) NotifyParent(hwnd, EN_CHANGE);
}

void Edit::SetFont(const void* hfont, bool redraw) {
  hfont_ = hfont;
  UpdateMetrics();
  widthsBuilt_ = false;
  if (focused_) {
    CreateCaret(hwnd, 1, lineHeight_);
    ShowCaret(hwnd);
  }
  firstLine_ = std::min(firstLine_, MaxFirstLine());
  UpdateScrollBars();
  UpdateCaret();
  if (redraw) InvalidateText();
}

LRESULT Edit::HandleEditMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool* handled) {
  const TextBuffer& t = model_.Text();
  *handled = true;
  switch (msg) {
    case EM_GETSEL: {
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(model_.SelStart());
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(model_.SelEnd());
      return PackPair(model_.SelStart(), model_.SelEnd());
    }
    case EM_SETSEL: {
      int a = static_cast<int>(static_cast<LONG>(wParam)), c = static_cast<int>(static_cast<LONG>(lParam));
      if (a == -1) {
        SetSelection(model_.Caret(), model_.Caret(), false);
        return 0;
      }
      if (a < -1) a = 0;
      if (c < 0) c = t.Length();
      SetSelection(a, c, false);
      return 0;
    }
    case EM_REPLACESEL: {
      auto* s = reinterpret_cast<const char16_t*>(lParam);
      ReplaceSel(s ? std::u16string_view(s) : std::u16string_view(), wParam != 0, EditKind::Other, false);
      return 0;
    }
    case EM_GETLINECOUNT: return Multiline() ? t.LineCount() : 1;
    case EM_LINEINDEX: {
      int line = static_cast<int>(static_cast<LONG>(wParam));
      if (line < 0) line = t.LineFromChar(model_.Caret());
      return line < t.LineCount() ? t.LineStart(line) : -1;
    }
    case EM_LINELENGTH: {
      int pos = static_cast<int>(static_cast<LONG>(wParam));
      if (pos < 0) {
        // The unselected characters of the lines the selection touches.
        int l0 = t.LineFromChar(model_.SelStart()), l1 = t.LineFromChar(model_.SelEnd());
        return (model_.SelStart() - t.LineStart(l0)) + (t.LineEnd(l1) - model_.SelEnd());
      }
      return t.LineLength(t.LineFromChar(std::min(pos, t.Length())));
    }
    case EM_GETLINE: {
      auto* buf = reinterpret_cast<char16_t*>(lParam);
      int line = static_cast<int>(wParam);
      if (!buf || line < 0 || line >= t.LineCount()) return 0;
      int room = buf[0];
      std::u16string_view text = t.LineText(line);
      int n = std::min<int>(room, static_cast<int>(text.size()));
      std::copy_n(text.data(), n, buf);
      if (n < room) buf[n] = 0;
      return n;
    }
    case EM_LINEFROMCHAR: {
      int pos = static_cast<int>(static_cast<LONG>(wParam));
      if (pos < 0) pos = model_.HasSelection() ? model_.SelStart() : model_.Caret();
      return t.LineFromChar(std::min(pos, t.Length()));
    }
    case EM_SCROLLCARET:
      ScrollToCaret();
      UpdateCaret();
      return TRUE;
    case EM_LINESCROLL: {
      if (!Multiline()) return FALSE;
      int cols = static_cast<int>(static_cast<LONG>(wParam)), lines = static_cast<int>(lParam);
      ScrollTo(firstLine_ + lines, xOffset_ + cols * aveChar_);
      return TRUE;
    }
    case EM_SCROLL: {
      if (!Multiline()) return FALSE;
      int before = firstLine_;
      OnScroll(SB_VERT, wParam, false);
      return MAKELRESULT(static_cast<unsigned>(firstLine_ - before), TRUE);
    }
    case EM_GETFIRSTVISIBLELINE: return Multiline() ? firstLine_ : PosAtX(0, xOffset_);
    case EM_SETREADONLY: {
      DWORD style = Style();
      SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<LONG_PTR>(wParam ? style | ES_READONLY : style & ~ES_READONLY));
      InvalidateText();
      return TRUE;
    }
    case EM_GETMODIFY: return modified_ ? TRUE : FALSE;
    case EM_SETMODIFY: modified_ = wParam != 0; return 0;
    case EM_CANUNDO: return model_.CanUndo() ? TRUE : FALSE;
    case EM_UNDO: return UndoEdit() ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER: model_.EmptyUndo(); return 0;
    case EM_LIMITTEXT:
      limit_ = wParam == 0 ? 0x7FFFFFFE : static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE));
      return 0;
    case EM_GETLIMITTEXT: return limit_;
    case EM_SETPASSWORDCHAR:
      if (Multiline()) return 0;
      password_ = static_cast<char16_t>(wParam);
      SetWindowLongPtr(hwnd, GWL_STYLE,
                       static_cast<LONG_PTR>(password_ ? Style() | ES_PASSWORD : Style() & ~ES_PASSWORD));
      ScrollToCaret();
      InvalidateText();
      UpdateCaret();
      return 0;
    case EM_GETPASSWORDCHAR: return password_;
    case EM_SETMARGINS: {
      int left = LOWORD(static_cast<std::uintptr_t>(lParam)), right = HIWORD(static_cast<std::uintptr_t>(lParam));
      if (wParam & EC_LEFTMARGIN) marginLeft_ = left == EC_USEFONTINFO ? 2 : left;
      if (wParam & EC_RIGHTMARGIN) marginRight_ = right == EC_USEFONTINFO ? 2 : right;
      UpdateScrollBars();
      InvalidateText();
      UpdateCaret();
      return 0;
    }
    case EM_GETMARGINS: return MAKELRESULT(static_cast<unsigned>(marginLeft_), static_cast<unsigned>(marginRight_));
    case EM_GETRECT: {
      if (lParam) *reinterpret_cast<RECT*>(lParam) = FormatRect();
      return 0;
    }
    case EM_POSFROMCHAR: {
      int pos = static_cast<int>(wParam);
      if (pos < 0 || pos > t.Length()) return -1;
      POINT p = ClientPos(pos);
      return MAKELRESULT(static_cast<unsigned>(static_cast<short>(p.X)),
                         static_cast<unsigned>(static_cast<short>(p.Y)));
    }
    case EM_CHARFROMPOS: {
      int pos = PosFromClient(LParamToPoint(lParam));
      return PackPair(pos, t.LineFromChar(pos));
    }
    case EM_SETTABSTOPS: {
      // One value: every stop that far apart; none: the default 32 dialog units.
      auto* stops = reinterpret_cast<const int*>(lParam);
      tabStopDlu_ = wParam >= 1 && stops && stops[0] > 0 ? stops[0] : 32;
      UpdateMetrics();
      widthsBuilt_ = false;
      InvalidateText();
      UpdateCaret();
      return TRUE;
    }
    case EM_SETCUEBANNER: {
      auto* s = reinterpret_cast<const char16_t*>(lParam);
      cue_ = s ? s : u"";
      cueWhenFocused_ = wParam != 0;
      InvalidateText();
      return TRUE;
    }
    case EM_GETCUEBANNER: {
      auto* buf = reinterpret_cast<char16_t*>(wParam);
      int size = static_cast<int>(lParam);
      if (!buf || size <= 0) return FALSE;
      int n = std::min<int>(size - 1, static_cast<int>(cue_.size()));
      std::copy_n(cue_.data(), n, buf);
      buf[n] = 0;
      return TRUE;
    }
    default: *handled = false; return 0;
  }
}

LRESULT Edit::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleFrameScrollBars(hwnd, msg, wParam, lParam, &result)) return result;
  bool handled = false;
  result = HandleEditMessage(msg, wParam, lParam, &handled);
  if (handled) return result;
  const TextBuffer& t = model_.Text();
  switch (msg) {
    case WM_CREATE: UpdateScrollBars(); return 0;
    case WM_SETTEXT: {
      auto* s = reinterpret_cast<const char16_t*>(lParam);
      int oldLast = t.LineCount() - 1;
      model_.SetText(s ? std::u16string_view(s) : std::u16string_view());
      modified_ = false;
      firstLine_ = 0;
      xOffset_ = 0;
      widthsBuilt_ = false;
      // The platform's multi-line edit does not report text set this way as a change.
      AfterTextChange(0, oldLast, !Multiline());
      return TRUE;
    }
    case WM_GETTEXT: {
      auto* buf = reinterpret_cast<char16_t*>(lParam);
      if (!buf || wParam == 0) return 0;
      std::size_t n = std::min<std::size_t>(t.Text().size(), wParam - 1);
      std::copy_n(t.Text().data(), n, buf);
      buf[n] = 0;
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH: return t.Length();
    case WM_SETFONT: SetFont(reinterpret_cast<const void*>(wParam), lParam != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(hfont_);
    case WM_GETDLGCODE: {
      LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
      if (!Multiline()) return code;
      auto* m = reinterpret_cast<const MSG*>(lParam);
      if (m && (m->message == WM_KEYDOWN || m->message == WM_CHAR)) {
        int key = static_cast<int>(m->wParam);
        bool dialogKey =
            (m->message == WM_KEYDOWN &&
             (key == VK_TAB || key == VK_ESCAPE || (key == VK_RETURN && !(Style() & ES_WANTRETURN)))) ||
            (m->message == WM_CHAR && (key == u'\t' || key == 0x1B || (key == u'\r' && !(Style() & ES_WANTRETURN))));
        if (dialogKey) return code;
      }
      return code | DLGC_WANTALLKEYS;
    }
    case WM_SETFOCUS:
      focused_ = true;
      CreateCaret(hwnd, 1, lineHeight_);
      UpdateCaret();
      ShowCaret(hwnd);
      InvalidateText();
      NotifyParent(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      drag_ = Drag::None;
      DestroyCaret();
      InvalidateText();
      NotifyParent(hwnd, EN_KILLFOCUS);
      return 0;
    case WM_ENABLE:
    case WM_STYLECHANGED: InvalidateText(); return 0;
    case WM_SIZE:
      firstLine_ = std::min(firstLine_, MaxFirstLine());
      UpdateScrollBars();
      UpdateCaret();
      InvalidateText();
      return 0;
    case WM_SETREDRAW:
      DefWindowProc(hwnd, msg, wParam, lParam);
      redraw_ = wParam != 0;
      if (redraw_) {
        UpdateScrollBars();
        UpdateCaret();
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      }
      return 0;
    case WM_KEYDOWN: OnKeyDown(static_cast<int>(wParam)); return 0;
    case WM_CHAR: OnChar(static_cast<char16_t>(wParam)); return 0;
    case WM_LBUTTONDOWN: OnMouseDown(LParamToPoint(lParam), false); return 0;
    case WM_LBUTTONDBLCLK: OnMouseDown(LParamToPoint(lParam), true); return 0;
    case WM_MOUSEMOVE: OnMouseMove(LParamToPoint(lParam)); return 0;
    case WM_LBUTTONUP: OnMouseUp(); return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) {
        drag_ = Drag::None;
        KillTimer(hwnd, 0xFFE1);
      }
      return 0;
    case WM_TIMER:
      if (wParam == 0xFFE1) OnAutoScroll();
      return 0;
    case WM_MOUSEWHEEL:
      if (!Multiline()) return DefWindowProc(hwnd, msg, wParam, lParam);
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_CONTEXTMENU: OnContextMenu(LParamToPoint(lParam)); return 0;
    case WM_VSCROLL: OnScroll(SB_VERT, wParam, true); return 0;
    case WM_HSCROLL: OnScroll(SB_HORZ, wParam, true); return 0;
    case WM_COPY: Copy(); return 0;
    case WM_CUT: Cut(); return 0;
    case WM_PASTE: Paste(); return 0;
    case WM_CLEAR: Clear(); return 0;
    case WM_UNDO: return UndoEdit() ? TRUE : FALSE;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return InstanceProc<Edit>(hwnd, msg, wParam, lParam);
}

}  // namespace ctl::detail
