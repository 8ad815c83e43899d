#include "platform/forms/Graphics.h"

#include "platform/forms/SysUtils.h"
#include "platform/forms/TypInfo.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/InputApi.h"

namespace forms {

// --- Names -----------------------------------------------------------------------------------

const TIdentMap& ColorIdents() {
  static const TIdentMap m{{
      {u"clBlack", clBlack},
      {u"clMaroon", clMaroon},
      {u"clGreen", clGreen},
      {u"clOlive", clOlive},
      {u"clNavy", clNavy},
      {u"clPurple", clPurple},
      {u"clTeal", clTeal},
      {u"clGray", clGray},
      {u"clSilver", clSilver},
      {u"clRed", clRed},
      {u"clLime", clLime},
      {u"clYellow", clYellow},
      {u"clBlue", clBlue},
      {u"clFuchsia", clFuchsia},
      {u"clAqua", clAqua},
      {u"clWhite", clWhite},
      {u"clMoneyGreen", clMoneyGreen},
      {u"clSkyBlue", clSkyBlue},
      {u"clCream", clCream},
      {u"clMedGray", clMedGray},
      {u"clScrollBar", clScrollBar},
      {u"clBackground", clBackground},
      {u"clActiveCaption", clActiveCaption},
      {u"clInactiveCaption", clInactiveCaption},
      {u"clMenu", clMenu},
      {u"clWindow", clWindow},
      {u"clWindowFrame", clWindowFrame},
      {u"clMenuText", clMenuText},
      {u"clWindowText", clWindowText},
      {u"clCaptionText", clCaptionText},
      {u"clActiveBorder", clActiveBorder},
      {u"clInactiveBorder", clInactiveBorder},
      {u"clAppWorkSpace", clAppWorkSpace},
      {u"clHighlight", clHighlight},
      {u"clHighlightText", clHighlightText},
      {u"clBtnFace", clBtnFace},
      {u"clBtnShadow", clBtnShadow},
      {u"clGrayText", clGrayText},
      {u"clBtnText", clBtnText},
      {u"clInactiveCaptionText", clInactiveCaptionText},
      {u"clBtnHighlight", clBtnHighlight},
      {u"cl3DDkShadow", cl3DDkShadow},
      {u"cl3DLight", cl3DLight},
      {u"clInfoText", clInfoText},
      {u"clInfoBk", clInfoBk},
      {u"clHotLight", clHotLight},
      {u"clGradientActiveCaption", clGradientActiveCaption},
      {u"clGradientInactiveCaption", clGradientInactiveCaption},
      {u"clMenuHighlight", clMenuHighlight},
      {u"clMenuBar", clMenuBar},
      {u"clNone", clNone},
      {u"clDefault", clDefault},
  }};
  return m;
}

bool ColorToIdent(TColor c, std::u16string* ident) {
  const std::u16string* n = ColorIdents().NameOf(c);
  if (n && ident) *ident = *n;
  return n != nullptr;
}

bool IdentToColor(const std::u16string& ident, TColor* c) {
  auto v = ColorIdents().ValueOf(ident);
  if (v && c) *c = static_cast<TColor>(*v);
  return v.has_value();
}

const TIdentMap& CursorIdents() {
  static const TIdentMap m{{
      {u"crDefault", crDefault},     {u"crNone", crNone},
      {u"crArrow", crArrow},         {u"crCross", crCross},
      {u"crIBeam", crIBeam},         {u"crSizeNESW", crSizeNESW},
      {u"crSizeNS", crSizeNS},       {u"crSizeNWSE", crSizeNWSE},
      {u"crSizeWE", crSizeWE},       {u"crUpArrow", crUpArrow},
      {u"crHourGlass", crHourGlass}, {u"crDrag", crDrag},
      {u"crNoDrop", crNoDrop},       {u"crHSplit", crHSplit},
      {u"crVSplit", crVSplit},       {u"crNo", crNo},
      {u"crAppStart", crAppStart},   {u"crHelp", crHelp},
      {u"crHandPoint", crHandPoint}, {u"crSizeAll", crSizeAll},
  }};
  return m;
}

int CursorShape(TCursor c) {
  switch (c) {
    case crCross: return win::IDC_CROSS;
    case crIBeam: return win::IDC_IBEAM;
    case crSizeNESW: return win::IDC_SIZENESW;
    case crSizeNS:
    case crVSplit: return win::IDC_SIZENS;
    case crSizeNWSE: return win::IDC_SIZENWSE;
    case crSizeWE:
    case crHSplit: return win::IDC_SIZEWE;
    case crUpArrow: return win::IDC_UPARROW;
    case crHourGlass: return win::IDC_WAIT;
    case crNo:
    case crNoDrop: return win::IDC_NO;
    case crAppStart: return win::IDC_APPSTARTING;
    case crHelp: return win::IDC_HELP;
    case crHandPoint: return win::IDC_HAND;
    case crSizeAll: return win::IDC_SIZEALL;
    default: return win::IDC_ARROW;
  }
}

const TIdentMap& CharsetIdents() {
  static const TIdentMap m{{
      {u"ANSI_CHARSET", 0},      {u"DEFAULT_CHARSET", 1},    {u"SYMBOL_CHARSET", 2},
      {u"MAC_CHARSET", 77},      {u"SHIFTJIS_CHARSET", 128}, {u"HANGEUL_CHARSET", 129},
      {u"JOHAB_CHARSET", 130},   {u"GB2312_CHARSET", 134},   {u"CHINESEBIG5_CHARSET", 136},
      {u"GREEK_CHARSET", 161},   {u"TURKISH_CHARSET", 162},  {u"VIETNAMESE_CHARSET", 163},
      {u"HEBREW_CHARSET", 177},  {u"ARABIC_CHARSET", 178},   {u"BALTIC_CHARSET", 186},
      {u"RUSSIAN_CHARSET", 204}, {u"THAI_CHARSET", 222},     {u"EASTEUROPE_CHARSET", 238},
      {u"OEM_CHARSET", 255},
  }};
  return m;
}

const TEnumInfo& FontStyleInfo() {
  static const TEnumInfo i{u"TFontStyle", {u"fsBold", u"fsItalic", u"fsUnderline", u"fsStrikeOut"}};
  return i;
}
const TEnumInfo& FontPitchInfo() {
  static const TEnumInfo i{u"TFontPitch", {u"fpDefault", u"fpVariable", u"fpFixed"}};
  return i;
}
const TEnumInfo& BrushStyleInfo() {
  static const TEnumInfo i{u"TBrushStyle",
                           {u"bsSolid", u"bsClear", u"bsHorizontal", u"bsVertical", u"bsFDiagonal", u"bsBDiagonal",
                            u"bsCross", u"bsDiagCross"}};
  return i;
}
const TEnumInfo& PenStyleInfo() {
  static const TEnumInfo i{
      u"TPenStyle", {u"psSolid", u"psDash", u"psDot", u"psDashDot", u"psDashDotDot", u"psClear", u"psInsideFrame"}};
  return i;
}
const TEnumInfo& PenModeInfo() {
  static const TEnumInfo i{u"TPenMode",
                           {u"pmBlack", u"pmWhite", u"pmNop", u"pmNot", u"pmCopy", u"pmNotCopy", u"pmXor"}};
  return i;
}

// --- Classes ---------------------------------------------------------------------------------

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

// --- TFont -----------------------------------------------------------------------------------

TFont::TFont() = default;

TFont::~TFont() {
  if (handle_) gfx::DeleteObject(handle_);
}

void TFont::Changed() {
  font_.reset();
  if (handle_) {
    gfx::DeleteObject(handle_);
    handle_ = nullptr;
  }
  TGraphicsObject::Changed();
}

void TFont::SetName(const std::u16string& v) {
  if (v.empty() || v == name_) return;
  name_ = v;
  Changed();
}

void TFont::SetHeight(int v) {
  if (v == height_) return;
  height_ = v;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, ppi_); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ppi_, 72)); }

void TFont::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  TGraphicsObject::Changed();  // the drawing value does not depend on the colour
}

void TFont::SetStyle(TFontStyles v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}

void TFont::SetCharset(TFontCharset v) {
  if (v == charset_) return;
  charset_ = v;
  Changed();
}

void TFont::SetPitch(TFontPitch v) {
  if (v == pitch_) return;
  pitch_ = v;
  Changed();
}

const gfx::Font& TFont::GfxFont() const {
  if (!font_) {
    gfx::FontDesc d;
    d.face = name_;
    d.height = height_;
    d.weight = style_.Contains(TFontStyle::fsBold) ? gfx::FW_BOLD : gfx::FW_NORMAL;
    d.italic = style_.Contains(TFontStyle::fsItalic);
    d.underline = style_.Contains(TFontStyle::fsUnderline);
    d.strikeOut = style_.Contains(TFontStyle::fsStrikeOut);
    d.charSet = charset_;
    font_ = std::make_unique<gfx::Font>(std::move(d));
  }
  return *font_;
}

gfx::HFONT TFont::Handle() const {
  if (!handle_) {
    gfx::LOGFONTW lf;
    lf.lfHeight = height_;
    lf.lfWeight = style_.Contains(TFontStyle::fsBold) ? gfx::FW_BOLD : gfx::FW_NORMAL;
    lf.lfItalic = style_.Contains(TFontStyle::fsItalic);
    lf.lfUnderline = style_.Contains(TFontStyle::fsUnderline);
    lf.lfStrikeOut = style_.Contains(TFontStyle::fsStrikeOut);
    lf.lfCharSet = charset_;
    std::size_t n = std::min<std::size_t>(name_.size(), 31);
    std::copy_n(name_.data(), n, lf.lfFaceName);
    handle_ = gfx::CreateFontIndirectW(&lf);
  }
  return handle_;
}

void TFont::Assign(const TPersistent* source) {
  if (auto* f = dynamic_cast<const TFont*>(source)) {
    if (SameAs(*f)) return;
    name_ = f->name_;
    height_ = MulDiv(f->height_, ppi_, f->ppi_);
    color_ = f->color_;
    style_ = f->style_;
    charset_ = f->charset_;
    pitch_ = f->pitch_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

bool TFont::SameAs(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ &&
         charset_ == o.charset_ && pitch_ == o.pitch_ && ppi_ == o.ppi_;
}

// --- TBrush ----------------------------------------------------------------------------------

TBrush::~TBrush() {
  if (handle_) gfx::DeleteObject(handle_);
}

void TBrush::Changed() {
  if (handle_) {
    gfx::DeleteObject(handle_);
    handle_ = nullptr;
  }
  TGraphicsObject::Changed();
}

void TBrush::SetColor(TColor v) {
  if (v == color_ && style_ != TBrushStyle::bsClear) return;
  color_ = v;
  if (style_ == TBrushStyle::bsClear) style_ = TBrushStyle::bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}

gfx::Brush TBrush::Value() const {
  if (style_ == TBrushStyle::bsClear) return gfx::Brush::Null();
  return gfx::Brush::Solid(ColorToRGB(color_));
}

gfx::HBRUSH TBrush::Handle() const {
  if (style_ == TBrushStyle::bsClear) return static_cast<gfx::HBRUSH>(gfx::GetStockObject(gfx::NULL_BRUSH));
  if (!handle_) handle_ = gfx::CreateSolidBrush(ColorToRGB(color_));
  return handle_;
}

void TBrush::Assign(const TPersistent* source) {
  if (auto* b = dynamic_cast<const TBrush*>(source)) {
    color_ = b->color_;
    style_ = b->style_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

// --- TPen ------------------------------------------------------------------------------------

void TPen::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  Changed();
}

void TPen::SetWidth(int v) {
  if (v < 0 || v == width_) return;
  width_ = v;
  Changed();
}

void TPen::SetStyle(TPenStyle v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}

void TPen::SetMode(TPenMode v) {
  if (v == mode_) return;
  mode_ = v;
  Changed();
}

gfx::Pen TPen::Value() const {
  if (style_ == TPenStyle::psClear) return gfx::Pen::Null();
  return gfx::Pen(static_cast<gfx::PenStyle>(style_), width_, ColorToRGB(color_));
}

void TPen::Assign(const TPersistent* source) {
  if (auto* p = dynamic_cast<const TPen*>(source)) {
    color_ = p->color_;
    width_ = p->width_;
    style_ = p->style_;
    mode_ = p->mode_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

}  // namespace forms
