// Class information of the framework's persistent classes that are not controls:
// components, collections, string lists, fonts, brushes, pens, pictures and canvases.
#include "platform/forms/Bitmaps.h"
#include "platform/forms/Canvas.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Classes.h"
#include "platform/forms/Collections.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Picture.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/Strings.h"

namespace forms {

FORMS_DEFINE_CLASS(TPersistent, TObject, [](auto&) {})

FORMS_DEFINE_CLASS(TComponent, TPersistent, [](auto& b) {
  b.String(u"Name", &TComponent::Name, &TComponent::SetName).stored = [](const TObject*) { return false; };
  b.Integer(u"Tag", &TComponent::Tag, &TComponent::SetTag, 0);
})

FORMS_DEFINE_CLASS(TCollectionItem, TPersistent, [](auto&) {})

FORMS_DEFINE_CLASS(TCollection, TPersistent, [](auto&) {})

FORMS_DEFINE_CLASS(TOwnedCollection, TCollection, [](auto&) {})

FORMS_DEFINE_CLASS(TStrings, TPersistent, [](auto&) {})

FORMS_DEFINE_CLASS(TStringList, TStrings, [](auto&) {})

FORMS_DEFINE_CLASS(TMemoStrings, TStrings, [](auto&) {})

FORMS_DEFINE_CLASS(TGraphicsObject, TPersistent, [](auto&) {})

FORMS_DEFINE_CLASS(TFont, TGraphicsObject, [](auto& b) {
  b.Integer(u"Charset", &TFont::Charset, &TFont::SetCharset, std::nullopt, &CharsetIdents());
  b.Integer(u"Color", &TFont::Color, &TFont::SetColor, std::nullopt, &ColorIdents());
  b.Integer(u"Height", &TFont::Height, &TFont::SetHeight, std::nullopt);
  b.String(u"Name", &TFont::Name, &TFont::SetName);
  b.Enum(u"Pitch", FontPitchInfo(), &TFont::Pitch, &TFont::SetPitch, std::optional(TFontPitch::fpDefault));
  b.Integer(u"Size", &TFont::Size, &TFont::SetSize, std::nullopt).stored = [](const TObject*) { return false; };
  b.Set(u"Style", FontStyleInfo(), &TFont::Style, &TFont::SetStyle, TFontStyles{});
})

FORMS_DEFINE_CLASS(TBrush, TGraphicsObject, [](auto& b) {
  b.Integer(u"Color", &TBrush::Color, &TBrush::SetColor, clWhite, &ColorIdents());
  b.Enum(u"Style", BrushStyleInfo(), &TBrush::Style, &TBrush::SetStyle, std::optional(TBrushStyle::bsSolid));
})

FORMS_DEFINE_CLASS(TPen, TGraphicsObject, [](auto& b) {
  b.Integer(u"Color", &TPen::Color, &TPen::SetColor, clBlack, &ColorIdents());
  b.Enum(u"Mode", PenModeInfo(), &TPen::Mode, &TPen::SetMode, std::optional(TPenMode::pmCopy));
  b.Enum(u"Style", PenStyleInfo(), &TPen::Style, &TPen::SetStyle, std::optional(TPenStyle::psSolid));
  b.Integer(u"Width", &TPen::Width, &TPen::SetWidth, 1);
})

FORMS_DEFINE_CLASS(TGraphic, TPersistent, [](auto&) {})

FORMS_DEFINE_CLASS(TBitmap, TGraphic, [](auto&) {})

FORMS_DEFINE_CLASS(TPngImage, TBitmap, [](auto&) {})

FORMS_DEFINE_CLASS(TJPEGImage, TBitmap, [](auto&) {})

FORMS_DEFINE_CLASS(TCanvas, TPersistent, [](auto&) {})

FORMS_DEFINE_CLASS(TPicture, TPersistent, [](auto&) {})

}  // namespace forms
