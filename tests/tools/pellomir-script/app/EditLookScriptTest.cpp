// The address box of the running program through the script driver: at start it shows the
// grey example hint, lighter than the skin's EDIT text colour and darker than its face;
// typed text is drawn in the EDIT text colour itself.
#include <gtest/gtest.h>

#include "AppScriptTestSupport.h"
#include "platform/gfx/ImageCodec.h"

namespace scripttest {
namespace {

// The stored skin's EDIT colours (FONTCOLOR 2958363 and COLOR 16579320, 0xBBGGRR) as pixels.
constexpr std::uint32_t kEditText = 0x1B242D, kEditFace = 0xF8FAFC;

int Luma(std::uint32_t p) { return ((p >> 16) & 0xFF) * 3 + ((p >> 8) & 0xFF) * 6 + (p & 0xFF); }

struct InBox {
  int textPixels = 0;     // of exactly the EDIT text colour
  int darkest = 1 << 30;  // the darkest luma of any pixel but the frame's
};

InBox Look(const std::string& png, const gfx::TRect& box) {
  const gfx::DecodeResult d = gfx::LoadImageFile(png);
  EXPECT_TRUE(d.ok) << png << ": " << d.error;
  InBox in;
  if (!d.ok) return in;
  // Three pixels in from the frame, where only the text goes.
  for (int y = box.Top + 3; y < box.Bottom - 3; ++y)
    for (int x = box.Left + 3; x < box.Right - 3; ++x) {
      const std::uint32_t p = d.image.pixels.Row32(y)[x] & 0xFFFFFFu;
      in.textPixels += p == kEditText;
      in.darkest = std::min(in.darkest, Luma(p));
    }
  return in;
}

TEST(EditLookScript, TheHintIsLighterThanTheTextAndTypedTextTakesTheEditColour) {
  TempFolder dir;
  AppRun r = RunPellomir(
      "dump\n"
      "screenshot " +
      (dir / "start.png") +
      "\n"
      "click sEdit1\n"
      "type http://example.org/sitemap.xml\n"
      "wait 600\n"
      "screenshot " +
      (dir / "typed.png") + "\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();  // Named() points into it
  ASSERT_EQ(dumps.size(), 1u);
  const DumpLine* edit = dumps[0].Named("sEdit1");
  ASSERT_NE(edit, nullptr);
  ASSERT_FALSE(edit->focused) << "the hint shows while the box is not focused";

  const InBox start = Look(dir / "start.png", edit->rect);
  EXPECT_EQ(start.textPixels, 0) << "no pixel of the text colour while the hint shows";
  EXPECT_GT(start.darkest, Luma(kEditText) + 100) << "the hint is clearly lighter than the text";
  EXPECT_LT(start.darkest, Luma(kEditFace) - 100) << "the hint is there, darker than the face";

  const InBox typed = Look(dir / "typed.png", edit->rect);
  EXPECT_GT(typed.textPixels, 20) << "the typed address is drawn in the EDIT text colour";
}

}  // namespace
}  // namespace scripttest
