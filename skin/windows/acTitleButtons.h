#pragma once
// Title buttons of a skinned frame: the record of one button (TsCaptionButton), the glyph
// each system button shows, and the hit test of the frame (which element lies under a
// point). The states and the painting of the buttons are the provider's; the hit test
// and the glyph choice are pure rules.
#include <cstdint>

#include "platform/gfx/Geometry.h"
#include "skin/windows/acSystemMenuRules.h"

namespace skin {

struct TacFrameShape;
struct TacTitleLayout;
struct TacTitleSkin;
struct TsMaskData;
class TacSkinData;
class TsSkinManager;

class TacSBAnimation;

// Indexes into the skin's title glyph table.
enum TacTitleGlyph : std::uint8_t {
  tgCloseAlone = 0,
  tgClose = 1,
  tgMax = 2,
  tgMin = 3,
  tgNorm = 4,
  tgHelp = 5,
  tgSmallClose = 6,
  tgSmallMax = 7,
  tgSmallMin = 8,
  tgSmallNorm = 9,
  tgSmallHelp = 10,
  tgUserButton = 11,
  tgUserPlain = 12,
};

// One title button.
struct TsCaptionButton {
  int cpState = 0;  // 0 normal, 1 hot, 2 pressed, -1 not in use
  int cpGlowID = -1;
  gfx::TRect cpRect{};
  int cpHitCode = 0;
  TacSBAnimation* cpTimer = nullptr;  // the running hover animation, owned by the provider
  bool cpHaveAlignment = true;
  std::uint8_t cpGlyphType = tgClose;
};

// The glyph types of the system buttons for a form.
struct TacButtonGlyphs {
  std::uint8_t Close, Max, Min, Help;
  bool HaveAlignment;
};
TacButtonGlyphs ButtonGlyphTypes(bool bigButtons, const TacMenuFacts& f, bool mainForm);

// What the frame's hit test reads.
struct TacTitleHitFacts {
  TacMenuFacts Menu;
  gfx::TRect Close{}, Max{}, Min{}, Help{}, Icon{};
  int Width = 0, Height = 0;
  int FrameWidth = 0;
  int SystemCaptionHeight = 0;
  int CaptionHeight = 0;
  int MenuLineHeight = 0;
  bool SizingBorder = false;
};

// The element under a point in window coordinates (Algorithm of the title hit test):
// title buttons first, then the sizing borders, then icon, caption, menu line and client.
int TitleHitTest(const TacTitleHitFacts& f, gfx::TPoint p);

// The image entry of a title glyph (TacTitleGlyph) in the skin data, or nullptr.
const TsMaskData* TitleGlyphEntry(const TacSkinData* d, int glyphType);

// The title band's numbers a skin gives (margins, spacing, the close image's height,
// the manager's vertical alignment of big buttons); defaults without skin data.
TacTitleSkin TitleSkinOf(const TacSkinData* d, const TsSkinManager* m);

// The facts of a window laid out as l with the frame s and the menu facts given.
TacTitleHitFacts TitleHitFacts(const TacTitleLayout& l, const TacFrameShape& s, const TacMenuFacts& menu);

// The codes the provider answers itself; the others go to the platform's hit test.
bool AnsweredByProvider(int hitCode);
// The codes that make a title element hot.
bool HotTitleCode(int hitCode);

}  // namespace skin
