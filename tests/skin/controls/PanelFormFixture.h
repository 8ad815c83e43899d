#pragma once
// A headless form carrying the program's manager and skin, with helpers that put skinned
// panels, images and labels on it and make pictures for the images.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "platform/forms/Bitmaps.h"
#include "platform/forms/Picture.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"
#include "skin/controls/ControlClasses.h"
#include "skin/controls/acImage.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sPanel.h"
#include "tests/skin/support/ProbeControlTestSupport.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {

class PanelForm : public ManagerTest {
 protected:
  void SetUp() override {
    if (ScreenDpi() == 96) {
      ManagerTest::SetUp();
    } else {
      // The manager fixture's start at another screen density.
      win::HeadlessBackend::Options options;
      options.dpi = ScreenDpi();
      win::headless::Start(options);
      forms::TApplicationRef::Reset();
      SkinEngineStartup({});
      forms::RegisterClass(TManagerTestForm::StaticClass());
      DefaultSkinMessages().Clear();
    }
    RegisterPanelImageLabelClasses();
    manager = MakeProgramManager();
    form = static_cast<TManagerTestForm*>(manager->Owner());
    form->SetBounds(20, 20, 520, 560);
    form->Show();
    win::RunUntilIdle();
  }
  // The screen's density the test runs at.
  virtual int ScreenDpi() const { return 96; }
  TsPanel* Panel(forms::TWinControl* parent, const TRect& place) {
    auto* p = forms::New<TsPanel>(form);
    p->SetBounds(place.Left, place.Top, place.Width(), place.Height());
    p->SetParent(parent ? parent : form);
    p->HandleNeeded();
    win::RunUntilIdle();
    return p;
  }
  TsImage* Image(forms::TWinControl* parent, const TRect& place, const forms::TBitmap& picture) {
    auto* i = forms::New<TsImage>(form);
    i->SetBounds(place.Left, place.Top, place.Width(), place.Height());
    i->Picture()->SetGraphic(&picture);
    i->SetParent(parent);
    return i;
  }
  template <class L = TsLabel>
  L* Label(forms::TWinControl* parent, const TRect& place, const std::u16string& caption) {
    auto* l = forms::New<L>(form);
    l->SetAutoSize(false);
    l->SetBounds(place.Left, place.Top, place.Width(), place.Height());
    l->SetCaption(caption);
    l->SetParent(parent);
    return l;
  }
  // A probe container of the "PANEL" section on the form (place: left, top, width, height).
  TProbeControl* Holder(int left, int top, int width, int height) {
    auto* holder = new TProbeControl(form, cocPanel);
    holder->DefaultSection = u"PANEL";
    holder->SetBounds(left, top, width, height);
    holder->SetParent(form);
    holder->HandleNeeded();
    holder->SkinData->Loaded(true);
    return holder;
  }
  // Paints the panel as the window system would, into a picture of its size.
  static Bitmap32 PaintedPanel(TsPanel* p) {
    Bitmap32 out(p->Width(), p->Height());
    forms::TMessage m{win::WM_PAINT, reinterpret_cast<win::WPARAM>(&out.Canvas()), 0, 0};
    p->WindowProc(m);
    return out;
  }
  static std::string ShotPath(const std::string& name) {
    const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
    return std::string(dir ? dir : ".") + "/" + name;
  }
  int Index(const std::u16string& name) const { return manager->GetSkinIndex(name); }
  TsSkinManager* manager = nullptr;
  TManagerTestForm* form = nullptr;
};

// A 32-bit picture with straight alpha whose pixel (B, G, R, A in memory) at x, y is
// pixel(x, y).
inline std::unique_ptr<forms::TBitmap> Picture32(int w, int h, const std::function<std::uint32_t(int, int)>& pixel) {
  auto b = std::make_unique<forms::TBitmap>(w, h);
  b->SetPixelFormat(forms::TPixelFormat::pf32bit);
  b->SetAlphaFormat(forms::TAlphaFormat::afDefined);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->ScanLine(y)[x] = pixel(x, y);
  return b;
}

}  // namespace skin::test
