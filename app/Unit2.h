#pragma once
// TForm2: the info window, shown modally from the main window. It describes the program
// and opens the maker's web page and the two donation pages from its pictures; its close
// button closes it by its kind, without a handler.
#include "platform/forms/Forms.h"

namespace forms {
class TBitBtn;
class TImage;
class TLabel;
class TPanel;
}  // namespace forms

namespace app {

class TForm2 : public forms::TForm {
  FORMS_CLASS(TForm2)
 public:
  using TForm::TForm;

  forms::TPanel* sPanel1 = nullptr;
  forms::TLabel* sStickyLabel1 = nullptr;
  forms::TLabel* sStickyLabel2 = nullptr;
  forms::TImage* sImage1 = nullptr;
  forms::TImage* sImage2 = nullptr;
  forms::TImage* sImage3 = nullptr;
  forms::TImage* sImage4 = nullptr;
  forms::TBitBtn* sBitBtn1 = nullptr;

  void sImage1Click(forms::TObject* Sender);
  void sImage2Click(forms::TObject* Sender);
  void sImage3Click(forms::TObject* Sender);
};

extern TForm2* Form2;

}  // namespace app
