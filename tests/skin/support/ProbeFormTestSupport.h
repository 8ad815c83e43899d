#pragma once
// A headless form carrying the program's manager and skin, shown at (20, 20) with 420 x 320
// pixels, on which tests place probe controls.
#include <array>
#include <cstdint>
#include <string>

#include "platform/win/MessageApi.h"
#include "tests/skin/support/ProbeControlTestSupport.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {

class ProbeFormTest : public ManagerTest {
 protected:
  void SetUp() override {
    ManagerTest::SetUp();
    manager = MakeProgramManager();
    form = static_cast<TManagerTestForm*>(manager->Owner());
    form->SetBounds(20, 20, 420, 320);
    form->Show();
    win::RunUntilIdle();
  }
  // A probe of kind coc answering `section` as its default, placed at x, y, width, height
  // on parent (nullptr: the form), with its window and its section bound.
  template <typename T = TProbeControl>
  T* Probe(std::uint8_t coc, const std::u16string& section, forms::TWinControl* parent, std::array<int, 4> place,
           bool withCache = true) {
    auto* p = new T(form, coc, withCache);
    p->DefaultSection = section;
    p->SetBounds(place[0], place[1], place[2], place[3]);
    p->SetParent(parent ? parent : form);
    p->HandleNeeded();
    p->SkinData->Loaded(true);
    return p;
  }
  TsSkinManager* manager = nullptr;
  TManagerTestForm* form = nullptr;
};

}  // namespace skin::test
