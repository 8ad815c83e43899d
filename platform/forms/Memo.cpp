// The multi-line edit and its lines. With a window the lines are read and changed
// through the edit's own line messages (so every change is one edit change and its
// notification); without one (while a description is read) on the text kept for it.
#include "platform/base/NumberText.h"
#include "platform/ctl/DialogApi.h"
#include "platform/ctl/EditApi.h"
#include "platform/forms/Forms.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Styles.h"

namespace forms {

namespace {

// Whether the memo's window can be made now: it stands (through its parents) on a form.
bool WindowPossible(TCustomMemo* m) {
  if (m->HandleAllocated()) return true;
  if (m->IsLoading()) return false;
  const TWinControl* top = m;
  while (top->Parent()) top = top->Parent();
  return dynamic_cast<const TCustomForm*>(top) != nullptr || top->ParentWindow() != nullptr;
}

LRESULT Send(TCustomMemo* m, UINT msg, WPARAM w, LPARAM l) { return win::SendMessage(m->Handle(), msg, w, l); }

}  // namespace

// --- TMemoStrings -----------------------------------------------------------------------------

TPersistent* TMemoStrings::GetOwner() const { return memo_; }

std::vector<std::size_t> TMemoStrings::LineStarts(const std::u16string& t) const {
  std::vector<std::size_t> starts{0};
  for (std::size_t i = 0; i + 1 < t.size(); ++i)
    if (t[i] == u'\r' && t[i + 1] == u'\n') starts.push_back(i + 2);
  if (starts.back() == t.size()) starts.pop_back();  // an empty last line is no line
  if (t.empty()) starts.clear();
  return starts;
}

int TMemoStrings::Count() const {
  if (WindowPossible(memo_)) {
    auto n = static_cast<int>(Send(memo_, ctl::EM_GETLINECOUNT, 0, 0));
    LRESULT last = Send(memo_, ctl::EM_LINEINDEX, static_cast<WPARAM>(n - 1), 0);
    if (Send(memo_, ctl::EM_LINELENGTH, static_cast<WPARAM>(last), 0) == 0) --n;
    return n;
  }
  return static_cast<int>(LineStarts(memo_->GetText()).size());
}

std::u16string TMemoStrings::Get(int index) const {
  if (index < 0 || index >= Count()) throw EListError(u"List index out of bounds (" + base::IntToText(index) + u")");
  std::u16string t = memo_->GetText();
  std::vector<std::size_t> starts = LineStarts(t);
  std::size_t s = starts[static_cast<std::size_t>(index)];
  std::size_t e = t.find(u"\r\n", s);
  return t.substr(s, e == std::u16string::npos ? std::u16string::npos : e - s);
}

void TMemoStrings::Replace(std::size_t from, std::size_t to, const std::u16string& with) {
  if (WindowPossible(memo_)) {
    Send(memo_, ctl::EM_SETSEL, from, static_cast<LPARAM>(to));
    Send(memo_, ctl::EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(with.c_str()));
    return;
  }
  std::u16string t = memo_->GetText();
  t.replace(from, to - from, with);
  memo_->SetText(t);
}

void TMemoStrings::Insert(int index, const std::u16string& s) {
  if (index < 0) return;
  if (WindowPossible(memo_)) {
    // The line's start, or (one past the last line) the end of the last line.
    LRESULT start = Send(memo_, ctl::EM_LINEINDEX, static_cast<WPARAM>(index), 0);
    std::u16string line = s + u"\r\n";
    if (start < 0) {
      start = Send(memo_, ctl::EM_LINEINDEX, static_cast<WPARAM>(index - 1), 0);
      if (start < 0) return;
      LRESULT len = Send(memo_, ctl::EM_LINELENGTH, static_cast<WPARAM>(start), 0);
      if (len == 0) return;
      // The last line has no break yet: it gets one before the new line.
      start += len;
      line = u"\r\n" + s + u"\r\n";
    }
    Replace(static_cast<std::size_t>(start), static_cast<std::size_t>(start), line);
    return;
  }
  std::u16string t = memo_->GetText();
  std::vector<std::size_t> starts = LineStarts(t);
  if (static_cast<std::size_t>(index) < starts.size()) {
    t.insert(starts[static_cast<std::size_t>(index)], s + u"\r\n");
  } else if (static_cast<std::size_t>(index) == starts.size()) {
    if (!t.empty() && (t.size() < 2 || t.compare(t.size() - 2, 2, u"\r\n") != 0)) t += u"\r\n";
    t += s + u"\r\n";
  } else {
    return;
  }
  memo_->SetText(t);
}

void TMemoStrings::Delete(int index) {
  std::u16string t = memo_->GetText();
  std::vector<std::size_t> starts = LineStarts(t);
  if (index < 0 || static_cast<std::size_t>(index) >= starts.size()) return;
  std::size_t from = starts[static_cast<std::size_t>(index)];
  std::size_t to =
      static_cast<std::size_t>(index) + 1 < starts.size() ? starts[static_cast<std::size_t>(index) + 1] : t.size();
  if (to == t.size() && from > 0 && t.compare(to >= 2 ? to - 2 : 0, 2, u"\r\n") != 0) from -= 2;  // last line, no break
  Replace(from, to, u"");
}

void TMemoStrings::Put(int index, const std::u16string& s) {
  std::u16string t = memo_->GetText();
  std::vector<std::size_t> starts = LineStarts(t);
  if (index < 0 || static_cast<std::size_t>(index) >= starts.size())
    throw EListError(u"List index out of bounds (" + base::IntToText(index) + u")");
  std::size_t from = starts[static_cast<std::size_t>(index)];
  std::size_t e = t.find(u"\r\n", from);
  Replace(from, e == std::u16string::npos ? t.size() : e, s);
}

void TMemoStrings::Clear() { memo_->SetText(u""); }

std::u16string TMemoStrings::Text() const { return memo_->GetText(); }

void TMemoStrings::SetText(const std::u16string& text) { memo_->SetText(text); }

void TMemoStrings::SetUpdateState(bool updating) {
  if (!memo_->HandleAllocated()) return;
  win::SendMessage(memo_->Handle(), win::WM_SETREDRAW, updating ? 0 : 1, 0);
  if (!updating) memo_->Repaint();
}

// --- TCustomMemo --------------------------------------------------------------------------------

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(this)) {
  TControl::SetAutoSize(false);
  SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& p) {
  TCustomEdit::CreateParams(p);
  p.Style |= ctl::ES_MULTILINE;
  if (wordWrap_) p.Style &= ~ctl::ES_AUTOHSCROLL;
  if (wantReturns_) p.Style |= ctl::ES_WANTRETURN;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) p.Style |= win::WS_VSCROLL;
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) p.Style |= win::WS_HSCROLL;
}

void TCustomMemo::Dispatch(TMessage& m) {
  if (m.Msg == win::WM_GETDLGCODE) {
    TCustomEdit::Dispatch(m);
    if (wantTabs_) m.Result |= ctl::DLGC_WANTTAB;
    else m.Result &= ~ctl::DLGC_WANTTAB;
    if (!wantReturns_) m.Result &= ~ctl::DLGC_WANTALLKEYS;
    return;
  }
  TCustomEdit::Dispatch(m);
}

void TCustomMemo::SetScrollBars(TScrollStyle v) {
  if (v == scrollBars_) return;
  scrollBars_ = v;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  RecreateWnd();
}

void TCustomMemo::SetWantReturns(bool v) {
  if (v == wantReturns_) return;
  wantReturns_ = v;
  RecreateWnd();
}

}  // namespace forms
