#pragma once
// A stored window description as read from its text: nested objects with their
// properties and values, each with the line it came from. Grammar:
//
//   object Name: TClass            (or "inherited", which reuses an existing component)
//     Prop = value
//     Sub.Prop = value
//     object Child: TClass ... end
//   end
//
// Values: integers (decimal or $hex, optionally negative), floats, strings ('text' with
// '' for a quote, #code characters, pieces joined directly or with + across lines),
// identifiers (True, clBtnFace, a component or method name), sets [a, b], lists ( ... )
// of values, collections < item ... end item ... end >, binary data { hex digits }.
#include <cstdint>
#include <string>
#include <vector>

namespace forms {

struct TDescriptionProperty;

struct TDescriptionItem {
  int line = 0;
  std::vector<TDescriptionProperty> props;
};

struct TDescriptionValue {
  enum class Kind { Integer, Float, String, Ident, Set, List, Collection, Binary };
  Kind kind = Kind::Integer;
  int line = 0;
  std::int64_t integer = 0;
  double real = 0;
  std::u16string text;                  // String and Ident
  std::vector<std::u16string> names;    // Set
  std::vector<TDescriptionValue> list;  // List
  std::vector<TDescriptionItem> items;  // Collection
  std::vector<std::uint8_t> bytes;      // Binary
};

struct TDescriptionProperty {
  std::u16string name;  // may be dotted: Font.Name
  int line = 0;
  TDescriptionValue value;
};

struct TDescriptionObject {
  std::u16string name;
  std::u16string className;
  bool inherited = false;
  int line = 0;
  std::vector<TDescriptionProperty> props;
  std::vector<TDescriptionObject> children;
};

// Parses a description (UTF-8 text, an optional byte-order mark). Raises EParserError
// naming `fileName` and the line on a syntax error.
TDescriptionObject ParseDescription(std::string_view text, const std::u16string& fileName);

// Writes a parsed description back as text (used by the writer).
std::string FormatDescription(const TDescriptionObject& root);

}  // namespace forms
