// Class information of the program's two forms: the components a description fills in
// and the methods its events bind to.
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/XMLDocComponent.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "skin/controls/acImage.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMemo.h"
#include "skin/controls/sPanel.h"

namespace app {

FORMS_DEFINE_CLASS(TForm1, forms::TForm, [](auto& b) {
  b.Field(u"sGroupBox1", &TForm1::sGroupBox1);
  b.Field(u"sBitBtn1", &TForm1::sBitBtn1);
  b.Field(u"sEdit1", &TForm1::sEdit1);
  b.Field(u"sGroupBox2", &TForm1::sGroupBox2);
  b.Field(u"sMemo1", &TForm1::sMemo1);
  b.Field(u"sGroupBox3", &TForm1::sGroupBox3);
  b.Field(u"sButton1", &TForm1::sButton1);
  b.Field(u"sImage1", &TForm1::sImage1);
  b.Field(u"XMLDocument1", &TForm1::XMLDocument1);
  b.Field(u"sSaveDialog1", &TForm1::sSaveDialog1);
  b.Method(u"sBitBtn1Click", &TForm1::sBitBtn1Click);
  b.Method(u"sMemo1Change", &TForm1::sMemo1Change);
  b.Method(u"sButton1Click", &TForm1::sButton1Click);
  b.Method(u"sImage1Click", &TForm1::sImage1Click);
})

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

}  // namespace app
