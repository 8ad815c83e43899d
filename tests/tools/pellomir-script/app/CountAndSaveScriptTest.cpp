// The count caption and saving the list through the script driver: the caption before and
// after a fetch and after the user's own edits, the save dialog reached by clicks or keys with
// the file name typed, the bytes written (in the Russian code page under a Russian locale),
// and what the user is told when the chosen place cannot take the file.
#include <gmock/gmock.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "AppScriptTestSupport.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace scripttest {
namespace {

namespace fs = std::filesystem;
using testsupport::HttpResponse;

const char* const kThree =
    "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
    "<url><loc>https://a.example/1</loc></url>"
    "<url><loc>https://a.example/2</loc></url>"
    "<url><loc>https://a.example/3</loc></url></urlset>";

// Whether the dump shows the main window alone, taking input.
bool MainWindowAlone(const Dump& d) {
  const std::vector<DumpLine> top = d.TopLevel();
  return top.size() == 1 && top[0].name == "Form1" && top[0].active && !top[0].disabled;
}

class SaveScript : public ::testing::Test {
 protected:
  void SetUp() override { server.Serve("/three.xml", HttpResponse::Ok(kThree)); }
  testsupport::LoopbackServer server;
  TempFolder dir;
};

TEST_F(SaveScript, TheCaptionCountsTheListAsFetchedAndAsEdited) {
  AppRun r = RunPellomir("text sGroupBox2\n" + FetchLines(server.Url("/three.xml")) +
                         "text sGroupBox2\n"
                         // Enter at the end of the fetched list adds a counted empty line.
                         "click sMemo1\n"
                         "key Ctrl+End\n"
                         "key Enter\n"
                         "text sGroupBox2\n"
                         // Taking both line breaks away again leaves the last line unended.
                         "key Backspace\n"
                         "key Backspace\n"
                         "text sGroupBox2\n"
                         "type https://a.example/4\n"
                         "text sGroupBox2\n"
                         "text sMemo1\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.Texts("sGroupBox2"), (std::vector<std::string>{kStoredCaption, CountCaption(3), CountCaption(4),
                                                             CountCaption(3), CountCaption(3)}));
  EXPECT_EQ(r.Texts("sMemo1"), std::vector<std::string>{"https://a.example/1\\r\\nhttps://a.example/2\\r\\n"
                                                        "https://a.example/3https://a.example/4"});
}

TEST_F(SaveScript, LinesSelectedWithShiftDownAreCopiedAndPastedThroughTheClipboard) {
  AppRun r = RunPellomir(FetchLines(server.Url("/three.xml")) +
                         "click sMemo1\n"
                         "key Ctrl+Home\n"
                         "key Shift+Down\n"
                         "key Shift+Down\n"
                         "key Ctrl+C\n"
                         "key Ctrl+End\n"
                         "key Ctrl+V\n"
                         "text sMemo1\n"
                         "text sGroupBox2\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.Texts("sMemo1"),
            std::vector<std::string>{"https://a.example/1\\r\\nhttps://a.example/2\\r\\nhttps://a.example/3\\r\\n"
                                     "https://a.example/1\\r\\nhttps://a.example/2\\r\\n"})
      << "the two selected lines, copied and pasted at the end";
  ASSERT_FALSE(r.Texts("sGroupBox2").empty());
  EXPECT_EQ(r.Texts("sGroupBox2").back(), CountCaption(5));
}

TEST_F(SaveScript, TxtIsAppendedToTheChosenNameAndAnExistingFileIsReplacedWithoutAsking) {
  std::ofstream(dir / "x.txt", std::ios::binary) << "keep me";
  AppRun r = RunPellomir(FetchLines(server.Url("/three.xml")) + SaveLines(dir / "x.txt") + "dump\n" +
                         SaveLines(dir / "x") + "dump\n" + "click sMemo1\nkey Ctrl+End\ntype https://a.example/4\n" +
                         SaveLines(dir / "x") + "dump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.Dumps().size(), 3u);
  for (const Dump& d : r.Dumps()) EXPECT_TRUE(MainWindowAlone(d)) << "no question, no error: " << r.out;
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"x.txt", "x.txt.txt"}));
  EXPECT_EQ(ReadBytes(dir / "x.txt.txt"), "https://a.example/1\r\nhttps://a.example/2\r\nhttps://a.example/3\r\n");
  EXPECT_EQ(ReadBytes(dir / "x.txt"),
            "https://a.example/1\r\nhttps://a.example/2\r\nhttps://a.example/3\r\nhttps://a.example/4")
      << "the second save of x replaced the first, as the list stood";
}

TEST_F(SaveScript, TheDialogReachedByKeysSavesAnEmptyListAsAnEmptyFileAndEscapeCancels) {
  AppRun r = RunPellomir(
      "key Tab\n"
      "key Tab\n"
      "key Space\n"
      "dump\n"
      "type " +
      (dir / "empty") +
      "\n"
      "key Enter\n"
      "dump\n"
      "key Space\n"
      "type " +
      (dir / "cancelled") +
      "\n"
      "key Escape\n"
      "dump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 3u);
  const std::vector<DumpLine> top = dumps[0].TopLevel();
  ASSERT_EQ(top.size(), 2u) << r.out;
  EXPECT_TRUE(top[0].active) << "the save dialog, in front";
  EXPECT_TRUE(top[1].disabled) << "the main window waits behind it";
  const std::vector<DumpLine> fields = dumps[0].ChildrenOf(0);
  const auto nameBox = std::find_if(fields.begin(), fields.end(), [](const DumpLine& l) { return l.focused; });
  ASSERT_NE(nameBox, fields.end());
  EXPECT_EQ(nameBox->text, "") << "no initial file name; typing goes into the name box";
  EXPECT_TRUE(MainWindowAlone(dumps[1]));
  EXPECT_TRUE(dumps[1].Named("sButton1")->focused) << "the focus goes back to the save button";
  EXPECT_TRUE(MainWindowAlone(dumps[2]));
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"empty.txt"});
  EXPECT_EQ(fs::file_size(dir.Path() / "empty.txt"), 0u);
}

TEST_F(SaveScript, ACyrillicListIsWrittenInTheRussianCodePageUnderARussianLocale) {
  server.Serve("/ru.xml", HttpResponse::Ok("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                           "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n"
                                           "<url><loc>https://пример.рф/страница/о-нас</loc></url>\n"
                                           "<url><loc>https://пример.рф/ёлка?№=1–2</loc></url>\n"
                                           "<url><loc>https://пример.рф/日本</loc></url>\n"
                                           "</urlset>\n"));
  // The same addresses in Windows-1251: "https://пример.рф/" and the two paths.
  const std::string host = "https://\xEF\xF0\xE8\xEC\xE5\xF0.\xF0\xF4/";
  const std::string page1 = host + "\xF1\xF2\xF0\xE0\xED\xE8\xF6\xE0/\xEE-\xED\xE0\xF1";
  const std::string page2 = host +
                            "\xB8\xEB\xEA\xE0?\xB9=1\x96"
                            "2";
  // The sitemap as a Russian site may serve it: in Windows-1251, the ideographs as
  // character references.
  server.Serve("/ru-1251.xml",
               HttpResponse::Ok("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n"
                                "<url><loc>" +
                                page1 + "</loc></url>\n<url><loc>" + page2 + "</loc></url>\n<url><loc>" + host +
                                "&#x65E5;&#x672C;</loc></url>\n</urlset>\n"));
  AppRun r = RunPellomirExecutable(FetchLines(server.Url("/ru-1251.xml")) + "text sMemo1\n" +
                                       FetchLines(server.Url("/ru.xml")) + "text sMemo1\ntext sGroupBox2\n" +
                                       SaveLines(dir / "список") + "dump\n",
                                   "ru_RU.UTF-8");
  ASSERT_EQ(r.status, 0) << r.err;
  // No failed command and no sanitizer report (a sanitizer build may add its summary).
  EXPECT_THAT(r.err, ::testing::Not(::testing::HasSubstr("ERROR"))) << r.err;
  const std::string list =
      "https://пример.рф/страница/о-нас\\r\\nhttps://пример.рф/ёлка?№=1–2\\r\\nhttps://пример.рф/"
      "日本\\r\\n";
  EXPECT_EQ(r.Texts("sMemo1"), (std::vector<std::string>{list, list}));
  EXPECT_EQ(r.Texts("sGroupBox2"), std::vector<std::string>{CountCaption(3)});
  ASSERT_EQ(r.Dumps().size(), 1u);
  EXPECT_TRUE(MainWindowAlone(r.Dumps()[0])) << r.out;
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"список.txt"});
  // Windows-1251, no byte-order mark, CR LF kept; the ideographs it lacks become "?".
  EXPECT_EQ(ReadBytes(dir / "список.txt"), page1 + "\r\n" + page2 + "\r\n" + host + "??\r\n");
}

TEST_F(SaveScript, APlaceThatCannotTakeTheFileIsReportedAndNothingIsLost) {
  // "taken.txt" is a folder, so the name "taken" cannot become a file; "plain" is a file, so
  // nothing can be made under it.
  fs::create_directories(dir.Path() / "taken.txt");
  fs::create_directories(dir.Path() / "sub");
  std::ofstream(dir / "plain", std::ios::binary) << "plain";
  AppRun r = RunPellomir(FetchLines(server.Url("/three.xml")) + SaveLines(dir / "sub/../taken") +
                         "dump\n"
                         "key Enter\n"
                         "dump\n" +
                         SaveLines(dir / "plain/list") +
                         "dump\n"
                         "key Enter\n"
                         "key Escape\n"
                         "dump\n"
                         "text sMemo1\n" +
                         SaveLines(dir / "after") + "dump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 5u);

  const std::optional<Box> box = FrontBox(dumps[0]);
  ASSERT_TRUE(box) << r.out;
  EXPECT_EQ(box->title, "Pellomir") << "the application's error box";
  EXPECT_NE(box->cls, "TMessageForm");
  EXPECT_TRUE(box->icon);
  EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(box->text, "Cannot create file \"" + (dir / "taken.txt") + "\". " + std::strerror(EISDIR) + ".")
      << "the absolute path, the system's reason and a full stop";
  EXPECT_TRUE(MainWindowAlone(dumps[1]));

  // Under a regular file the dialog itself says the folder is not there and stays open.
  const std::vector<DumpLine> complaint = dumps[2].TopLevel();
  ASSERT_EQ(complaint.size(), 3u) << r.out;
  EXPECT_TRUE(complaint[0].active);
  EXPECT_TRUE(complaint[1].disabled) << "the dialog behind its complaint";
  EXPECT_TRUE(complaint[2].disabled);
  EXPECT_TRUE(MainWindowAlone(dumps[3])) << "cancelled";

  EXPECT_EQ(r.Texts("sMemo1"),
            std::vector<std::string>{"https://a.example/1\\r\\nhttps://a.example/2\\r\\nhttps://a.example/3\\r\\n"});
  EXPECT_TRUE(MainWindowAlone(dumps[4]));
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"after.txt", "plain", "sub", "taken.txt"}));
  EXPECT_TRUE(fs::is_empty(dir.Path() / "taken.txt"));
  EXPECT_EQ(ReadBytes(dir / "plain"), "plain");
  EXPECT_EQ(ReadBytes(dir / "after.txt"), "https://a.example/1\r\nhttps://a.example/2\r\nhttps://a.example/3\r\n")
      << "saving works afterwards";
}

}  // namespace
}  // namespace scripttest
