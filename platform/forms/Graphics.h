#pragma once
// Colours, cursors and the drawing tools of the framework: fonts (with the density rule
// between Size in points and Height in pixels), brushes and pens. Each tool is a value
// object that tells its owner when it changes and hands the drawing layer its value.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/forms/Classes.h"
#include "platform/forms/Forward.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/DrawObjects.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/GdiTypes.h"

namespace forms {

// System colours: the system colour index with the top byte 0xFF.
constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clScrollBar = clSystemColor | gfx::COLOR_SCROLLBAR;
constexpr TColor clBackground = clSystemColor | gfx::COLOR_BACKGROUND;
constexpr TColor clActiveCaption = clSystemColor | gfx::COLOR_ACTIVECAPTION;
constexpr TColor clInactiveCaption = clSystemColor | gfx::COLOR_INACTIVECAPTION;
constexpr TColor clMenu = clSystemColor | gfx::COLOR_MENU;
constexpr TColor clWindow = clSystemColor | gfx::COLOR_WINDOW;
constexpr TColor clWindowFrame = clSystemColor | gfx::COLOR_WINDOWFRAME;
constexpr TColor clMenuText = clSystemColor | gfx::COLOR_MENUTEXT;
constexpr TColor clWindowText = clSystemColor | gfx::COLOR_WINDOWTEXT;
constexpr TColor clCaptionText = clSystemColor | gfx::COLOR_CAPTIONTEXT;
constexpr TColor clActiveBorder = clSystemColor | gfx::COLOR_ACTIVEBORDER;
constexpr TColor clInactiveBorder = clSystemColor | gfx::COLOR_INACTIVEBORDER;
constexpr TColor clAppWorkSpace = clSystemColor | gfx::COLOR_APPWORKSPACE;
constexpr TColor clHighlight = clSystemColor | gfx::COLOR_HIGHLIGHT;
constexpr TColor clHighlightText = clSystemColor | gfx::COLOR_HIGHLIGHTTEXT;
constexpr TColor clBtnFace = clSystemColor | gfx::COLOR_BTNFACE;
constexpr TColor clBtnShadow = clSystemColor | gfx::COLOR_BTNSHADOW;
constexpr TColor clGrayText = clSystemColor | gfx::COLOR_GRAYTEXT;
constexpr TColor clBtnText = clSystemColor | gfx::COLOR_BTNTEXT;
constexpr TColor clInactiveCaptionText = clSystemColor | gfx::COLOR_INACTIVECAPTIONTEXT;
constexpr TColor clBtnHighlight = clSystemColor | gfx::COLOR_BTNHIGHLIGHT;
constexpr TColor cl3DDkShadow = clSystemColor | gfx::COLOR_3DDKSHADOW;
constexpr TColor cl3DLight = clSystemColor | gfx::COLOR_3DLIGHT;
constexpr TColor clInfoText = clSystemColor | gfx::COLOR_INFOTEXT;
constexpr TColor clInfoBk = clSystemColor | gfx::COLOR_INFOBK;
constexpr TColor clHotLight = clSystemColor | gfx::COLOR_HOTLIGHT;
constexpr TColor clGradientActiveCaption = clSystemColor | gfx::COLOR_GRADIENTACTIVECAPTION;
constexpr TColor clGradientInactiveCaption = clSystemColor | gfx::COLOR_GRADIENTINACTIVECAPTION;
constexpr TColor clMenuHighlight = clSystemColor | gfx::COLOR_MENUHILIGHT;
constexpr TColor clMenuBar = clSystemColor | gfx::COLOR_MENUBAR;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = gfx::clNone;
constexpr TColor clDefault = gfx::clDefault;

// Plain RGB of a colour: system colours through the system colour table.
inline TColor ColorToRGB(TColor c) { return gfx::ColorToRGB(c); }
// The names colours are stored under ("clBtnFace"), and the reverse.
const TIdentMap& ColorIdents();
bool ColorToIdent(TColor c, std::u16string* ident);
bool IdentToColor(const std::u16string& ident, TColor* c);

// Cursors: predefined shapes by negative number.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
const TIdentMap& CursorIdents();
// The window system's IDC_ shape of a cursor (crDefault: the arrow).
int CursorShape(TCursor c);

// Character sets with their stored names (DEFAULT_CHARSET, RUSSIAN_CHARSET, ...).
using TFontCharset = std::uint8_t;
const TIdentMap& CharsetIdents();

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmXor };

const TEnumInfo& FontStyleInfo();
const TEnumInfo& FontPitchInfo();
const TEnumInfo& BrushStyleInfo();
const TEnumInfo& PenStyleInfo();
const TEnumInfo& PenModeInfo();

// A drawing tool that tells its owner when it changes.
class TGraphicsObject : public TPersistent {
  FORMS_CLASS(TGraphicsObject)
 public:
  TNotifyEvent OnChange;
  void SetOwner(TPersistent* owner) { owner_ = owner; }
  TPersistent* GetOwner() const override { return owner_; }

 protected:
  virtual void Changed();

 private:
  TPersistent* owner_ = nullptr;
};

class TFont : public TGraphicsObject {
  FORMS_CLASS(TFont)
 public:
  TFont();
  ~TFont() override;

  const std::u16string& Name() const { return name_; }
  void SetName(const std::u16string& v);
  // Negative: the character height in pixels; positive: the cell height.
  int Height() const { return height_; }
  void SetHeight(int v);
  // Points at PixelsPerInch: Size = -Height * 72 / PixelsPerInch, rounded.
  int Size() const;
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles v);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset v);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch v);
  int PixelsPerInch() const { return ppi_; }
  void SetPixelsPerInch(int v) { ppi_ = v > 0 ? v : 96; }

  // The value drawing surfaces select.
  const gfx::Font& GfxFont() const;
  // A font object for window messages (WM_SETFONT); owned by this font.
  gfx::HFONT Handle() const;

  void Assign(const TPersistent* source) override;
  bool SameAs(const TFont& other) const;

 protected:
  void Changed() override;

 private:
  std::u16string name_ = u"Tahoma";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_;
  TFontCharset charset_ = gfx::DEFAULT_CHARSET;
  TFontPitch pitch_ = TFontPitch::fpDefault;
  int ppi_ = 96;
  mutable std::unique_ptr<gfx::Font> font_;
  mutable gfx::HFONT handle_ = nullptr;
};

class TBrush : public TGraphicsObject {
  FORMS_CLASS(TBrush)
 public:
  TBrush() = default;
  ~TBrush() override;
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle v);
  gfx::Brush Value() const;
  // A brush object for window messages (WM_CTLCOLOR...); owned by this brush.
  gfx::HBRUSH Handle() const;
  void Assign(const TPersistent* source) override;

 protected:
  void Changed() override;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  mutable gfx::HBRUSH handle_ = nullptr;
};

class TPen : public TGraphicsObject {
  FORMS_CLASS(TPen)
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  int Width() const { return width_; }
  void SetWidth(int v);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle v);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode v);
  gfx::Pen Value() const;
  void Assign(const TPersistent* source) override;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = TPenStyle::psSolid;
  TPenMode mode_ = TPenMode::pmCopy;
};

}  // namespace forms
