// The "Edit" control's painting: background, the visible lines with the selection, the
// grey cue banner of an empty edit.
#include <algorithm>

#include "platform/ctl/EditApi.h"
#include "platform/ctl/EditControl.h"
#include "platform/gfx/FontFace.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/Styles.h"

namespace ctl::detail {

using namespace win;

std::u16string Edit::DisplayText(int line) const {
  std::u16string_view text = model_.Text().LineText(line);
  if (password_) return std::u16string(text.size(), password_);
  return std::u16string(text);
}

void Edit::Paint(HDC dc, const RECT& area) {
  const TextBuffer& t = model_.Text();
  bool enabled = IsWindowEnabled(hwnd) != FALSE;
  bool plain = !enabled || ReadOnly();
  PaintColors colors =
      ParentColors(hwnd, plain ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, dc, gfx::GetSysColor(gfx::COLOR_WINDOWTEXT),
                   gfx::GetSysColor(enabled ? gfx::COLOR_WINDOW : gfx::COLOR_BTNFACE));
  if (!enabled) colors.text = gfx::GetSysColor(gfx::COLOR_GRAYTEXT);
  RECT client;
  GetClientRect(hwnd, &client);
  dc->FillRect(gfx::Intersect(area, client), colors.back);

  RECT fr = FormatRect();
  int level = dc->Save();
  dc->IntersectClip({fr.Left, client.Top, fr.Right, client.Bottom});
  dc->SetFont(font_);
  dc->SetBkMode(gfx::BkMode::Transparent);
  dc->SetTextAlign(gfx::TA_LEFT | gfx::TA_TOP);

  if (t.Length() == 0 && !cue_.empty() && (!focused_ || cueWhenFocused_)) {
    dc->SetTextColor(gfx::GetSysColor(gfx::COLOR_GRAYTEXT));
    RECT r = fr;
    dc->DrawText(cue_, r, gfx::DT_SINGLELINE | gfx::DT_NOPREFIX | gfx::DT_LEFT | gfx::DT_TOP);
    dc->Restore(level);
    return;
  }

  bool showSel = model_.HasSelection() && (focused_ || (Style() & ES_NOHIDESEL));
  gfx::TColor selBack = gfx::GetSysColor(gfx::COLOR_HIGHLIGHT), selText = gfx::GetSysColor(gfx::COLOR_HIGHLIGHTTEXT);
  gfx::FontFace& face = font_.Face();
  int firstRow = std::max(0, (area.Top - fr.Top) / lineHeight_);
  int lastRow = std::max(0, (std::min(area.Bottom, fr.Bottom) - fr.Top + lineHeight_ - 1) / lineHeight_);
  for (int row = firstRow; row <= lastRow; ++row) {
    int line = firstLine_ + row;
    if (line >= t.LineCount() || (!Multiline() && line > 0)) break;
    int y = fr.Top + row * lineHeight_;
    int left = fr.Left + AlignOffset(line) - xOffset_;
    std::u16string text = DisplayText(line);
    int start = t.LineStart(line);
    int selFrom = showSel ? std::clamp(model_.SelStart() - start, 0, static_cast<int>(text.size())) : 0;
    int selTo = showSel ? std::clamp(model_.SelEnd() - start, 0, static_cast<int>(text.size())) : 0;
    // Runs of drawable characters with one look, drawn from their measured places.
    std::size_t runStart = 0;
    int runX = 0, x = 0;
    bool runSelected = false;
    auto flush = [&](std::size_t end) {
      if (end > runStart) {
        if (runSelected) dc->FillRect({left + runX, y, left + x, y + lineHeight_}, selBack);
        std::u16string_view run(text.data() + runStart, end - runStart);
        bool drawable = run[0] >= 0x20 || password_;
        if (drawable) {
          dc->SetTextColor(runSelected ? selText : colors.text);
          dc->TextOut(left + runX, y, run);
        }
      }
      runStart = end;
      runX = x;
    };
    std::size_t i = 0;
    while (i < text.size()) {
      if (left + x > fr.Right) break;
      int count = 1;
      char16_t c = text[i];
      bool selected = static_cast<int>(i) >= selFrom && static_cast<int>(i) < selTo;
      bool special = !password_ && (c == u'\t' || c < 0x20);
      if (selected != runSelected || special) {
        flush(i);
        runSelected = selected;
      }
      int advance;
      if (password_) advance = face.Advance(password_);
      else if (c == u'\t') advance = (x / tabWidth_ + 1) * tabWidth_ - x;
      else if (c < 0x20) advance = 0;
      else advance = face.Advance(gfx::CodePointAt(text, i, count));
      x += advance;
      i += static_cast<std::size_t>(count);
      if (special) {
        // A tab is blank room (filled when selected); control characters take none.
        if (selected) dc->FillRect({left + runX, y, left + x, y + lineHeight_}, selBack);
        runStart = i;
        runX = x;
      }
    }
    flush(i);
  }
  dc->Restore(level);
}

}  // namespace ctl::detail
