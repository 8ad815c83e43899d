#pragma once
// The live preview buffer a skin editor hands to a running program: a fixed 30645-byte
// block with a magic number, the skin name, the skin directory and the whole options
// text, each text in 8-bit characters of the system code page, ending at its first zero
// byte or at the end of its field. This unit only reads and writes the block; the skin
// manager decides what to do with it.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace skin {

inline constexpr std::uint32_t acPreviewMagic = 0xA400;
// WParam of the copy-data message: 7 stands in for the sender's window handle.
inline constexpr std::uintptr_t acPreviewSender = 7;

inline constexpr std::size_t acPreviewNameOffset = 4, acPreviewNameSize = 128;
inline constexpr std::size_t acPreviewDirOffset = 132, acPreviewDirSize = 512;
inline constexpr std::size_t acPreviewOptionsOffset = 644, acPreviewOptionsSize = 30001;
inline constexpr std::size_t acPreviewBufferSize = 30645;

using TacPreviewBuffer = std::array<std::uint8_t, acPreviewBufferSize>;

// What a preview buffer carries, as UTF-16 text.
struct TacPreviewData {
  std::u16string SkinName;
  std::u16string SkinDirectory;
  std::u16string Options;
};

// Whether the bytes begin with the 32-bit little-endian magic 0xA400.
bool HasPreviewMagic(std::span<const std::uint8_t> bytes);

// The fields of a buffer, decoded with the code page. No value without the magic.
std::optional<TacPreviewData> ReadPreviewBuffer(const TacPreviewBuffer& buffer, int codePage);

// Why a buffer could not be built.
enum class TacPreviewFieldError { None, NameTooLong, DirectoryTooLong, OptionsTooLong, ZeroInText };

// Builds a buffer from the fields, encoded with the code page (options lines keep their
// line breaks). A field may fill its whole size, without a closing zero; a longer field
// or a text holding a zero character is refused (the buffer is then unusable).
TacPreviewFieldError WritePreviewBuffer(const TacPreviewData& data, int codePage, TacPreviewBuffer& buffer);

// A readable text for an error (for tools).
std::u16string_view PreviewFieldErrorText(TacPreviewFieldError error);

}  // namespace skin
