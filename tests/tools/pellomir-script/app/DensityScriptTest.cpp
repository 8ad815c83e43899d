// The program at 96, 120, 144 and 192 dots per inch through the script driver: the main
// window, the warning box and the info window grow with the density, the box's text,
// icon and button are sized for it, and the skinned title's icon grows with its band.
#include <gtest/gtest.h>

#include "AppScriptTestSupport.h"

namespace scripttest {
namespace {

struct AtDensity {
  gfx::TRect main, box, boxButton, info;
};

AtDensity Measure(int dpi) {
  AppRun r = RunPellomirAtDpi(
      "dump\n"
      "click sBitBtn1\n"  // the empty address: the warning box
      "dump\n"
      "key Enter\n"
      "click sImage1\n"
      "dump\n"
      "key Enter\n",
      dpi);
  EXPECT_EQ(r.status, 0) << r.err;
  const std::vector<Dump> dumps = r.Dumps();
  AtDensity d;
  if (dumps.size() != 3) {
    ADD_FAILURE() << "expected three dumps at " << dpi << " dpi:\n" << r.out;
    return d;
  }
  d.main = dumps[0].TopLevel().at(0).rect;
  const std::vector<DumpLine> boxes = dumps[1].TopLevel();
  d.box = boxes.at(0).rect;
  for (const DumpLine& c : dumps[1].ChildrenOf(0))
    if (c.cls.find("Button") != std::string::npos) d.boxButton = c.rect;
  d.info = dumps[2].TopLevel().at(0).rect;
  return d;
}

TEST(DensityScript, EveryWindowGrowsWithTheDensity) {
  const AtDensity base = Measure(96);
  ASSERT_GT(base.boxButton.Height(), 0) << "no button in the warning box";
  for (int dpi : {120, 144, 192}) {
    SCOPED_TRACE(dpi);
    const AtDensity d = Measure(dpi);
    // The windows of stored descriptions: near the 96-dpi size scaled (frames round on
    // their own).
    auto near = [&](const char* what, int got, int at96) {
      EXPECT_NEAR(got, at96 * dpi / 96, 4 + at96 * dpi / 96 / 20) << what << " (" << at96 << " at 96 dpi)";
    };
    near("main width", d.main.Width(), base.main.Width());
    near("main height", d.main.Height(), base.main.Height());
    near("info width", d.info.Width(), base.info.Width());
    near("info height", d.info.Height(), base.info.Height());
    // The box is laid out in dialog units of its font, whole pixels of the average letter
    // width, so it grows at least in step with the density and at most a unit more.
    auto grows = [&](const char* what, int got, int at96) {
      EXPECT_GE(got, at96 * dpi / 96 - 2) << what << " (" << at96 << " at 96 dpi)";
      EXPECT_LE(got, at96 * dpi / 96 * 5 / 4 + 2) << what << " (" << at96 << " at 96 dpi)";
    };
    grows("box button width", d.boxButton.Width(), base.boxButton.Width());
    grows("box button height", d.boxButton.Height(), base.boxButton.Height());
    grows("box height", d.box.Height(), base.box.Height());
  }
}

}  // namespace
}  // namespace scripttest
