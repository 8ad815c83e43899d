#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {

FORMS_DEFINE_CLASS(TManagerTestForm, forms::TForm,
                   [](auto& b) { b.Field(u"sSkinManager1", &TManagerTestForm::sSkinManager1); })

}  // namespace skin::test
