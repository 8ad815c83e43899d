// The info window through the script driver: it opens modally over the main window from the
// information picture, Enter or Space on its close button closes it, Escape does not, the
// main window takes no input meanwhile, and the coffee cup does nothing while the link
// pictures ask the shell to open their pages.
#include <gmock/gmock.h>

#include "AppScriptTestSupport.h"
#include "app/WebAddresses.h"
#include "platform/base/Unicode.h"

namespace scripttest {
namespace {

gfx::TPoint Centre(const gfx::TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

// Checks a dump taken while the info window is up.
void ExpectInfoWindowOverMain(const Dump& d) {
  const std::vector<DumpLine> top = d.TopLevel();
  ASSERT_EQ(top.size(), 2u);
  EXPECT_EQ(top[0].cls, "TForm2");
  EXPECT_EQ(top[0].name, "Form2");
  EXPECT_EQ(top[0].text, "Инфо");
  EXPECT_TRUE(top[0].active);
  EXPECT_EQ(top[1].name, "Form1");
  EXPECT_TRUE(top[1].disabled) << "modal: the main window takes no input";
  const gfx::TPoint over = Centre(top[0].rect), under = Centre(top[1].rect);
  EXPECT_NEAR(over.X, under.X, 1) << "centred over the main window";
  EXPECT_NEAR(over.Y, under.Y, 1);
  const DumpLine* panel = d.Named("sPanel1");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->rect.Right - panel->rect.Left, 461) << "the panel fills the client area";
  EXPECT_EQ(panel->rect.Bottom - panel->rect.Top, 499);
  const DumpLine* close = d.Named("sBitBtn1", 0);
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->text, "&Close");
  EXPECT_TRUE(close->focused);
}

TEST(InfoScript, OpensModallyOverTheMainWindowAndEnterOrSpaceOnCloseClosesIt) {
  AppRun r = RunPellomir(
      "click sImage1\n"
      "dump\n"
      "key Enter\n"
      "dump\n"
      "click sImage1\n"
      "dump\n"
      "key Space\n"
      "dump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 4u);
  ExpectInfoWindowOverMain(dumps[0]);
  ExpectInfoWindowOverMain(dumps[2]);
  EXPECT_EQ(dumps[0].TopLevel()[0].rect, dumps[2].TopLevel()[0].rect) << "the same window, in the same place";
  for (int i : {1, 3}) {
    ASSERT_EQ(dumps[i].TopLevel().size(), 1u) << r.out;
    EXPECT_EQ(dumps[i].TopLevel()[0].name, "Form1");
    EXPECT_TRUE(dumps[i].TopLevel()[0].active);
    EXPECT_FALSE(dumps[i].TopLevel()[0].disabled);
  }
}

TEST(InfoScript, EscapeTheCupAndTheMainWindowDoNothingWhileItIsUp) {
  std::vector<std::vector<std::string>> launched;
  AppRun r = RunPellomir(
      "click sImage1\n"
      "key Escape\n"
      "dump\n"
      "click Form2.sImage4\n"
      "dump\n"
      // The main window's fetch button would warn about the empty address if it took the click.
      "click Form1.sBitBtn1\n"
      "dump\n"
      "click Form2.sImage2\n"
      "key Enter\n"
      "dump\n",
      &launched);
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 4u);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    ExpectInfoWindowOverMain(dumps[i]);
  }
  EXPECT_EQ(launched, (std::vector<std::vector<std::string>>{{"xdg-open", base::Utf16ToUtf8(app::kDonationPageOne)}}))
      << "only the payment picture opened a page; the cup opened nothing";
  ASSERT_EQ(dumps[3].TopLevel().size(), 1u) << "a link click leaves the focus on the close button";
  EXPECT_TRUE(dumps[3].TopLevel()[0].active);
}

}  // namespace
}  // namespace scripttest
