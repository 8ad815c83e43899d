#pragma once
// Reading the keys of one skin section with inheritance: a key missing in the section is
// taken from the section named by its PARENTCLASS, then from that one's parent, and so on.
// The chain ends at an empty parent, "?", a parent equal to the section itself, or a
// section already on the chain; a parent that does not exist adds nothing.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

class TacSkinIni;

class TacSectionReader {
 public:
  // Reads the section of that name (its first occurrence) and its parents.
  TacSectionReader(const TacSkinIni& ini, std::u16string_view section);

  // Indexes of the section records on the chain, the section first; existing ones only.
  const std::vector<int>& Chain() const { return chain_; }

  // A number or colour: read with -1 as the fallback in each section of the chain; a
  // negative result counts as missing. Missing everywhere gives def. The result is at
  // most max.
  std::int32_t ReadInt(std::u16string_view key, std::int32_t def, std::int32_t max = INT32_MAX) const;
  // A boolean from the first section of the chain that has the key.
  bool ReadBool(std::u16string_view key, bool def) const;
  // A text from the first section of the chain that has the key with a non-empty value.
  std::u16string ReadText(std::u16string_view key, std::u16string_view def) const;
  // The raw value from the first section of the chain that has the key; nullptr if none.
  const std::u16string* FindValue(std::u16string_view key) const;

 private:
  const TacSkinIni& ini_;
  std::vector<int> chain_;
};

}  // namespace skin
