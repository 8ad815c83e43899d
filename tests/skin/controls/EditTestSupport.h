#pragma once
// A headless form with the program's manager and skin for the edit and memo tests: a PANEL
// probe as the skinned parent, helpers to make skinned edits and memos on it, to read
// their pictures and to save screenshots into the build folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/forms/Graphics.h"
#include "platform/win/Headless.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/PaintApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"
#include "skin/data/acSkinData.h"
#include "tests/skin/support/ProbeControlTestSupport.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {

// The pixel of a colour value, opaque.
constexpr std::uint32_t OpaquePx(TColor c) { return SwapRedBlue(c) | 0xFF000000u; }

class EditFixture : public ManagerTest {
 public:
  void SetUp() override {
    ManagerTest::SetUp();
    if (ScreenDpi() != 96) {
      win::HeadlessBackend::Options o;
      o.dpi = ScreenDpi();
      win::headless::Start(o);
    }
    manager = MakeProgramManager();
    form = static_cast<TManagerTestForm*>(manager->Owner());
    form->SetBounds(20, 20, S(560), S(400));
    form->Show();
    panel = new TProbeControl(form, cocPanel);
    panel->DefaultSection = u"PANEL";
    panel->SetBounds(8, 8, S(520), S(340));
    panel->SetParent(form);
    panel->HandleNeeded();
    panel->SkinData->Loaded(true);
    win::RunUntilIdle();
  }
  // The density of the headless screen.
  virtual int ScreenDpi() const { return 96; }
  // A length at 96 dots per inch on the screen.
  int S(int v) const { return v * ScreenDpi() / 96; }
  TsEdit* Edit(int x, int y, int w, int h, forms::TWinControl* parent = nullptr) {
    auto* e = new TsEdit(form);
    e->SetAutoSize(false);
    e->SetBounds(S(x), S(y), S(w), S(h));
    e->SetParent(parent != nullptr ? parent : panel);
    e->HandleNeeded();
    win::RunUntilIdle();
    return e;
  }
  TsMemo* Memo(int x, int y, int w, int h) {
    auto* m = new TsMemo(form);
    m->SetBounds(S(x), S(y), S(w), S(h));
    m->SetParent(panel);
    m->HandleNeeded();
    win::RunUntilIdle();
    return m;
  }
  const TsGeneralData& EditSection() {
    const TacSkinData* d = manager->CommonSkinData(96);
    return d->gd[static_cast<std::size_t>(manager->GetSkinIndex(u"EDIT"))];
  }
  // Paints everything that waits and returns the window's pixels, frame included.
  static gfx::PixelBuffer Shot(forms::TWinControl* c) {
    c->Invalidate();
    win::RedrawWindow(c->Handle(), nullptr, nullptr, win::RDW_INVALIDATE | win::RDW_FRAME | win::RDW_UPDATENOW);
    win::RunUntilIdle();
    return win::headless::CaptureWindow(c->Handle());
  }
  // Repaints the form and every window on it, frames included.
  void RedrawAll() {
    win::RedrawWindow(
        form->Handle(), nullptr, nullptr,
        win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_ALLCHILDREN | win::RDW_UPDATENOW);
    win::RunUntilIdle();
  }
  static bool HasPixel(const gfx::PixelBuffer& p, const gfx::TRect& r, std::uint32_t px) {
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (p.Row32(y)[x] == px) return true;
    return false;
  }
  static std::string BuildPath(const std::string& name) {
    const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
    return std::string(dir != nullptr ? dir : ".") + "/" + name;
  }
  TsSkinManager* manager = nullptr;
  TManagerTestForm* form = nullptr;
  TProbeControl* panel = nullptr;
};

}  // namespace skin::test
