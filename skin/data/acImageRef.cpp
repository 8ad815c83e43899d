#include "skin/data/acImageRef.h"

#include <algorithm>
#include <vector>

#include "platform/base/NumberText.h"

namespace skin {

namespace {

const std::u16string kZ16(16, u'0');
const std::u16string kZ32(32, u'0');
constexpr char16_t kReserved[] = u"000000";

// Fields of a value split at its first character; runs of it count as one separator.
std::vector<std::u16string_view> SplitFields(std::u16string_view value) {
  const char16_t sep = value[0];
  std::vector<std::u16string_view> fields;
  std::size_t i = 0;
  while (i < value.size()) {
    while (i < value.size() && value[i] == sep) ++i;
    const std::size_t start = i;
    while (i < value.size() && value[i] != sep) ++i;
    if (i > start) fields.push_back(value.substr(start, i - start));
  }
  return fields;
}

std::u16string_view Field(const std::vector<std::u16string_view>& f, std::size_t i) {
  return i < f.size() ? f[i] : std::u16string_view();
}

// A field padded with leading zeros to its width; longer fields stay as written.
std::u16string Pad(std::u16string_view field, std::size_t width) {
  std::u16string out;
  if (field.size() < width) out.assign(width - field.size(), u'0');
  out += field;
  return out;
}

// The number a field of digits holds; 0 when it holds anything else. Large values are
// capped so that arithmetic on them cannot overflow.
std::int32_t FieldNumber(std::u16string_view field) {
  if (field.empty()) return 0;
  std::int64_t v = 0;
  for (char16_t c : field) {
    if (c < u'0' || c > u'9') return 0;
    v = std::min<std::int64_t>(v * 10 + (c - u'0'), 100000000);
  }
  return static_cast<std::int32_t>(v);
}

std::u16string Digits(std::int32_t v, std::size_t width) { return Pad(base::IntToText(v), width); }

// "^L^T^R^B^WL^WT^WR^WB^IC^MT^DM^W": a border image of the master bitmap.
std::u16string FromCaret(std::u16string_view value) {
  const auto f = SplitFields(value);
  std::u16string borders[4];
  for (int i = 0; i < 4; ++i) borders[i] = Pad(Field(f, 4 + i), 4);
  const bool noBorders =
      std::all_of(std::begin(borders), std::end(borders), [](const std::u16string& b) { return b == u"0000"; });
  if (value.size() > 47 && noBorders) {
    const std::u16string w = Pad(Field(f, 11), 4);
    if (w != u"0000") {
      for (auto& b : borders) b = w;
    } else {
      const std::int32_t ic = std::max(1, FieldNumber(Field(f, 8)));
      const std::int32_t mt = FieldNumber(Field(f, 9));
      const std::int32_t width = FieldNumber(Field(f, 2)) - FieldNumber(Field(f, 0));
      const std::int32_t height = FieldNumber(Field(f, 3)) - FieldNumber(Field(f, 1));
      const std::int32_t wl = std::max(0, (width / ic - 1) / 2);
      const std::int32_t wt = std::max(0, (height / (mt + 1) - 1) / 2);
      borders[0] = borders[2] = Digits(wl, 4);
      borders[1] = borders[3] = Digits(wt, 4);
    }
  }
  std::u16string out = u"&";
  for (int i = 0; i < 4; ++i) out += Pad(Field(f, i), 4);
  for (const auto& b : borders) out += b;
  out += Pad(Field(f, 8), 1) + Pad(Field(f, 9), 1) + u"0" + Pad(Field(f, 10), 2) + kReserved;
  return out;
}

// "~L~T~R~B~DM~MT[~FILE]": a texture; MT is the character at position 25.
std::u16string FromTilde(std::u16string_view value) {
  const auto f = SplitFields(value);
  std::u16string out = u"&";
  for (int i = 0; i < 4; ++i) out += Pad(Field(f, i), 4);
  const char16_t mt = value.size() >= 25 ? value[24] : u'0';
  out += kZ16 + u"1" + std::u16string(1, mt) + u"1" + Pad(Field(f, 4), 2) + kReserved;
  out += Field(f, 6);
  return out;
}

// "@L@T@R@B@IC@MT": a glyph of the master bitmap.
std::u16string FromAt(std::u16string_view value) {
  const auto f = SplitFields(value);
  std::u16string out = u"&";
  for (int i = 0; i < 4; ++i) out += Pad(Field(f, i), 4);
  out += kZ16 + Pad(Field(f, 4), 1) + Pad(Field(f, 5), 1) + u"2" + u"00" + kReserved;
  return out;
}

// "!FILE!IC!MT!IT!F5!F6!F7!F8!DM": an image in its own file.
std::u16string FromBang(std::u16string_view value) {
  const auto f = SplitFields(value);
  const std::u16string_view file = Field(f, 0);
  const std::u16string ic = Pad(Field(f, 1), 1);
  const std::u16string mt = Pad(Field(f, 2), 1);
  const std::int32_t it = std::min(4, FieldNumber(Field(f, 3)));
  const std::u16string dm = Pad(Field(f, 8), 2);
  const bool full = f.size() >= 5;
  std::u16string f5to8;
  for (int i = 4; i < 8; ++i) f5to8 += Pad(Field(f, i), 4);
  const std::u16string tail = ic + mt + base::IntToText(it) + dm + kReserved + std::u16string(file);
  if (it == 0 || (it == 3 && full)) return u"&" + kZ16 + f5to8 + tail;
  if ((it == 2 || it == 4) && full) return u"&" + f5to8 + kZ16 + tail;
  if (it == 3) return u"&" + kZ32 + u"103" + u"00" + kReserved + std::u16string(file);
  return u"&" + kZ32 + tail;
}

// The image type a syntax character stands for, used for values too short to parse.
char16_t ShortValueType(char16_t first) {
  switch (first) {
    case u'~': return u'1';
    case u'@': return u'2';
    default: return u'0';
  }
}

}  // namespace

bool IsImageRefValue(std::u16string_view value) {
  if (value.empty()) return false;
  switch (value[0]) {
    case u'!':
    case u'&':
    case u'@':
    case u'^':
    case u'~': return true;
    default: break;
  }
  return value.find(u".JPG") != std::u16string_view::npos || value.find(u".BMP") != std::u16string_view::npos;
}

std::u16string NormalizeImageRef(std::u16string_view value) {
  if (value.size() < 4) {
    const char16_t type = value.empty() ? u'0' : ShortValueType(value[0]);
    return u"&" + kZ32 + u"30" + std::u16string(1, type) + u"01" + kReserved;
  }
  switch (value[0]) {
    case u'&': return std::u16string(value);
    case u'^': return FromCaret(value);
    case u'~': return FromTilde(value);
    case u'@': return FromAt(value);
    case u'!': return FromBang(value);
    default: return u"&" + kZ32 + u"101" + u"00" + kReserved + std::u16string(value);
  }
}

TacImageRef ParseCanonicalImageRef(std::u16string_view c) {
  // Positions counted from 0: "&" at 0, then fixed-width fields.
  auto num = [&](std::size_t at, std::size_t width) -> std::int32_t {
    if (at + width > c.size()) return 0;
    return FieldNumber(c.substr(at, width));
  };
  TacImageRef r;
  r.R = gfx::TRect{num(1, 4), num(5, 4), num(9, 4), num(13, 4)};
  r.WL = num(17, 4);
  r.WT = num(21, 4);
  r.WR = num(25, 4);
  r.WB = num(29, 4);
  r.ImageCount = num(33, 1);
  r.MaskType = num(34, 1);
  r.ImgType = std::min(4, num(35, 1));
  r.DrawMode = num(36, 2);
  if (c.size() > 44) r.File = std::u16string(c.substr(44));
  return r;
}

}  // namespace skin
