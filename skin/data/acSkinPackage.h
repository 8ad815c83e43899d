#pragma once
// An opened skin package: the unpacked options member and every other member in package
// order, read from a package file or from the bytes of an internal skin. The skin manager
// owns one (its `sc`); the image loader reads pictures from its member streams.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/acPackageFormat.h"

namespace skin {

class TacSkinHost;

// The kind of a member by its extension (compared upper-cased): ".BMP" bitmaps, ".TTF"
// and ".OTF" fonts, anything else (PNG pictures included) other.
enum class TacFileType { ftBmp, ftFont, ftOther };

TacFileType FileTypeOfName(std::u16string_view name);

struct TacFileItem {
  std::u16string Name;  // as stored (decoded from the system code page)
  TacFileType FileType = TacFileType::ftOther;
  TacBytes Stream;  // the unpacked bytes
};

struct TacSkinConvertor {
  // The unpacked options member; absent when the package has none.
  std::optional<TacBytes> Options;
  // The package bytes being read; set only while reading, never owned.
  std::span<const std::uint8_t> PackedData;
  // Member count minus 1.
  std::int32_t FileCount = 0;
  // Every member other than the options member, in package order.
  std::vector<TacFileItem> Files;

  // The first member whose upper-cased name equals the upper-cased name; nullptr if none.
  const TacFileItem* FindFile(std::u16string_view name) const;
  // Drops every member and the options.
  void Clear();
};

// The text of the box shown for data without the package magic.
inline constexpr char16_t kNotAPackageMessage[] = u"Loaded data is not a packed Quillora file";

// Largest package file that is read at all.
inline constexpr std::uint64_t kMaxPackageFileSize = 256u << 20;

// Reads sc.PackedData into sc. Without the magic an error box is shown through the host
// and the result is false (nothing is read). A member named "OPTIONS.DAT" in any letter
// case becomes Options; every other member is appended to Files. A preview block after
// the members is ignored. Errors of the data are thrown (EReadError "Stream read error"
// for short data, EReadError for refused sizes, EZDecompressionError for broken zlib
// data); what was read before the error stays in sc.
bool ReadSkinPackage(TacSkinConvertor& sc, TacSkinHost& manager);

// Reads a package file into holder (created when absent, else emptied). Does nothing when
// the file does not exist. The file is not kept open.
void LoadSkinPackageFile(std::u16string_view fileName, std::unique_ptr<TacSkinConvertor>& holder, TacSkinHost& manager);

}  // namespace skin
