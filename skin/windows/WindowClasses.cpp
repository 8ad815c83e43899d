// Class registrations of window skinning and the start of automatic skinning.
#include "platform/forms/ClassBuilder.h"
#include "skin/data/sSkinManager.h"
#include "skin/windows/acCtrlAdapter.h"
#include "skin/windows/acDials.h"
#include "skin/windows/acMemoAdapter.h"
#include "skin/windows/sDialogs.h"
#include "skin/windows/sSkinProvider.h"

namespace skin {

// ---- Form skinning ----

FORMS_DEFINE_CLASS(TsSkinProvider, forms::TComponent, [](auto& b) {
  using P = TsSkinProvider;
  b.Bool(
      u"AllowAnimation", [](const P* p) { return p->AllowAnimation; }, [](P* p, bool v) { p->AllowAnimation = v; },
      true);
  b.Bool(
      u"DrawClientArea", [](const P* p) { return p->DrawClientArea; }, [](P* p, bool v) { p->DrawClientArea = v; },
      true);
  b.Bool(
      u"DrawNonClientArea", [](const P* p) { return p->DrawNonClientArea; },
      [](P* p, bool v) { p->DrawNonClientArea = v; }, true);
  b.Bool(
      u"ShowAppIcon", [](const P* p) { return p->ShowAppIcon; }, [](P* p, bool v) { p->ShowAppIcon = v; }, true);
  b.Bool(
      u"UseGlobalColor", [](const P* p) { return p->UseGlobalColor; }, [](P* p, bool v) { p->UseGlobalColor = v; },
      true);
  b.String(
      u"TitleSkin", [](const P* p) { return p->TitleSkin; }, [](P* p, const std::u16string& v) { p->TitleSkin = v; });
})

FORMS_DEFINE_CLASS(TacProvider, forms::TComponent, [](auto&) {})

// ---- end of form skinning ----

// ---- Standard window adapters and dialogs ----

FORMS_DEFINE_CLASS(TacCtrlAdapter, forms::TComponent, [](auto&) {})
FORMS_DEFINE_CLASS(TsSaveDialog, forms::TSaveDialog, [](auto&) {})

// ---- end of standard window adapters and dialogs ----

void InitWindowSkinning() {
  forms::RegisterClass(TsSkinProvider::StaticClass());
  forms::RegisterClass(TsSaveDialog::StaticClass());
  SetSkinHookHandler(&WindowSkinningHook);
  RegisterMemoAdapter();
}

}  // namespace skin
