#pragma once
// Skin folders for the live-preview tests: the stored skin's package unpacked into a folder
// (its Options.dat and pictures), and edits of its options text.
#include <filesystem>
#include <string>
#include <vector>

namespace scripttest {

// Unpacks the stored skin (skins/Emberfield/Emberfield.asz of the source tree) into
// `folder`, made when missing: Options.dat and every picture member.
void WriteStoredSkinFolder(const std::filesystem::path& folder);

// The folder's Options.dat as bytes, and written back.
std::string ReadOptions(const std::filesystem::path& folder);
void WriteOptions(const std::filesystem::path& folder, const std::string& text);

// Sets `key` of `[section]` in an options text (the first such key of the section; the
// line is added at the section's start when it has none). Lines end in CR LF.
std::string SetOption(const std::string& options, const std::string& section, const std::string& key,
                      const std::string& value);

// A colour value 0x00BBGGRR as the pixel 0x00RRGGBB a screenshot holds.
constexpr std::uint32_t PixelOfColor(std::uint32_t c) {
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

}  // namespace scripttest
