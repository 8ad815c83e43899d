// Registers the framework's own classes, so that descriptions can name them.
#include "platform/forms/Bitmaps.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Classes.h"
#include "platform/forms/Picture.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/Collections.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Strings.h"
#include "platform/forms/TypInfo.h"

namespace forms {

void RegisterFrameworkClasses() {
  RegisterClasses({&TPersistent::StaticClass(),
                   &TComponent::StaticClass(),
                   &TCollection::StaticClass(),
                   &TCollectionItem::StaticClass(),
                   &TStringList::StaticClass(),
                   &TFont::StaticClass(),
                   &TBrush::StaticClass(),
                   &TPen::StaticClass(),
                   &TBitmap::StaticClass(),
                   &TPngImage::StaticClass(),
                   &TJPEGImage::StaticClass(),
                   &TPicture::StaticClass(),
                   &TSizeConstraints::StaticClass(),
                   &TForm::StaticClass(),
                   &TButton::StaticClass(),
                   &TEdit::StaticClass(),
                   &TMemo::StaticClass(),
                   &TGroupBox::StaticClass(),
                   &TLabel::StaticClass(),
                   &TBitBtn::StaticClass(),
                   &TPanel::StaticClass(),
                   &TImage::StaticClass(),
                   &TMessageForm::StaticClass(),
                   &TOpenDialog::StaticClass(),
                   &TSaveDialog::StaticClass()});
}

}  // namespace forms
