#pragma once
// A built skin as the mock-ups read it: the options ini (parsed by the skin data layer,
// with its section inheritance) and the pictures as the loader holds them. It answers
// the few questions a rough painter asks: a section's colours, gradient and texture in a
// state, and the image entries that its keys name. It is not the skin engine's data
// model, only enough of it to judge the look before that engine exists.
#include <map>
#include <string>
#include <string_view>

#include "skin/data/acImageRef.h"
#include "skin/data/acSkinIni.h"
#include "skin/render/pixels/Bitmap32.h"
#include "skin/render/pixels/acGradient.h"

namespace skingen {

// What the painter uses of one state of a section.
struct TLookState {
  skin::TColor Color = 0xFFFFFF;
  skin::TColor FontColor = 0;
  int Transparency = 0;
  int GradientPercent = 0;
  int ImagePercent = 0;
  skin::TsGradArray Gradient;
};

// An image entry: where its pictures lie and the bitmap that holds them.
struct TLookImage {
  skin::TacImageRef Ref;
  const skin::Bitmap32* Source = nullptr;
  int Width() const { return Ref.ImageCount > 0 ? Ref.R.Width() / Ref.ImageCount : 0; }
  int Height() const { return Ref.MaskType ? Ref.R.Height() / 2 : Ref.R.Height(); }
  bool Valid() const { return Source != nullptr && Ref.ImageCount > 0 && !Ref.R.IsEmpty(); }
};

class TSkinLook {
 public:
  // options: the OPTIONS.DAT text; pictures: member name (any case) to pixels as loaded.
  TSkinLook(std::u16string_view options, std::map<std::string, skin::Bitmap32> pictures);
  TSkinLook(const TSkinLook&) = delete;
  TSkinLook& operator=(const TSkinLook&) = delete;

  const skin::TacSkinIni& Ini() const { return ini_; }
  bool HasSection(std::u16string_view section) const { return ini_.SectionExists(section); }
  // The number of states (STATES, inherited, default 3).
  int States(std::u16string_view section) const;
  // State s of a section, limited to its states; state 1 copies state 0 below two
  // states, state 2 copies state 1 without USESTATE2.
  TLookState State(std::u16string_view section, int s) const;
  // An integer key with inheritance; def when missing.
  int Int(std::u16string_view section, std::u16string_view key, int def) const;
  // The image entry a key names (with inheritance); invalid when none.
  TLookImage Image(std::u16string_view section, std::u16string_view key) const;
  const skin::Bitmap32* Master() const { return master_; }

 private:
  skin::TacSkinIni ini_;
  std::map<std::string, skin::Bitmap32> pictures_;  // by upper-case member name
  const skin::Bitmap32* master_ = nullptr;
};

}  // namespace skingen
