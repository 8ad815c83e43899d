// The folder watch of `skinsend --watch`, on the clock it is given: a change is reported
// once it has settled, a change while settling starts the wait again, a handled state is
// not reported twice, and a folder or file that goes missing is a change like any other.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tools/skinsend/send/FolderWatch.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using skinsend::FolderWatch;

class WatchedFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    path = fs::temp_directory_path() / ("skinsend-watch-" + std::to_string(getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(path);
    fs::create_directories(path / "sub");
    Write("Options.dat", "[GLOBALINFO]\r\n");
    Write("sub/MASTER.PNG", "png");
  }
  void TearDown() override { fs::remove_all(path); }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(path / name, std::ios::binary | std::ios::trunc) << bytes;
  }
  fs::path path;
  const FolderWatch::Clock::time_point t0{};
};

TEST_F(WatchedFolder, StampsListRegularFilesBelowTheFolderSortedByName) {
  fs::create_directories(path / "empty");
  skinsend::FolderStamp s = skinsend::TakeFolderStamp(path.string());
  ASSERT_TRUE(s.exists);
  ASSERT_EQ(s.files.size(), 2u);
  EXPECT_EQ(s.files[0].name, "Options.dat");
  EXPECT_EQ(s.files[0].size, 14u);
  EXPECT_EQ(s.files[1].name, "sub/MASTER.PNG");
  EXPECT_EQ(skinsend::TakeFolderStamp(path.string(), 1).files.size(), 1u) << "the limit holds";
  EXPECT_FALSE(skinsend::TakeFolderStamp((path / "none").string()).exists);
}

TEST_F(WatchedFolder, AChangeIsReportedOnceItHasSettled) {
  FolderWatch w(path.string(), 300ms, t0);
  EXPECT_FALSE(w.Poll(t0 + 1s)) << "nothing changed";
  Write("Options.dat", "[GLOBALINFO]\r\nVERSION=14.2\r\n");
  EXPECT_FALSE(w.Poll(t0 + 2s));
  EXPECT_FALSE(w.Poll(t0 + 2s + 299ms));
  EXPECT_TRUE(w.Poll(t0 + 2s + 300ms));
  EXPECT_TRUE(w.Poll(t0 + 2s + 400ms)) << "until it is marked sent";
  w.Sent();
  EXPECT_FALSE(w.Poll(t0 + 5s));
}

TEST_F(WatchedFolder, WritingInStepsDelaysTheReportUntilTheLastStepHasSettled) {
  FolderWatch w(path.string(), 300ms, t0);
  Write("sub/MASTER.PNG", "pn");  // half written
  EXPECT_FALSE(w.Poll(t0 + 1s));
  Write("sub/MASTER.PNG", "png and the rest");
  EXPECT_FALSE(w.Poll(t0 + 1s + 200ms));
  EXPECT_FALSE(w.Poll(t0 + 1s + 400ms)) << "the second step started the wait again";
  EXPECT_TRUE(w.Poll(t0 + 1s + 500ms));
}

TEST_F(WatchedFolder, AFileMissingForAMomentOrTheWholeFolderIsAChange) {
  FolderWatch w(path.string(), 300ms, t0);
  fs::remove(path / "Options.dat");
  EXPECT_FALSE(w.Poll(t0 + 1s));
  EXPECT_TRUE(w.Poll(t0 + 2s)) << "a folder without its options is reported (the send then fails)";
  w.Sent();
  Write("Options.dat", "[GLOBALINFO]\r\n");
  EXPECT_FALSE(w.Poll(t0 + 3s));
  EXPECT_TRUE(w.Poll(t0 + 4s));
  w.Sent();
  fs::remove_all(path);
  EXPECT_FALSE(w.Poll(t0 + 5s));
  EXPECT_TRUE(w.Poll(t0 + 6s));
  w.Sent();
  EXPECT_FALSE(w.Poll(t0 + 7s));
}

TEST_F(WatchedFolder, AFileReplacedBySameSizedBytesIsAChange) {
  FolderWatch w(path.string(), 300ms, t0);
  // An editor saving through a new file: same size, a new file takes the name.
  std::ofstream(path / "Options.new", std::ios::binary) << "[GLOBALINFO]\r\r\n";
  fs::rename(path / "Options.new", path / "Options.dat");
  EXPECT_FALSE(w.Poll(t0 + 1s));
  EXPECT_TRUE(w.Poll(t0 + 2s));
}

}  // namespace
