// The live preview: the 30645-byte buffer, the copy-data message at the application
// window with its checks and the posted command 71, and the per-user local socket that
// carries the message from other processes.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/base/Unicode.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "skin/data/acPreviewSocket.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/acSkinPreview.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {
namespace {

namespace fs = std::filesystem;

// A fresh private folder, removed at the end.
struct TempFolder {
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "pellomir-preview-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~TempFolder() { fs::remove_all(path); }
  std::string path;
};

// XDG_RUNTIME_DIR set for the lifetime of the object.
struct RuntimeDir {
  explicit RuntimeDir(const std::string& dir) {
    if (const char* old = std::getenv("XDG_RUNTIME_DIR")) previous = old;
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
  }
  ~RuntimeDir() {
    if (previous.empty()) unsetenv("XDG_RUNTIME_DIR");
    else setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
  }
  std::string previous;
};

const char kPreviewOptions[] =
    "[GLOBALINFO]\r\nVERSION=13.5\r\nCOLOR=255\r\nMASTERBITMAP=master.png\r\n"
    "[EDIT]\r\nCOLOR=65280\r\nFONTCOLOR=16711680\r\n[BUTTON]\r\nCOLOR=255\r\n";

// A skin folder "Preview Skin" in dir with the master picture the options name.
void MakeSkinFolder(const std::string& dir) {
  fs::create_directories(dir + "/Preview Skin");
  std::ofstream(dir + "/Preview Skin/master.png", std::ios::binary) << PngText(Filled(12, 7, 0xFF336699));
}

TacPreviewBuffer Buffer(const std::u16string& name, const std::u16string& dir, const std::string& options) {
  TacPreviewBuffer b;
  EXPECT_EQ(WritePreviewBuffer({name, dir, base::Utf8ToUtf16(options)}, base::SystemCodePage(), b),
            TacPreviewFieldError::None);
  return b;
}

win::LRESULT SendCopyData(win::WPARAM wParam, const void* data, std::size_t size) {
  win::COPYDATASTRUCT cds;
  cds.cbData = static_cast<win::DWORD>(size);
  cds.lpData = data;
  return win::SendMessage(forms::Application->Handle(), win::WM_COPYDATA, wParam, reinterpret_cast<win::LPARAM>(&cds));
}

TEST(PreviewBuffer, FieldsRoundTripAndFillTheirWholeSize) {
  TacPreviewBuffer b;
  const std::u16string name(128, u'n');
  const std::u16string dir = u"/skins/\u00e9t\u00e9";
  ASSERT_EQ(WritePreviewBuffer({name, dir, u"[A]\r\nB=1"}, 1252, b), TacPreviewFieldError::None);
  EXPECT_EQ(b[0], 0x00);
  EXPECT_EQ(b[1], 0xA4);
  EXPECT_EQ(b[132 + 7], 0xE9) << "8-bit characters of the code page";
  const std::optional<TacPreviewData> d = ReadPreviewBuffer(b, 1252);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->SkinName, name) << "a name filling its field ends at the field's end";
  EXPECT_EQ(d->SkinDirectory, dir);
  EXPECT_EQ(d->Options, u"[A]\r\nB=1");

  EXPECT_EQ(WritePreviewBuffer({std::u16string(129, u'n'), u"", u""}, 1252, b), TacPreviewFieldError::NameTooLong);
  EXPECT_EQ(WritePreviewBuffer({u"", std::u16string(513, u'd'), u""}, 1252, b), TacPreviewFieldError::DirectoryTooLong);
  EXPECT_EQ(WritePreviewBuffer({u"", u"", std::u16string(30002, u'o')}, 1252, b), TacPreviewFieldError::OptionsTooLong);
  EXPECT_EQ(WritePreviewBuffer({u"", u"", std::u16string(30001, u'o')}, 1252, b), TacPreviewFieldError::None);
  EXPECT_EQ(WritePreviewBuffer({std::u16string(u"a\0b", 3), u"", u""}, 1252, b), TacPreviewFieldError::ZeroInText);
  b.fill(0);
  EXPECT_FALSE(ReadPreviewBuffer(b, 1252));
}

TEST_F(ManagerTest, CopyDataPreviewLoadsTheSkinOfTheBuffer) {
  TempFolder temp;
  MakeSkinFolder(temp.path);
  TsSkinManager* m = MakeProgramManager();
  int afterChanges = 0;
  m->OnAfterChange = [&](forms::TObject*) { ++afterChanges; };
  const std::u16string dir = base::Utf8ToUtf16(temp.path);
  const TacPreviewBuffer b = Buffer(u"Preview Skin", dir, kPreviewOptions);

  EXPECT_EQ(SendCopyData(acPreviewSender, b.data(), b.size()), 1);
  EXPECT_EQ(m->SkinName(), u"Emberfield (internal)") << "applied when the posted command arrives";
  EXPECT_EQ(m->PreviewBuffer(), b);
  win::RunUntilIdle();
  EXPECT_TRUE(m->IsActive());
  EXPECT_EQ(m->SkinName(), u"Preview Skin");
  EXPECT_EQ(m->SkinDirectory(), dir);
  EXPECT_EQ(m->SkinInfo(), u"13.5");
  EXPECT_EQ(m->GetGlobalColor(), 255u);
  EXPECT_FALSE(m->SkinIsPacked);
  EXPECT_EQ(m->SkinCommonInfo.SkinPath, dir + u"\\Preview Skin\\");
  ASSERT_TRUE(m->MasterBitmap);
  EXPECT_EQ(m->MasterBitmap->Width(), 12) << "pictures come from the skin folder";
  EXPECT_FALSE(m->Settings.PreviewOptions) << "the preview text is dropped afterwards";
  EXPECT_FALSE(m->NoAutoUpdate);
  EXPECT_EQ(afterChanges, 1) << "one change, reported by EndUpdate";
  EXPECT_TRUE(DefaultSkinMessages().Messages().empty());

  // A later skin change searches the skin sources again.
  m->SetSkinName(u"Emberfield (internal)");
  EXPECT_EQ(m->SkinInfo(), u"14.01");
}

TEST_F(ManagerTest, CopyDataOfAnotherKindIsHandledButIgnored) {
  TsSkinManager* m = MakeProgramManager();
  const TacPreviewBuffer b = Buffer(u"Preview Skin", u"/nowhere", kPreviewOptions);
  EXPECT_EQ(SendCopyData(8, b.data(), b.size()), 0) << "WParam must be 7";
  TacPreviewBuffer noMagic = b;
  noMagic[1] = 0xA5;
  EXPECT_EQ(SendCopyData(acPreviewSender, noMagic.data(), noMagic.size()), 0);
  EXPECT_EQ(SendCopyData(acPreviewSender, b.data(), 3), 0) << "too short for the magic";
  EXPECT_EQ(win::SendMessage(forms::Application->Handle(), win::WM_COPYDATA, acPreviewSender, 0), 0);
  win::RunUntilIdle();
  EXPECT_EQ(m->SkinName(), u"Emberfield (internal)");
  EXPECT_TRUE(m->IsActive());
  // Command 71 with a buffer that holds no preview does nothing either.
  win::PostMessage(forms::Application->Handle(), SkinCmdMessage, 71u << 16, 0);
  win::RunUntilIdle();
  EXPECT_EQ(m->SkinName(), u"Emberfield (internal)");
}

TEST_F(ManagerTest, ShortPreviewIsTakenAsFarAsItGoes) {
  TempFolder temp;
  MakeSkinFolder(temp.path);
  TsSkinManager* m = MakeProgramManager();
  const TacPreviewBuffer b = Buffer(u"Preview Skin", base::Utf8ToUtf16(temp.path), kPreviewOptions);
  const std::size_t size = acPreviewOptionsOffset + sizeof kPreviewOptions - 1;
  EXPECT_EQ(SendCopyData(acPreviewSender, b.data(), size), 1);
  win::RunUntilIdle();
  EXPECT_EQ(m->SkinName(), u"Preview Skin");
  EXPECT_EQ(m->SkinInfo(), u"13.5");
}

TEST_F(ManagerTest, BrokenPreviewShowsTheErrorAndKeepsUpdating) {
  TempFolder temp;
  fs::create_directories(temp.path + "/Bad");
  std::ofstream(temp.path + "/Bad/master.png", std::ios::binary) << "not a picture";
  TsSkinManager* m = MakeProgramManager();
  const TacPreviewBuffer b =
      Buffer(u"Bad", base::Utf8ToUtf16(temp.path), "[GLOBALINFO]\r\nMASTERBITMAP=master.png\r\n[EDIT]\r\nCOLOR=1\r\n");
  SendCopyData(acPreviewSender, b.data(), b.size());
  win::RunUntilIdle();
  ASSERT_EQ(DefaultSkinMessages().Messages().size(), 1u);
  EXPECT_EQ(DefaultSkinMessages().Messages()[0].Kind, TacMsgKind::Error);
  EXPECT_EQ(m->SkinName(), u"Emberfield (internal)");
  EXPECT_FALSE(m->IsActive());
  EXPECT_FALSE(m->NoAutoUpdate);
  EXPECT_FALSE(m->Settings.PreviewOptions);
}

TEST(PreviewSocketFolder, UsesAPrivateRuntimeFolderOrAPrivateFallback) {
  TempFolder runtime;
  {
    RuntimeDir env(runtime.path);
    const std::optional<std::string> folder = PreviewSocketFolder();
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, runtime.path + "/pellomir");
    struct stat st {};
    ASSERT_EQ(lstat(folder->c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
  }
  const std::string fallback = "/tmp/pellomir-" + std::to_string(getuid());
  {
    // A runtime folder open to others is not used.
    chmod(runtime.path.c_str(), 0755);
    RuntimeDir env(runtime.path);
    EXPECT_EQ(PreviewSocketFolder(), fallback);
    chmod(runtime.path.c_str(), 0700);
  }
  {
    // Nor is a link where the folder should be.
    TempFolder elsewhere;
    fs::remove_all(runtime.path + "/pellomir");
    fs::create_directory_symlink(elsewhere.path, runtime.path + "/pellomir");
    RuntimeDir env(runtime.path);
    EXPECT_EQ(PreviewSocketFolder(), fallback);
  }
}

// Runs a blocking sender beside the test's user interface thread, which keeps taking
// messages until the sender is done.
TacPreviewSendResult SendWhileRunning(const std::string& path, std::vector<std::uint8_t> block) {
  std::atomic<bool> done{false};
  TacPreviewSendResult result = TacPreviewSendResult::NoAnswer;
  std::thread sender([&] {
    result = SendPreviewBlock(path, block, 5000);
    done = true;
  });
  for (int i = 0; i < 2000 && !done; ++i) {
    win::RunUntilIdle();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  sender.join();
  win::RunUntilIdle();
  return result;
}

TEST_F(ManagerTest, PreviewArrivesOverTheLocalSocket) {
  TempFolder runtime, skins;
  MakeSkinFolder(skins.path);
  forms::TApplicationRef::Reset();
  RuntimeDir env(runtime.path);
  TsSkinManager* m = MakeProgramManager();
  const std::string path = m->PreviewSocketPath();
  ASSERT_EQ(path, runtime.path + "/pellomir/" + PreviewSocketName(getpid()));
  struct stat st {};
  ASSERT_EQ(lstat(path.c_str(), &st), 0);
  EXPECT_TRUE(S_ISSOCK(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(PreviewSockets(runtime.path + "/pellomir"), std::vector<std::string>{path});

  const TacPreviewBuffer b = Buffer(u"Preview Skin", base::Utf8ToUtf16(skins.path), kPreviewOptions);
  EXPECT_EQ(SendWhileRunning(path, {b.begin(), b.end()}), TacPreviewSendResult::Taken);
  EXPECT_EQ(m->SkinName(), u"Preview Skin");
  EXPECT_EQ(m->SkinInfo(), u"13.5");

  // A block that is not a preview is answered as refused.
  EXPECT_EQ(SendWhileRunning(path, {1, 2, 3, 4, 5}), TacPreviewSendResult::Refused);
  // An oversized frame is dropped unanswered.
  std::vector<std::uint8_t> big(acPreviewMaxBlock + 1, 0);
  EXPECT_EQ(SendPreviewBlock(path, big, 100), TacPreviewSendResult::CannotConnect);

  m->Owner()->Free();
  EXPECT_NE(lstat(path.c_str(), &st), 0) << "the socket file goes with the manager";
}

// The build folder: the test program lies in its tests/skin/.
std::string BuildDir() { return fs::read_symlink("/proc/self/exe").parent_path().parent_path().parent_path().string(); }

// Runs the sender tool while the test's user interface thread keeps taking messages;
// returns its exit status and output.
std::pair<int, std::string> RunSender(const std::string& args) {
  const std::string tool = BuildDir() + "/tools/skinsend/skinsend";
  std::atomic<bool> done{false};
  int status = -1;
  std::string output;
  std::thread runner([&] {
    if (FILE* p = popen(("'" + tool + "' " + args + " 2>&1").c_str(), "r")) {
      char buf[256];
      while (std::fgets(buf, sizeof buf, p) != nullptr) output += buf;
      status = pclose(p);
    }
    done = true;
  });
  for (int i = 0; i < 3000 && !done; ++i) {
    win::RunUntilIdle();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  runner.join();
  win::RunUntilIdle();
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST_F(ManagerTest, SenderToolSendsASkinFolder) {
  TempFolder runtime, skins;
  MakeSkinFolder(skins.path);
  std::ofstream(skins.path + "/Preview Skin/OPTIONS.DAT", std::ios::binary) << kPreviewOptions;
  forms::TApplicationRef::Reset();
  RuntimeDir env(runtime.path);
  TsSkinManager* m = MakeProgramManager();
  ASSERT_FALSE(m->PreviewSocketPath().empty());

  const auto [status, output] = RunSender("'" + skins.path + "/Preview Skin' --pid " + std::to_string(getpid()));
  EXPECT_EQ(status, 0) << output;
  EXPECT_NE(output.find("taken"), std::string::npos) << output;
  EXPECT_EQ(m->SkinName(), u"Preview Skin");
  EXPECT_EQ(m->SkinDirectory(), base::Utf8ToUtf16(skins.path));
  EXPECT_EQ(m->SkinInfo(), u"13.5");

  // Errors the tool reports itself.
  EXPECT_EQ(RunSender("'" + skins.path + "'").first, 2) << "a folder without options";
  EXPECT_EQ(RunSender("").first, 2);
  EXPECT_EQ(RunSender("'" + skins.path + "/Preview Skin' --pid 1").first, 3) << "nobody listens there";
}

TEST_F(ManagerTest, ListenerDropsOversizedAndStalledSenders) {
  TempFolder runtime;
  forms::TApplicationRef::Reset();
  RuntimeDir env(runtime.path);
  TsSkinManager* m = MakeProgramManager();
  const std::string path = m->PreviewSocketPath();
  auto connectRaw = [&] {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    EXPECT_EQ(connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
    return fd;
  };
  // A length beyond the limit: the listener closes the connection without an answer.
  const int big = connectRaw();
  const std::uint8_t header[4] = {0xFF, 0xFF, 0xFF, 0x7F};
  ASSERT_EQ(send(big, header, 4, 0), 4);
  // A sender that stops half way is dropped after its time.
  const int stalled = connectRaw();
  const std::uint8_t half[6] = {10, 0, 0, 0, 0, 0xA4};
  ASSERT_EQ(send(stalled, half, 6, 0), 6);
  win::RunUntilIdle();
  std::uint8_t reply[4];
  EXPECT_EQ(recv(big, reply, 4, MSG_DONTWAIT), 0) << "closed";
  EXPECT_LT(recv(stalled, reply, 4, MSG_DONTWAIT), 0) << "still waiting";
  win::headless::AdvanceTime(TacPreviewListener::SenderTimeoutMs + 1000);
  EXPECT_EQ(recv(stalled, reply, 4, MSG_DONTWAIT), 0) << "dropped";
  close(big);
  close(stalled);
  EXPECT_EQ(m->SkinName(), u"Emberfield (internal)");
}

}  // namespace
}  // namespace skin::test
