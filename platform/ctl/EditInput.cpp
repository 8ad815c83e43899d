// The "Edit" control's input: keys, typed characters, the mouse and the clipboard.
#include <algorithm>

#include "platform/base/TextCase.h"
#include "platform/ctl/Clipboard.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/EditApi.h"
#include "platform/ctl/EditControl.h"
#include "platform/win/InputApi.h"
#include "platform/win/MenuApi.h"
#include "platform/win/Keys.h"
#include "platform/win/Styles.h"

namespace ctl::detail {

using namespace win;

namespace {

constexpr UINT_PTR kAutoScrollTimer = 0xFFE1;
constexpr UINT kAutoScrollMs = 50;

bool Down(int vk) { return GetKeyState(vk) < 0; }

// Pasted text: a multi-line edit takes every kind of line break as CR LF; a single-line
// edit takes the text up to the first line break.
std::u16string ForPaste(const std::u16string& s, bool multiline) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char16_t c = s[i];
    if (c != u'\r' && c != u'\n') {
      out.push_back(c);
      continue;
    }
    if (!multiline) break;
    out += u"\r\n";
    if (c == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n') ++i;
  }
  return out;
}

}  // namespace

void Edit::MoveCaret(int pos, bool extend, bool vertical) {
  if (!vertical) desiredX_ = -1;
  SetSelection(extend ? model_.Anchor() : pos, pos, true);
}

void Edit::MoveLines(int lines, bool extend) {
  const TextBuffer& t = model_.Text();
  int caret = model_.Caret();
  int line = t.LineFromChar(caret);
  if (desiredX_ < 0) desiredX_ = XInLine(caret) + AlignOffset(line);
  int target = std::clamp(line + lines, 0, t.LineCount() - 1);
  int pos = target == line ? caret : PosAtX(target, desiredX_ - AlignOffset(target));
  MoveCaret(pos, extend, true);
}

void Edit::DeleteChar(bool forward) {
  if (ReadOnly()) return;
  if (!model_.HasSelection()) {
    int caret = model_.Caret();
    int other = forward ? model_.NextChar(caret) : model_.PrevChar(caret);
    if (other == caret) return;
    model_.Select(other, caret);
  }
  ReplaceSel({}, true, EditKind::Deleting, false);
}

void Edit::OnKeyDown(int vk) {
  bool shift = Down(VK_SHIFT), ctrl = Down(VK_CONTROL);
  const TextBuffer& t = model_.Text();
  int caret = model_.Caret();
  int line = t.LineFromChar(caret);
  switch (vk) {
    case VK_LEFT:
      if (model_.HasSelection() && !shift && !ctrl) MoveCaret(model_.SelStart(), false);
      else MoveCaret(ctrl ? model_.WordLeft(caret) : model_.PrevChar(caret), shift);
      break;
    case VK_RIGHT:
      if (model_.HasSelection() && !shift && !ctrl) MoveCaret(model_.SelEnd(), false);
      else MoveCaret(ctrl ? model_.WordRight(caret) : model_.NextChar(caret), shift);
      break;
    case VK_UP:
      if (Multiline()) MoveLines(-1, shift);
      else MoveCaret(model_.PrevChar(caret), shift);
      break;
    case VK_DOWN:
      if (Multiline()) MoveLines(1, shift);
      else MoveCaret(model_.NextChar(caret), shift);
      break;
    case VK_PRIOR:
    case VK_NEXT:
      if (Multiline()) {
        int page = VisibleLines() * (vk == VK_PRIOR ? -1 : 1);
        ScrollTo(firstLine_ + page, xOffset_);
        MoveLines(page, shift);
      }
      break;
    case VK_HOME: MoveCaret(ctrl ? 0 : t.LineStart(line), shift); break;
    case VK_END: MoveCaret(ctrl ? t.Length() : t.LineEnd(line), shift); break;
    case VK_DELETE:
      if (shift) Cut();
      else DeleteChar(true);
      break;
    case VK_INSERT:
      if (ctrl) Copy();
      else if (shift) Paste();
      break;
    default: break;
  }
}

void Edit::OnChar(char16_t c) {
  switch (c) {
    case 0x01: SetSelection(0, model_.Text().Length(), true); return;
    case 0x03: Copy(); return;
    case 0x16: Paste(); return;
    case 0x18: Cut(); return;
    case 0x1A: UndoEdit(); return;
    case u'\b': DeleteChar(false); return;
    default: break;
  }
  if (ReadOnly()) return;
  DWORD style = Style();
  if (c == u'\r' || c == u'\n') {
    if (Multiline() && c == u'\r') ReplaceSel(u"\r\n", true, EditKind::Typing, true);
    return;
  }
  if (c == u'\t') {
    if (Multiline()) ReplaceSel(u"\t", true, EditKind::Typing, true);
    return;
  }
  if (c < 0x20 || c == 0x7F) return;
  if ((style & ES_NUMBER) && (c < u'0' || c > u'9')) return;
  if (style & ES_UPPERCASE) c = base::ToUpperUi(c);
  if (style & ES_LOWERCASE) c = base::ToLowerUi(c);
  ReplaceSel(std::u16string_view(&c, 1), true, EditKind::Typing, true);
}

void Edit::OnMouseDown(POINT p, bool doubleClick) {
  if (!focused_) SetFocus(hwnd);
  if (!IsWindow(hwnd)) return;
  SetCapture(hwnd);
  lastMouse_ = p;
  desiredX_ = -1;
  int pos = PosFromClient(p);
  if (doubleClick) {
    auto [a, b] = model_.WordAt(pos);
    dragWordStart_ = a;
    dragWordEnd_ = b;
    drag_ = Drag::Words;
    SetSelection(a, b, true);
  } else {
    drag_ = Drag::Chars;
    SetSelection(Down(VK_SHIFT) ? model_.Anchor() : pos, pos, true);
  }
  SetTimer(hwnd, kAutoScrollTimer, kAutoScrollMs, nullptr);
}

void Edit::ExtendDrag(POINT p) {
  int pos = PosFromClient(p);
  if (drag_ == Drag::Words) {
    auto [a, b] = model_.WordAt(pos);
    if (pos < dragWordStart_) SetSelection(dragWordEnd_, a, true);
    else SetSelection(dragWordStart_, std::max(b, dragWordEnd_), true);
  } else {
    SetSelection(model_.Anchor(), pos, true);
  }
}

void Edit::OnMouseMove(POINT p) {
  if (drag_ == Drag::None || GetCapture() != hwnd) return;
  lastMouse_ = p;
  ExtendDrag(p);
}

void Edit::OnAutoScroll() {
  if (drag_ == Drag::None || GetCapture() != hwnd) {
    KillTimer(hwnd, kAutoScrollTimer);
    return;
  }
  // While the pointer is held outside the text, the selection keeps extending that way.
  RECT fr = FormatRect();
  if (!fr.Contains(lastMouse_)) ExtendDrag(lastMouse_);
}

void Edit::OnMouseUp() {
  if (drag_ == Drag::None) return;
  drag_ = Drag::None;
  KillTimer(hwnd, kAutoScrollTimer);
  if (GetCapture() == hwnd) ReleaseCapture();
}

void Edit::OnWheel(int delta) {
  int lines = -delta * 3 / WHEEL_DELTA;
  if (lines == 0) return;
  NotifyParent(hwnd, EN_VSCROLL);
  if (IsWindow(hwnd)) ScrollTo(firstLine_ + lines, xOffset_);
}

void Edit::OnContextMenu(POINT screen) {
  if (!focused_) SetFocus(hwnd);
  if (!IsWindow(hwnd)) return;
  if (screen.X == -1 && screen.Y == -1) {
    screen = ClientPos(model_.Caret());
    screen.Y += lineHeight_;
    ClientToScreen(hwnd, &screen);
  }
  const TextBuffer& t = model_.Text();
  bool sel = model_.HasSelection(), writable = !ReadOnly(), secret = password_ != 0;
  std::optional<std::u16string> clip = GetClipboardText(hwnd);
  HMENU menu = CreatePopupMenu();
  auto item = [&](UINT id, const char16_t* text, bool on) { AppendMenu(menu, on ? MF_STRING : MF_GRAYED, id, text); };
  item(WM_UNDO, u"&Undo", writable && model_.CanUndo());
  AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
  item(WM_CUT, u"Cu&t", sel && writable && !secret);
  item(WM_COPY, u"&Copy", sel && !secret);
  item(WM_PASTE, u"&Paste", writable && clip && !clip->empty());
  item(WM_CLEAR, u"&Delete", sel && writable);
  AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
  item(EM_SETSEL, u"Select &All", t.Length() > 0 && (model_.SelStart() > 0 || model_.SelEnd() < t.Length()));
  UINT command =
      static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.X, screen.Y, 0, hwnd, nullptr));
  DestroyMenu(menu);
  if (command && IsWindow(hwnd)) SendMessage(hwnd, command, 0, command == EM_SETSEL ? -1 : 0);
}

void Edit::Copy() {
  if (password_ || !model_.HasSelection()) return;
  SetClipboardText(hwnd, model_.SelectedText());
}

void Edit::Cut() {
  if (password_ || ReadOnly() || !model_.HasSelection()) return;
  Copy();
  Clear();
}

void Edit::Paste() {
  if (ReadOnly()) return;
  std::optional<std::u16string> text = GetClipboardText(hwnd);
  if (!text) return;
  ReplaceSel(ForPaste(*text, Multiline()), true, EditKind::Other, true);
}

void Edit::Clear() {
  if (ReadOnly() || !model_.HasSelection()) return;
  ReplaceSel({}, true, EditKind::Other, false);
}

bool Edit::UndoEdit() {
  if (ReadOnly() || !model_.Undo()) return false;
  modified_ = true;
  widthsBuilt_ = false;
  AfterTextChange(0, 0, true);
  return true;
}

}  // namespace ctl::detail
