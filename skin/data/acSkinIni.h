#pragma once
// The options ini of a skin: an INI-style text parsed into sections and keys. Section and
// key names are compared exactly, letter case included. Every "[name]" line starts a
// section record of its own, but lookups by name read the first section of that name, and
// within a section the first line of a key counts. Values are kept verbatim (trimmed).
// This class knows the text syntax and the value kinds; inheritance between sections and
// density variants are built on it elsewhere.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace skin {

// One line of a section: a key and its value, or a line without "=" (never matches).
struct TacIniEntry {
  std::u16string Key;
  std::u16string Value;
  bool HasValue = false;
};

struct TacIniSection {
  std::u16string Name;
  std::vector<TacIniEntry> Entries;
};

class TacSkinIni {
 public:
  void Clear();
  // Parses the lines: trimmed; empty and ";" lines ignored; "[name]" starts a section;
  // lines before the first section ignored.
  void SetLines(const std::vector<std::u16string>& lines);
  // Splits the text at CR LF, CR or LF and parses the lines.
  void SetText(std::u16string_view text);

  // Every section record in text order, repeated names included.
  const std::vector<TacIniSection>& Sections() const { return sections_; }
  // Index of the first section of that name, or -1.
  int IndexOfSection(std::u16string_view name) const;
  bool SectionExists(std::u16string_view name) const { return IndexOfSection(name) >= 0; }

  // The value of a key in the first section of that name; nullptr when missing.
  const std::u16string* FindValue(std::u16string_view section, std::u16string_view key) const;
  // The same in a given section record.
  const std::u16string* FindValueAt(int sectionIndex, std::u16string_view key) const;
  bool ValueExists(std::u16string_view section, std::u16string_view key) const {
    return FindValue(section, key) != nullptr;
  }

  // Typed reads; a missing key or a value that does not parse gives the default.
  std::u16string ReadString(std::u16string_view section, std::u16string_view key, std::u16string_view def) const;
  std::int32_t ReadInteger(std::u16string_view section, std::u16string_view key, std::int32_t def) const;
  std::int64_t ReadInt64(std::u16string_view section, std::u16string_view key, std::int64_t def) const;
  // "TRUE" or "1" is true, any other present value false.
  bool ReadBool(std::u16string_view section, std::u16string_view key, bool def) const;
  // A decimal number with "." as separator.
  double ReadFloat(std::u16string_view section, std::u16string_view key, double def) const;
  // An ARGB colour: read as a 64-bit integer and truncated to 32 bits.
  std::uint32_t ReadArgb(std::u16string_view section, std::u16string_view key, std::uint32_t def) const;

 private:
  void AddLine(std::u16string_view raw);

  std::vector<TacIniSection> sections_;
  // Looked up by string view without building a string.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view s) const { return std::hash<std::u16string_view>()(s); }
  };
  std::unordered_map<std::u16string, int, NameHash, std::equal_to<>> firstSection_;
};

// Integer syntax of the options: an optional "-" and decimal digits, or hexadecimal after
// "0x" or "$" (up to 8 hex digits, read as 32 bits). False when the text does not parse
// or the number does not fit.
bool TryParseInt32(std::u16string_view s, std::int32_t& out);
// The same for 64 bits (up to 16 hex digits).
bool TryParseInt64(std::u16string_view s, std::int64_t& out);
// A decimal number with "." as separator and an optional exponent.
bool TryParseFloat(std::u16string_view s, double& out);
// The options' boolean: exactly "TRUE" or "1".
bool ParseBool(std::u16string_view s);

// Splits a text at CR LF, CR or LF. A line end at the very end adds no empty line.
std::vector<std::u16string> SplitLines(std::u16string_view text);

}  // namespace skin
