#pragma once
// A headless program of two windows skinned by the stored skin: the main window (the
// manager's form, sizeable with only a system menu, 670 x 585, as the program's) and, on
// demand, an info window (single border, 467 x 528) or other forms; helpers to read the
// screen, to press at window points and to watch a popup menu open.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/forms/Forms.h"
#include "platform/gfx/ImageCodec.h"
#include "platform/win/Headless.h"
#include "platform/win/InputApi.h"
#include "platform/win/Keys.h"
#include "platform/win/MenuApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"
#include "skin/windows/acDials.h"
#include "skin/windows/sSkinProvider.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {

struct MenuSeen {
  bool open = false;
  win::POINT at{};
};

// Runs `open` while watching for a popup menu: notes whether one opened and where, and
// closes it with Escape. The watch runs on every wait of a loop (timers such as the
// manager's hot-control check keep a menu loop from ever starving).
template <class F>
MenuSeen WatchMenu(F&& open) {
  MenuSeen seen;
  // The watch stays in place until the call returns (a function must not free itself).
  win::headless::Screen().onIdle = [&](std::optional<std::uint64_t>) {
    win::HWND menu = seen.open ? nullptr : win::GetOpenMenuWindow();
    if (menu == nullptr) return false;
    seen.open = true;
    win::RECT r;
    win::GetWindowRect(menu, &r);
    seen.at = {r.Left, r.Top};
    win::headless::Screen().Push(win::InputEvent::KeyDown(win::VK_ESCAPE));
    win::headless::Screen().Push(win::InputEvent::KeyUp(win::VK_ESCAPE));
    return true;
  };
  open();
  win::RunUntilIdle();
  win::headless::Screen().onIdle = nullptr;
  return seen;
}

class SkinnedForms : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    InitWindowSkinning();
    manager = MakeProgramManager();
    main = static_cast<TManagerTestForm*>(manager->Owner());
    main->SetBorderIcons(forms::TBorderIcons{forms::TBorderIcon::biSystemMenu});
    main->SetCaption(u"Pellomir by Orvanta V1.0");
    main->SetBounds(40, 30, 670, 585);
    main->Constraints()->SetMinWidth(670);
    main->Constraints()->SetMaxWidth(670);
    main->Constraints()->SetMinHeight(585);
    main->Constraints()->SetMaxHeight(585);
    main->Show();
    win::RunUntilIdle();
  }
  // A form made in code: shown (and so activated) unless asked otherwise.
  forms::TForm* MakeForm(forms::TFormBorderStyle style, int clientWidth, int clientHeight, std::intptr_t tag = 0,
                         bool show = true) {
    auto* f = new forms::TForm(main, forms::TCustomForm::TCreateNew{});
    f->SetBorderStyle(style);
    f->SetBorderIcons(forms::TBorderIcons{forms::TBorderIcon::biSystemMenu});
    f->SetTag(tag);
    f->SetCaption(u"Инфо");
    f->SetLeft(100);
    f->SetTop(60);
    f->SetClientWidth(clientWidth);
    f->SetClientHeight(clientHeight);
    if (show) {
      f->Show();
      win::RunUntilIdle();
    }
    return f;
  }
  forms::TForm* MakeInfo() { return MakeForm(forms::TFormBorderStyle::bsSingle, 461, 499); }

  static win::RECT WindowRect(forms::TCustomForm* f) {
    win::RECT r;
    win::GetWindowRect(f->Handle(), &r);
    return r;
  }
  // A screen point at window coordinates of a form.
  static win::POINT At(forms::TCustomForm* f, int x, int y) {
    const win::RECT r = WindowRect(f);
    return {r.Left + x, r.Top + y};
  }
  static int HitAt(forms::TCustomForm* f, int x, int y) {
    return static_cast<int>(win::SendMessage(f->Handle(), win::WM_NCHITTEST, 0, win::PointToLParam(At(f, x, y))));
  }
  static std::string ShotPath(const std::string& name) {
    const char* dir = std::getenv("PELLOMIR_BUILD_DIR");
    return std::string(dir ? dir : ".") + "/" + name;
  }
  // The screen's pixel at a screen point (B, G, R, A).
  static std::uint32_t ScreenPixel(const gfx::PixelBuffer& screen, win::POINT p) { return screen.Row32(p.Y)[p.X]; }

  TsSkinManager* manager = nullptr;
  TManagerTestForm* main = nullptr;
};

}  // namespace skin::test
