#pragma once
// Skin folders for the live-preview tests and benchmarks: the stored skin's package
// unpacked into a folder (its Options.dat and pictures), and edits of its options text.
// WriteStoredSkinFolder reads the source tree named by PELLOMIR_SOURCE_DIR.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <stdexcept>
#include <string>

#include "platform/base/Unicode.h"
#include "skin/data/acSkinHost.h"
#include "skin/data/acSkinPackage.h"

namespace skin::test {

// The bytes of a file, and a file written with bytes (throwing when that fails).
inline std::string ReadFileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + p.string());
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + p.string());
}

// Unpacks the stored skin (skins/Emberfield/Emberfield.asz of the source tree) into
// `folder`, made when missing: Options.dat and every picture member.
inline void WriteStoredSkinFolder(const std::filesystem::path& folder) {
  const char* source = std::getenv("PELLOMIR_SOURCE_DIR");
  const std::string package =
      ReadFileBytes(std::filesystem::path(source ? source : ".") / "skins/Emberfield/Emberfield.asz");
  skin::TacSkinConvertor sc;
  sc.PackedData = std::span(reinterpret_cast<const std::uint8_t*>(package.data()), package.size());
  if (!skin::ReadSkinPackage(sc, skin::NoManagerHost()) || !sc.Options)
    throw std::runtime_error("the stored skin does not unpack");
  std::filesystem::create_directories(folder);
  WriteFileBytes(folder / "Options.dat", std::string(sc.Options->begin(), sc.Options->end()));
  for (const skin::TacFileItem& f : sc.Files)
    WriteFileBytes(folder / base::Utf16ToUtf8(f.Name), std::string(f.Stream.begin(), f.Stream.end()));
}

// The folder's Options.dat as bytes, and written back.
inline std::string ReadOptions(const std::filesystem::path& folder) { return ReadFileBytes(folder / "Options.dat"); }
inline void WriteOptions(const std::filesystem::path& folder, const std::string& text) {
  WriteFileBytes(folder / "Options.dat", text);
}

// Sets `key` of `[section]` in an options text (the first such key of the section; the
// line is added at the section's start when it has none). Lines end in CR LF.
inline std::string SetOption(const std::string& options, const std::string& section, const std::string& key,
                             const std::string& value) {
  const std::string head = "[" + section + "]\r\n";
  std::size_t start = options.starts_with(head) ? 0 : options.find("\n" + head);
  if (start == std::string::npos) throw std::runtime_error("no section " + section);
  if (start != 0) ++start;
  const std::size_t body = start + head.size();
  std::size_t end = options.find("\n[", body);
  end = end == std::string::npos ? options.size() : end + 1;
  for (std::size_t line = body; line < end;) {
    std::size_t next = options.find('\n', line);
    next = next == std::string::npos ? options.size() : next + 1;
    if (options.compare(line, key.size() + 1, key + "=") == 0) {
      std::string out = options;
      out.replace(line, next - line, key + "=" + value + "\r\n");
      return out;
    }
    line = next;
  }
  std::string out = options;
  out.insert(body, key + "=" + value + "\r\n");
  return out;
}

// A colour value 0x00BBGGRR as the pixel 0x00RRGGBB a screenshot holds.
constexpr std::uint32_t PixelOfColor(std::uint32_t c) {
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

}  // namespace skin::test
