// The count caption of the list and saving the list: the line-count rule over the list's
// text however it changed, the bytes written in the system's code page, the file names
// chosen in the save dialog, and the errors of an unwritable place or a full disk.
#include "AppTestSupport.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/ListFile.h"
#include "platform/base/Unicode.h"
#include "platform/ctl/Icons.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/MessageApi.h"
#include "skin/controls/sMemo.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;
namespace hl = win::headless;

std::u16string CountCaption(int n) { return app::FoundCountCaption(n); }

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Sets the locale variables the code page is chosen from, and restores them.
class LocaleScope {
 public:
  explicit LocaleScope(const char* locale) {
    for (const char* v : {"LC_ALL", "LC_CTYPE", "LANG"}) {
      const char* old = std::getenv(v);
      saved_.emplace_back(v, old ? std::optional<std::string>(old) : std::nullopt);
    }
    ::setenv("LC_ALL", locale, 1);
  }
  ~LocaleScope() {
    for (const auto& [name, value] : saved_) {
      if (value) ::setenv(name.c_str(), value->c_str(), 1);
      else ::unsetenv(name.c_str());
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(CountCaption, TextAndNumber) {
  EXPECT_EQ(CountCaption(0), u" Полученный список URL. Найдено URL:   0");
  EXPECT_EQ(CountCaption(50000), u" Полученный список URL. Найдено URL:   50000");
}

class Counting : public AppTest {};

TEST_F(Counting, TheCaptionFollowsTheLineCountRuleOfTheText) {
  const std::vector<std::pair<std::u16string, int>> cases{
      {u"a", 1}, {u"a\r\n", 1}, {u"a\r\nb", 2}, {u"\r\n", 1}, {u"\r\n\r\n", 2}, {u"a\nb\rc", 1}, {u"", 0}};
  for (const auto& [text, count] : cases) {
    f1->sMemo1->SetText(text);
    EXPECT_EQ(f1->sGroupBox2->Caption(), CountCaption(count)) << base::Utf16ToUtf8(text);
  }
}

TEST_F(Counting, EditsByTheUserCountToo) {
  f1->sMemo1->Lines()->Add(u"https://x.example/1");
  f1->sMemo1->Lines()->Add(u"https://x.example/2");
  EXPECT_EQ(f1->sGroupBox2->Caption(), CountCaption(2));
  f1->sMemo1->SetFocus();
  hl::KeyPress(win::VK_END);
  win::RunUntilIdle();
  f1->sMemo1->SetSelStart(static_cast<int>(f1->sMemo1->Text().size()));
  // Enter at the end of a fetched list adds a counted empty line.
  hl::KeyPress(win::VK_RETURN);
  EXPECT_EQ(f1->sMemo1->Text(), u"https://x.example/1\r\nhttps://x.example/2\r\n\r\n");
  EXPECT_EQ(f1->sGroupBox2->Caption(), CountCaption(3));
  // Deleting the final line break of a list leaves the count as it was.
  hl::KeyPress(win::VK_BACK);
  hl::KeyPress(win::VK_BACK);
  EXPECT_EQ(f1->sMemo1->Text(), u"https://x.example/1\r\nhttps://x.example/2");
  EXPECT_EQ(f1->sGroupBox2->Caption(), CountCaption(2));
  hl::TypeText(u"x");
  EXPECT_EQ(f1->sGroupBox2->Caption(), CountCaption(2));
}

class Saving : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    dir = fs::temp_directory_path() / ("pellomir-app-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir, fs::perms::owner_all, ec);
    fs::remove_all(dir, ec);
    AppTest::TearDown();
  }
  std::u16string In(const std::string& name) const { return base::Utf8ToUtf16((dir / name).string()); }
  void Save(const std::u16string& chosen) {
    AnswerSaveDialog(chosen);
    hl::Click(At(f1->sButton1, 10, 10));
  }
  fs::path dir;
};

TEST_F(Saving, TheListIsWrittenAsIsWithTxtAppended) {
  LocaleScope locale("en_US.UTF-8");
  f1->sMemo1->Lines()->Add(u"https://x.example/1");
  f1->sMemo1->Lines()->Add(u"");
  f1->sMemo1->Lines()->Add(u"https://x.example/3");
  Save(In("list"));
  EXPECT_EQ(ReadBytes(dir / "list.txt"), "https://x.example/1\r\n\r\nhttps://x.example/3\r\n");
}

TEST_F(Saving, AChosenTxtNameGetsASecondOneAndAnExistingFileIsReplacedSilently) {
  std::ofstream(dir / "x.txt") << "keep me";
  f1->sMemo1->SetText(u"one");
  Save(In("x.txt"));
  EXPECT_EQ(ReadBytes(dir / "x.txt.txt"), "one");
  EXPECT_EQ(ReadBytes(dir / "x.txt"), "keep me");
  Save(In("x"));
  f1->sMemo1->SetText(u"two");
  Save(In("x"));
  EXPECT_EQ(ReadBytes(dir / "x.txt"), "two");
}

TEST_F(Saving, AnEmptyListGivesAnEmptyFileAndCancellingWritesNothing) {
  Save(In("empty"));
  ASSERT_TRUE(fs::exists(dir / "empty.txt"));
  EXPECT_EQ(fs::file_size(dir / "empty.txt"), 0u);
  Save(u"");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(Saving, TextIsWrittenInTheSystemsCodePage) {
  f1->sMemo1->SetText(u"https://пример.example/страница\r\n€ – “q”\r\n日本\r\n");
  {
    LocaleScope locale("ru_RU.UTF-8");
    Save(In("ru"));
  }
  EXPECT_EQ(
      ReadBytes(dir / "ru.txt"),
      "https://\xEF\xF0\xE8\xEC\xE5\xF0.example/\xF1\xF2\xF0\xE0\xED\xE8\xF6\xE0\r\n\x88 \x96 \x93q\x94\r\n??\r\n");
  {
    LocaleScope locale("de_DE.UTF-8");
    Save(In("de"));
  }
  // Western code page: the euro sign and typographic marks have their bytes; letters it
  // lacks become a look-alike or "?", never raw UTF-8.
  const std::string de = ReadBytes(dir / "de.txt");
  EXPECT_TRUE(de.ends_with("\r\n\x80 \x96 \x93q\x94\r\n??\r\n")) << de;
  EXPECT_TRUE(std::all_of(de.begin(), de.begin() + static_cast<long>(de.find('\r')), [](char c) {
    return static_cast<unsigned char>(c) < 0x80;
  })) << de;
}

TEST_F(Saving, AFileThatCannotBeCreatedGivesTheCreateErrorWithTheAbsolutePath) {
  // The dialog accepts "taken"; "taken.txt" is a folder, so the file cannot be created.
  fs::create_directories(dir / "taken.txt");
  f1->sMemo1->SetText(u"kept");
  SeenBox box;
  AnswerSaveDialog(In("taken"));
  ExpectBox(&box);
  hl::Click(At(f1->sButton1, 10, 10));
  ASSERT_TRUE(box.seen);
  EXPECT_TRUE(box.systemBox);
  EXPECT_EQ(box.title, u"Pellomir");
  EXPECT_EQ(box.systemIcon, ctl::IDI_ERROR);
  EXPECT_EQ(box.text, u"Cannot create file \"" + In("taken.txt") + u"\". Is a directory.");
  EXPECT_EQ(f1->sMemo1->Text(), u"kept");
}

TEST(ListFile, CreateErrorsNameTheAbsolutePathAndTheSystemsReason) {
  const fs::path dir = fs::temp_directory_path() / ("pellomir-listfile-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path old = fs::current_path();
  fs::current_path(dir);
  try {
    app::WriteNewFile(u"nowhere/./list.txt", "x");
    ADD_FAILURE() << "no error";
  } catch (const app::EFCreateError& e) {
    EXPECT_EQ(e.ClassName(), "EFCreateError");
    EXPECT_EQ(e.Message(), u"Cannot create file \"" + base::Utf8ToUtf16((dir / "nowhere/list.txt").string()) +
                               u"\". No such file or directory");
  }
  if (::geteuid() != 0) {
    fs::create_directories(dir / "locked");
    fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    try {
      app::WriteNewFile(u"locked/list.txt", "x");
      ADD_FAILURE() << "no error";
    } catch (const app::EFCreateError& e) {
      EXPECT_TRUE(e.Message().ends_with(u"\". Permission denied")) << base::Utf16ToUtf8(e.Message());
    }
    fs::permissions(dir / "locked", fs::perms::owner_all);
  }
  fs::current_path(old);
  fs::remove_all(dir);
}

TEST(ListFile, AFullDiskGivesTheStreamWriteError) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  try {
    app::WriteNewFile(u"/dev/full", "https://x.example/\r\n");
    ADD_FAILURE() << "no error";
  } catch (const app::EWriteError& e) {
    EXPECT_EQ(e.Message(), u"Stream write error");
  }
  EXPECT_NO_THROW(app::WriteNewFile(u"/dev/full", "")) << "nothing to write, nothing to fail";
}

TEST(ListFile, ExpandFileNameResolvesTheText) {
  const std::u16string cwd = base::Utf8ToUtf16(fs::current_path().string());
  EXPECT_EQ(app::ExpandFileName(u"/a/./b//c/../d.txt"), u"/a/b/d.txt");
  EXPECT_EQ(app::ExpandFileName(u"/../x"), u"/x");
  EXPECT_EQ(app::ExpandFileName(u"list.txt"), cwd + u"/list.txt");
  EXPECT_EQ(app::ExpandFileName(u"/"), u"/");
}

}  // namespace
}  // namespace apptest
