#pragma once
// The text of an edit control with its line index. Lines are separated by CR LF (as the
// platform's multi-line edit keeps them; a lone CR or LF is an ordinary character); a
// single-line buffer has one line whatever it holds. The index of line starts is
// updated incrementally, so appending at the end, asking for the line count and finding
// a character's line cost no pass over the whole text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ctl::detail {

class TextBuffer {
 public:
  explicit TextBuffer(bool multiline) : multiline_(multiline) {}

  const std::u16string& Text() const { return text_; }
  int Length() const { return static_cast<int>(text_.size()); }
  char16_t At(int pos) const { return text_[static_cast<std::size_t>(pos)]; }
  bool Multiline() const { return multiline_; }

  // At least 1: an empty text is one empty line, and a text ending in CR LF ends with an
  // empty line.
  int LineCount() const { return static_cast<int>(starts_.size()); }
  int LineStart(int line) const { return starts_[static_cast<std::size_t>(line)]; }
  // Characters of the line without its line break.
  int LineLength(int line) const;
  int LineEnd(int line) const { return LineStart(line) + LineLength(line); }
  std::u16string_view LineText(int line) const;
  // The line holding character position pos (0..Length()); a position between the CR
  // and LF of a break belongs to the line the break ends.
  int LineFromChar(int pos) const;

  // Replaces [start, end) with s; positions are clamped to the text.
  void Replace(int start, int end, std::u16string_view s);
  // Adds s at the end (what filling a list does, line by line).
  void Append(std::u16string_view s);
  void Assign(std::u16string_view s) { Replace(0, Length(), s); }

  // Moves a position off the middle of a CR LF pair (to before the CR) and into range.
  int Normalize(int pos) const;

 private:
  bool IsBreakAt(int pos) const {
    return pos >= 0 && pos + 1 < Length() && text_[static_cast<std::size_t>(pos)] == u'\r' &&
           text_[static_cast<std::size_t>(pos) + 1] == u'\n';
  }

  bool multiline_;
  std::u16string text_;
  std::vector<std::int32_t> starts_{0};
};

}  // namespace ctl::detail
