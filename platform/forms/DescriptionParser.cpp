// The text form of stored descriptions: a tokenizer and a recursive parser building the
// description tree, and the formatter that writes a tree back as text.
#include <cmath>

#include "platform/base/NumberText.h"
#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Classes.h"
#include "platform/forms/DescriptionTree.h"
#include "platform/forms/Filer.h"

namespace forms {

namespace {

bool IsIdentStart(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

class Parser {
 public:
  Parser(std::u16string text, std::u16string fileName) : s_(std::move(text)), file_(std::move(fileName)) {}

  TDescriptionObject ParseRoot() {
    SkipBlanks();
    TDescriptionObject root = ParseObject();
    SkipBlanks();
    if (pos_ < s_.size()) Fail(u"Text after the end of the description");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::u16string& what) const {
    throw EParserError(file_ + u", line " + base::IntToText(line_) + u": " + what);
  }

  char16_t Peek() const { return pos_ < s_.size() ? s_[pos_] : u'\0'; }
  bool AtEnd() const { return pos_ >= s_.size(); }

  void SkipBlanks() {
    while (pos_ < s_.size()) {
      char16_t c = s_[pos_];
      if (c == u'\n') {
        ++line_;
        ++pos_;
      } else if (c == u' ' || c == u'\t' || c == u'\r') {
        ++pos_;
      } else if (c == u'/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == u'/') {
        while (pos_ < s_.size() && s_[pos_] != u'\n') ++pos_;
      } else {
        break;
      }
    }
  }

  // An identifier, possibly dotted (Font.Name); empty when none starts here.
  std::u16string Ident(bool dotted) {
    SkipBlanks();
    if (!IsIdentStart(Peek())) return {};
    std::size_t start = pos_;
    for (;;) {
      while (pos_ < s_.size() && (IsIdentStart(s_[pos_]) || IsDigit(s_[pos_]))) ++pos_;
      if (dotted && Peek() == u'.' && pos_ + 1 < s_.size() && IsIdentStart(s_[pos_ + 1])) {
        ++pos_;
        continue;
      }
      break;
    }
    return s_.substr(start, pos_ - start);
  }

  std::u16string ExpectIdent(bool dotted, const char16_t* what) {
    std::u16string id = Ident(dotted);
    if (id.empty()) Fail(std::u16string(what) + u" expected");
    return id;
  }

  void Expect(char16_t c) {
    SkipBlanks();
    if (Peek() != c) Fail(u"'" + std::u16string(1, c) + u"' expected");
    ++pos_;
  }

  bool Accept(char16_t c) {
    SkipBlanks();
    if (Peek() != c) return false;
    ++pos_;
    return true;
  }

  static bool IsObjectWord(const std::u16string& w) {
    return base::EqualsIgnoreAsciiCase(w, u"object") || base::EqualsIgnoreAsciiCase(w, u"inherited") ||
           base::EqualsIgnoreAsciiCase(w, u"inline");
  }

  TDescriptionObject ParseObjectAfterWord(const std::u16string& word, int line) {
    TDescriptionObject obj;
    obj.line = line;
    obj.inherited = base::EqualsIgnoreAsciiCase(word, u"inherited");
    std::u16string first = ExpectIdent(false, u"Object name");
    if (Accept(u':')) {
      obj.name = first;
      obj.className = ExpectIdent(false, u"Class name");
    } else {
      obj.className = first;
    }
    if (Accept(u'[')) {  // an order index written by some tools; not needed here
      ParseValue();
      Expect(u']');
    }
    for (;;) {
      SkipBlanks();
      int l = line_;
      if (AtEnd()) Fail(u"'end' expected");
      std::u16string id = ExpectIdent(true, u"Property name, 'object' or 'end'");
      if (base::EqualsIgnoreAsciiCase(id, u"end")) break;
      if (IsObjectWord(id)) {
        obj.children.push_back(ParseObjectAfterWord(id, l));
        continue;
      }
      TDescriptionProperty p;
      p.name = id;
      p.line = l;
      Expect(u'=');
      p.value = ParseValue();
      obj.props.push_back(std::move(p));
    }
    return obj;
  }

  TDescriptionObject ParseObject() {
    SkipBlanks();
    int l = line_;
    std::u16string w = Ident(false);
    if (!IsObjectWord(w)) Fail(u"'object' expected");
    return ParseObjectAfterWord(w, l);
  }

  TDescriptionValue ParseValue() {
    SkipBlanks();
    TDescriptionValue v;
    v.line = line_;
    char16_t c = Peek();
    if (c == u'\'' || c == u'#') {
      v.kind = TDescriptionValue::Kind::String;
      v.text = ParseString();
    } else if (c == u'[') {
      ++pos_;
      v.kind = TDescriptionValue::Kind::Set;
      if (!Accept(u']')) {
        do v.names.push_back(ExpectIdent(false, u"Set element"));
        while (Accept(u','));
        Expect(u']');
      }
    } else if (c == u'(') {
      ++pos_;
      v.kind = TDescriptionValue::Kind::List;
      while (!Accept(u')')) {
        if (AtEnd()) Fail(u"')' expected");
        v.list.push_back(ParseValue());
      }
    } else if (c == u'<') {
      ++pos_;
      v.kind = TDescriptionValue::Kind::Collection;
      while (!Accept(u'>')) {
        SkipBlanks();
        TDescriptionItem item;
        item.line = line_;
        std::u16string w = Ident(false);
        if (!base::EqualsIgnoreAsciiCase(w, u"item")) Fail(u"'item' expected");
        if (Accept(u'[')) {
          ParseValue();
          Expect(u']');
        }
        for (;;) {
          SkipBlanks();
          int l = line_;
          std::u16string id = ExpectIdent(true, u"Property name or 'end'");
          if (base::EqualsIgnoreAsciiCase(id, u"end")) break;
          TDescriptionProperty p;
          p.name = id;
          p.line = l;
          Expect(u'=');
          p.value = ParseValue();
          item.props.push_back(std::move(p));
        }
        v.items.push_back(std::move(item));
      }
    } else if (c == u'{') {
      ++pos_;
      v.kind = TDescriptionValue::Kind::Binary;
      ParseBinary(v.bytes);
    } else if (c == u'-' || c == u'+' || c == u'$' || IsDigit(c)) {
      ParseNumber(v);
    } else if (IsIdentStart(c)) {
      v.kind = TDescriptionValue::Kind::Ident;
      v.text = Ident(true);
    } else {
      Fail(u"Value expected");
    }
    return v;
  }

  // One string token: quoted pieces and #codes written next to each other, and more
  // tokens joined with '+'.
  std::u16string ParseString() {
    std::u16string out;
    for (;;) {
      bool any = false;
      for (;;) {
        char16_t c = Peek();
        if (c == u'\'') {
          ++pos_;
          for (;;) {
            if (AtEnd() || Peek() == u'\n') Fail(u"Unterminated string");
            char16_t d = s_[pos_++];
            if (d == u'\'') {
              if (Peek() == u'\'') {
                out += u'\'';
                ++pos_;
                continue;
              }
              break;
            }
            out += d;
          }
          any = true;
        } else if (c == u'#') {
          ++pos_;
          std::uint32_t code = 0;
          bool digits = false;
          if (Peek() == u'$') {
            ++pos_;
            while (HexValue(Peek()) >= 0) {
              code = code * 16 + static_cast<std::uint32_t>(HexValue(s_[pos_++]));
              digits = true;
              if (code > 0x10FFFF) Fail(u"Invalid character code");
            }
          } else {
            while (IsDigit(Peek())) {
              code = code * 10 + static_cast<std::uint32_t>(s_[pos_++] - u'0');
              digits = true;
              if (code > 0x10FFFF) Fail(u"Invalid character code");
            }
          }
          if (!digits) Fail(u"Character code expected");
          if (code > 0xFFFF) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
          } else {
            out += static_cast<char16_t>(code);
          }
          any = true;
        } else {
          break;
        }
      }
      if (!any) Fail(u"String expected");
      std::size_t save = pos_;
      int saveLine = line_;
      SkipBlanks();
      if (Peek() == u'+') {
        ++pos_;
        SkipBlanks();
        if (Peek() == u'\'' || Peek() == u'#') continue;
      }
      pos_ = save;
      line_ = saveLine;
      return out;
    }
  }

  void ParseNumber(TDescriptionValue& v) {
    bool neg = false;
    if (Peek() == u'-' || Peek() == u'+') {
      neg = Peek() == u'-';
      ++pos_;
      SkipBlanks();
    }
    if (Peek() == u'$') {
      ++pos_;
      std::uint64_t n = 0;
      int digits = 0;
      while (HexValue(Peek()) >= 0) {
        n = n * 16 + static_cast<std::uint64_t>(HexValue(s_[pos_++]));
        if (++digits > 16) Fail(u"Number too large");
      }
      if (!digits) Fail(u"Hexadecimal digits expected");
      v.kind = TDescriptionValue::Kind::Integer;
      v.integer = neg ? -static_cast<std::int64_t>(n) : static_cast<std::int64_t>(n);
      return;
    }
    std::size_t start = pos_;
    while (IsDigit(Peek())) ++pos_;
    if (pos_ == start) Fail(u"Number expected");
    bool isFloat = false;
    if (Peek() == u'.' && pos_ + 1 < s_.size() && IsDigit(s_[pos_ + 1])) {
      isFloat = true;
      ++pos_;
      while (IsDigit(Peek())) ++pos_;
    }
    if (Peek() == u'e' || Peek() == u'E') {
      std::size_t save = pos_;
      ++pos_;
      if (Peek() == u'-' || Peek() == u'+') ++pos_;
      if (IsDigit(Peek())) {
        isFloat = true;
        while (IsDigit(Peek())) ++pos_;
      } else {
        pos_ = save;
      }
    }
    std::string digits;
    for (std::size_t i = start; i < pos_; ++i) digits += static_cast<char>(s_[i]);
    if (isFloat) {
      // Optional type letter after a float (single, currency, date).
      if (Peek() == u's' || Peek() == u'c' || Peek() == u'd' || Peek() == u'S' || Peek() == u'C' || Peek() == u'D')
        ++pos_;
      v.kind = TDescriptionValue::Kind::Float;
      v.real = std::strtod(digits.c_str(), nullptr);
      if (neg) v.real = -v.real;
      return;
    }
    if (digits.size() > 19) Fail(u"Number too large");
    unsigned long long n = std::strtoull(digits.c_str(), nullptr, 10);
    if (n > 0x7FFFFFFFFFFFFFFFull) Fail(u"Number too large");
    v.kind = TDescriptionValue::Kind::Integer;
    v.integer = neg ? -static_cast<std::int64_t>(n) : static_cast<std::int64_t>(n);
  }

  void ParseBinary(std::vector<std::uint8_t>& out) {
    // Hex digits in pairs, any blanks and line breaks between pairs.
    std::size_t end = s_.find(u'}', pos_);
    if (end == std::u16string::npos) Fail(u"'}' expected");
    out.reserve((end - pos_) / 2);
    int hi = -1;
    for (; pos_ < end; ++pos_) {
      char16_t c = s_[pos_];
      int h = HexValue(c);
      if (h >= 0) {
        if (hi < 0) {
          hi = h;
        } else {
          out.push_back(static_cast<std::uint8_t>(hi * 16 + h));
          hi = -1;
        }
      } else if (c == u'\n') {
        ++line_;
      } else if (c != u' ' && c != u'\r' && c != u'\t') {
        Fail(u"Invalid binary value");
      }
    }
    if (hi >= 0) Fail(u"Odd number of hexadecimal digits in binary value");
    ++pos_;
  }

  std::u16string s_;
  std::u16string file_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// --- Formatting --------------------------------------------------------------------------

void AppendUtf8(std::string& out, std::u16string_view s) { out += base::Utf16ToUtf8(s); }

std::string QuoteString(const std::u16string& s, const std::string& indent) {
  // Printable ASCII in quotes; everything else as #code; long texts continue with '+'.
  std::string out;
  std::size_t lineStart = 0;
  bool inQuote = false;
  for (char16_t c : s) {
    if (out.size() - lineStart > 64) {
      if (inQuote) out += '\'';
      inQuote = false;
      out += " +\n" + indent;
      lineStart = out.size();
    }
    if (c >= 0x20 && c < 0x7F) {
      if (!inQuote) {
        out += '\'';
        inQuote = true;
      }
      if (c == u'\'') out += '\'';
      out += static_cast<char>(c);
    } else {
      if (inQuote) out += '\'';
      inQuote = false;
      out += '#' + std::to_string(static_cast<unsigned>(c));
    }
  }
  if (inQuote) out += '\'';
  if (out.empty()) out = "''";
  return out;
}

void FormatValue(std::string& out, const TDescriptionValue& v, const std::string& indent);

void FormatProps(std::string& out, const std::vector<TDescriptionProperty>& props, const std::string& indent) {
  for (const TDescriptionProperty& p : props) {
    out += indent;
    AppendUtf8(out, p.name);
    out += " = ";
    FormatValue(out, p.value, indent + "  ");
    out += '\n';
  }
}

void FormatValue(std::string& out, const TDescriptionValue& v, const std::string& indent) {
  switch (v.kind) {
    case TDescriptionValue::Kind::Integer: out += std::to_string(v.integer); break;
    case TDescriptionValue::Kind::Float: {
      std::u16string f = base::FloatToText(v.real);
      if (f.find_first_of(u".eE") == std::u16string::npos) f += u".0";
      AppendUtf8(out, f);
      break;
    }
    case TDescriptionValue::Kind::String: out += QuoteString(v.text, indent); break;
    case TDescriptionValue::Kind::Ident: AppendUtf8(out, v.text); break;
    case TDescriptionValue::Kind::Set:
      out += '[';
      for (std::size_t i = 0; i < v.names.size(); ++i) {
        if (i) out += ", ";
        AppendUtf8(out, v.names[i]);
      }
      out += ']';
      break;
    case TDescriptionValue::Kind::List:
      out += '(';
      for (const TDescriptionValue& e : v.list) {
        out += '\n' + indent;
        FormatValue(out, e, indent + "  ");
      }
      out += ')';
      break;
    case TDescriptionValue::Kind::Collection:
      out += '<';
      for (const TDescriptionItem& item : v.items) {
        out += '\n' + indent + "item\n";
        FormatProps(out, item.props, indent + "  ");
        out += indent + "end";
      }
      out += '>';
      break;
    case TDescriptionValue::Kind::Binary: {
      static const char kHex[] = "0123456789ABCDEF";
      out += '{';
      for (std::size_t i = 0; i < v.bytes.size(); ++i) {
        if (i % 32 == 0) out += '\n' + indent;
        out += kHex[v.bytes[i] >> 4];
        out += kHex[v.bytes[i] & 15];
      }
      out += '}';
      break;
    }
  }
}

void FormatObject(std::string& out, const TDescriptionObject& o, const std::string& indent) {
  out += indent + (o.inherited ? "inherited " : "object ");
  if (!o.name.empty()) {
    AppendUtf8(out, o.name);
    out += ": ";
  }
  AppendUtf8(out, o.className);
  out += '\n';
  FormatProps(out, o.props, indent + "  ");
  for (const TDescriptionObject& c : o.children) FormatObject(out, c, indent + "  ");
  out += indent + "end\n";
}

}  // namespace

TDescriptionObject ParseDescription(std::string_view text, const std::u16string& fileName) {
  if (text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF && static_cast<unsigned char>(text[1]) == 0xBB &&
      static_cast<unsigned char>(text[2]) == 0xBF)
    text.remove_prefix(3);
  Parser p(base::Utf8ToUtf16(text), fileName);
  return p.ParseRoot();
}

std::string FormatDescription(const TDescriptionObject& root) {
  std::string out;
  FormatObject(out, root, "");
  return out;
}

}  // namespace forms
