// Randomised robustness: a valid skin package and its options text are mutated many
// times over; every read must end in a result or in one of the reader's own errors, never
// in a crash, a foreign exception or an oversized allocation. Runs under the sanitizers
// in CI, with fewer cases there (they are slower by an order of magnitude).
#include <gtest/gtest.h>

#include <random>

#include "skin/data/acOptionsText.h"
#include "skin/data/acSkinErrors.h"
#include "skin/data/acSkinIni.h"
#include "skin/data/acSkinPackage.h"
#include "tests/skin/support/SkinDataExerciseTestSupport.h"
#include "tests/skin/support/SkinDataTestSupport.h"

namespace skin {
namespace {

constexpr int kCases = test::kSanitized ? 20000 : 100000;

constexpr char kOptions[] =
    "[GLOBALINFO]\r\nVERSION=14.01\r\nAUTHOR=Test\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=8217672\r\n"
    "TITLEHEIGHT=30\r\nTITLEHEIGHT*150=44\r\nBITOP=$10\r\nBTNCOLOR1ACTIVE=-1580329\r\n"
    "BOXCHECKED=@0109@0079@0121@0091@1@0\r\nBOXCHECKED*200=!BOX200.PNG!1!0!4!0000!0000!0024!0024\r\n"
    "LO_MASK=^0356^0001^0367^0023^0005^0005^0005^0005^1^1^1^1\r\n"
    "EXBORDER=!EXTBORD.PNG!2!0!3!0040!0040!0040!0040!0\r\n; comment\r\n"
    "[BUTTON]\r\nCOLOR=255\r\nHOTCOLOR=0xFF\r\nSTATES=3\r\nGIVEOWNFONT=TRUE\r\n"
    "BORDERSMASK=^0031^0000^0034^0010^0000^0000^0000^0000^1^1^1^0000\r\n"
    "PATTERN=~0010~0020~0030~0040~05~1~WOOD.JPG\r\n"
    "[TOOLBUTTON]\r\nPARENTCLASS=BUTTON\r\nFONTCOLOR=5\r\n"
    "[LOOP]\r\nPARENTCLASS=LOOP2\r\n[LOOP2]\r\nPARENTCLASS=LOOP\r\n"
    "[EDIT]\r\nCOLOR = 16777215\r\nPATTERN=N/A\r\nGLYPH=PICTURE.BMP\r\n[EDIT]\r\nCOLOR=1\r\n";

constexpr int kDensities[] = {96, 120, 144, 192};

TacBytes ValidPackage() {
  return test::MakePackage({{"OPTIONS.DAT", kOptions},
                            {"MASTER.BMP", test::NoiseText(300, 7) + std::string(300, 'a')},
                            {"EXTBORD.PNG", test::NoiseText(120, 8)},
                            {"EMPTY.TTF", ""}},
                           "\x89PNG preview of fifty bytes, more or less.......");
}

class Mutator {
 public:
  explicit Mutator(std::uint32_t seed) : rng_(seed) {}

  TacBytes Mutate(TacBytes data) {
    const int steps = Pick(4) == 0 ? 2 + Pick(3) : 1;
    for (int i = 0; i < steps; ++i) Step(data);
    return data;
  }
  int Pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }

 private:
  std::size_t Pos(const TacBytes& d) { return d.empty() ? 0 : rng_() % d.size(); }

  void Step(TacBytes& d) {
    static constexpr std::uint8_t kBytes[] = {0x00, 0x01, 0x7F, 0x80, 0xFF, '&', '^', '[', ']', '=', '\r', '\n'};
    static constexpr std::uint32_t kWords[] = {0, 1, 2, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu, 0x10000, 0x4000000};
    switch (Pick(7)) {
      case 0:
        if (!d.empty()) d[Pos(d)] ^= static_cast<std::uint8_t>(1u << Pick(8));
        break;
      case 1:
        if (!d.empty()) d[Pos(d)] = kBytes[Pick(sizeof kBytes)];
        break;
      case 2:
        if (d.size() >= 4) {
          const std::size_t at = Pos(d) & ~std::size_t(3) % d.size();
          const std::uint32_t w = Pick(3) == 0 ? rng_() : kWords[Pick(std::size(kWords))];
          for (int k = 0; k < 4 && at + k < d.size(); ++k) d[at + k] = static_cast<std::uint8_t>(w >> (8 * k));
        }
        break;
      case 3: d.resize(Pos(d)); break;
      case 4: {
        const std::size_t at = Pos(d);
        for (int k = Pick(16) + 1; k > 0; --k) d.insert(d.begin() + static_cast<std::ptrdiff_t>(at), rng_() & 0xFF);
        break;
      }
      case 5:
        if (!d.empty()) {
          const std::size_t at = Pos(d);
          const std::size_t n = std::min<std::size_t>(d.size() - at, Pick(16) + 1);
          d.erase(d.begin() + static_cast<std::ptrdiff_t>(at), d.begin() + static_cast<std::ptrdiff_t>(at + n));
        }
        break;
      default:
        if (!d.empty()) {
          const std::size_t from = Pos(d);
          const std::size_t n = std::min<std::size_t>(d.size() - from, Pick(64) + 1);
          const TacBytes chunk(d.begin() + static_cast<std::ptrdiff_t>(from),
                               d.begin() + static_cast<std::ptrdiff_t>(from + n));
          d.insert(d.begin() + static_cast<std::ptrdiff_t>(Pos(d)), chunk.begin(), chunk.end());
        }
        break;
    }
  }

  std::mt19937 rng_;
};

TEST(PackageMutation, EveryMutatedPackageReadsOrFailsCleanly) {
  const TacBytes valid = ValidPackage();
  const TacBytes options = test::Bytes(kOptions);
  Mutator mutator(20240611);
  int read = 0, readErrors = 0, zlibErrors = 0, notPackages = 0;
  for (int i = 0; i < kCases; ++i) {
    if (i % 4 == 3) {
      // The options text on its own, as a folder skin would deliver it.
      TacSkinIni ini;
      LoadOptionsText(ini, mutator.Mutate(options));
      test::ExerciseOptions(ini, kDensities[(i / 4) % 4]);
      continue;
    }
    const TacBytes data = mutator.Mutate(valid);
    TacSkinConvertor sc;
    sc.PackedData = data;
    test::RecordingHost host;
    try {
      if (ReadSkinPackage(sc, host)) {
        ++read;
        std::size_t total = sc.Options ? sc.Options->size() : 0;
        for (const TacFileItem& f : sc.Files) total += f.Stream.size();
        ASSERT_LE(total, data.size() * 1100 + 1000) << "case " << i;
      } else {
        ++notPackages;
        ASSERT_EQ(host.boxes.size(), 1u);
      }
    } catch (const EReadError&) {
      ++readErrors;
    } catch (const EZDecompressionError&) {
      ++zlibErrors;
    }
    if (sc.Options) {
      TacSkinIni ini;
      LoadOptionsText(ini, *sc.Options);
      test::ExerciseOptions(ini, kDensities[(i / 4) % 4]);
    }
  }
  // The mutations reach every outcome.
  EXPECT_GT(read, 0);
  EXPECT_GT(readErrors, 0);
  EXPECT_GT(zlibErrors, 0);
  EXPECT_GT(notPackages, 0);
}

TEST(PackageMutation, BytesAfterTheMembersNeverChangeWhatIsRead) {
  const TacBytes valid = ValidPackage();
  const TacPackageContents contents = ReadPackageContents(valid);
  const std::size_t end = valid.size() - 10 - 4 - contents.Preview.DeclaredSize;
  TacSkinConvertor original;
  original.PackedData = valid;
  ASSERT_TRUE(ReadSkinPackage(original, NoManagerHost()));
  Mutator mutator(7);
  for (int i = 0; i < 2000; ++i) {
    const TacBytes tail = mutator.Mutate(TacBytes(valid.begin() + static_cast<std::ptrdiff_t>(end), valid.end()));
    TacBytes data(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(end));
    data.insert(data.end(), tail.begin(), tail.end());
    TacSkinConvertor sc;
    sc.PackedData = data;
    ASSERT_TRUE(ReadSkinPackage(sc, NoManagerHost()));
    ASSERT_EQ(sc.Options, original.Options);
    ASSERT_EQ(sc.Files.size(), original.Files.size());
    for (std::size_t k = 0; k < sc.Files.size(); ++k) ASSERT_EQ(sc.Files[k].Stream, original.Files[k].Stream);
  }
}

}  // namespace
}  // namespace skin
