#pragma once
// Declarations of the component framework's classes, for headers that only point to
// them (a form's component fields, a skinned control's links to its owner and font).
#include "platform/gfx/Forward.h"
#include "platform/win/Forward.h"

namespace forms {

using TColor = gfx::TColor;

// Objects, components and their class information.
class TObject;
class TPersistent;
class TComponent;
struct TClassInfo;
struct TPropInfo;
struct TEnumInfo;
struct TIdentMap;
template <class T>
class TClassBuilder;
class TFiler;
class TReader;
class TWriter;
class TCollection;
class TCollectionItem;
class TOwnedCollection;
class TStrings;
class TStringList;
struct TMessage;

// Drawing.
class TGraphicsObject;
class TFont;
class TBrush;
class TPen;
class TCanvas;
class TGraphic;
class TBitmap;
class TPngImage;
class TJPEGImage;
class TPicture;

// Controls and forms.
class TControl;
class TGraphicControl;
class TSizeConstraints;
class TWinControl;
class TCustomControl;
class TControlCanvas;
class TCustomForm;
class TForm;
class TScreen;
class TApplication;
class TButtonControl;
class TButton;
class TCustomEdit;
class TEdit;
class TCustomMemo;
class TMemo;
class TCustomGroupBox;
class TGroupBox;
class TCustomLabel;
class TLabel;
class TBitBtn;
class TCustomPanel;
class TPanel;
class TImage;
class TMessageForm;
class TCommonDialog;
class TOpenDialog;
class TSaveDialog;

}  // namespace forms
