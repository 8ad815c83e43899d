// The preview of a skin folder as the sender tool and the script driver build it: names
// from the folder, its options text found ignoring letter case, and clear refusals.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/base/Unicode.h"
#include "skin/data/acFolderPreview.h"

namespace skin::test {
namespace {

namespace fs = std::filesystem;

class FolderPreview : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("pellomir-folder-preview-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "My Skin");
  }
  void TearDown() override { fs::remove_all(root); }
  fs::path root;
};

TEST_F(FolderPreview, NamesComeFromTheFolderAndTheOptionsFileIsFoundIgnoringCase) {
  std::ofstream(root / "My Skin" / "OPTIONS.DAT", std::ios::binary) << "[GLOBALINFO]\r\nVERSION=14.01\r\n";
  std::string error;
  for (const std::string& path : {(root / "My Skin").string(), (root / "My Skin").string() + "/"}) {
    const auto p = BuildFolderPreview(path, error);
    ASSERT_NE(p, nullptr) << error;
    EXPECT_EQ(p->Data.SkinName, u"My Skin") << path;
    EXPECT_EQ(p->Data.SkinDirectory, base::Utf8ToUtf16(root.string()));
    const auto back = ReadPreviewBuffer(p->Buffer, base::SystemCodePage());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->Options, u"[GLOBALINFO]\r\nVERSION=14.01\r\n");
    EXPECT_EQ(back->SkinName, u"My Skin");
  }
}

TEST_F(FolderPreview, RefusalsSayWhy) {
  std::string error;
  EXPECT_EQ(BuildFolderPreview((root / "none").string(), error), nullptr);
  EXPECT_EQ(error, (root / "none").string() + " is not a folder");
  EXPECT_EQ(BuildFolderPreview((root / "My Skin").string(), error), nullptr);
  EXPECT_EQ(error, (root / "My Skin").string() + " holds no Options.dat");
  // A folder named Options.dat is not the options file.
  fs::create_directories(root / "My Skin" / "Options.dat");
  EXPECT_EQ(BuildFolderPreview((root / "My Skin").string(), error), nullptr);
  fs::remove(root / "My Skin" / "Options.dat");
  // Longer than the buffer's options field.
  std::ofstream(root / "My Skin" / "Options.dat", std::ios::binary) << std::string(acPreviewOptionsSize + 1, 'x');
  EXPECT_EQ(BuildFolderPreview((root / "My Skin").string(), error), nullptr);
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace skin::test
