#include "app/Unit2.h"

#include "app/WebAddresses.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/shell/Shell.h"

namespace app {

TForm2* Form2 = nullptr;

FORMS_DEFINE_CLASS(TForm2, forms::TForm, [](auto& b) {
  b.Field(u"sPanel1", &TForm2::sPanel1);
  b.Field(u"sStickyLabel1", &TForm2::sStickyLabel1);
  b.Field(u"sStickyLabel2", &TForm2::sStickyLabel2);
  b.Field(u"sImage1", &TForm2::sImage1);
  b.Field(u"sImage2", &TForm2::sImage2);
  b.Field(u"sImage3", &TForm2::sImage3);
  b.Field(u"sImage4", &TForm2::sImage4);
  b.Field(u"sBitBtn1", &TForm2::sBitBtn1);
  b.Method(u"sImage1Click", &TForm2::sImage1Click);
  b.Method(u"sImage2Click", &TForm2::sImage2Click);
  b.Method(u"sImage3Click", &TForm2::sImage3Click);
})

// The browser's answer is not awaited and a failure to start one is not reported: the
// pictures are links, and a missing browser is the desktop's business.
void TForm2::sImage1Click(forms::TObject*) { shell::OpenAddress(kMakerPage); }
void TForm2::sImage2Click(forms::TObject*) { shell::OpenAddress(kDonationPageOne); }
void TForm2::sImage3Click(forms::TObject*) { shell::OpenAddress(kDonationPageTwo); }

}  // namespace app
