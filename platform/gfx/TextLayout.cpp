#include "platform/gfx/TextLayout.h"

#include <algorithm>

namespace gfx {
namespace {

bool IsBreakSpace(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

// Text with prefix marks taken out: "&x" underlines x, "&&" shows "&".
struct Prefixed {
  std::u16string text;
  std::vector<std::size_t> marks;  // indexes into text
};

Prefixed StripPrefixes(std::u16string_view in) {
  Prefixed out;
  out.text.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] != u'&') {
      out.text.push_back(in[i]);
      continue;
    }
    if (i + 1 >= in.size()) break;  // a lone mark at the end shows nothing
    if (in[i + 1] == u'&') {
      out.text.push_back(u'&');
    } else if (!IsLineBreak(in[i + 1])) {
      out.marks.push_back(out.text.size());
      out.text.push_back(in[i + 1]);
    } else {
      out.text.push_back(in[i + 1]);
    }
    ++i;
  }
  return out;
}

class LineBuilder {
 public:
  LineBuilder(const Prefixed& src, int tabWidth, TextMeasurer& m, TextLayout& out)
      : src_(src), tabWidth_(tabWidth), m_(m), out_(out) {}

  void Emit(std::size_t from, std::size_t to) {
    LaidOutLine line;
    line.text = src_.text.substr(from, to - from);
    line.x = MeasureRun(line.text, tabWidth_, m_);
    for (std::size_t mark : src_.marks)
      if (mark >= from && mark < to) line.prefixes.push_back(static_cast<int>(mark - from));
    out_.lines.push_back(std::move(line));
  }

  // Pen after text[from, to) when the line starts at from.
  int Width(std::size_t from, std::size_t to) const {
    return MeasureRun(std::u16string_view(src_.text).substr(from, to - from), tabWidth_, m_).back();
  }

 private:
  const Prefixed& src_;
  int tabWidth_;
  TextMeasurer& m_;
  TextLayout& out_;
};

// Greedy wrapping of one paragraph [begin, end) of the text at spaces.
void WrapParagraph(const std::u16string& s, std::size_t begin, std::size_t end, int maxWidth, bool breakWords,
                   LineBuilder& lines) {
  std::size_t ls = begin;       // start of the line being built
  std::size_t lastWordEnd = 0;  // end of the last word placed on it
  bool hasWord = false;
  std::size_t i = begin;
  while (i < end) {
    if (IsBreakSpace(s[i])) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < end && !IsBreakSpace(s[j])) ++j;
    const int w = lines.Width(ls, j);
    if (w > maxWidth && hasWord) {
      lines.Emit(ls, lastWordEnd);
      ls = i;  // the spaces at the break are dropped
      hasWord = false;
      continue;  // the same word starts the next line
    }
    if (w > maxWidth && breakWords) {
      // A word wider than the line is cut between characters (at least one per line).
      std::size_t k = i + 1;
      while (k < j && lines.Width(ls, k + 1) <= maxWidth) ++k;
      if (k < end && (s[k] & 0xFC00) == 0xDC00) ++k;  // keep surrogate pairs whole
      if (k < j) {
        lines.Emit(ls, k);
        ls = i = k;
        continue;
      }
    }
    hasWord = true;
    lastWordEnd = j;
    i = j;
  }
  lines.Emit(ls, end);
}

void ApplyEllipsis(LaidOutLine& line, int maxWidth, int tabWidth, TextMeasurer& m) {
  if (line.Width() <= maxWidth) return;
  const int ellipsis = MeasureRun(u"...", 0, m).back();
  std::size_t keep = 0;
  for (std::size_t k = 1; k <= line.text.size(); ++k) {
    if (k < line.text.size() && (line.text[k] & 0xFC00) == 0xDC00) continue;  // inside a pair
    if (line.x[k] + ellipsis > maxWidth) break;
    keep = k;
  }
  line.text = line.text.substr(0, keep) + u"...";
  line.x = MeasureRun(line.text, tabWidth, m);
  std::erase_if(line.prefixes, [keep](int p) { return p >= static_cast<int>(keep); });
}

}  // namespace

char32_t CodePointAt(std::u16string_view text, std::size_t i, int& count) {
  const char16_t c = text[i];
  if ((c & 0xFC00) == 0xD800 && i + 1 < text.size() && (text[i + 1] & 0xFC00) == 0xDC00) {
    count = 2;
    return 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
  }
  count = 1;
  return (c & 0xF800) == 0xD800 ? 0xFFFD : c;
}

std::vector<int> MeasureRun(std::u16string_view text, int tabWidth, TextMeasurer& m) {
  std::vector<int> x(text.size() + 1, 0);
  int pen = 0;
  for (std::size_t i = 0; i < text.size();) {
    x[i] = pen;
    int n = 1;
    const char32_t c = CodePointAt(text, i, n);
    if (c == U'\t' && tabWidth > 0) pen = (pen / tabWidth + 1) * tabWidth;
    else if (c == U'\t') pen += m.Advance(U' ');
    else pen += m.Advance(c);
    if (n == 2) x[i + 1] = pen;
    i += static_cast<std::size_t>(n);
  }
  x[text.size()] = pen;
  return x;
}

TextLayout LayoutText(std::u16string_view text, int maxWidth, unsigned format, int tabUnit, TextMeasurer& m) {
  const unsigned f = DrawTextFlags(format);
  TextLayout out;
  Prefixed src;
  if (f & DT_NOPREFIX) src.text = std::u16string(text);
  else src = StripPrefixes(text);
  const int tabWidth = (f & DT_EXPANDTABS) ? std::max(1, tabUnit) * TabStopChars(format) : 0;
  LineBuilder lines(src, tabWidth, m, out);
  const std::u16string& s = src.text;

  if (f & DT_SINGLELINE) {
    if (!s.empty()) lines.Emit(0, s.size());
  } else {
    std::size_t begin = 0;
    while (begin < s.size()) {
      std::size_t end = begin;
      while (end < s.size() && !IsLineBreak(s[end])) ++end;
      if (f & DT_WORDBREAK) WrapParagraph(s, begin, end, maxWidth, (f & DT_EDITCONTROL) != 0, lines);
      else lines.Emit(begin, end);
      // CR LF, LF or CR end a line; a break at the very end adds no line.
      if (end < s.size()) end += (s[end] == u'\r' && end + 1 < s.size() && s[end + 1] == u'\n') ? 2 : 1;
      begin = end;
    }
  }
  if (f & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS))
    for (LaidOutLine& line : out.lines) ApplyEllipsis(line, maxWidth, tabWidth, m);
  for (const LaidOutLine& line : out.lines) out.width = std::max(out.width, line.Width());
  return out;
}

}  // namespace gfx
