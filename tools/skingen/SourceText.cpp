#include "tools/skingen/SourceText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace skingen {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool IsHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// "#" followed by six hexadecimal digits is a colour, not a comment.
bool ColourAt(std::string_view s, std::size_t i) {
  if (i + 7 > s.size()) return false;
  for (std::size_t k = i + 1; k < i + 7; ++k)
    if (!IsHex(s[k])) return false;
  return true;
}

}  // namespace

TSourceError::TSourceError(std::string_view file, int line, const std::string& what)
    : std::runtime_error(std::string(file) + ":" + std::to_string(line) + ": " + what) {}

std::vector<std::string> SourceLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

std::string StripComment(std::string_view line) {
  bool quoted = false;
  std::size_t end = line.size();
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == '#' && !quoted && !ColourAt(line, i)) {
      end = i;
      break;
    }
  }
  std::size_t b = 0;
  while (b < end && IsBlank(line[b])) ++b;
  while (end > b && IsBlank(line[end - 1])) --end;
  return std::string(line.substr(b, end - b));
}

std::vector<std::string> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    if (line[i] == '"') {
      const std::size_t close = line.find('"', i + 1);
      const std::size_t end = close == std::string_view::npos ? line.size() : close;
      words.emplace_back(line.substr(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    const std::size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    words.emplace_back(line.substr(start, i - start));
  }
  return words;
}

bool ParseNumber(std::string_view word, double& out) {
  if (word.empty()) return false;
  const char* first = word.data();
  const char* last = word.data() + word.size();
  if (*first == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, last, out);
  return ec == std::errc() && ptr == last && std::isfinite(out);
}

bool ParseInt(std::string_view word, int& out) {
  if (word.empty()) return false;
  const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), out);
  return ec == std::errc() && ptr == word.data() + word.size();
}

}  // namespace skingen
