#include "platform/base/Unicode.h"

#include <iconv.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace base {

std::u16string Utf8ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  std::size_t i = 0;
  const std::size_t n = s.size();
  auto cont = [&](std::size_t k) { return k < n && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80; };
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp = 0xFFFD;
    std::size_t len = 1;
    if (c < 0x80) {
      cp = c;
    } else if (c >= 0xC2 && c < 0xE0 && cont(i + 1)) {
      cp = ((c & 0x1F) << 6) | (s[i + 1] & 0x3F);
      len = 2;
    } else if (c >= 0xE0 && c < 0xF0 && cont(i + 1) && cont(i + 2)) {
      const char32_t v = ((c & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
      if (v >= 0x800 && (v < 0xD800 || v > 0xDFFF)) cp = v;
      len = 3;
    } else if (c >= 0xF0 && c < 0xF5 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
      const char32_t v = ((c & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) | (s[i + 3] & 0x3F);
      if (v >= 0x10000 && v <= 0x10FFFF) cp = v;
      len = 4;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += len;
  }
  return out;
}

std::u16string WidenAscii(std::string_view s) { return std::u16string(s.begin(), s.end()); }

std::string Utf16ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

int CodePageForLocale(std::string_view locale) {
  const std::size_t cut = locale.find_first_of("_.@");
  const std::string_view lang = locale.substr(0, cut);
  std::string_view region;
  if (cut != std::string_view::npos && locale[cut] == '_') {
    region = locale.substr(cut + 1, 2);
  }
  struct Entry {
    const char* lang;
    int cp;
  };
  static const Entry table[] = {
      {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251}, {"sr", 1251}, {"mk", 1251}, {"kk", 1251}, {"ky", 1251},
      {"tt", 1251}, {"mn", 1251}, {"ba", 1251}, {"tg", 1251}, {"pl", 1250}, {"cs", 1250}, {"sk", 1250}, {"hu", 1250},
      {"sl", 1250}, {"hr", 1250}, {"ro", 1250}, {"sq", 1250}, {"bs", 1250}, {"el", 1253}, {"tr", 1254}, {"az", 1254},
      {"uz", 1254}, {"he", 1255}, {"iw", 1255}, {"yi", 1255}, {"ar", 1256}, {"fa", 1256}, {"ur", 1256}, {"lt", 1257},
      {"lv", 1257}, {"et", 1257}, {"vi", 1258}, {"th", 874},  {"ja", 932},  {"ko", 949},
  };
  if (lang == "zh") {
    return (region == "TW" || region == "HK" || region == "MO") ? 950 : 936;
  }
  for (const Entry& e : table)
    if (lang == e.lang) return e.cp;
  return 1252;
}

int SystemCodePage() {
  for (const char* var : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* v = std::getenv(var);
    if (v != nullptr && *v != '\0') return CodePageForLocale(v);
  }
  return 1252;
}

namespace {

std::string IconvName(int codePage) {
  switch (codePage) {
    case 874: return "CP874";
    case 932: return "CP932";
    case 936: return "CP936";
    case 949: return "CP949";
    case 950: return "CP950";
    default: return "CP" + std::to_string(codePage);
  }
}

// Runs iconv over the whole input. On an invalid sequence the input is skipped one unit
// and `bad` is appended. Returns false when the conversion cannot be opened.
bool Convert(const char* to, const char* from, const char* in, std::size_t inLen, std::size_t unit,
             const std::string& bad, std::string& out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out.clear();
  char buf[4096];
  char* inPtr = const_cast<char*>(in);
  std::size_t inLeft = inLen;
  while (inLeft > 0) {
    char* outPtr = buf;
    std::size_t outLeft = sizeof buf;
    const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buf, static_cast<std::size_t>(outPtr - buf));
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: replace one unit and go on.
      const std::size_t skip = inLeft < unit ? inLeft : unit;
      inPtr += skip;
      inLeft -= skip;
      out += bad;
    }
  }
  char* outPtr = buf;
  std::size_t outLeft = sizeof buf;
  iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
  out.append(buf, static_cast<std::size_t>(outPtr - buf));
  iconv_close(cd);
  return true;
}

}  // namespace

std::string Utf16ToCodePage(std::u16string_view s, int codePage) {
  const std::string name = IconvName(codePage);
  iconv_t strict = iconv_open(name.c_str(), "UTF-16LE");
  if (strict == reinterpret_cast<iconv_t>(-1)) {
    // Unknown code page: keep ASCII, question marks for the rest.
    std::string out;
    for (char16_t c : s) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
  }
  iconv_t translit = iconv_open((name + "//TRANSLIT").c_str(), "UTF-16LE");
  std::string out;
  out.reserve(s.size());
  char buf[4096];
  char* in = const_cast<char*>(reinterpret_cast<const char*>(s.data()));
  std::size_t inLeft = s.size() * sizeof(char16_t);
  while (inLeft > 0) {
    char* o = buf;
    std::size_t oLeft = sizeof buf;
    const std::size_t r = iconv(strict, &in, &inLeft, &o, &oLeft);
    out.append(buf, static_cast<std::size_t>(o - buf));
    if (r != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // One character the page lacks: a single-byte look-alike, else "?".
    std::size_t units = 2;
    if (inLeft >= 4) {
      const unsigned hi = static_cast<unsigned char>(in[0]) | (static_cast<unsigned char>(in[1]) << 8);
      if (hi >= 0xD800 && hi <= 0xDBFF) units = 4;
    }
    if (units > inLeft) units = inLeft;
    char one[16];
    char* cin = in;
    std::size_t cinLeft = units;
    char* co = one;
    std::size_t coLeft = sizeof one;
    bool used = false;
    if (translit != reinterpret_cast<iconv_t>(-1) &&
        iconv(translit, &cin, &cinLeft, &co, &coLeft) != static_cast<std::size_t>(-1) && co - one == 1 &&
        one[0] != '?') {
      out.push_back(one[0]);
      used = true;
    }
    if (translit != reinterpret_cast<iconv_t>(-1)) iconv(translit, nullptr, nullptr, nullptr, nullptr);
    if (!used) out.push_back('?');
    in += units;
    inLeft -= units;
  }
  if (translit != reinterpret_cast<iconv_t>(-1)) iconv_close(translit);
  iconv_close(strict);
  return out;
}

std::u16string CodePageToUtf16(std::string_view bytes, int codePage) {
  std::string raw;
  const std::string bad("\xFD\xFF", 2);  // U+FFFD, little endian
  if (!Convert("UTF-16LE", IconvName(codePage).c_str(), bytes.data(), bytes.size(), 1, bad, raw)) {
    std::u16string out;
    for (char c : bytes) out.push_back(static_cast<unsigned char>(c) < 0x80 ? char16_t(c) : char16_t(0xFFFD));
    return out;
  }
  std::u16string out(raw.size() / 2, u'\0');
  std::memcpy(out.data(), raw.data(), out.size() * 2);
  return out;
}

}  // namespace base
