#pragma once
// The settings objects a skin manager publishes: button support, general options, scroll
// bar sizes, the class lists for automatic skinning of standard controls, and the
// collection of internal skins as the window description stores it. They hold values and
// tell their manager when a value it acts on changes; the manager does the acting.
#include <array>
#include <cstdint>
#include <string>

#include "platform/forms/Collections.h"
#include "platform/forms/Strings.h"
#include "skin/data/acSkinLoader.h"

namespace skin {

class TsSkinManager;
class TsStoredSkin;

// Whether buttons draw their glyphs the old way (the program turns it on). Process-wide,
// read by the push buttons.
bool acOldGlyphsMode();
void SetOldGlyphsMode(bool on);

// Which parts of OK, Yes, Cancel and No buttons take the colours of their modal result.
enum TacModalButtonsColoringItem : unsigned { bcGlyph = 1, bcText = 2, bcBackground = 4 };

class TacButtonsSupport : public forms::TPersistent {
  FORMS_CLASS(TacButtonsSupport)
 public:
  bool OldGlyphsMode() const { return acOldGlyphsMode(); }
  void SetOldGlyphsMode(bool v) { ::skin::SetOldGlyphsMode(v); }
  bool ShowFocusRect = false;
  bool ShiftContentOnClick = true;
  bool AllowRTLSysButtons = true;
  unsigned ModalButtonsColoring = bcGlyph;  // TacModalButtonsColoringItem bits
};

enum class TacArrowsStyle { arsDefault, arsSolid, arsLines };
enum class TacOptimizingPriority { opSpeed, opMemory };
enum class TacGroupBoxStyle { gsStandard, gsCard };

// General options. ScaleMode and PixelsPerInch feed the manager's load settings.
class TacOptions : public forms::TPersistent {
  FORMS_CLASS(TacOptions)
 public:
  explicit TacOptions(TsSkinManager* manager = nullptr) : manager_(manager) {}
  bool ChangeSysColors = false;
  bool CheckEmptyAlpha = false;
  bool DrawNonClientArea = true;
  bool NativeBordersMaximized = false;
  bool NoMouseHover = false;
  bool StdGlyphsOrder = false;
  bool StdImgTransparency = false;
  TacArrowsStyle ArrowsStyle = TacArrowsStyle::arsDefault;
  TacOptimizingPriority OptimizingPriority = TacOptimizingPriority::opSpeed;
  TacGroupBoxStyle GroupBoxStyle = TacGroupBoxStyle::gsStandard;

  TacScaleMode ScaleMode() const;
  void SetScaleMode(TacScaleMode v);
  int PixelsPerInch() const;
  void SetPixelsPerInch(int v);

 private:
  TsSkinManager* manager_;
};

// Which effects controls may show. Read by the controls: fades of buttons and glyph
// painting (AllowAnimation, DiscoloredGlyphs), outer shadows and glows drawn onto the
// parent's picture (AllowOuterEffects), glow windows around hovered controls
// (AllowGlowing). Each is a plain value; nothing acts on a change by itself.
class TacEffects : public forms::TPersistent {
  FORMS_CLASS(TacEffects)
 public:
  bool AllowAnimation = true;
  bool AllowOuterEffects = true;
  bool AllowGlowing = true;
  bool DiscoloredGlyphs = false;
};

// Button events a fade may follow.
enum class TacBtnEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };
using TacBtnEvents = forms::TSet<TacBtnEvent>;

// The events after which push buttons fade between their pictures.
class TacBtnEffects : public forms::TPersistent {
  FORMS_CLASS(TacBtnEffects)
 public:
  TacBtnEvents Events{TacBtnEvent::beMouseEnter, TacBtnEvent::beMouseLeave, TacBtnEvent::beMouseDown,
                      TacBtnEvent::beMouseUp};
};

// Animation settings by kind of control (push buttons only so far).
class TacAnimEffects : public forms::TPersistent {
  FORMS_CLASS(TacAnimEffects)
 public:
  TacBtnEffects Buttons;
};

// Sizes of skinned scroll bars; -1 takes the platform's sizes.
class TacScrollBarsSupport : public forms::TPersistent {
  FORMS_CLASS(TacScrollBarsSupport)
 public:
  int ScrollSize = -1;
  int ButtonsSize = -1;
};

// The lists of class names whose standard controls are skinned automatically, by kind.
enum TacThirdPartyIndex : int {
  tpEdit,
  tpButton,
  tpBitBtn,
  tpCheckBox,
  tpComboBox,
  tpGrid,
  tpGroupBox,
  tpListView,
  tpPanel,
  tpTreeView,
  tpwwEdit,
  tpGridEh,
  tpVirtualTree,
  tpPageControl,
  tpTabControl,
  tpToolBar,
  tpStatusBar,
  tpSpeedButton,
  tpScrollControl,
  tpUpDown,
  tpScrollBar,
  tpStaticText,
  tpNativePaint,
};
inline constexpr int acThirdPartyCount = 23;

// The 23 texts as stored, one class name per line; the manager turns them into lists.
class TsThirdPartyList : public forms::TPersistent {
  FORMS_CLASS(TsThirdPartyList)
 public:
  TsThirdPartyList();
  std::array<std::u16string, acThirdPartyCount> Texts;
  // The property name of each text, in index order.
  static const std::array<const char16_t*, acThirdPartyCount> Names;
  // The default of a text: "TButton" for the buttons, a single blank for the others.
  static std::u16string DefaultText(int index);
};

// One internal skin in the description: the published values of a stored skin and its
// two extra values "Data" (the package bytes) and "OriginName".
class TsStoredSkinItem : public forms::TCollectionItem {
  FORMS_CLASS(TsStoredSkinItem)
 public:
  explicit TsStoredSkinItem(forms::TCollection* collection);
  ~TsStoredSkinItem() override;
  TsStoredSkin& Skin() const { return *skin_; }
  std::u16string GetDisplayName() const override;
  void DefineProperties(forms::TFiler& filer) override;

 private:
  TsStoredSkin* skin_;
};

// The manager's internal skins as a collection of the description. Its items are the
// entries of the manager's TsStoredSkins, which the skin search reads.
class TsStoredSkinsCollection : public forms::TOwnedCollection {
  FORMS_CLASS(TsStoredSkinsCollection)
 public:
  TsStoredSkinsCollection(forms::TPersistent* owner, TsStoredSkins& skins);
  // The items go while the collection is still whole: they remove their stored skins.
  ~TsStoredSkinsCollection() override { Clear(); }
  TsStoredSkins& Skins() const { return skins_; }

 private:
  TsStoredSkins& skins_;
};

}  // namespace skin
