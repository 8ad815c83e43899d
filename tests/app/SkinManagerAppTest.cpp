// The main window's skin manager as the program starts it: the stored skin in Unit1's
// description is the package the build makes, the manager is active after start-up, and
// a skin editor's preview sent from another process with the sender tool reaches it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <thread>

#include "app/Program.h"
#include "app/Unit1.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Application.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "skin/data/acPreviewSocket.h"
#include "skin/data/sSkinManager.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;
namespace hl = win::headless;

// The build folder: the test program lies in its tests/app/.
std::string BuildDir() { return fs::read_symlink("/proc/self/exe").parent_path().parent_path().parent_path().string(); }

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The manager's state at one moment of the run.
struct ManagerState {
  bool found = false;
  bool active = false;
  bool isDefault = false;
  bool ownedByMain = false;
  bool hookInstalled = false;
  std::u16string skinName, skinInfo, skinPath, skinDirectory, originName;
  std::vector<std::uint8_t> stored;
  skin::TColor globalColor = 0;
};

ManagerState Observe() {
  ManagerState s;
  skin::TsSkinManager* m = skin::DefaultManager();
  if (m == nullptr) return s;
  s.found = true;
  s.active = m->IsActive();
  s.isDefault = m->IsDefault();
  s.hookInstalled = skin::acSkinHookInstalled();
  s.ownedByMain = app::Form1 != nullptr && m->Owner() == app::Form1 && m->Name() == u"sSkinManager1";
  s.skinName = m->SkinName();
  s.skinInfo = m->SkinInfo();
  s.skinPath = m->SkinCommonInfo.SkinPath;
  s.skinDirectory = m->SkinDirectory();
  if (m->InternalSkins.Count() == 1) {
    s.stored = m->InternalSkins[0].PackedData;
    s.originName = m->InternalSkins[0].OrigName;
  }
  s.globalColor = m->GetGlobalColor();
  return s;
}

class SkinnedProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    hl::Start();
    forms::TApplicationRef::Reset();
  }
  void TearDown() override {
    hl::Screen().onStarved = nullptr;
    hl::Screen().onIdle = nullptr;
  }
  // Runs the program; `whenIdle` runs each time it waits for input and returns true once
  // it is done (the main window is then closed).
  int Run(std::function<bool()> whenIdle) {
    bool closing = false;
    hl::Screen().onStarved = [&] {
      if (!closing && whenIdle()) {
        closing = true;
        win::PostMessage(app::Form1->Handle(), win::WM_CLOSE, 0, 0);
      }
      return true;
    };
    return app::RunProgram("/usr/bin/pellomir", {});
  }
};

TEST_F(SkinnedProgram, TheStoredSkinIsTheBuiltPackage) {
  const std::vector<std::uint8_t> built = ReadBytes(BuildDir() + "/skins/Emberfield.asz");
  ASSERT_GT(built.size(), 10000u) << "the build's skin rule makes " << BuildDir() << "/skins/Emberfield.asz";
  ManagerState s;
  EXPECT_EQ(Run([&] {
              s = Observe();
              return true;
            }),
            0);
  ASSERT_TRUE(s.found);
  EXPECT_TRUE(s.stored == built) << "Unit1.form carries " << s.stored.size() << " bytes, the build makes "
                                 << built.size() << "; copy the built package into the description";
  EXPECT_EQ(s.originName, u"Emberfield.asz");
}

TEST_F(SkinnedProgram, TheMainWindowHasAnActiveManagerAfterStartUp) {
  ManagerState s;
  Run([&] {
    s = Observe();
    return true;
  });
  ASSERT_TRUE(s.found) << "the main window's description makes the default manager";
  EXPECT_TRUE(s.ownedByMain);
  EXPECT_TRUE(s.isDefault);
  EXPECT_TRUE(s.active);
  EXPECT_EQ(s.skinName, u"Emberfield (internal)");
  EXPECT_EQ(s.skinInfo, u"14.01");
  EXPECT_EQ(s.skinPath, u"");
  EXPECT_EQ(s.skinDirectory, u"c:\\Skins");
  EXPECT_TRUE(s.hookInstalled);
  EXPECT_EQ(skin::DefaultManager(), nullptr) << "the manager goes with the main window";
  EXPECT_FALSE(skin::acSkinHookInstalled());
}

// A private folder, removed at the end.
struct TempFolder {
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "pellomir-app-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~TempFolder() { fs::remove_all(path); }
  std::string path;
};

TEST_F(SkinnedProgram, APreviewFromAnotherProcessChangesTheLoadedOptions) {
  TempFolder runtime, skins;
  const std::string folder = skins.path + "/Ember Preview";
  fs::create_directories(folder);
  std::ofstream(folder + "/Options.dat", std::ios::binary)
      << "[GLOBALINFO]\r\nVERSION=14.2\r\nCOLOR=3355443\r\nAUTHOR=Preview\r\n"
         "[EDIT]\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\n[BUTTON]\r\nCOLOR=3355443\r\n";
  const char* oldRuntime = std::getenv("XDG_RUNTIME_DIR");
  const std::string previous = oldRuntime ? oldRuntime : "";
  setenv("XDG_RUNTIME_DIR", runtime.path.c_str(), 1);

  const std::string tool = BuildDir() + "/tools/skinsend/skinsend";
  ASSERT_TRUE(fs::exists(tool)) << tool;
  ManagerState before, after;
  std::atomic<bool> senderDone{false};
  int senderStatus = -1;
  std::string senderOutput;
  std::thread sender;
  // The sender runs in real time while the program's clock is virtual: until it is done,
  // every wait of the program takes a real pause instead of jumping the clock, so the
  // listener's stall timer cannot drop a sender that is merely slow (as under sanitizers).
  hl::Screen().onIdle = [&](std::optional<std::uint64_t>) {
    if (!sender.joinable() || senderDone) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return true;
  };
  Run([&] {
    if (!sender.joinable()) {
      before = Observe();
      const std::string command =
          "'" + tool + "' '" + folder + "' --pid " + std::to_string(getpid()) + " --timeout 10000 2>&1";
      sender = std::thread([&, command] {
        if (FILE* p = popen(command.c_str(), "r")) {
          char buf[256];
          while (std::fgets(buf, sizeof buf, p) != nullptr) senderOutput += buf;
          senderStatus = pclose(p);
        }
        senderDone = true;
      });
      return false;
    }
    if (!senderDone) {
      // The program waits; the loop looks at the preview socket again after this.
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      return false;
    }
    after = Observe();
    return true;
  });
  if (sender.joinable()) sender.join();
  if (previous.empty()) unsetenv("XDG_RUNTIME_DIR");
  else setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);

  EXPECT_TRUE(WIFEXITED(senderStatus) && WEXITSTATUS(senderStatus) == 0) << senderOutput;
  EXPECT_EQ(before.skinName, u"Emberfield (internal)");
  EXPECT_EQ(before.skinInfo, u"14.01");
  EXPECT_TRUE(after.active);
  EXPECT_EQ(after.skinName, u"Ember Preview");
  EXPECT_EQ(after.skinDirectory, base::Utf8ToUtf16(skins.path));
  EXPECT_EQ(after.skinInfo, u"14.2");
  EXPECT_EQ(after.globalColor, 3355443u);
  EXPECT_NE(before.globalColor, after.globalColor);
}

}  // namespace
}  // namespace apptest
