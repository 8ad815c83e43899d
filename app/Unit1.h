#pragma once
// TForm1: the main window. Its controls come from its stored description; it fetches a
// sitemap and lists the address of every entry (sBitBtn1Click), keeps the found count in
// the list's group box caption (sMemo1Change), saves the list (sButton1Click) and opens
// the info window (sImage1Click).
#include <string>

#include "platform/forms/Forms.h"
#include "platform/forms/Forward.h"

namespace skin {
class TsEdit;
class TsImage;
class TsMemo;
}  // namespace skin

namespace app {

class TXMLDocument;

class TForm1 : public forms::TForm {
  FORMS_CLASS(TForm1)
 public:
  using TForm::TForm;

  forms::TGroupBox* sGroupBox1 = nullptr;
  forms::TBitBtn* sBitBtn1 = nullptr;
  skin::TsEdit* sEdit1 = nullptr;
  forms::TGroupBox* sGroupBox2 = nullptr;
  skin::TsMemo* sMemo1 = nullptr;
  forms::TGroupBox* sGroupBox3 = nullptr;
  forms::TButton* sButton1 = nullptr;
  skin::TsImage* sImage1 = nullptr;
  TXMLDocument* XMLDocument1 = nullptr;
  forms::TSaveDialog* sSaveDialog1 = nullptr;

  void sBitBtn1Click(forms::TObject* Sender);
  void sMemo1Change(forms::TObject* Sender);
  void sButton1Click(forms::TObject* Sender);
  void sImage1Click(forms::TObject* Sender);
};

extern TForm1* Form1;

// The caption of the list's group box for a line count: " Полученный список URL. Найдено
// URL:   " and the count in decimal.
std::u16string FoundCountCaption(int count);

}  // namespace app
