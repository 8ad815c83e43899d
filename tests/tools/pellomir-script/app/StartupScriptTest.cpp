// The main window as the program opens it, seen through the script driver: where it stands,
// its controls and their captions, the fetch button holding the focus so that Enter at once
// fetches the empty address, and Enter in the address box doing nothing.
#include <gmock/gmock.h>

#include "AppScriptTestSupport.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace scripttest {
namespace {

using testsupport::HttpResponse;

// A rectangle relative to an origin.
gfx::TRect Relative(const gfx::TRect& r, gfx::TPoint origin) {
  return {r.Left - origin.X, r.Top - origin.Y, r.Right - origin.X, r.Bottom - origin.Y};
}

TEST(StartScript, TheMainWindowOpensAtTheTopLeftWithItsControlsAndTheFetchButtonFocused) {
  AppRun r = RunPellomir("dump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.Dumps().size(), 1u);
  const Dump d = r.Dumps()[0];
  ASSERT_EQ(d.TopLevel().size(), 1u) << "the info window is made hidden";
  const DumpLine form = d.TopLevel()[0];
  EXPECT_EQ(form.cls, "TForm1");
  EXPECT_EQ(form.name, "Form1");
  EXPECT_EQ(form.text, "Pellomir by Orvanta V1.0");
  EXPECT_EQ(form.rect, gfx::Bounds(0, 0, 670, 585)) << "top-left corner, fixed outer size";
  EXPECT_TRUE(form.active);

  // The first group box stands at the client area's top-left corner, full width.
  const DumpLine* box1 = d.Named("sGroupBox1");
  ASSERT_NE(box1, nullptr);
  const gfx::TPoint client{box1->rect.Left, box1->rect.Top};
  struct Expected {
    const char* name;
    const char* cls;
    const char* text;
    gfx::TRect rect;  // in the client area
  };
  const std::vector<Expected> expected{
      {"sGroupBox1", "TsGroupBox", "Получить список URL введите адрес нужного вам сайта", gfx::Bounds(0, 0, 654, 65)},
      {"sBitBtn1", "TsBitBtn", "Получить список", gfx::Bounds(520, 22, 113, 28)},
      {"sEdit1", "TsEdit", "", gfx::Bounds(24, 24, 489, 24)},
      {"sGroupBox2", "TsGroupBox", kStoredCaption, gfx::Bounds(0, 65, 654, 392)},
      {"sMemo1", "TsMemo", "", gfx::Bounds(2, 65 + 18, 650, 372)},
      {"sGroupBox3", "TsGroupBox", "Сохранить результаты в файл", gfx::Bounds(0, 457, 654, 80)},
      {"sButton1", "TsButton", "Сохранить", gfx::Bounds(272, 457 + 32, 81, 25)},
      {"sImage1", "TsImage", "", gfx::Bounds(544, 457 + 24, 33, 33)},
  };
  for (const Expected& e : expected) {
    const DumpLine* l = d.Named(e.name);
    ASSERT_NE(l, nullptr) << e.name;
    EXPECT_EQ(l->cls, e.cls) << e.name;
    EXPECT_EQ(l->text, e.text) << e.name;
    EXPECT_EQ(Relative(l->rect, client), e.rect) << e.name;
    EXPECT_EQ(l->focused, std::string(e.name) == "sBitBtn1") << e.name;
    EXPECT_FALSE(l->disabled) << e.name;
  }
}

TEST(StartScript, EnterAtOnceFetchesTheEmptyAddressAndShowsAnEmptyWarning) {
  AppRun r = RunPellomir(
      "key Enter\n"
      "dump\n"
      "key Enter\n"
      "dump\n"
      "text sMemo1\n"
      "text sGroupBox2\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 2u);
  const std::optional<Box> box = FrontBox(dumps[0]);
  ASSERT_TRUE(box) << "a modal box over the main window: " << r.out;
  EXPECT_EQ(box->cls, "TMessageForm");
  EXPECT_EQ(box->title, "Warning");
  EXPECT_EQ(box->text, "");
  EXPECT_TRUE(box->icon) << "the warning icon";
  EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(dumps[0].Named("OK")->focused);
  // Enter answered the box; nothing else changed.
  ASSERT_EQ(dumps[1].TopLevel().size(), 1u);
  EXPECT_TRUE(dumps[1].TopLevel()[0].active);
  EXPECT_TRUE(dumps[1].Named("sBitBtn1")->focused);
  EXPECT_EQ(r.Texts("sMemo1"), std::vector<std::string>{""});
  EXPECT_EQ(r.Texts("sGroupBox2"), std::vector<std::string>{kStoredCaption});
}

TEST(StartScript, EnterInTheAddressBoxDoesNothing) {
  testsupport::LoopbackServer server;
  server.Serve("/sitemap.xml", HttpResponse::Ok("<urlset><url><loc>http://example.org/</loc></url></urlset>"));
  const std::string address = server.Url("/sitemap.xml");
  AppRun r = RunPellomir(
      "click sEdit1\n"
      "type " +
      address +
      "\n"
      "key Enter\n"
      "dump\n"
      "text sEdit1\n"
      "text sMemo1\n");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.Dumps().size(), 1u);
  const Dump d = r.Dumps()[0];
  EXPECT_EQ(d.TopLevel().size(), 1u) << "no box: " << r.out;
  EXPECT_TRUE(d.Named("sEdit1")->focused);
  EXPECT_EQ(r.Texts("sEdit1"), std::vector<std::string>{address}) << "a one-line box takes no line break";
  EXPECT_EQ(r.Texts("sMemo1"), std::vector<std::string>{""});
  EXPECT_TRUE(server.Requests().empty()) << "no button of the window is a default button";
}

}  // namespace
}  // namespace scripttest
