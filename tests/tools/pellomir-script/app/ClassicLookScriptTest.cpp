// Every screen of the program is the skin's: through the script driver, at 96 and 144 dots
// per inch, the main window (empty, after a 1,000-entry fetch, scrolled), the info window,
// the warning box, the error box of an unreachable address, the box of a file that cannot
// be made, and the save dialog show no pixel of the classic look's face colour or of its
// caption colours anywhere inside the window in front.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "AppScriptTestSupport.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/ImageCodec.h"
#include "tests/support/LoopbackServerTestSupport.h"

namespace scripttest {
namespace {

using testsupport::HttpResponse;

// The classic colours no skinned window may show, as screen pixels (0xRRGGBB).
std::map<std::uint32_t, const char*> ClassicColours() {
  const std::pair<int, const char*> indexes[] = {
      {gfx::COLOR_BTNFACE, "button face"},
      {gfx::COLOR_ACTIVECAPTION, "active caption"},
      {gfx::COLOR_GRADIENTACTIVECAPTION, "active caption gradient"},
      {gfx::COLOR_INACTIVECAPTION, "inactive caption"},
      {gfx::COLOR_GRADIENTINACTIVECAPTION, "inactive caption gradient"},
  };
  std::map<std::uint32_t, const char*> out;
  for (const auto& [index, name] : indexes) {
    const gfx::TColor c = gfx::GetSysColor(index);  // 0x00BBGGRR
    out[((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF)] = name;
  }
  return out;
}

// The classic pixels inside r of the picture: a count and the first few, described. A
// pixel counts when it lies in a row of at least six of one classic colour (24 for the
// plain greys of the inactive caption): the classic look is made of faces, bands and
// lines, while a few grey pixels of the same value are as likely a letter's smoothed
// edge or a line of a glyph picture.
std::string ClassicPixelsIn(const std::string& png, const gfx::TRect& r) {
  const gfx::DecodeResult d = gfx::LoadImageFile(png);
  if (!d.ok) return png + ": " + d.error;
  static const std::map<std::uint32_t, const char*> classic = ClassicColours();
  std::ostringstream found;
  int count = 0;
  const int right = std::min(r.Right, d.image.pixels.Width());
  for (int y = std::max(0, r.Top); y < std::min(r.Bottom, d.image.pixels.Height()); ++y) {
    const std::uint32_t* row = d.image.pixels.Row32(y);
    for (int x = std::max(0, r.Left); x < right;) {
      const std::uint32_t c = row[x] & 0xFFFFFFu;
      int end = x + 1;
      while (end < right && (row[end] & 0xFFFFFFu) == c) ++end;
      auto it = classic.find(c);
      const bool grey = (c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == (c >> 16);
      if (it != classic.end() && end - x >= (grey ? 24 : 6)) {
        if (count == 0) found << " " << end - x << " at (" << x << ", " << y << ") " << it->second << ";";
        count += end - x;
      }
      x = end;
    }
  }
  if (count == 0) return "";
  return std::to_string(count) + " classic pixels:" + found.str();
}

class ClassicLookScript : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
    for (int i = 1; i <= 1000; ++i) xml << "<url><loc>http://example.org/page/" << i << "</loc></url>\n";
    xml << "</urlset>\n";
    server.Serve("/thousand.xml", HttpResponse::Ok(xml.str()));
    std::filesystem::create_directories(dir.Path() / "taken.txt");
  }

  testsupport::LoopbackServer server;
  TempFolder dir;
};

TEST_P(ClassicLookScript, NoScreenShowsTheClassicLook) {
  const int dpi = GetParam();
  struct Screen {
    const char* name;
    std::string lines;  // what leads to the screen from the one before
  };
  const std::vector<Screen> screens = {
      {"main window, empty", ""},
      {"main window after a 1,000-entry fetch", FetchLines(server.Url("/thousand.xml"))},
      {"main window scrolled", "click sMemo1\nkey Ctrl+End\n"},
      {"info window", "click sImage1\n"},
      {"warning box", "key Enter\nclick sEdit1\nkey Ctrl+A\nkey Delete\nclick sBitBtn1\n"},
      {"error box of an unreachable address", "key Enter\n" + FetchLines("http://127.0.0.1:1/sitemap.xml")},
      {"save dialog", "key Enter\nclick sButton1\n"},
      {"box of a file that cannot be made", "type " + (dir / "taken") + "\nkey Enter\n"},
  };
  std::string script;
  for (std::size_t i = 0; i < screens.size(); ++i)
    script += screens[i].lines + "wait 300\nscreenshot " + (dir / ("screen" + std::to_string(i) + ".png")) + "\ndump\n";
  script += "key Enter\n";
  AppRun r = RunPellomirAtDpi(script, dpi);
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), screens.size()) << r.out;
  for (std::size_t i = 0; i < screens.size(); ++i) {
    const std::vector<DumpLine> top = dumps[i].TopLevel();
    ASSERT_FALSE(top.empty()) << screens[i].name;
    EXPECT_EQ(ClassicPixelsIn(dir / ("screen" + std::to_string(i) + ".png"), top[0].rect), "")
        << screens[i].name << " (" << top[0].cls << " " << top[0].rect.Left << "," << top[0].rect.Top << ") at " << dpi
        << " dpi";
  }
}

INSTANTIATE_TEST_SUITE_P(Densities, ClassicLookScript, ::testing::Values(96, 144));

}  // namespace
}  // namespace scripttest
