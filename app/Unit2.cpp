#include "app/Unit2.h"

#include "app/WebAddresses.h"
#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/gfx/FontFace.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/shell/Shell.h"
#include "skin/controls/sLabel.h"

namespace app {

TForm2* Form2 = nullptr;

namespace {

bool FaceInstalled(const forms::TFont& font) {
  const std::string drawn = font.GfxFont().Face().Family();
  return base::EqualsIgnoreAsciiCase(base::Utf8ToUtf16(drawn), font.Name());
}

// Whether every line of the label's text fits its width, and all lines its height.
bool TextFits(forms::TCustomLabel& label) {
  const std::u16string text = label.Caption();
  int lines = 0;
  for (std::size_t start = 0; start <= text.size(); ++lines) {
    std::size_t end = text.find(u"\r\n", start);
    if (end == std::u16string::npos) end = text.size();
    if (forms::MeasureText(*label.Font(), text.substr(start, end - start)).cx > label.Width()) return false;
    start = end + 2;
  }
  return lines * forms::FontMetrics(*label.Font()).tmHeight <= label.Height();
}

// The window's face at the largest size up to the stored one at which the text fits.
void SubstituteFace(forms::TCustomLabel& label, const std::u16string& face) {
  label.Font()->SetName(face);
  const int stored = label.Font()->Height();  // negative: character height
  for (int h = stored; h < -8 && !TextFits(label); ++h) label.Font()->SetHeight(h + 1);
}

}  // namespace

void TForm2::Loaded() {
  forms::TForm::Loaded();
  for (skin::TsStickyLabel* label : {sStickyLabel1, sStickyLabel2})
    if (label && !FaceInstalled(*label->Font())) SubstituteFace(*label, Font()->Name());
}

// The browser's answer is not awaited and a failure to start one is not reported: the
// pictures are links, and a missing browser is the desktop's business.
void TForm2::sImage1Click(forms::TObject*) { shell::OpenAddress(kMakerPage); }
void TForm2::sImage2Click(forms::TObject*) { shell::OpenAddress(kDonationPageOne); }
void TForm2::sImage3Click(forms::TObject*) { shell::OpenAddress(kDonationPageTwo); }

}  // namespace app
