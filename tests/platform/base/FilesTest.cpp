#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/base/Errors.h"
#include "platform/base/Files.h"

namespace base {
namespace {

namespace fs = std::filesystem;

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("pellomir-files-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static void Put(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  static std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::size_t Entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {})); }

  fs::path dir_;
};

TEST(NativePath, TurnsBackslashesIntoSlashesAndWritesUtf8) {
  EXPECT_EQ(NativePath(u"C:\\Skins\\Ёлка.asz"), "C:/Skins/\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0.asz");
  EXPECT_EQ(NativePath(u""), "");
  EXPECT_EQ(NativePath(u"/tmp/a/b"), "/tmp/a/b");
}

TEST_F(Files, ReadsAWholeFileOfAnySize) {
  const std::string big(200000, 'x');
  Put(Path("big"), big + "end");
  const FileReadResult r = ReadFileBytes(Path("big"));
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(std::string(r.bytes.begin(), r.bytes.end()), big + "end");

  Put(Path("empty"), "");
  EXPECT_TRUE(ReadFileBytes(Path("empty")).Ok());
  EXPECT_TRUE(ReadFileBytes(Path("empty")).bytes.empty());
}

TEST_F(Files, ReportsWhatFailedWithTheSystemsErrorNumber) {
  const FileReadResult missing = ReadFileBytes(Path("missing"));
  EXPECT_EQ(missing.failure, FileReadFailure::Open);
  EXPECT_EQ(missing.error, ENOENT);
  EXPECT_EQ(SystemErrorText(missing.error), u"No such file or directory");

  const FileReadResult folder = ReadFileBytes(dir_.string());
  EXPECT_EQ(folder.failure, FileReadFailure::Read) << "a folder opens but cannot be read";
  EXPECT_EQ(folder.error, EISDIR);
}

TEST_F(Files, RegularOnlyRefusesFoldersAndDevicesWithoutReadingThem) {
  const FileReadOptions regular{FileReadOptions{}.maxSize, FileKinds::RegularOnly};
  EXPECT_EQ(ReadFileBytes(dir_.string(), regular).failure, FileReadFailure::NotRegular);
  EXPECT_EQ(ReadFileBytes("/dev/null", regular).failure, FileReadFailure::NotRegular);
  EXPECT_TRUE(ReadFileBytes("/dev/null").Ok()) << "any kind of file reads to its end";

  ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReadFileBytes(Path("pipe"), regular).failure, FileReadFailure::NotRegular)
      << "and does not wait for a writer";
}

TEST_F(Files, RefusesAFileLargerThanTheLimitAndSaysItsSize) {
  Put(Path("five"), "12345");
  const FileReadResult tooLarge = ReadFileBytes(Path("five"), {4, FileKinds::RegularOnly});
  EXPECT_EQ(tooLarge.failure, FileReadFailure::TooLarge);
  EXPECT_EQ(tooLarge.size, 5u);
  EXPECT_TRUE(tooLarge.bytes.empty());
  EXPECT_TRUE(ReadFileBytes(Path("five"), {5, FileKinds::RegularOnly}).Ok()) << "the limit itself is allowed";
}

TEST_F(Files, WritesInPlaceCreatingOrEmptyingTheFile) {
  ASSERT_TRUE(WriteFileBytes(Path("list.txt"), std::string_view("first, longer text"), FileReplace::InPlace).Ok());
  ASSERT_TRUE(WriteFileBytes(Path("list.txt"), std::string_view("second"), FileReplace::InPlace).Ok());
  EXPECT_EQ(Get(Path("list.txt")), "second");
  const std::vector<std::uint8_t> bytes{0, 1, 2, 255};
  ASSERT_TRUE(WriteFileBytes(Path("bin"), bytes, FileReplace::InPlace).Ok());
  EXPECT_EQ(Get(Path("bin")), std::string("\0\1\2\xFF", 4));
  EXPECT_EQ(Entries(), 2u);
}

TEST_F(Files, WritesAtomicallyThroughAFileBesideIt) {
  Put(Path("skin.asz"), "old");
  ASSERT_TRUE(WriteFileBytes(Path("skin.asz"), std::string_view("new"), FileReplace::Atomically).Ok());
  EXPECT_EQ(Get(Path("skin.asz")), "new");
  EXPECT_EQ(Entries(), 1u) << "no file is left beside it";

  // A folder of that name cannot be replaced: the failure leaves no file behind.
  fs::create_directories(dir_ / "taken" / "inner");
  const FileWriteResult r = WriteFileBytes(Path("taken"), std::string_view("x"), FileReplace::Atomically);
  EXPECT_EQ(r.failure, FileWriteFailure::Rename);
  EXPECT_NE(r.error, 0);
  EXPECT_EQ(Entries(), 2u);
}

TEST_F(Files, WriteFailuresSayWhichStepFailed) {
  const FileWriteResult noFolder = WriteFileBytes(Path("none/x"), std::string_view("x"), FileReplace::InPlace);
  EXPECT_EQ(noFolder.failure, FileWriteFailure::Create);
  EXPECT_EQ(noFolder.error, ENOENT);
  EXPECT_EQ(WriteFileBytes(Path("none/x"), std::string_view("x"), FileReplace::Atomically).failure,
            FileWriteFailure::Create);

  if (fs::exists("/dev/full")) {
    const FileWriteResult full = WriteFileBytes("/dev/full", std::string_view("abc"), FileReplace::InPlace);
    EXPECT_EQ(full.failure, FileWriteFailure::Write);
    EXPECT_EQ(full.error, ENOSPC);
    EXPECT_TRUE(WriteFileBytes("/dev/full", std::string_view(), FileReplace::InPlace).Ok()) << "nothing to write";
  }
}

TEST(Errors, SharedKindsCarryTheirNamesAndCatchAsExceptions) {
  try {
    throw EListError(u"List index out of bounds (3)");
  } catch (const Exception& e) {
    EXPECT_EQ(e.ClassName(), "EListError");
    EXPECT_EQ(e.Message(), u"List index out of bounds (3)");
  }
  EXPECT_EQ(EReadError(u"").ClassName(), "EReadError");
  EXPECT_EQ(EWriteError(u"").ClassName(), "EWriteError");
  EXPECT_EQ(EFOpenError(u"").ClassName(), "EFOpenError");
  EXPECT_EQ(EFCreateError(u"").ClassName(), "EFCreateError");
  EXPECT_EQ(EInvalidGraphic(u"").ClassName(), "EInvalidGraphic");
}

}  // namespace
}  // namespace base
