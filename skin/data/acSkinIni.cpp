#include "skin/data/acSkinIni.h"

#include <charconv>

#include "skin/data/acText.h"

namespace skin {

namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// Parses the integer syntax into a magnitude of at most `bits` bits (hex) or a signed
// value within [lo, hi] (decimal).
bool ParseInteger(std::u16string_view s, int bits, std::int64_t lo, std::int64_t hi, std::int64_t& out) {
  if (s.empty()) return false;
  std::u16string_view digits;
  if (s[0] == u'$') {
    digits = s.substr(1);
  } else if (s.size() >= 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X')) {
    digits = s.substr(2);
  } else {
    const bool negative = s[0] == u'-';
    digits = negative ? s.substr(1) : s;
    if (digits.empty()) return false;
    // Accumulate toward the negative side so that the lowest value fits.
    std::int64_t v = 0;
    for (char16_t c : digits) {
      if (c < u'0' || c > u'9') return false;
      if (v < (lo + (c - u'0')) / 10) return false;
      v = v * 10 - (c - u'0');
    }
    if (!negative) {
      if (v < -hi) return false;
      v = -v;
    }
    out = v;
    return true;
  }
  if (digits.empty()) return false;
  const std::uint64_t limit = bits == 64 ? ~std::uint64_t(0) : ((std::uint64_t(1) << bits) - 1);
  std::uint64_t v = 0;
  for (char16_t c : digits) {
    const int d = HexDigit(c);
    if (d < 0 || v > (limit >> 4)) return false;
    v = (v << 4) | std::uint64_t(d);
  }
  out = bits == 64 ? static_cast<std::int64_t>(v) : static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  return true;
}

}  // namespace

bool TryParseInt32(std::u16string_view s, std::int32_t& out) {
  std::int64_t v = 0;
  if (!ParseInteger(s, 32, INT32_MIN, INT32_MAX, v)) return false;
  out = static_cast<std::int32_t>(v);
  return true;
}

bool TryParseInt64(std::u16string_view s, std::int64_t& out) { return ParseInteger(s, 64, INT64_MIN, INT64_MAX, out); }

bool TryParseFloat(std::u16string_view s, double& out) {
  if (s.empty() || s.size() > 64) return false;
  std::string ascii;
  for (char16_t c : s) {
    const bool allowed = (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E';
    if (!allowed) return false;
    ascii.push_back(static_cast<char>(c));
  }
  double v = 0;
  const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
  if (ec != std::errc() || end != ascii.data() + ascii.size()) return false;
  out = v;
  return true;
}

bool ParseBool(std::u16string_view s) { return s == u"TRUE" || s == u"1"; }

namespace {

// Calls fn with every line of a text; a line end at the very end adds no empty line.
template <typename Fn>
void ForEachLine(std::u16string_view text, Fn fn) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    fn(text.substr(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) fn(text.substr(start));
}

}  // namespace

std::vector<std::u16string> SplitLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  ForEachLine(text, [&](std::u16string_view line) { lines.emplace_back(line); });
  return lines;
}

void TacSkinIni::Clear() {
  sections_.clear();
  firstSection_.clear();
}

void TacSkinIni::SetText(std::u16string_view text) {
  Clear();
  ForEachLine(text, [this](std::u16string_view line) { AddLine(line); });
}

void TacSkinIni::SetLines(const std::vector<std::u16string>& lines) {
  Clear();
  for (const std::u16string& line : lines) AddLine(line);
}

void TacSkinIni::AddLine(std::u16string_view raw) {
  const std::u16string_view line = Trim(raw);
  if (line.empty() || line[0] == u';') return;
  if (line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
    TacIniSection section;
    section.Name = std::u16string(Trim(line.substr(1, line.size() - 2)));
    firstSection_.emplace(section.Name, static_cast<int>(sections_.size()));
    sections_.push_back(std::move(section));
    return;
  }
  if (sections_.empty()) return;
  TacIniEntry& entry = sections_.back().Entries.emplace_back();
  const std::size_t eq = line.find(u'=');
  if (eq == std::u16string_view::npos) {
    entry.Key = std::u16string(line);
  } else {
    entry.Key = std::u16string(Trim(line.substr(0, eq)));
    entry.Value = std::u16string(Trim(line.substr(eq + 1)));
    entry.HasValue = true;
  }
}

int TacSkinIni::IndexOfSection(std::u16string_view name) const {
  const auto it = firstSection_.find(name);
  return it == firstSection_.end() ? -1 : it->second;
}

const std::u16string* TacSkinIni::FindValueAt(int sectionIndex, std::u16string_view key) const {
  if (sectionIndex < 0 || sectionIndex >= static_cast<int>(sections_.size())) return nullptr;
  for (const TacIniEntry& e : sections_[sectionIndex].Entries)
    if (e.HasValue && e.Key == key) return &e.Value;
  return nullptr;
}

const std::u16string* TacSkinIni::FindValue(std::u16string_view section, std::u16string_view key) const {
  return FindValueAt(IndexOfSection(section), key);
}

std::u16string TacSkinIni::ReadString(std::u16string_view section, std::u16string_view key,
                                      std::u16string_view def) const {
  const std::u16string* v = FindValue(section, key);
  return v != nullptr ? *v : std::u16string(def);
}

std::int32_t TacSkinIni::ReadInteger(std::u16string_view section, std::u16string_view key, std::int32_t def) const {
  const std::u16string* v = FindValue(section, key);
  std::int32_t out = def;
  return v != nullptr && TryParseInt32(*v, out) ? out : def;
}

std::int64_t TacSkinIni::ReadInt64(std::u16string_view section, std::u16string_view key, std::int64_t def) const {
  const std::u16string* v = FindValue(section, key);
  std::int64_t out = def;
  return v != nullptr && TryParseInt64(*v, out) ? out : def;
}

bool TacSkinIni::ReadBool(std::u16string_view section, std::u16string_view key, bool def) const {
  const std::u16string* v = FindValue(section, key);
  return v != nullptr ? ParseBool(*v) : def;
}

double TacSkinIni::ReadFloat(std::u16string_view section, std::u16string_view key, double def) const {
  const std::u16string* v = FindValue(section, key);
  double out = def;
  return v != nullptr && TryParseFloat(*v, out) ? out : def;
}

std::uint32_t TacSkinIni::ReadArgb(std::u16string_view section, std::u16string_view key, std::uint32_t def) const {
  return static_cast<std::uint32_t>(ReadInt64(section, key, static_cast<std::int64_t>(def)));
}

}  // namespace skin
