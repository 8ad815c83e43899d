#pragma once
// Text conversion at the edges of the system. UI text is UTF-16; libraries and the file
// system take UTF-8; saved lists and some skin texts use the system's 8-bit code page.
#include <string>
#include <string_view>

namespace base {

// UTF-8 to UTF-16; malformed sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view s);
// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view s);
// ASCII text as UTF-16, one unit per byte (for texts built at run time from literals,
// numbers and library messages).
std::u16string WidenAscii(std::string_view s);

// The system's 8-bit code page number, chosen from the locale's language the way the
// classic desktop picks it (Russian: 1251, Greek: 1253, ..., otherwise 1252). Reads
// LC_ALL, LC_CTYPE and LANG in that order.
int SystemCodePage();
// The code page for a locale name such as "ru_RU.UTF-8" (exposed for tests).
int CodePageForLocale(std::string_view locale);

// UTF-16 to bytes of an 8-bit code page; characters the page lacks become a look-alike
// where one exists, else "?".
std::string Utf16ToCodePage(std::u16string_view s, int codePage);
// Bytes of an 8-bit code page to UTF-16; bytes the page does not define become U+FFFD.
std::u16string CodePageToUtf16(std::string_view bytes, int codePage);

}  // namespace base
