#include "skin/data/acSectionReader.h"

#include <algorithm>

#include "skin/data/acSkinIni.h"

namespace skin {

TacSectionReader::TacSectionReader(const TacSkinIni& ini, std::u16string_view section) : ini_(ini) {
  std::u16string name(section);
  int index = ini.IndexOfSection(name);
  while (index >= 0 && std::find(chain_.begin(), chain_.end(), index) == chain_.end()) {
    chain_.push_back(index);
    const std::u16string* parent = ini.FindValueAt(index, u"PARENTCLASS");
    if (parent == nullptr || parent->empty() || *parent == u"?" || *parent == name) break;
    name = *parent;
    index = ini.IndexOfSection(name);
  }
}

std::int32_t TacSectionReader::ReadInt(std::u16string_view key, std::int32_t def, std::int32_t max) const {
  for (int index : chain_) {
    const std::u16string* v = ini_.FindValueAt(index, key);
    std::int32_t n = -1;
    if (v != nullptr && TryParseInt32(*v, n) && n >= 0) return std::min(n, max);
  }
  return std::min(def, max);
}

bool TacSectionReader::ReadBool(std::u16string_view key, bool def) const {
  const std::u16string* v = FindValue(key);
  return v != nullptr ? ParseBool(*v) : def;
}

std::u16string TacSectionReader::ReadText(std::u16string_view key, std::u16string_view def) const {
  for (int index : chain_) {
    const std::u16string* v = ini_.FindValueAt(index, key);
    if (v != nullptr && !v->empty()) return *v;
  }
  return std::u16string(def);
}

const std::u16string* TacSectionReader::FindValue(std::u16string_view key) const {
  for (int index : chain_)
    if (const std::u16string* v = ini_.FindValueAt(index, key)) return v;
  return nullptr;
}

}  // namespace skin
