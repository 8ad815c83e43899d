// The list of the running program through the script driver: after a fetch of 1,000
// addresses its vertical bar is the skin's (not the platform's classic bar), and dragging
// the bar's thumb to the bottom shows the last address.
#include <gmock/gmock.h>

#include "AppScriptTestSupport.h"
#include "platform/gfx/ImageCodec.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace scripttest {
namespace {

using testsupport::HttpResponse;

std::uint32_t PixelAt(const gfx::DecodedImage& img, int x, int y) { return img.pixels.Row32(y)[x] & 0xFFFFFFu; }

gfx::DecodedImage Load(const std::string& path) {
  gfx::DecodeResult r = gfx::LoadImageFile(path);
  EXPECT_TRUE(r.ok) << path << ": " << r.error;
  return std::move(r.image);
}

// Dark (text) pixels inside r.
int InkIn(const gfx::DecodedImage& img, const gfx::TRect& r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const std::uint32_t p = PixelAt(img, x, y);
      const int sum = static_cast<int>((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF));
      n += sum < 3 * 110;
    }
  return n;
}

// 1,000 short addresses, the last one long enough to reach far right in the list.
std::string Sitemap() {
  std::string body = "<?xml version=\"1.0\"?>\n<urlset>\n";
  for (int i = 1; i < 1000; ++i) body += "<url><loc>http://example.org/" + std::to_string(i) + "</loc></url>\n";
  body += "<url><loc>http://example.org/the-last-one/" + std::string(40, 'w') + "</loc></url>\n</urlset>\n";
  return body;
}

// The stored skin's scroll-bar track colour (SCROLLBAR1V: the palette's track); the
// platform's classic bar has a face and a dithered track of system colours instead.
constexpr std::uint32_t kTrack = 0xE6ECF1;
// The memo's frame and its bar's thickness and arrow length at 96 dots per inch.
constexpr int kFrame = 2, kBar = 17;

TEST(MemoLookScript, TheListsBarIsTheSkinsAndItsThumbDraggedToTheBottomShowsTheLastLine) {
  testsupport::LoopbackServer server;
  server.Serve("/sitemap.xml", HttpResponse::Ok(Sitemap()));
  TempFolder dir;
  const std::string shot = "screenshot " + dir.Path().string() + "/";
  // The memo is at 10,114 - 660,486 on the screen (checked against the dump below).
  const int barX = 660 - kFrame - kBar / 2, thumbTop = 114 + kFrame + kBar;
  AppRun r = RunPellomir(FetchLines(server.Url("/sitemap.xml")) + "click sMemo1\nkey Ctrl+Home\nwait 100\n" + shot +
                         "top.png\n" + "press " + std::to_string(barX) + " " + std::to_string(thumbTop + 4) + "\n" +
                         "move " + std::to_string(barX) + " 300\n" + "move " + std::to_string(barX) + " 480\n" +
                         "release " + std::to_string(barX) + " 480\nwait 100\n" + shot + "bottom.png\ndump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 1u);
  const DumpLine* memo = dumps[0].Named("sMemo1");
  ASSERT_NE(memo, nullptr);
  ASSERT_EQ(memo->rect, gfx::TRect(10, 114, 660, 486));
  const gfx::DecodedImage top = Load(dir / "top.png"), bottom = Load(dir / "bottom.png");
  const int midY = (memo->rect.Top + memo->rect.Bottom) / 2;
  EXPECT_EQ(PixelAt(top, barX - 6, midY), kTrack) << "the track left of the thumb's path";
  EXPECT_EQ(PixelAt(bottom, barX - 6, midY), kTrack);
  // Only the last address reaches this far right in the list.
  const gfx::TRect farRight{memo->rect.Left + 300, memo->rect.Top + kFrame, memo->rect.Left + 460,
                            memo->rect.Bottom - kFrame};
  EXPECT_EQ(InkIn(top, farRight), 0) << "the list starts at its top";
  EXPECT_GT(InkIn(bottom, farRight), 20) << "the last address is not shown";
  // And it is near the bottom of the list.
  const gfx::TRect lowRight{farRight.Left, farRight.Bottom - 40, farRight.Right, farRight.Bottom};
  EXPECT_EQ(InkIn(bottom, lowRight), InkIn(bottom, farRight));
}

}  // namespace
}  // namespace scripttest
