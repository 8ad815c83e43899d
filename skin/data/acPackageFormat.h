#pragma once
// The byte format of skin packages: the magic "ASzf", a member count, then for every
// member a name, its unpacked size and one complete zlib stream whose length is not
// stored; optionally a preview block ("previewimg", size, picture) after the last member.
// This file reads and writes that format over bytes in memory; what a package means to
// the skin manager lives in acSkinPackage.h.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace skin {

using TacBytes = std::vector<std::uint8_t>;

inline constexpr std::size_t kPackageHeaderSize = 8;
// Compressed bytes are handed to the decompressor in blocks of this size.
inline constexpr std::size_t kInflateBlockSize = 0x20000;

// What a package may declare. Larger values are refused with an error before anything is
// allocated for them. Real skins stay far below: a few hundred kilobytes in all.
struct TacPackageLimits {
  std::uint32_t MaxNameLength = 1024;
  std::uint32_t MaxMemberSize = 64u << 20;
  std::uint64_t MaxTotalSize = 256u << 20;
};

// True when the bytes begin with the package magic "ASzf".
bool HasPackageMagic(std::span<const std::uint8_t> data);

// Walks a package from its first byte: header, members, preview. Every size is checked
// against the bytes that are left and against the limits; a member's bytes grow only as
// the decompressor delivers them, so a lying size field never causes a large allocation.
// Errors are thrown: EReadError for short data and refused sizes, EZDecompressionError for
// broken zlib data.
class TacPackageCursor {
 public:
  explicit TacPackageCursor(std::span<const std::uint8_t> data, TacPackageLimits limits = {});

  // Reads the magic and the member count and returns the count. The caller checks the
  // magic first (HasPackageMagic); a header cut short throws EReadError.
  std::uint32_t ReadHeader();
  // Reads the next member: its name bytes as stored and exactly its unpacked bytes. The
  // cursor then stands on the first byte after the member's zlib stream.
  void ReadMember(std::string& rawName, TacBytes& bytes);

  std::size_t Position() const { return pos_; }
  // Compressed length of the member read last.
  std::size_t LastPackedSize() const { return lastPacked_; }

 private:
  std::uint32_t ReadU32();
  void Inflate(const std::string& rawName, std::uint32_t size, TacBytes& out);

  std::span<const std::uint8_t> data_;
  TacPackageLimits limits_;
  std::size_t pos_ = 0;
  std::size_t lastPacked_ = 0;
  std::uint64_t total_ = 0;
};

// The optional preview block after the last member.
struct TacPreviewBlock {
  bool Present = false;    // the tag "previewimg" follows the members
  bool Truncated = false;  // fewer bytes follow than the block declares
  std::uint32_t DeclaredSize = 0;
  std::span<const std::uint8_t> Bytes;  // the picture bytes that are present
};

// Looks for the preview block at offset (the end of the last member).
TacPreviewBlock FindPreviewBlock(std::span<const std::uint8_t> data, std::size_t offset);

// One member as the whole-package reader and the writer see it.
struct TacPackageMember {
  std::string RawName;  // 8-bit name as stored
  TacBytes Bytes;       // unpacked bytes
  std::size_t PackedSize = 0;
};

// Every member of a package in stored order, and its preview block.
struct TacPackageContents {
  std::vector<TacPackageMember> Members;
  TacPreviewBlock Preview;
};

// Reads a whole package. Throws EReadError when the magic is missing, the data is cut
// short or a size is refused; EZDecompressionError for broken zlib data.
TacPackageContents ReadPackageContents(std::span<const std::uint8_t> data, TacPackageLimits limits = {});

// Writes a package: the members in the given order, each compressed at the best level
// (the output depends only on the input), then the preview block when preview is not
// empty. Throws EReadError when a name or a size does not fit the format.
TacBytes WritePackage(std::span<const TacPackageMember> members, std::span<const std::uint8_t> preview);

}  // namespace skin
