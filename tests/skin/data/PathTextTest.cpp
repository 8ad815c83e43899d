// Skin directories as path text, and native paths.
#include <gtest/gtest.h>

#include "skin/data/acPathText.h"
#include "skin/data/acSkinSources.h"

namespace skin {
namespace {

TEST(NormalizeDirectory, TrailingSeparatorAndDriveLetters) {
  EXPECT_EQ(NormalizeDirectory(u""), u"");
  EXPECT_EQ(NormalizeDirectory(u"c:\\Skins\\"), u"c:\\Skins\\");
  EXPECT_EQ(NormalizeDirectory(u"/home/u/skins/"), u"/home/u/skins\\");
  EXPECT_EQ(NormalizeDirectory(u"d"), u"d:\\");
  EXPECT_EQ(NormalizeDirectory(u"d:"), u"d:\\");
  EXPECT_EQ(NormalizeDirectory(u"c:\\Skins"), u"c:\\Skins\\");
}

TEST(GetFullSkinDirectory, RelativeForms) {
  const std::u16string p = u"C:\\Program\\Pellomir\\";
  EXPECT_EQ(GetFullSkinDirectory(u".", p), p);
  EXPECT_EQ(GetFullSkinDirectory(u"Skins", p), u"C:\\Program\\Pellomir\\Skins\\");
  EXPECT_EQ(GetFullSkinDirectory(u"..\\Skins", p), u"C:\\Program\\Skins\\");
  EXPECT_EQ(GetFullSkinDirectory(u".\\Skins", p), u"C:\\Program\\Pellomir\\Skins\\");
  EXPECT_EQ(GetFullSkinDirectory(u"./Skins/", p), u"C:\\Program\\Pellomir\\Skins\\");
  EXPECT_EQ(GetFullSkinDirectory(u"", p), p);
}

TEST(GetFullSkinDirectory, AbsoluteForms) {
  const std::u16string p = u"/opt/pellomir/";
  EXPECT_EQ(GetFullSkinDirectory(u"c:\\Skins", p), u"c:\\Skins\\");
  EXPECT_EQ(GetFullSkinDirectory(u"d:", p), u"d:\\");
  EXPECT_EQ(GetFullSkinDirectory(u"\\\\server\\skins", p), u"\\\\server\\skins\\");
  // On this system a path that begins with "/" is absolute too.
  EXPECT_EQ(GetFullSkinDirectory(u"/usr/share/skins", p), u"/usr/share/skins\\");
}

TEST(GetFullSkinDirectory, ParentOfAProgramDirectoryWithForwardSlashes) {
  EXPECT_EQ(GetFullSkinDirectory(u"..\\Skins", u"/opt/pellomir/"), u"/opt/Skins\\");
  EXPECT_EQ(GetFullSkinDirectory(u"..", u"/opt/pellomir/"), u"/opt\\");
  EXPECT_EQ(GetFullSkinDirectory(u"../skins", u"pellomir/"), u"skins\\");
}

TEST(NativePathRefusingDrives, BackslashesBecomeSlashesAndForeignRootsNameNothing) {
  EXPECT_EQ(NativePathRefusingDrives(u"/opt/pellomir\\Skins\\Emberfield\\Options.dat"),
            "/opt/pellomir/Skins/Emberfield/Options.dat");
  EXPECT_FALSE(NativePathRefusingDrives(u"c:\\Skins\\x.asz"));
  EXPECT_FALSE(NativePathRefusingDrives(u"\\\\server\\share"));
  EXPECT_FALSE(NativePathRefusingDrives(std::u16string(u"/tmp/a\0b", 8)));
}

TEST(RemovePackageEnding, OnlyAFinalAszOfALongerName) {
  EXPECT_EQ(RemovePackageEnding(u"Meadow.asz"), u"Meadow");
  EXPECT_EQ(RemovePackageEnding(u"Meadow.ASZ"), u"Meadow");
  EXPECT_EQ(RemovePackageEnding(u"x.asz.asz"), u"x.asz");
  EXPECT_EQ(RemovePackageEnding(u".asz"), u".asz");
  EXPECT_EQ(RemovePackageEnding(u"a.asz"), u"a");
  EXPECT_EQ(RemovePackageEnding(u"Meadow.aszx"), u"Meadow.aszx");
}

}  // namespace
}  // namespace skin
