// The stored package equals a fresh build from the sources, byte for byte: a change to a
// source without a new stored copy (or the other way round) fails here.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/skin/support/EmberfieldTestSupport.h"
#include "tools/skingen/SkinBuild.h"

namespace skin::emberfield {
namespace {

// Where two packages differ, member by member, for the failure message.
std::string Difference(const TacBytes& a, const TacBytes& b) {
  std::ostringstream out;
  try {
    const TacPackageContents ca = ReadPackageContents(a), cb = ReadPackageContents(b);
    for (std::size_t i = 0; i < std::max(ca.Members.size(), cb.Members.size()); ++i) {
      if (i >= ca.Members.size() || i >= cb.Members.size()) {
        out << "member " << i << " exists in one package only; ";
        continue;
      }
      if (ca.Members[i].RawName != cb.Members[i].RawName || ca.Members[i].Bytes != cb.Members[i].Bytes)
        out << ca.Members[i].RawName << " differs; ";
    }
    if (!std::equal(ca.Preview.Bytes.begin(), ca.Preview.Bytes.end(), cb.Preview.Bytes.begin(), cb.Preview.Bytes.end()))
      out << "the preview differs; ";
  } catch (const std::exception& e) {
    out << "unreadable package: " << e.what();
  }
  out << "(after changing skins/Emberfield, build and copy build/skins/Emberfield.asz over "
         "skins/Emberfield/Emberfield.asz)";
  return out.str();
}

const skingen::TBuiltSkin& FreshBuild() {
  static const skingen::TBuiltSkin built = skingen::BuildSkin(skingen::ReadSkinSources(SkinSourceFolder()));
  return built;
}

TEST(Rebuild, AFreshBuildEqualsTheStoredCopy) {
  const TacBytes stored = ReadBytes(StoredPackagePath());
  ASSERT_FALSE(stored.empty()) << "missing " << StoredPackagePath();
  EXPECT_TRUE(FreshBuild().Package == stored) << Difference(FreshBuild().Package, stored);
}

TEST(Rebuild, TheBuildFolderHoldsTheSamePackage) {
  // Drawn by skingen and packed by skinpack as part of every build.
  const TacBytes built = ReadBytes(BuiltPackagePath());
  ASSERT_FALSE(built.empty()) << "missing " << BuiltPackagePath();
  EXPECT_TRUE(built == FreshBuild().Package) << Difference(built, FreshBuild().Package);
}

TEST(Rebuild, BuildingAgainGivesTheSameBytes) {
  const skingen::TBuiltSkin again = skingen::BuildSkin(skingen::ReadSkinSources(SkinSourceFolder()));
  EXPECT_TRUE(again.Package == FreshBuild().Package) << Difference(again.Package, FreshBuild().Package);
}

TEST(Rebuild, MembersAreTheOptionsThenThePicturesByName) {
  const auto& m = FreshBuild().Members;
  ASSERT_EQ(m.size(), 4u);
  EXPECT_EQ(m[0].RawName, "OPTIONS.DAT");
  EXPECT_EQ(m[1].RawName, "BTNHUGE.BMP");
  EXPECT_EQ(m[2].RawName, "EXTBORD.PNG");
  EXPECT_EQ(m[3].RawName, "MASTER COPY.PNG");
  // OPTIONS.DAT is plain 8-bit text with CR LF line ends only.
  const TacBytes& text = m[0].Bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    ASSERT_LT(text[i], 0x80) << "byte " << i;
    if (text[i] == '\n') {
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
    }
  }
}

}  // namespace
}  // namespace skin::emberfield
