#pragma once
// The internal skins of a skin manager: packages stored with the window description of
// the form that owns the manager. Each item keeps its published settings and, as two
// extra stored values, the package bytes ("Data") and the file name the package had when
// it was added ("OriginName").
//
// Streaming seam: the description reader applies each stored value by name with
// SetProperty; the writer asks StoredProperties for the values to write, in order
// (published ones that differ from their defaults, then "Data" and "OriginName" when not
// empty). Neither knows the text format of descriptions.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "skin/render/pixels/sColors.h"

namespace skin {

// A stored value as the description streaming hands it over: an integer (also colours
// and identifiers the reader has resolved), a floating-point number, a string, or a block
// of bytes.
using TsStoredValue = std::variant<std::int64_t, double, std::u16string, std::vector<std::uint8_t>>;

struct TsStoredProperty {
  std::string Name;
  TsStoredValue Value;
};

enum class TsSetPropertyResult { Ok, UnknownProperty, WrongKind };

class TsStoredSkin {
 public:
  std::u16string Name;
  // The stored picture data of the item's master bitmap, kept as stored (empty in the
  // program); pictures are decoded by whoever uses them.
  std::vector<std::uint8_t> MasterBitmap;
  TColor Shadow1Color = 0;
  std::int32_t Shadow1Offset = 0;
  std::int32_t Shadow1Blur = -1;
  std::int32_t Shadow1Transparency = 0;
  TColor BorderColor = 0xFF00FF;
  double Version = 0;
  std::u16string Author;
  std::u16string Description;
  // "Data": the package bytes.
  std::vector<std::uint8_t> PackedData;
  // "OriginName": the package's file name when it was added.
  std::u16string OrigName;

  // The names of every stored value, in stored order.
  static std::span<const std::string_view> PropertyNames();
  // Applies one stored value. Integers are accepted for floating-point properties.
  TsSetPropertyResult SetProperty(std::string_view name, const TsStoredValue& value);
  // The values to store, in order.
  std::vector<TsStoredProperty> StoredProperties() const;
};

class TsStoredSkins {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  // Items keep their address while the collection changes.
  TsStoredSkin& Add();
  TsStoredSkin& operator[](int index) { return *items_.at(static_cast<std::size_t>(index)); }
  const TsStoredSkin& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  void Delete(int index);
  void Clear() { items_.clear(); }
  // Index of the first item whose Name equals name exactly (letter case included), or -1.
  int IndexOf(std::u16string_view name) const;

 private:
  std::vector<std::unique_ptr<TsStoredSkin>> items_;
};

}  // namespace skin
