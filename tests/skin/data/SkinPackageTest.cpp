// Opening skin packages: member order and kinds, the options member, preview blocks,
// members spanning several input blocks, and reading package files.
#include <gtest/gtest.h>

#include "skin/data/acSkinErrors.h"
#include "skin/data/acSkinPackage.h"
#include "tests/skin/support/SkinDataTestSupport.h"

namespace skin {
namespace {

using test::Bytes;
using test::MakePackage;
using test::U;

TacSkinConvertor Open(const TacBytes& data, test::RecordingHost& host) {
  TacSkinConvertor sc;
  sc.PackedData = data;
  EXPECT_TRUE(ReadSkinPackage(sc, host));
  sc.PackedData = {};
  return sc;
}

TEST(ReadSkinPackage, SeparatesOptionsAndKeepsOtherMembersInOrder) {
  const TacBytes data = MakePackage({{"OPTIONS.DAT", "[GLOBALINFO]\r\nVERSION=14.01\r\n"},
                                     {"BTNHUGE.BMP", "bmp bytes"},
                                     {"EXTBORD.PNG", "png bytes"},
                                     {"MASTER COPY.PNG", std::string(5000, 'm')}});
  test::RecordingHost host;
  const TacSkinConvertor sc = Open(data, host);
  ASSERT_TRUE(sc.Options.has_value());
  EXPECT_EQ(*sc.Options, Bytes("[GLOBALINFO]\r\nVERSION=14.01\r\n"));
  EXPECT_EQ(sc.FileCount, 3);
  ASSERT_EQ(sc.Files.size(), 3u);
  EXPECT_EQ(sc.Files[0].Name, u"BTNHUGE.BMP");
  EXPECT_EQ(sc.Files[0].FileType, TacFileType::ftBmp);
  EXPECT_EQ(sc.Files[1].Name, u"EXTBORD.PNG");
  EXPECT_EQ(sc.Files[1].FileType, TacFileType::ftOther);
  EXPECT_EQ(sc.Files[2].Name, u"MASTER COPY.PNG");
  EXPECT_EQ(sc.Files[2].Stream, Bytes(std::string(5000, 'm')));
  EXPECT_TRUE(host.boxes.empty());
}

TEST(ReadSkinPackage, OptionsMemberIsFoundInAnyLetterCase) {
  for (const char* name : {"Options.dat", "options.DAT", "OPTIONS.DAT", "oPtIoNs.DaT"}) {
    test::RecordingHost host;
    const TacSkinConvertor sc = Open(MakePackage({{"a.png", "x"}, {name, "[X]"}}), host);
    ASSERT_TRUE(sc.Options.has_value()) << name;
    EXPECT_EQ(*sc.Options, Bytes("[X]"));
    ASSERT_EQ(sc.Files.size(), 1u);
    EXPECT_EQ(sc.Files[0].Name, u"a.png");
  }
}

TEST(ReadSkinPackage, WithoutOptionsMemberHasNoOptions) {
  test::RecordingHost host;
  const TacSkinConvertor sc = Open(MakePackage({{"OPTIONS.TXT", "x"}, {"OPTIONS.DAT.BAK", "y"}}), host);
  EXPECT_FALSE(sc.Options.has_value());
  EXPECT_EQ(sc.Files.size(), 2u);
}

TEST(ReadSkinPackage, EmptyPackageHasNoMembersAndCountMinusOne) {
  test::RecordingHost host;
  const TacSkinConvertor sc = Open(MakePackage({}), host);
  EXPECT_EQ(sc.FileCount, -1);
  EXPECT_TRUE(sc.Files.empty());
  EXPECT_FALSE(sc.Options.has_value());
}

TEST(ReadSkinPackage, PreviewBlockReadsLikeNoPreview) {
  const std::vector<std::pair<std::string, std::string>> members = {{"OPTIONS.DAT", "[A]"}, {"P.BMP", "bmp"}};
  test::RecordingHost host;
  const TacSkinConvertor plain = Open(MakePackage(members), host);
  const TacSkinConvertor withPreview = Open(MakePackage(members, "\x89PNG preview picture"), host);
  EXPECT_EQ(withPreview.Options, plain.Options);
  ASSERT_EQ(withPreview.Files.size(), 1u);
  EXPECT_EQ(withPreview.Files[0].Stream, plain.Files[0].Stream);
}

TEST(ReadSkinPackage, MembersLargerThanOneInputBlockAreFollowedCorrectly) {
  // Noise does not compress, so each stream spans several 128 KiB input blocks and the
  // reader must step back over what it read beyond each stream's end.
  const std::string big1 = test::NoiseText(300000, 1);
  const std::string big2 = test::NoiseText(140000, 2);
  test::RecordingHost host;
  const TacSkinConvertor sc =
      Open(MakePackage({{"ONE.BMP", big1}, {"OPTIONS.DAT", "[A]"}, {"TWO.TTF", big2}, {"THREE.OTF", ""}}), host);
  ASSERT_EQ(sc.Files.size(), 3u);
  EXPECT_EQ(sc.Files[0].Stream, Bytes(big1));
  EXPECT_EQ(sc.Files[1].Stream, Bytes(big2));
  EXPECT_EQ(sc.Files[1].FileType, TacFileType::ftFont);
  EXPECT_TRUE(sc.Files[2].Stream.empty());
  EXPECT_EQ(sc.Files[2].FileType, TacFileType::ftFont);
  EXPECT_EQ(*sc.Options, Bytes("[A]"));
}

TEST(ReadSkinPackage, MemberBytesNeverExceedTheirDeclaredSize) {
  const std::string big = test::NoiseText(200001, 3);
  test::RecordingHost host;
  const TacSkinConvertor sc = Open(MakePackage({{"ONE.BMP", big}}), host);
  EXPECT_EQ(sc.Files[0].Stream.size(), big.size());
  EXPECT_LE(sc.Files[0].Stream.capacity(), big.size());
}

TEST(ReadSkinPackage, MemberNamesAreDecodedFromTheSystemCodePage) {
  test::ScopedEnv lang("LC_ALL", "ru_RU.UTF-8");
  test::RecordingHost host;
  const TacSkinConvertor sc = Open(MakePackage({{"\xD4\xCE\xCD.BMP", "x"}}), host);  // "ФОН" in 1251
  ASSERT_EQ(sc.Files.size(), 1u);
  EXPECT_EQ(sc.Files[0].Name, U("ФОН.BMP"));
}

TEST(FileTypeOfName, ExtensionDecidesAfterUpperCasing) {
  EXPECT_EQ(FileTypeOfName(u"a.bmp"), TacFileType::ftBmp);
  EXPECT_EQ(FileTypeOfName(u"a.Ttf"), TacFileType::ftFont);
  EXPECT_EQ(FileTypeOfName(u"a.otf"), TacFileType::ftFont);
  EXPECT_EQ(FileTypeOfName(u"a.png"), TacFileType::ftOther);
  EXPECT_EQ(FileTypeOfName(u"a.bmp.png"), TacFileType::ftOther);
  EXPECT_EQ(FileTypeOfName(u"BMP"), TacFileType::ftOther);
}

TEST(TacSkinConvertor, FindFileComparesUpperCased) {
  TacSkinConvertor sc;
  sc.Files.push_back({u"Master Copy.png", TacFileType::ftOther, Bytes("1")});
  sc.Files.push_back({u"MASTER COPY.PNG", TacFileType::ftOther, Bytes("2")});
  ASSERT_NE(sc.FindFile(u"MASTER COPY.PNG"), nullptr);
  EXPECT_EQ(sc.FindFile(u"MASTER COPY.PNG")->Stream, Bytes("1"));
  EXPECT_EQ(sc.FindFile(u"MASTER.PNG"), nullptr);
}

TEST(LoadSkinPackageFile, MissingFileLeavesTheHolderAlone) {
  test::TempDir dir;
  test::RecordingHost host;
  std::unique_ptr<TacSkinConvertor> holder;
  LoadSkinPackageFile(dir.Text() + u"none.asz", holder, host);
  EXPECT_EQ(holder, nullptr);
  // A folder named like a package is not a package file.
  std::filesystem::create_directory(dir.Path() + "folder.asz");
  LoadSkinPackageFile(dir.Text() + u"folder.asz", holder, host);
  EXPECT_EQ(holder, nullptr);
}

TEST(LoadSkinPackageFile, ReadsTheFileIntoAnEmptiedHolder) {
  test::TempDir dir;
  dir.Write("Meadow.asz", MakePackage({{"OPTIONS.DAT", "[M]"}, {"M.PNG", "png"}}));
  test::RecordingHost host;
  auto holder = std::make_unique<TacSkinConvertor>();
  holder->Files.push_back({u"OLD.BMP", TacFileType::ftBmp, Bytes("old")});
  LoadSkinPackageFile(dir.Text() + u"Meadow.asz", holder, host);
  ASSERT_NE(holder, nullptr);
  ASSERT_EQ(holder->Files.size(), 1u);
  EXPECT_EQ(holder->Files[0].Name, u"M.PNG");
  EXPECT_EQ(*holder->Options, Bytes("[M]"));
  EXPECT_TRUE(holder->PackedData.empty());
}

TEST(LoadSkinPackageFile, PathTextWithBackslashesAndOtherLetterCaseFindsTheFile) {
  test::TempDir dir;
  dir.Write("Skins/Meadow.ASZ", MakePackage({{"OPTIONS.DAT", "[M]"}}));
  test::RecordingHost host;
  std::unique_ptr<TacSkinConvertor> holder;
  LoadSkinPackageFile(dir.Text() + u"skins\\meadow.asz", holder, host);
  ASSERT_NE(holder, nullptr);
  EXPECT_TRUE(holder->Options.has_value());
}

}  // namespace
}  // namespace skin
