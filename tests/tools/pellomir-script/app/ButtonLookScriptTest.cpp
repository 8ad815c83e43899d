// The push buttons of the running program through the script driver: the fetch button's
// pixels follow the pointer (hot look within the fade, pressed look, normal look again once
// the pointer has left), and Tab moves the focus look from control to control.
#include <gmock/gmock.h>

#include "AppScriptTestSupport.h"
#include "platform/gfx/ImageCodec.h"

namespace scripttest {
namespace {

// The stored skin's BUTTON colours (the palette's button.face and ember.deep), as pixels.
constexpr std::uint32_t kFace = 0x5A7893, kPressed = 0xBC5219;

std::uint32_t PixelAt(const gfx::DecodedImage& img, int x, int y) { return img.pixels.Row32(y)[x] & 0xFFFFFFu; }

gfx::DecodedImage Load(const std::string& path) {
  gfx::DecodeResult r = gfx::LoadImageFile(path);
  EXPECT_TRUE(r.ok) << path << ": " << r.error;
  return std::move(r.image);
}

// Whether the two pictures differ anywhere inside r.
bool DiffersIn(const gfx::DecodedImage& a, const gfx::DecodedImage& b, const gfx::TRect& r) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (PixelAt(a, x, y) != PixelAt(b, x, y)) return true;
  return false;
}

TEST(ButtonLookScript, TheFetchButtonFollowsThePointer) {
  TempFolder dir;
  const std::string shot = "screenshot " + dir.Path().string() + "/";
  AppRun r = RunPellomir(
      // The focus goes to the address box, so that only the pointer makes the button hot.
      "click sEdit1\n"
      "wait 300\n" +
      shot + "normal.png\n" +
      "move sBitBtn1\n"
      "wait 100\n" +
      shot + "hot.png\n" +
      "move sEdit1\n"
      "wait 400\n" +
      shot + "left.png\n" +
      "move sBitBtn1\n"
      "wait 100\n"
      "press sBitBtn1\n"
      "wait 50\n" +
      shot + "pressed.png\n" + "dump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 1u);
  const DumpLine* b = dumps[0].Named("sBitBtn1");
  ASSERT_NE(b, nullptr);
  const gfx::TRect rect = b->rect;
  ASSERT_EQ(rect.Right - rect.Left, 113);
  const gfx::DecodedImage normal = Load(dir / "normal.png"), hot = Load(dir / "hot.png");
  const gfx::DecodedImage left = Load(dir / "left.png"), pressed = Load(dir / "pressed.png");
  // The face left of the caption, halfway down.
  const int fx = rect.Left + 6, fy = (rect.Top + rect.Bottom) / 2;
  EXPECT_EQ(PixelAt(normal, fx, fy), kFace);
  EXPECT_EQ(PixelAt(hot, fx, fy), kFace);  // the hot look keeps the face and changes the frame
  EXPECT_TRUE(DiffersIn(normal, hot, rect));
  EXPECT_EQ(PixelAt(pressed, fx, fy), kPressed);
  EXPECT_FALSE(DiffersIn(normal, left, rect)) << "the normal look is back once the pointer has left";
}

TEST(ButtonLookScript, TabMovesTheFocusLookToTheSaveButton) {
  TempFolder dir;
  const std::string shot = "screenshot " + dir.Path().string() + "/";
  AppRun r =
      RunPellomir("click sEdit1\nwait 300\n" + shot + "before.png\nkey Tab\nwait 300\n" + shot + "after.png\ndump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  ASSERT_EQ(dumps.size(), 1u);
  const DumpLine* save = dumps[0].Named("sButton1");
  ASSERT_NE(save, nullptr);
  EXPECT_TRUE(save->focused);
  const gfx::DecodedImage before = Load(dir / "before.png"), after = Load(dir / "after.png");
  EXPECT_TRUE(DiffersIn(before, after, save->rect)) << "the save button shows its focus look";
}

}  // namespace
}  // namespace scripttest
