#pragma once
// Turning the bytes of an options file (Options.dat of a folder, the options member of a
// package) into the options ini.
#include <cstdint>
#include <span>
#include <string>

namespace skin {

class TacSkinIni;

// Decodes text bytes by their byte-order mark (UTF-8, UTF-16 little or big endian, the
// mark removed) or, without one, as 8-bit text of the given code page. A trailing odd
// byte of UTF-16 text is dropped.
std::u16string DecodeOptionsText(std::span<const std::uint8_t> bytes, int codePage);

// Decodes the bytes (8-bit text in the system code page when unmarked), splits them at
// CR LF, CR or LF and gives the lines to the ini.
void LoadOptionsText(TacSkinIni& ini, std::span<const std::uint8_t> bytes);

}  // namespace skin
