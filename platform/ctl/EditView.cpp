// The "Edit" control's geometry: metrics, the formatting rectangle, positions and
// pixels, scrolling, scroll bars and the caret.
#include <algorithm>

#include "platform/ctl/EditApi.h"
#include "platform/ctl/EditControl.h"
#include "platform/ctl/ClassicDraw.h"
#include "platform/ctl/ControlClasses.h"
#include "platform/ctl/ScrollBarApi.h"
#include "platform/gfx/FontFace.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/InputApi.h"
#include "platform/win/PaintApi.h"
#include "platform/win/ScrollApi.h"
#include "platform/win/Styles.h"

namespace ctl::detail {

using namespace win;

namespace {

// Walks a run of display text from a line's start, giving each character's advance;
// tabs go to the next stop, control characters take no room.
template <class Step>
int Walk(std::u16string_view text, gfx::FontFace& face, char16_t password, int tabWidth, Step step) {
  int x = 0;
  for (std::size_t i = 0; i < text.size();) {
    int count = 1;
    int advance;
    char16_t c = text[i];
    if (password) {
      advance = face.Advance(password);
    } else if (c == u'\t') {
      advance = (x / tabWidth + 1) * tabWidth - x;
    } else if (c < 0x20) {
      advance = 0;
    } else {
      advance = face.Advance(gfx::CodePointAt(text, i, count));
    }
    if (!step(i, count, x, advance)) return x;
    x += advance;
    i += static_cast<std::size_t>(count);
  }
  return x;
}

}  // namespace

void Edit::UpdateMetrics() {
  font_ = draw::FontOf(hfont_);
  const gfx::TextMetric& tm = font_.Face().Metrics();
  lineHeight_ = std::max(1, tm.tmHeight);
  aveChar_ = std::max(1, tm.tmAveCharWidth);
  // Dialog units: a quarter of the average character width.
  tabWidth_ = std::max(1, tabStopDlu_ * aveChar_ / 4);
}

RECT Edit::FormatRect() const {
  RECT c;
  GetClientRect(hwnd, &c);
  RECT r{c.Left + marginLeft_, c.Top, c.Right - marginRight_, c.Bottom};
  if (Multiline()) {
    r.Top += 1;
  } else {
    r.Top += std::clamp((c.Height() - lineHeight_) / 2, 0, 3);
  }
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

int Edit::VisibleLines() const { return std::max(1, FormatRect().Height() / lineHeight_); }

int Edit::MaxFirstLine() const { return Multiline() ? std::max(0, model_.Text().LineCount() - VisibleLines()) : 0; }

int Edit::TextWidth(std::u16string_view display) const {
  return Walk(display, font_.Face(), password_, tabWidth_, [](std::size_t, int, int, int) { return true; });
}

int Edit::XInLine(int pos) const {
  const TextBuffer& t = model_.Text();
  int line = t.LineFromChar(pos);
  std::u16string_view text = t.LineText(line).substr(0, static_cast<std::size_t>(pos - t.LineStart(line)));
  return TextWidth(text);
}

int Edit::PosAtX(int line, int x) const {
  const TextBuffer& t = model_.Text();
  std::u16string_view text = t.LineText(line);
  int found = static_cast<int>(text.size());
  Walk(text, font_.Face(), password_, tabWidth_, [&](std::size_t i, int, int left, int advance) {
    if (x < left + (advance + 1) / 2) {
      found = static_cast<int>(i);
      return false;
    }
    return true;
  });
  return t.LineStart(line) + found;
}

int Edit::LineWidth(int line) const { return TextWidth(model_.Text().LineText(line)); }

int Edit::AlignOffset(int line) const {
  DWORD align = Style() & (ES_CENTER | ES_RIGHT);
  if (align == ES_LEFT) return 0;
  int room = FormatRect().Width() - LineWidth(line) - 1;
  if (room <= 0) return 0;
  return align == ES_CENTER ? room / 2 : room;
}

POINT Edit::ClientPos(int pos) const {
  const TextBuffer& t = model_.Text();
  RECT fr = FormatRect();
  int line = t.LineFromChar(pos);
  return {fr.Left + AlignOffset(line) + XInLine(pos) - xOffset_, fr.Top + (line - firstLine_) * lineHeight_};
}

int Edit::PosFromClient(POINT p) const {
  const TextBuffer& t = model_.Text();
  RECT fr = FormatRect();
  int dy = p.Y - fr.Top;
  int row = dy >= 0 ? dy / lineHeight_ : -((-dy + lineHeight_ - 1) / lineHeight_);
  int line = std::clamp(firstLine_ + row, 0, t.LineCount() - 1);
  return PosAtX(line, p.X - fr.Left - AlignOffset(line) + xOffset_);
}

bool Edit::ScrollTo(int firstLine, int xOffset) {
  firstLine = std::clamp(firstLine, 0, MaxFirstLine());
  xOffset = std::max(0, xOffset);
  if (Style() & WS_HSCROLL) xOffset = std::min(xOffset, std::max(0, MaxLineWidth() + 1 - FormatRect().Width()));
  if (firstLine == firstLine_ && xOffset == xOffset_) return false;
  firstLine_ = firstLine;
  xOffset_ = xOffset;
  InvalidateText();
  UpdateScrollBars();
  UpdateCaret();
  return true;
}

void Edit::ScrollToCaret() {
  const TextBuffer& t = model_.Text();
  int caret = model_.Caret();
  int line = t.LineFromChar(caret);
  int first = firstLine_;
  if (Multiline()) {
    int visible = VisibleLines();
    if (line < first) first = line;
    if (line >= first + visible) first = line - visible + 1;
  }
  int width = FormatRect().Width();
  int x = xOffset_;
  int cx = XInLine(caret) + AlignOffset(line);
  if (!Multiline()) x = std::min(x, std::max(0, LineWidth(0) + 1 - width));
  if (cx < x) x = std::max(0, cx - width / 4);
  if (cx >= x + width) x = cx - width + width / 4 + 1;
  ScrollTo(first, x);
}

void Edit::UpdateScrollBars() {
  if (!redraw_) {
    scrollBarsStale_ = true;
    return;
  }
  scrollBarsStale_ = false;
  DWORD style = Style();
  auto set = [&](int bar, BarValues& last, int max, int page, int pos) {
    if (last.max == max && last.page == page && last.pos == pos) return;
    last = {max, page, pos};
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = max;
    si.nPage = static_cast<UINT>(page);
    si.nPos = pos;
    SetScrollInfo(hwnd, bar, &si, TRUE);
  };
  if (Multiline() && (style & WS_VSCROLL))
    set(SB_VERT, lastV_, model_.Text().LineCount() - 1, VisibleLines(), firstLine_);
  if (style & WS_HSCROLL) set(SB_HORZ, lastH_, MaxLineWidth(), FormatRect().Width(), xOffset_);
}

void Edit::UpdateCaret() {
  if (!focused_) return;
  POINT p = ClientPos(model_.Caret());
  RECT fr = FormatRect();
  bool inside =
      p.X >= fr.Left - 1 && p.X <= fr.Right && p.Y >= fr.Top && p.Y + lineHeight_ <= fr.Bottom + lineHeight_ / 2;
  if (!inside) p = {-1000, -1000};
  SetCaretPos(p.X, p.Y);
}

void Edit::InvalidateText() {
  if (redraw_) InvalidateRect(hwnd, nullptr, FALSE);
}

void Edit::OnScroll(int bar, WPARAM wParam, bool notify) {
  WORD code = LOWORD(wParam);
  if (code == SB_ENDSCROLL) return;
  if (bar == SB_VERT) {
    if (!Multiline()) return;
    if (notify) {
      NotifyParent(hwnd, EN_VSCROLL);
      if (!IsWindow(hwnd)) return;
    }
    int page = std::max(1, VisibleLines() - 1);
    int first = firstLine_;
    switch (code) {
      case SB_LINEUP: --first; break;
      case SB_LINEDOWN: ++first; break;
      case SB_PAGEUP: first -= page; break;
      case SB_PAGEDOWN: first += page; break;
      case SB_TOP: first = 0; break;
      case SB_BOTTOM: first = MaxFirstLine(); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION:
        if (!GetScrollTrackPos(hwnd, SB_VERT, &first)) first = HIWORD(wParam);
        break;
      default: return;
    }
    ScrollTo(first, xOffset_);
    return;
  }
  if (notify) {
    NotifyParent(hwnd, EN_HSCROLL);
    if (!IsWindow(hwnd)) return;
  }
  int width = FormatRect().Width();
  int x = xOffset_;
  switch (code) {
    case SB_LINELEFT: x -= aveChar_; break;
    case SB_LINERIGHT: x += aveChar_; break;
    case SB_PAGELEFT: x -= width; break;
    case SB_PAGERIGHT: x += width; break;
    case SB_LEFT: x = 0; break;
    case SB_RIGHT: x = MaxLineWidth(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      if (!GetScrollTrackPos(hwnd, SB_HORZ, &x)) x = HIWORD(wParam);
      break;
    default: return;
  }
  ScrollTo(firstLine_, x);
}

void Edit::UpdateWidths(int firstLine, int oldLastLine, int newLastLine) {
  if (!(Style() & WS_HSCROLL)) {
    widthsBuilt_ = false;
    return;
  }
  if (!widthsBuilt_) return;
  auto from = widths_.begin() + firstLine,
       to = widths_.begin() + std::min<int>(oldLastLine + 1, static_cast<int>(widths_.size()));
  if (std::find(from, to, maxWidth_) != to) maxWidthStale_ = true;
  auto at = widths_.erase(from, to);
  std::vector<int> added;
  for (int line = firstLine; line <= newLastLine; ++line) {
    added.push_back(LineWidth(line));
    maxWidth_ = std::max(maxWidth_, added.back());
  }
  widths_.insert(at, added.begin(), added.end());
}

int Edit::MaxLineWidth() {
  const TextBuffer& t = model_.Text();
  if (!widthsBuilt_ || static_cast<int>(widths_.size()) != t.LineCount()) {
    widths_.resize(static_cast<std::size_t>(t.LineCount()));
    for (int line = 0; line < t.LineCount(); ++line) widths_[static_cast<std::size_t>(line)] = LineWidth(line);
    widthsBuilt_ = true;
    maxWidthStale_ = true;
  }
  if (maxWidthStale_) {
    maxWidth_ = widths_.empty() ? 0 : *std::max_element(widths_.begin(), widths_.end());
    maxWidthStale_ = false;
  }
  return maxWidth_;
}

bool Edit::FitsWithoutScrolling(std::u16string_view replacement) const {
  const TextBuffer& t = model_.Text();
  DWORD style = Style();
  if (!Multiline()) {
    if (style & ES_AUTOHSCROLL) return true;
    std::u16string all = t.Text();
    all.replace(static_cast<std::size_t>(model_.SelStart()),
                static_cast<std::size_t>(model_.SelEnd() - model_.SelStart()), replacement);
    return TextWidth(all) < FormatRect().Width();
  }
  if (style & (ES_AUTOVSCROLL | WS_VSCROLL)) return true;
  int added = 0;
  for (std::size_t i = 0; i + 1 < replacement.size(); ++i)
    if (replacement[i] == u'\r' && replacement[i + 1] == u'\n') ++added;
  if (added == 0) return true;
  int removed = t.LineFromChar(model_.SelEnd()) - t.LineFromChar(model_.SelStart());
  return t.LineCount() - removed + added <= VisibleLines();
}

}  // namespace ctl::detail
