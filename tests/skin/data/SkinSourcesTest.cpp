// Finding a skin by name (preview, folder, package file, internal skin) and writing an
// internal skin back out.
#include <gtest/gtest.h>

#include <filesystem>

#include "skin/data/acSkinErrors.h"
#include "skin/data/acSkinIni.h"
#include "skin/data/acSkinPackage.h"
#include "skin/data/acSkinSources.h"
#include "skin/data/sStoredSkins.h"
#include "tests/skin/support/SkinDataTestSupport.h"

namespace skin {
namespace {

using test::MakePackage;

// A manager's worth of skin settings and state around one temporary skin directory.
class SkinSearch : public ::testing::Test {
 protected:
  bool Init(const std::u16string& name) {
    skinName = name;
    const TacSkinSearchSettings settings{skinDirectory, programDirectory, preview.empty() ? nullptr : &preview,
                                         internal};
    TacSkinSearchState state{skinName, active, ini, skinPath, packed, sc};
    return InitSkinFile(settings, state, host);
  }
  std::u16string Author() const { return ini.ReadString(u"GLOBALINFO", u"AUTHOR", u""); }
  void AddInternal(const std::u16string& name, const std::string& author) {
    TsStoredSkin& item = internal.Add();
    item.Name = name;
    item.PackedData = MakePackage({{"OPTIONS.DAT", "[GLOBALINFO]\r\nAUTHOR=" + author}, {"M.PNG", "png"}});
  }

  test::TempDir dir;
  std::u16string skinDirectory = dir.Text();
  std::u16string programDirectory = u"/nonexistent/program/";
  std::u16string preview;
  TsStoredSkins internal;
  test::RecordingHost host;
  std::u16string skinName;
  bool active = true;
  TacSkinIni ini;
  std::u16string skinPath;
  bool packed = false;
  std::unique_ptr<TacSkinConvertor> sc;
};

TEST_F(SkinSearch, FolderWinsOverPackageWhichWinsOverInternal) {
  dir.Write("Meadow/Options.dat", "[GLOBALINFO]\r\nAUTHOR=folder\r\n");
  dir.Write("Meadow.asz", MakePackage({{"OPTIONS.DAT", "[GLOBALINFO]\r\nAUTHOR=package"}, {"P.BMP", "bmp"}}));
  AddInternal(u"Meadow", "internal");

  ASSERT_TRUE(Init(u"Meadow"));
  EXPECT_EQ(Author(), u"folder");
  EXPECT_FALSE(packed);
  EXPECT_EQ(skinPath, test::U(dir.Path()) + u"\\Meadow\\");

  std::filesystem::remove_all(dir.Path() + "/Meadow");
  ASSERT_TRUE(Init(u"Meadow"));
  EXPECT_EQ(Author(), u"package");
  EXPECT_TRUE(packed);
  ASSERT_NE(sc, nullptr);
  ASSERT_EQ(sc->Files.size(), 1u);
  EXPECT_EQ(sc->Files[0].Name, u"P.BMP");

  std::filesystem::remove(dir.Path() + "/Meadow.asz");
  ASSERT_TRUE(Init(u"Meadow"));
  EXPECT_EQ(Author(), u"internal");
  EXPECT_TRUE(packed);
  EXPECT_TRUE(skinPath.empty());
  EXPECT_EQ(sc->Files[0].Name, u"M.PNG");
  EXPECT_TRUE(sc->PackedData.empty());  // detached from the item's bytes
  EXPECT_TRUE(active);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SkinSearch, FolderOptionsFileIsFoundIgnoringLetterCase) {
  const char utf16[] = "\xFF\xFE[\0G\0]\0\r\0\n\0A\0=\0\x16\x04";
  dir.Write("Meadow/OPTIONS.DAT", std::string_view(utf16, sizeof utf16 - 1));
  ASSERT_TRUE(Init(u"Meadow"));
  EXPECT_EQ(ini.ReadString(u"G", u"A", u""), test::U("Ж"));
}

TEST_F(SkinSearch, UnknownNameTakesTheFirstInternalSkin) {
  AddInternal(u"Emberfield (internal)", "ember");
  AddInternal(u"Second", "second");
  ASSERT_TRUE(Init(u"No such skin"));
  EXPECT_EQ(skinName, u"Emberfield (internal)");
  EXPECT_EQ(Author(), u"ember");
  EXPECT_TRUE(skinPath.empty());
  ASSERT_TRUE(Init(u"Second"));
  EXPECT_EQ(Author(), u"second");
}

TEST_F(SkinSearch, NoSourceAtAllMakesTheManagerInactiveSilently) {
  EXPECT_FALSE(Init(u"Nothing"));
  EXPECT_FALSE(active);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SkinSearch, DriveLetterDirectoryNamesNoFolderHere) {
  skinDirectory = u"c:\\Skins";
  AddInternal(u"Emberfield (internal)", "ember");
  ASSERT_TRUE(Init(u"Emberfield (internal)"));
  EXPECT_EQ(Author(), u"ember");
}

TEST_F(SkinSearch, PackageWithoutOptionsShowsTheFormatErrorInTheChangingState) {
  dir.Write("Broken.asz", MakePackage({{"P.BMP", "bmp"}}));
  EXPECT_FALSE(Init(u"Broken"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].Kind, TacMsgKind::Plain);
  EXPECT_EQ(host.boxes[0].Text,
            u"Internal format error in the \"Broken\" skin. Please, update this skin to latest version.");
  EXPECT_TRUE(host.boxes[0].SkinChanging);
  EXPECT_FALSE(host.changing);
  EXPECT_EQ(host.stateChanges, 2);
}

TEST_F(SkinSearch, FileWithoutMagicShowsBothBoxes) {
  dir.Write("Zip.asz", "PK\x03\x04 not a skin");
  EXPECT_FALSE(Init(u"Zip"));
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].Kind, TacMsgKind::Error);
  EXPECT_EQ(host.boxes[0].Text, u"Loaded data is not a packed Quillora file");
  EXPECT_EQ(host.boxes[1].Kind, TacMsgKind::Plain);
}

TEST_F(SkinSearch, InternalSkinWithoutOptionsIsRefusedTheSameWay) {
  TsStoredSkin& item = internal.Add();
  item.Name = u"Hollow";
  item.PackedData = MakePackage({{"P.BMP", "bmp"}});
  EXPECT_FALSE(Init(u"Hollow"));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_NE(host.boxes[0].Text.find(u"\"Hollow\" skin"), std::u16string::npos);
}

TEST_F(SkinSearch, InternalSkinWithoutBytesKeepsTheIni) {
  ini.SetText(u"[GLOBALINFO]\nAUTHOR=earlier");
  internal.Add().Name = u"Empty";
  EXPECT_TRUE(Init(u"Empty"));
  EXPECT_FALSE(packed);
  EXPECT_EQ(Author(), u"earlier");
}

TEST_F(SkinSearch, BrokenPackageDataIsThrown) {
  TacBytes data = MakePackage({{"OPTIONS.DAT", std::string(2000, 'x')}});
  data.resize(data.size() - 10);
  dir.Write("Cut.asz", data);
  EXPECT_THROW(Init(u"Cut"), EReadError);
}

TEST_F(SkinSearch, PreviewTextIsUsedWithoutSearching) {
  dir.Write("Meadow/Options.dat", "[GLOBALINFO]\r\nAUTHOR=folder\r\n");
  AddInternal(u"Meadow", "internal");
  ASSERT_TRUE(Init(u"Emberfield (internal)"));  // leaves the first internal package open
  preview = u"[GLOBALINFO]\rAUTHOR=preview\r";
  ASSERT_TRUE(Init(u"Meadow"));
  EXPECT_EQ(Author(), u"preview");
  EXPECT_EQ(skinPath, test::U(dir.Path()) + u"\\Meadow\\");
  EXPECT_FALSE(packed);
  EXPECT_EQ(sc, nullptr);  // pictures come from the folder, not from an earlier package
}

TEST_F(SkinSearch, RelativeSkinDirectoryIsResolvedAgainstTheProgramDirectory) {
  programDirectory = dir.Text();
  skinDirectory = u".\\Skins";
  dir.Write("Skins/Meadow/Options.dat", "[GLOBALINFO]\nAUTHOR=relative");
  ASSERT_TRUE(Init(u"Meadow"));
  EXPECT_EQ(Author(), u"relative");
  EXPECT_EQ(skinPath, dir.Text() + u"Skins\\Meadow\\");
}

TEST(ExtractInternalSkin, WritesThePackageBytesUnchanged) {
  test::TempDir dir;
  TsStoredSkins skins;
  TsStoredSkin& item = skins.Add();
  item.Name = u"Emberfield (internal)";
  item.PackedData = MakePackage({{"OPTIONS.DAT", "[A]"}}, "preview");
  test::RecordingHost host;
  ExtractInternalSkin(skins, u"Emberfield (internal)", dir.Text(), host);
  EXPECT_TRUE(host.boxes.empty());
  const std::string written = dir.Read("Emberfield (internal) extracted.asz");
  EXPECT_EQ(TacBytes(written.begin(), written.end()), item.PackedData);
  // Written again: replaced, not appended.
  ExtractInternalSkin(skins, u"Emberfield (internal)", dir.Text(), host);
  EXPECT_EQ(dir.Read("Emberfield (internal) extracted.asz").size(), item.PackedData.size());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(ExtractInternalSkin, ErrorBoxesForMissingSkinAndMissingDirectory) {
  test::TempDir dir;
  TsStoredSkins skins;
  skins.Add().Name = u"A";
  test::RecordingHost host;
  ExtractInternalSkin(skins, u"B", dir.Text(), host);
  ExtractInternalSkin(skins, u"A", dir.Text() + u"missing", host);
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].Kind, TacMsgKind::Error);
  EXPECT_EQ(host.boxes[0].Text, u"Skin does not exists.");
  EXPECT_EQ(host.boxes[1].Text, u"Directory does not exists.");
  EXPECT_FALSE(std::filesystem::exists(dir.Path() + "/missing"));
}

TEST(ExtractByIndex, CreatesTheDirectoryOrReportsThatItCannot) {
  test::TempDir dir;
  TsStoredSkins skins;
  TsStoredSkin& item = skins.Add();
  item.Name = u"../up/x";
  item.PackedData = {1, 2, 3};
  test::RecordingHost host;
  ExtractByIndex(skins, 0, dir.Text() + u"new\\deeper", host);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(dir.Read("new/deeper/.._up_x extracted.asz"), std::string("\x01\x02\x03"));

  dir.Write("file", "a file, not a folder");
  ExtractByIndex(skins, 0, dir.Text() + u"file\\sub", host);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].Text, dir.Text() + u"file\\sub\\ directory creation error.");

  ExtractByIndex(skins, 0, u"c:\\Skins", host);
  EXPECT_EQ(host.boxes.back().Text, u"c:\\Skins\\ directory creation error.");
  EXPECT_THROW(ExtractByIndex(skins, 1, dir.Text(), host), EListError);
}

TEST(ExtractByIndex, ItemWithoutBytesWritesNothing) {
  test::TempDir dir;
  TsStoredSkins skins;
  skins.Add().Name = u"Empty";
  test::RecordingHost host;
  ExtractByIndex(skins, 0, dir.Text(), host);
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(SkinMessages, DefaultSinkRecordsAndScopedSinksRestore) {
  TacRecordedMessages mine;
  mine.SetConfirmAnswer(TacMsgAnswer::No);
  {
    TacScopedMessageSink scope(mine);
    EXPECT_EQ(NoManagerHost().ShowSkinMessage(TacMsgKind::Confirmation, u"Sure?"), TacMsgAnswer::No);
    EXPECT_EQ(NoManagerHost().ShowSkinMessage(TacMsgKind::Warning, u"w"), TacMsgAnswer::Ok);
  }
  ASSERT_EQ(mine.Messages().size(), 2u);
  EXPECT_EQ(mine.Messages()[0].Text, u"Sure?");
  DefaultSkinMessages().Clear();
  SkinMessageSink().Show(TacMsgKind::Information, u"to the default");
  ASSERT_EQ(DefaultSkinMessages().Messages().size(), 1u);
  EXPECT_EQ(mine.Messages().size(), 2u);
  EXPECT_EQ(MessageTitle(TacMsgKind::Confirmation), u"Confirm");
  EXPECT_EQ(MessageTitle(TacMsgKind::Plain), u"");
}

}  // namespace
}  // namespace skin
