// Live skins on the running program through the script driver: a skin folder handed over
// with `preview` repaints the main window in its colours, and switching the manager off
// returns the windows to the classic look, on again to the very same skinned pixels.
#include <gmock/gmock.h>

#include "AppScriptTestSupport.h"
#include "platform/gfx/ImageCodec.h"
#include "tests/skin/support/SkinFolderTestSupport.h"
#include "platform/gfx/Color.h"

namespace scripttest {
namespace {

using skin::test::PixelOfColor;
using skin::test::ReadOptions;
using skin::test::SetOption;
using skin::test::WriteOptions;
using skin::test::WriteStoredSkinFolder;

// The stored skin's BUTTON face and FORM colour, as pixels.
constexpr std::uint32_t kStoredFace = 0x5A7893, kStoredForm = PixelOfColor(8217672);
// The colours the preview sets (0x00BBGGRR).
constexpr std::uint32_t kNewFormColor = 0x305F20, kNewButtonColor = 0x4080FF;

std::uint32_t PixelAt(const gfx::DecodedImage& img, int x, int y) { return img.pixels.Row32(y)[x] & 0xFFFFFFu; }

gfx::DecodedImage Load(const std::string& path) {
  gfx::DecodeResult r = gfx::LoadImageFile(path);
  EXPECT_TRUE(r.ok) << path << ": " << r.error;
  return std::move(r.image);
}

int CountPixels(const gfx::DecodedImage& img, const gfx::TRect& r, std::uint32_t pixel) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += PixelAt(img, x, y) == pixel;
  return n;
}

// The first point inside r where the pictures differ, as text; empty when none.
std::string FirstDifference(const gfx::DecodedImage& a, const gfx::DecodedImage& b, const gfx::TRect& r) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (PixelAt(a, x, y) != PixelAt(b, x, y))
        return std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(PixelAt(a, x, y)) + " then " +
               std::to_string(PixelAt(b, x, y));
  return {};
}

gfx::TPoint FaceOf(const DumpLine& button) {
  return {button.rect.Left + 6, (button.rect.Top + button.rect.Bottom) / 2};
}

TEST(SkinLiveScript, APreviewRepaintsTheMainWindowInTheFoldersColours) {
  TempFolder dir;
  const std::filesystem::path skin = dir.Path() / "Ember Preview";
  WriteStoredSkinFolder(skin);
  std::string options = ReadOptions(skin);
  for (const char* key : {"COLOR", "HOTCOLOR"}) {
    options = SetOption(options, "FORM", key, std::to_string(kNewFormColor));
    options = SetOption(options, "BUTTON", key, std::to_string(kNewButtonColor));
  }
  WriteOptions(skin, options);
  const std::string shot = "screenshot " + dir.Path().string() + "/";
  AppRun r = RunPellomir("click sEdit1\nwait 300\n" + shot + "before.png\npreview " + skin.string() + "\nskin\n" +
                         shot + "after.png\ndump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, testing::HasSubstr("skin=\"Ember Preview\""));
  EXPECT_THAT(r.out, testing::HasSubstr("directory=\"" + dir.Path().string() + "\""));
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 1u);
  ASSERT_EQ(dumps[0].TopLevel().size(), 1u) << "no box: the preview is a sound skin";
  const DumpLine *fetch = dumps[0].Named("sBitBtn1"), *save = dumps[0].Named("sButton1");
  const DumpLine* lower = dumps[0].Named("sGroupBox3");
  ASSERT_TRUE(fetch && save && lower);
  const gfx::DecodedImage before = Load(dir / "before.png"), after = Load(dir / "after.png");
  for (const DumpLine* b : {fetch, save}) {
    const gfx::TPoint face = FaceOf(*b);
    EXPECT_EQ(PixelAt(before, face.X, face.Y), kStoredFace) << b->name;
    EXPECT_EQ(PixelAt(after, face.X, face.Y), PixelOfColor(kNewButtonColor)) << b->name;
  }
  // The form's own client shows below the last group box.
  const int fx = lower->rect.Left + 10, fy = lower->rect.Bottom + 2;
  EXPECT_EQ(PixelAt(before, fx, fy), kStoredForm);
  EXPECT_EQ(PixelAt(after, fx, fy), PixelOfColor(kNewFormColor));
}

TEST(SkinLiveScript, ActiveOffGivesTheClassicLookAndOnAgainTheSamePixels) {
  TempFolder dir;
  const std::string shot = "screenshot " + dir.Path().string() + "/";
  // Once with the main window alone, once with the info window up over it.
  AppRun r = RunPellomir("click sEdit1\ntype typed text\nwait 300\n" + shot + "on1.png\nskin off\nskin\n" + shot +
                         "off1.png\ndump\nskin on\nskin\n" + shot + "again1.png\nclick sImage1\nwait 300\n" + shot +
                         "on2.png\nskin off\n" + shot + "off2.png\ndump\nskin on\n" + shot + "again2.png\n" +
                         "key Enter\ntext sEdit1\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, testing::HasSubstr("active=0 info=N/A"));
  EXPECT_THAT(r.out, testing::HasSubstr("active=1 info=14.01 skin=\"Emberfield (internal)\""));
  EXPECT_THAT(r.Texts("sEdit1"), testing::ElementsAre("typed text"));
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 2u);
  const DumpLine* fetch = dumps[0].Named("sBitBtn1");
  ASSERT_NE(fetch, nullptr);
  const gfx::TRect screen{0, 0, 1280, 1024};
  const std::uint32_t classicFace = PixelOfColor(gfx::GetSysColor(gfx::COLOR_BTNFACE) & 0xFFFFFF);
  for (const char* round : {"1", "2"}) {
    SCOPED_TRACE(round);
    const gfx::DecodedImage on = Load(dir / (std::string("on") + round + ".png"));
    const gfx::DecodedImage off = Load(dir / (std::string("off") + round + ".png"));
    const gfx::DecodedImage again = Load(dir / (std::string("again") + round + ".png"));
    EXPECT_EQ(FirstDifference(on, again, screen), "") << "the skin comes back pixel for pixel";
    // Off: the buttons take the classic face, and no pixel of the skin's button face is left.
    const gfx::TPoint face = FaceOf(*fetch);
    EXPECT_EQ(PixelAt(off, face.X, face.Y), classicFace);
    const Dump& d = dumps[round[0] - '1'];
    for (const DumpLine& top : d.TopLevel()) {
      EXPECT_GT(CountPixels(on, top.rect, kStoredFace), 0) << top.name;
      EXPECT_EQ(CountPixels(off, top.rect, kStoredFace), 0) << top.name;
      EXPECT_EQ(CountPixels(off, top.rect, kStoredForm), 0) << top.name;
    }
  }
}

TEST(SkinLiveScript, ASkinWithAWarningShowsItsBoxWhichTakesTheNextKeys) {
  TempFolder dir;
  const std::filesystem::path skin = dir.Path() / "Too New";
  WriteStoredSkinFolder(skin);
  WriteOptions(skin, SetOption(ReadOptions(skin), "GLOBALINFO", "VERSION", "15.50"));
  AppRun r = RunPellomir("preview " + skin.string() + "\ndump\nkey Enter\ndump\nskin\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 2u);
  const std::optional<Box> box = FrontBox(dumps[0]);
  ASSERT_TRUE(box.has_value()) << "the version warning is up in front";
  EXPECT_EQ(box->title, "Warning");
  EXPECT_THAT(box->text, testing::HasSubstr("This version of the skin has not complete support"));
  EXPECT_EQ(dumps[1].TopLevel().size(), 1u) << "Enter closed it";
  EXPECT_THAT(r.out, testing::HasSubstr("active=1 info=15.5 skin=\"Too New\"")) << "the skin is used anyway";
}

TEST(SkinLiveScript, AFolderThatCannotBeSentStopsTheScript) {
  TempFolder dir;
  AppRun r = RunPellomir("preview " + (dir / "missing") + "\nskin\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "ERROR line 1: cannot send the preview: " + (dir / "missing") + " is not a folder\n");
}

}  // namespace
}  // namespace scripttest
