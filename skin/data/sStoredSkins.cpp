#include "skin/data/sStoredSkins.h"

#include <array>

#include "platform/base/NumberText.h"
#include "skin/data/acSkinErrors.h"

namespace skin {

namespace {

constexpr std::array<std::string_view, 12> kNames = {
    "Name",        "MasterBitmap", "Shadow1Color", "Shadow1Offset", "Shadow1Blur", "Shadow1Transparency",
    "BorderColor", "Version",      "Author",       "Description",   "Data",        "OriginName"};

template <typename T>
TsSetPropertyResult Take(const TsStoredValue& v, T& field) {
  const T* p = std::get_if<T>(&v);
  if (p == nullptr) return TsSetPropertyResult::WrongKind;
  field = *p;
  return TsSetPropertyResult::Ok;
}

TsSetPropertyResult TakeInt(const TsStoredValue& v, std::int32_t& field) {
  const std::int64_t* p = std::get_if<std::int64_t>(&v);
  if (p == nullptr || *p < INT32_MIN || *p > INT32_MAX) return TsSetPropertyResult::WrongKind;
  field = static_cast<std::int32_t>(*p);
  return TsSetPropertyResult::Ok;
}

// Colours are stored as signed or unsigned 32-bit numbers.
TsSetPropertyResult TakeColor(const TsStoredValue& v, TColor& field) {
  const std::int64_t* p = std::get_if<std::int64_t>(&v);
  if (p == nullptr || *p < INT32_MIN || *p > UINT32_MAX) return TsSetPropertyResult::WrongKind;
  field = static_cast<TColor>(static_cast<std::uint32_t>(*p));
  return TsSetPropertyResult::Ok;
}

}  // namespace

std::span<const std::string_view> TsStoredSkin::PropertyNames() { return kNames; }

TsSetPropertyResult TsStoredSkin::SetProperty(std::string_view name, const TsStoredValue& value) {
  if (name == "Name") return Take(value, Name);
  if (name == "MasterBitmap") return Take(value, MasterBitmap);
  if (name == "Shadow1Color") return TakeColor(value, Shadow1Color);
  if (name == "Shadow1Offset") return TakeInt(value, Shadow1Offset);
  if (name == "Shadow1Blur") return TakeInt(value, Shadow1Blur);
  if (name == "Shadow1Transparency") return TakeInt(value, Shadow1Transparency);
  if (name == "BorderColor") return TakeColor(value, BorderColor);
  if (name == "Version") {
    if (const std::int64_t* i = std::get_if<std::int64_t>(&value)) {
      Version = static_cast<double>(*i);
      return TsSetPropertyResult::Ok;
    }
    return Take(value, Version);
  }
  if (name == "Author") return Take(value, Author);
  if (name == "Description") return Take(value, Description);
  if (name == "Data") return Take(value, PackedData);
  if (name == "OriginName") return Take(value, OrigName);
  return TsSetPropertyResult::UnknownProperty;
}

std::vector<TsStoredProperty> TsStoredSkin::StoredProperties() const {
  const TsStoredSkin defaults;
  std::vector<TsStoredProperty> out;
  if (Name != defaults.Name) out.push_back({"Name", Name});
  if (!MasterBitmap.empty()) out.push_back({"MasterBitmap", MasterBitmap});
  if (Shadow1Color != defaults.Shadow1Color) out.push_back({"Shadow1Color", std::int64_t(Shadow1Color)});
  if (Shadow1Offset != defaults.Shadow1Offset) out.push_back({"Shadow1Offset", std::int64_t(Shadow1Offset)});
  if (Shadow1Blur != defaults.Shadow1Blur) out.push_back({"Shadow1Blur", std::int64_t(Shadow1Blur)});
  if (Shadow1Transparency != defaults.Shadow1Transparency)
    out.push_back({"Shadow1Transparency", std::int64_t(Shadow1Transparency)});
  if (BorderColor != defaults.BorderColor) out.push_back({"BorderColor", std::int64_t(BorderColor)});
  if (Version != defaults.Version) out.push_back({"Version", Version});
  if (Author != defaults.Author) out.push_back({"Author", Author});
  if (Description != defaults.Description) out.push_back({"Description", Description});
  if (!PackedData.empty()) out.push_back({"Data", PackedData});
  if (!OrigName.empty()) out.push_back({"OriginName", OrigName});
  return out;
}

TsStoredSkin& TsStoredSkins::Add() {
  items_.push_back(std::make_unique<TsStoredSkin>());
  return *items_.back();
}

void TsStoredSkins::Delete(int index) {
  if (index < 0 || index >= Count()) {
    throw EListError(u"List index out of bounds (" + base::IntToText(index) + u")");
  }
  items_.erase(items_.begin() + index);
}

int TsStoredSkins::IndexOf(std::u16string_view name) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<std::size_t>(i)]->Name == name) return i;
  return -1;
}

}  // namespace skin
