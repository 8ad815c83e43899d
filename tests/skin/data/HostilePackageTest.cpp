// Packages a user might drop into the skin folder by mistake or on purpose: each is
// refused with a clear error, without a crash and without a large allocation.
#include <gtest/gtest.h>
#include <zlib.h>

#include "skin/data/acSkinErrors.h"
#include "skin/data/acSkinPackage.h"
#include "tests/skin/support/SkinDataTestSupport.h"

namespace skin {
namespace {

using test::Bytes;
using test::MakePackage;
using test::PutU32;

TacBytes Compressed(const std::string& s) {
  uLongf n = compressBound(static_cast<uLong>(s.size()));
  TacBytes out(n);
  compress2(out.data(), &n, reinterpret_cast<const Bytef*>(s.data()), static_cast<uLong>(s.size()), 9);
  out.resize(n);
  return out;
}

// "ASzf", count, then one member with the given fields.
TacBytes OneMember(std::uint32_t count, std::uint32_t nameLength, const std::string& name, std::uint32_t size,
                   const TacBytes& stream) {
  TacBytes p = Bytes("ASzf");
  PutU32(p, count);
  PutU32(p, nameLength);
  p.insert(p.end(), name.begin(), name.end());
  PutU32(p, size);
  p.insert(p.end(), stream.begin(), stream.end());
  return p;
}

// Reads data as a package and returns the error kind and message ("" when it read).
std::pair<std::string, std::u16string> ReadError(const TacBytes& data, TacSkinConvertor* out = nullptr) {
  TacSkinConvertor sc;
  sc.PackedData = data;
  test::RecordingHost host;
  try {
    ReadSkinPackage(sc, host);
  } catch (const base::Exception& e) {
    return {e.ClassName(), e.Message()};
  }
  if (out != nullptr) *out = std::move(sc);
  return {"", u""};
}

TEST(HostilePackage, WrongMagicShowsTheErrorBoxAndReadsNothing) {
  for (const TacBytes& data : {Bytes(""), Bytes("AS"), Bytes("PK\x03\x04 a zip archive"), Bytes("asZF0000")}) {
    TacSkinConvertor sc;
    sc.PackedData = data;
    test::RecordingHost host;
    EXPECT_FALSE(ReadSkinPackage(sc, host));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].Kind, TacMsgKind::Error);
    EXPECT_EQ(host.boxes[0].Text, u"Loaded data is not a packed Quillora file");
    EXPECT_FALSE(sc.Options.has_value());
    EXPECT_TRUE(sc.Files.empty());
  }
}

TEST(HostilePackage, HeaderCutShortIsAStreamReadError) {
  EXPECT_EQ(ReadError(Bytes("ASzf")).second, u"Stream read error");
  EXPECT_EQ(ReadError(Bytes("ASzf\x01\x00")).second, u"Stream read error");
}

TEST(HostilePackage, HugeMemberCountEndsWhenTheDataEnds) {
  TacBytes data = MakePackage({{"OPTIONS.DAT", "[A]"}});
  data[4] = data[5] = data[6] = data[7] = 0xFF;  // 4294967295 members
  TacSkinConvertor sc;
  const auto [kind, message] = ReadError(data, &sc);
  EXPECT_EQ(kind, "EReadError");
  EXPECT_EQ(message, u"Stream read error");
}

TEST(HostilePackage, NameLengthPastTheEnd) {
  EXPECT_EQ(ReadError(OneMember(1, 50, "SHORT", 0, {})).second, u"Stream read error");
  const auto [kind, message] = ReadError(OneMember(1, 0xFFFFFFFFu, "X", 0, {}));
  EXPECT_EQ(kind, "EReadError");
  EXPECT_NE(message.find(u"4294967295 bytes is longer than"), std::u16string::npos);
}

TEST(HostilePackage, UnpackedSizeLargerThanTheStreamYields) {
  const auto [kind, message] = ReadError(OneMember(1, 5, "A.BMP", 1000, Compressed("only a few bytes")));
  EXPECT_EQ(kind, "EReadError");
  EXPECT_EQ(message, u"Stream read error");
}

TEST(HostilePackage, FourGigabyteSizeIsRefusedBeforeAnyAllocation) {
  const auto [kind, message] = ReadError(OneMember(1, 5, "A.BMP", 0xFFFFFFFFu, Compressed("small")));
  EXPECT_EQ(kind, "EReadError");
  EXPECT_EQ(message,
            u"The skin package member \"A.BMP\" declares 4294967295 bytes; a member may hold at most "
            u"67108864 bytes");
}

TEST(HostilePackage, DeclaredSizeUnderTheCapWithATinyStreamAllocatesOnlyWhatArrives) {
  // 60 MB declared, 16 bytes delivered: the read fails without holding 60 MB.
  const auto [kind, message] = ReadError(OneMember(1, 5, "A.BMP", 60u << 20, Compressed("sixteen bytes...")));
  EXPECT_EQ(message, u"Stream read error");
}

TEST(HostilePackage, CorruptZlibStreamGivesTheDecompressorsError) {
  TacBytes stream = Compressed(std::string(1000, 'a'));
  stream[0] = 0x00;  // not a zlib header
  const auto [kind, message] = ReadError(OneMember(1, 5, "A.BMP", 1000, stream));
  EXPECT_EQ(kind, "EZDecompressionError");
  EXPECT_EQ(message, u"incorrect header check");

  TacBytes body = Compressed(test::NoiseText(5000, 9));
  body[body.size() - 1] ^= 0x55;  // damaged checksum
  EXPECT_EQ(ReadError(OneMember(1, 5, "A.BMP", 5000, body)).first, "EZDecompressionError");
}

TEST(HostilePackage, ZlibBombIsStoppedAtTheDeclaredSize) {
  // 20 MB of zeros compress to about 20 KB; the member claims 1000 bytes.
  const TacBytes bomb = Compressed(std::string(20u << 20, '\0'));
  const auto [kind, message] = ReadError(OneMember(1, 5, "A.BMP", 1000, bomb));
  EXPECT_EQ(kind, "EReadError");
  EXPECT_EQ(message, u"The skin package member \"A.BMP\" holds more data than the 1000 bytes it declares");
}

TEST(HostilePackage, ZlibBombBeyondTheCapIsRefusedBeforeInflating) {
  const TacBytes bomb = Compressed(std::string(1u << 20, '\0'));
  const auto [kind, message] = ReadError(OneMember(1, 5, "A.BMP", 70u << 20, bomb));
  EXPECT_EQ(kind, "EReadError");
  EXPECT_NE(message.find(u"declares 73400320 bytes"), std::u16string::npos);
}

TEST(HostilePackage, TotalOfAllMembersIsCapped) {
  std::vector<TacPackageMember> members;
  for (int i = 0; i < 5; ++i) members.push_back({"M" + std::to_string(i), TacBytes(1000, 'z'), 0});
  const TacBytes data = WritePackage(members, {});
  TacPackageLimits limits;
  limits.MaxTotalSize = 4500;
  try {
    ReadPackageContents(data, limits);
    FAIL() << "the total was not capped";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), u"The skin package unpacks to more than 4500 bytes");
  }
}

TEST(HostilePackage, MemberCutInsideItsStream) {
  const TacBytes whole = MakePackage({{"OPTIONS.DAT", "[A]\r\nKEY=VALUE\r\n"}, {"B.BMP", test::NoiseText(3000, 4)}});
  for (std::size_t cut : {whole.size() - 1, whole.size() - 4, whole.size() - 100, std::size_t(20)}) {
    const TacBytes data(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_EQ(ReadError(data).first, "EReadError") << cut;
  }
}

TEST(HostilePackage, TruncatedPreviewDoesNotHinderOpeningAndIsReported) {
  TacBytes data = MakePackage({{"OPTIONS.DAT", "[A]"}}, std::string(48177, 'p'));
  data.resize(data.size() - 1000);
  TacSkinConvertor sc;
  EXPECT_EQ(ReadError(data, &sc).first, "");
  EXPECT_TRUE(sc.Options.has_value());

  const TacPackageContents contents = ReadPackageContents(data);
  EXPECT_TRUE(contents.Preview.Present);
  EXPECT_TRUE(contents.Preview.Truncated);
  EXPECT_EQ(contents.Preview.DeclaredSize, 48177u);
  EXPECT_EQ(contents.Preview.Bytes.size(), 48177u - 1000u);

  // The tag alone, without its size.
  TacBytes tagOnly = MakePackage({{"OPTIONS.DAT", "[A]"}});
  for (char c : std::string("previewimg")) tagOnly.push_back(static_cast<std::uint8_t>(c));
  EXPECT_TRUE(ReadPackageContents(tagOnly).Preview.Truncated);
}

TEST(HostilePackage, TrailingBytesAfterTheMembersAreIgnored) {
  TacBytes data = MakePackage({{"OPTIONS.DAT", "[A]"}});
  const TacBytes junk = Bytes("junk that is not a preview");
  data.insert(data.end(), junk.begin(), junk.end());
  TacSkinConvertor sc;
  EXPECT_EQ(ReadError(data, &sc).first, "");
  EXPECT_FALSE(ReadPackageContents(data).Preview.Present);
}

TEST(HostilePackage, PresetDictionaryStreamIsRefused) {
  z_stream zs{};
  deflateInit(&zs, 9);
  const Bytef dict[] = "dictionary";
  deflateSetDictionary(&zs, dict, sizeof dict);
  std::string src(100, 'd');
  TacBytes out(256);
  zs.next_in = reinterpret_cast<Bytef*>(src.data());
  zs.avail_in = static_cast<uInt>(src.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  deflate(&zs, Z_FINISH);
  out.resize(zs.total_out);
  deflateEnd(&zs);
  EXPECT_EQ(ReadError(OneMember(1, 5, "A.BMP", 100, out)).first, "EZDecompressionError");
}

}  // namespace
}  // namespace skin
