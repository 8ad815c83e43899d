// Pictures of the program to look at (written next to the test program's build folder as
// app-*.png): the main window after a fetch, the info window over it, the warning box of
// an empty address and the save dialog. The checks are what a user would notice at once.
#include "AppTestSupport.h"

#include "platform/forms/Buttons.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "skin/controls/acImage.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace apptest {
namespace {

namespace hl = win::headless;

class Screenshots : public AppTest {};

std::string SampleSitemap(int n) {
  std::string s =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
  for (int i = 1; i <= n; ++i)
    s += "  <url><loc>https://www.example.com/catalog/item-" + std::to_string(i) +
         ".html</loc><changefreq>weekly</changefreq></url>\n";
  return s + "</urlset>\n";
}

TEST_F(Screenshots, MainWindowInfoWindowWarningAndSaveDialog) {
  testsupport::LoopbackServer server;
  server.Serve("/sitemap.xml", testsupport::HttpResponse::Ok(SampleSitemap(40)));
  Fetch(server.Url("/sitemap.xml"));
  EXPECT_EQ(f1->sMemo1->Lines()->Count(), 40);
  EXPECT_TRUE(hl::SaveScreenshot(OutputPath("app-main.png")));

  WhenWaiting([] {
    EXPECT_TRUE(hl::SaveScreenshot(OutputPath("app-info.png")));
    QueueKey(win::VK_RETURN);
  });
  hl::Click(At(f1->sImage1, 16, 16));

  f1->sEdit1->SetText(u"");
  WhenWaiting([] {
    EXPECT_TRUE(hl::SaveScreenshot(OutputPath("app-warning.png")));
    QueueKey(win::VK_RETURN);
  });
  hl::Click(At(f1->sBitBtn1, 10, 10));

  WhenWaiting([] {
    EXPECT_TRUE(hl::SaveScreenshot(OutputPath("app-save.png")));
    QueueKey(win::VK_ESCAPE);
  });
  hl::Click(At(f1->sButton1, 10, 10));
}

}  // namespace
}  // namespace apptest
