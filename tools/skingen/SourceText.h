#pragma once
// Reading the skin's source files: errors that name the file and line, and splitting a
// line into words. The three sources (palette, pictures, options) share these rules:
// "#" starts a comment that runs to the end of the line, words are separated by blanks,
// and a word in double quotes may hold blanks.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace skingen {

// A mistake in a source file, with the place it was found.
class TSourceError : public std::runtime_error {
 public:
  TSourceError(std::string_view file, int line, const std::string& what);
};

// The lines of a text, split at LF (a CR before it is dropped).
std::vector<std::string> SourceLines(std::string_view text);

// The line without its "#" comment (a "#" inside double quotes or directly followed by
// a hexadecimal colour digit does not start a comment) and without surrounding blanks.
std::string StripComment(std::string_view line);

// The words of a line; quoted words lose their quotes.
std::vector<std::string> SplitWords(std::string_view line);

// A whole decimal or fractional number; false when the word is not one.
bool ParseNumber(std::string_view word, double& out);
bool ParseInt(std::string_view word, int& out);

}  // namespace skingen
