// Opening addresses: the opener gets the address as its one argument, unsafe addresses are
// refused, and a started program is reaped without the caller waiting for it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

#include "platform/shell/Shell.h"

namespace {

class Opening : public ::testing::Test {
 protected:
  void SetUp() override {
    shell::SetLauncher([this](const std::vector<std::string>& argv) {
      calls.push_back(argv);
      return shell::SpawnResult{true, 42, {}};
    });
  }
  void TearDown() override { shell::SetLauncher(nullptr); }
  std::vector<std::vector<std::string>> calls;
};

TEST_F(Opening, TheAddressIsTheOpenersOneArgument) {
  shell::SpawnResult r = shell::OpenAddress(u"https://пример.example/a b?x=1&y='2';rm -rf ~");
  EXPECT_TRUE(r.ok);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], (std::vector<std::string>{"xdg-open", "https://пример.example/a b?x=1&y='2';rm -rf ~"}));
}

TEST_F(Opening, EmptyAndOptionLikeAddressesAreRefused) {
  EXPECT_FALSE(shell::OpenAddress(u"").ok);
  shell::SpawnResult r = shell::OpenAddress(u"--help");
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.error.empty());
  EXPECT_TRUE(calls.empty());
}

bool Gone(int pid) {
  // Reaped: the process id no longer names a child of ours.
  for (int i = 0; i < 200; ++i) {
    struct stat st;
    if (::stat(("/proc/" + std::to_string(pid)).c_str(), &st) != 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(Spawn, StartsWithoutWaitingAndLeavesNoZombie) {
  shell::SpawnResult r = shell::Spawn({"sh", "-c", "exit 3"});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_GT(r.pid, 0);
  EXPECT_TRUE(Gone(r.pid)) << "the child was not reaped";
}

TEST(Spawn, AProgramThatDoesNotExistIsReported) {
  shell::SpawnResult r = shell::Spawn({"pellomir-no-such-program-x"});
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("pellomir-no-such-program-x"), std::string::npos) << r.error;
  EXPECT_FALSE(shell::Spawn({}).ok);
}

}  // namespace
