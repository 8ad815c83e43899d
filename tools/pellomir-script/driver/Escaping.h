#pragma once
// The script's text conventions: what `type` reads (UTF-8 with \n, \t and \\ escapes) and
// how `text` and `dump` print window texts (UTF-8, with \, CR, LF and tab escaped).
#include <optional>
#include <string>
#include <string_view>

namespace script {

enum class EscapeQuotes { Yes, No };

// A window text as one output line: "\" "\r" "\n" "\t" become \\ \r \n \t; with
// EscapeQuotes::Yes a double quote becomes \" so the text can stand between quotes.
std::string EscapeText(std::u16string_view text, EscapeQuotes quotes = EscapeQuotes::No);

// The text of a `type` command, its escapes resolved. On a bad escape or bad UTF-8 returns
// nothing and says why in `error`.
std::optional<std::u16string> UnescapeTyped(std::string_view text, std::string& error);

}  // namespace script
