// The editing state: selection, replacement, undo and character and word steps.
#include "platform/ctl/EditModel.h"

#include <algorithm>

namespace ctl::detail {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == 0x3000 || c == 0xA0; }
bool IsBreakChar(char16_t c) { return c == u'\r' || c == u'\n'; }
bool IsHigh(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

}  // namespace

std::u16string EditModel::SelectedText() const {
  return text_.Text().substr(static_cast<std::size_t>(SelStart()), static_cast<std::size_t>(SelEnd() - SelStart()));
}

void EditModel::Select(int anchor, int caret) {
  anchor_ = text_.Normalize(anchor);
  caret_ = text_.Normalize(caret);
}

void EditModel::Remember(int start, std::u16string_view removed, int inserted, EditKind kind) {
  UndoStep& u = undo_;
  bool join = u.valid && u.kind == kind;
  if (join && kind == EditKind::Typing && removed.empty() && start == u.pos + u.inserted) {
    u.inserted += inserted;
    return;
  }
  if (join && kind == EditKind::Deleting && inserted == 0 && u.inserted == 0) {
    if (start + static_cast<int>(removed.size()) == u.pos) {  // Backspace again
      u.removed.insert(0, removed);
      u.pos = start;
      return;
    }
    if (start == u.pos) {  // Delete again
      u.removed.append(removed);
      return;
    }
  }
  u = {true, start, std::u16string(removed), inserted, kind};
}

void EditModel::ReplaceSelection(std::u16string_view s, bool undoable, EditKind kind) {
  int start = SelStart(), end = SelEnd();
  if (undoable) {
    Remember(start,
             std::u16string_view(text_.Text())
                 .substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)),
             static_cast<int>(s.size()), kind);
  } else {
    undo_ = {};
  }
  text_.Replace(start, end, s);
  int caret = start + static_cast<int>(s.size());
  anchor_ = caret_ = std::min(caret, text_.Length());
}

void EditModel::SetText(std::u16string_view s) {
  text_.Assign(s);
  anchor_ = caret_ = 0;
  undo_ = {};
}

bool EditModel::Undo() {
  if (!undo_.valid) return false;
  UndoStep step = std::move(undo_);
  int end = std::min(step.pos + step.inserted, text_.Length());
  std::u16string putIn =
      text_.Text().substr(static_cast<std::size_t>(step.pos), static_cast<std::size_t>(end - step.pos));
  text_.Replace(step.pos, end, step.removed);
  undo_ = {true, step.pos, std::move(putIn), static_cast<int>(step.removed.size()), EditKind::Other};
  anchor_ = step.pos;
  caret_ = step.pos + static_cast<int>(step.removed.size());
  return true;
}

int EditModel::PrevChar(int pos) const {
  if (pos <= 0) return 0;
  const auto& t = text_.Text();
  auto i = static_cast<std::size_t>(pos);
  if (text_.Multiline() && pos >= 2 && t[i - 2] == u'\r' && t[i - 1] == u'\n') return pos - 2;
  if (pos >= 2 && IsLow(t[i - 1]) && IsHigh(t[i - 2])) return pos - 2;
  return pos - 1;
}

int EditModel::NextChar(int pos) const {
  int n = text_.Length();
  if (pos >= n) return n;
  const auto& t = text_.Text();
  auto i = static_cast<std::size_t>(pos);
  if (text_.Multiline() && pos + 1 < n && t[i] == u'\r' && t[i + 1] == u'\n') return pos + 2;
  if (pos + 1 < n && IsHigh(t[i]) && IsLow(t[i + 1])) return pos + 2;
  return pos + 1;
}

int EditModel::WordRight(int pos) const {
  int n = text_.Length();
  if (pos >= n) return n;
  const auto& t = text_.Text();
  auto at = [&](int p) { return t[static_cast<std::size_t>(p)]; };
  if (IsBreakChar(at(pos))) {
    pos = NextChar(pos);
  } else {
    while (pos < n && !IsBlank(at(pos)) && !IsBreakChar(at(pos))) ++pos;
  }
  while (pos < n && IsBlank(at(pos))) ++pos;
  return text_.Normalize(pos);
}

int EditModel::WordLeft(int pos) const {
  if (pos <= 0) return 0;
  const auto& t = text_.Text();
  auto at = [&](int p) { return t[static_cast<std::size_t>(p)]; };
  const int from = pos;
  while (pos > 0 && IsBlank(at(pos - 1))) --pos;
  // A line's start is a stop; from there the next stop is the end of the line before.
  if (pos > 0 && IsBreakChar(at(pos - 1))) return pos != from ? pos : PrevChar(pos);
  while (pos > 0 && !IsBlank(at(pos - 1)) && !IsBreakChar(at(pos - 1))) --pos;
  return pos;
}

std::pair<int, int> EditModel::WordAt(int pos) const {
  int n = text_.Length();
  const auto& t = text_.Text();
  auto at = [&](int p) { return t[static_cast<std::size_t>(p)]; };
  pos = text_.Normalize(pos);
  if (pos >= n || IsBreakChar(at(pos))) {
    // At a line's end: the word before it.
    if (pos == 0 || IsBreakChar(at(pos - 1))) return {pos, pos};
    --pos;
  }
  bool blank = IsBlank(at(pos));
  auto same = [&](char16_t c) { return !IsBreakChar(c) && IsBlank(c) == blank; };
  int a = pos, b = pos;
  while (a > 0 && same(at(a - 1))) --a;
  while (b < n && same(at(b))) ++b;
  return {a, b};
}

}  // namespace ctl::detail
