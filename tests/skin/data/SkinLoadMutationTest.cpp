// Randomised robustness of the whole load: the stored skin's options text is mutated
// (numbers replaced by odd ones, lines dropped, doubled or added with image references of
// every syntax) and loaded with the skin's real pictures at several densities. Every load
// must end in a loaded skin or in one of the engine's own errors.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/base/Exception.h"
#include "skin/data/acSkinPackage.h"
#include "tests/skin/support/SkinLoaderTestSupport.h"

namespace skin {
namespace {

constexpr int kCases = test::kSanitized ? 12 : 80;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
    start = end + 1;
  }
  return out;
}

class OptionsMutator {
 public:
  explicit OptionsMutator(std::uint32_t seed) : rng_(seed) {}

  std::string Mutate(std::vector<std::string> lines) {
    const int steps = 1 + Pick(6);
    for (int i = 0; i < steps && !lines.empty(); ++i) {
      const std::size_t at = static_cast<std::size_t>(Pick(static_cast<int>(lines.size())));
      switch (Pick(5)) {
        case 0: lines[at] = ReplaceNumber(lines[at]); break;
        case 1: lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at)); break;
        case 2: lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[at]); break;
        case 3: lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), RandomKey()); break;
        default: lines[at] = ReplaceNumber(ReplaceNumber(lines[at])); break;
      }
    }
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
  }

 private:
  int Pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }

  std::string Number() {
    static const char* kOdd[] = {"0",          "-1",          "1",           "2",   "9999",
                                 "2147483647", "-2147483648", "99999999999", "$FF", "0x7fffffff"};
    if (Pick(3) == 0) return kOdd[Pick(10)];
    return std::to_string(Pick(400) - 20);
  }
  std::string Field(int width) {
    std::string f = std::to_string(Pick(Pick(2) ? 600 : 10000));
    while (static_cast<int>(f.size()) < width) f = "0" + f;
    return f;
  }

  std::string ReplaceNumber(const std::string& line) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < line.size(); ++i)
      if (std::isdigit(static_cast<unsigned char>(line[i])) &&
          (i == 0 || !std::isdigit(static_cast<unsigned char>(line[i - 1]))))
        starts.push_back(i);
    if (starts.empty()) return line + Number();
    const std::size_t s = starts[static_cast<std::size_t>(Pick(static_cast<int>(starts.size())))];
    std::size_t e = s;
    while (e < line.size() && std::isdigit(static_cast<unsigned char>(line[e]))) ++e;
    const std::string keepWidth = Field(static_cast<int>(e - s));
    return line.substr(0, s) + (Pick(2) ? keepWidth : Number()) + line.substr(e);
  }

  std::string RandomKey() {
    static const char* kKeys[] = {"BORDERSMASK", "PATTERN",        "HOTPATTERN",     "OUTERMASK",  "GLYPHMASK",
                                  "BOXCHECKED",  "BICONCLOSE",     "SH_MASK",        "IMGTOPLEFT", "STATES",
                                  "OUTERMODE",   "PARENTCLASS",    "BICONCLOSEGLOW", "SH_SOURCE",  "LO_SOURCE",
                                  "EXBORDER",    "BORDERSMASK*150"};
    const std::string key = kKeys[Pick(17)];
    switch (Pick(8)) {
      case 0:
        return key + "=^" + Field(4) + "^" + Field(4) + "^" + Field(4) + "^" + Field(4) + "^" + Field(4) + "^" +
               Field(4) + "^" + Field(4) + "^" + Field(4) + "^" + std::to_string(Pick(10)) + "^" +
               std::to_string(Pick(3)) + "^" + std::to_string(Pick(32));
      case 1:
        return key + "=@" + Field(4) + "@" + Field(4) + "@" + Field(4) + "@" + Field(4) + "@" +
               std::to_string(Pick(10)) + "@" + std::to_string(Pick(2));
      case 2: return key + "=~" + Field(4) + "~" + Field(4) + "~" + Field(4) + "~" + Field(4) + "~" + Field(2) + "~1";
      case 3:
        return key + "=!BTNHUGE.BMP!" + std::to_string(Pick(10)) + "!" + std::to_string(Pick(2)) + "!" +
               std::to_string(Pick(6)) + "!" + Field(4) + "!" + Field(4) + "!" + Field(4) + "!" + Field(4) + "!" +
               std::to_string(Pick(32));
      case 4: return key + "=!EXTBORD.PNG!" + std::to_string(Pick(4)) + "!0!" + std::to_string(Pick(5));
      case 5:
        return key + "=&" + Field(4) + Field(4) + Field(4) + Field(4) + Field(4) + Field(4) + Field(4) + Field(4) +
               std::to_string(Pick(10)) + std::to_string(Pick(3)) + std::to_string(Pick(9)) + Field(2) + "000000";
      case 6: return key + "=" + Number();
      default: return "[" + key + "]";
    }
  }

  std::mt19937 rng_;
};

TEST(SkinLoadMutation, MutatedOptionsLoadOrFailWithTheEnginesErrors) {
  const TacBytes stored = test::StoredEmberfield();
  TacSkinConvertor sc;
  sc.PackedData = stored;
  test::RecordingHost host;
  ASSERT_TRUE(ReadSkinPackage(sc, host));
  ASSERT_TRUE(sc.Options.has_value());
  const std::vector<std::string> lines = Lines(std::string(sc.Options->begin(), sc.Options->end()));
  std::vector<TacPackageMember> members(1);
  members[0].RawName = "OPTIONS.DAT";
  for (const TacFileItem& f : sc.Files) members.push_back({base::Utf16ToUtf8(f.Name), f.Stream, 0});

  OptionsMutator mutator(20240613);
  int loaded = 0;
  for (int i = 0; i < kCases; ++i) {
    const std::string text = mutator.Mutate(lines);
    members[0].Bytes.assign(text.begin(), text.end());
    test::TestLoader m;
    m.Settings.ScreenPPI = i % 4 == 0 ? 144 : (i % 4 == 1 ? 192 : 96);
    m.Settings.ExtendedBorders = i % 5 == 0;
    try {
      if (m.LoadInternal(WritePackage(members, {}))) ++loaded;
    } catch (const base::Exception&) {
      EXPECT_TRUE(m.SkinDataArray.empty()) << i;
    }
    for (const auto& set : m.SkinDataArray) {
      if (!set) continue;
      for (const TsMaskData& md : set->ma) {
        ASSERT_GE(md.ImageCount, 1) << i;
        ASSERT_GE(md.Width, 0) << i;
        ASSERT_GE(md.Height, 0) << i;
        if (md.Bmp != nullptr) {
          ASSERT_TRUE(md.R.IsEmpty() || (md.R.Right <= md.Bmp->Width() && md.R.Bottom <= md.Bmp->Height())) << i;
        }
      }
    }
  }
  EXPECT_GT(loaded, kCases / 2);
}

}  // namespace
}  // namespace skin
