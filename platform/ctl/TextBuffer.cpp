// The edit text and its incremental line index.
#include "platform/ctl/TextBuffer.h"

#include <algorithm>

#include "platform/base/HugePages.h"

namespace ctl::detail {

int TextBuffer::LineLength(int line) const {
  if (line + 1 < LineCount()) return LineStart(line + 1) - 2 - LineStart(line);
  return Length() - LineStart(line);
}

std::u16string_view TextBuffer::LineText(int line) const {
  return std::u16string_view(text_).substr(static_cast<std::size_t>(LineStart(line)),
                                           static_cast<std::size_t>(LineLength(line)));
}

int TextBuffer::LineFromChar(int pos) const {
  if (pos >= starts_.back()) return LineCount() - 1;  // the last line: asked after every append
  // The last line whose start is at or before pos.
  auto it = std::upper_bound(starts_.begin(), starts_.end(), pos);
  return static_cast<int>(it - starts_.begin()) - 1;
}

int TextBuffer::Normalize(int pos) const {
  pos = std::clamp(pos, 0, Length());
  if (multiline_ && pos > 0 && IsBreakAt(pos - 1)) --pos;
  return pos;
}

void TextBuffer::Append(std::u16string_view s) {
  const int from = Length();
  if (text_.size() + s.size() > text_.capacity() && text_.capacity() * sizeof(char16_t) >= base::kHugePageWorthy) {
    // A long text grows into a buffer of twice the room, advised before it is filled.
    std::u16string grown;
    grown.reserve(std::max(text_.capacity() * 2, text_.size() + s.size()));
    base::AdviseHugePages(grown.data(), grown.capacity() * sizeof(char16_t));
    grown.append(text_);
    text_.swap(grown);
  }
  text_.append(s);
  if (!multiline_) return;
  // A break may span the old end (a CR before, an LF first in s).
  for (int p = std::max(from - 1, 0); p + 1 < Length(); ++p)
    if (IsBreakAt(p)) starts_.push_back(p + 2);
}

void TextBuffer::Replace(int start, int end, std::u16string_view s) {
  start = std::clamp(start, 0, Length());
  end = std::clamp(end, start, Length());
  if (start == Length()) {
    Append(s);
    return;
  }
  text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), s);
  if (!multiline_) return;
  const int inserted = static_cast<int>(s.size());
  const int delta = inserted - (end - start);
  // Line starts up to `start` stay; those of breaks that begin at or after the old `end`
  // move by delta; only breaks that touch the replaced stretch (one character to each
  // side) are looked for again.
  auto firstChanged = std::upper_bound(starts_.begin(), starts_.end(), start);
  auto firstKept = std::lower_bound(firstChanged, starts_.end(), end + 2);
  std::vector<std::int32_t> found;
  for (int p = std::max(start - 1, 0); p < start + inserted; ++p)
    if (IsBreakAt(p)) found.push_back(p + 2);
  for (auto it = firstKept; it != starts_.end(); ++it) *it += delta;
  auto at = starts_.erase(firstChanged, firstKept);
  starts_.insert(at, found.begin(), found.end());
}

}  // namespace ctl::detail
