#pragma once
// TForm2: the info window, shown modally from the main window. It describes the program
// and opens the maker's web page and the two donation pages from its pictures; its close
// button closes it by its kind, without a handler.
#include "platform/forms/Forms.h"
#include "platform/forms/Forward.h"

namespace skin {
class TsPanel;
class TsStickyLabel;
class TsImage;
}  // namespace skin

namespace app {

class TForm2 : public forms::TForm {
  FORMS_CLASS(TForm2)
 public:
  using TForm::TForm;

  skin::TsPanel* sPanel1 = nullptr;
  skin::TsStickyLabel* sStickyLabel1 = nullptr;
  skin::TsStickyLabel* sStickyLabel2 = nullptr;
  skin::TsImage* sImage1 = nullptr;
  skin::TsImage* sImage2 = nullptr;
  skin::TsImage* sImage3 = nullptr;
  skin::TsImage* sImage4 = nullptr;
  forms::TBitBtn* sBitBtn1 = nullptr;

  // The description's label face may not be installed: the labels then take the window's
  // own face, whose letters fit their lines, instead of a wider stand-in.
  void Loaded() override;

  void sImage1Click(forms::TObject* Sender);
  void sImage2Click(forms::TObject* Sender);
  void sImage3Click(forms::TObject* Sender);
};

extern TForm2* Form2;

}  // namespace app
