#pragma once
// TacSkinLoader: the loading half of the skin manager. It holds what a load builds (the
// options ini, the opened package, the master bitmap, the skin-wide common info, the
// palette and one TacSkinData per density in use) and runs the load sequence, the data
// set bookkeeping per scale mode and the lookups by name. TsSkinManager derives from it,
// keeps Settings in step with its published properties and overrides the hooks below
// (message boxes with dialog skinning off, the OnSkinLoading event). It knows nothing of
// windows, broadcasting or the window hook.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/acPackageFormat.h"
#include "skin/data/acSkinHost.h"
#include "skin/data/acSkinIni.h"
#include "skin/data/acSkinRecords.h"
#include "skin/data/sStoredSkins.h"

namespace skin {

class TacSkinData;
struct TacSkinConvertor;

enum class TacScaleMode { sm100, sm125, sm150, sm200, smAuto, smOldMode, smVCL, smCustomPPI };

// What the manager is in the middle of (bits of ManagerState).
enum TacManagerStateFlag : unsigned {
  msFontChanging = 1u << 0,
  msScaleChanging = 1u << 1,
  msSkinRemoving = 1u << 2,
  msSkinChanging = 1u << 3,
  msBroadCasting = 1u << 4,
  msAnimScaling = 1u << 5,
  msFormScaling = 1u << 6,
  msRTLFlipped = 1u << 7,
};

// The manager's settings a load reads. The manager keeps them in step with its
// properties; the loader never writes them.
struct TacSkinLoadSettings {
  std::u16string SkinDirectory;     // as set, not resolved
  std::u16string ProgramDirectory;  // the executable's directory with a trailing separator
  // The options text of a live preview; while set, no skin source is searched.
  std::optional<std::u16string> PreviewOptions;
  TacScaleMode ScaleMode = TacScaleMode::smVCL;
  int PixelsPerInch = 96;  // Options.PixelsPerInch: the density of smCustomPPI
  int ScreenPPI = 96;      // the platform's density (smVCL, smAuto)
  bool Designing = false;
  int Brightness = 0;  // below 1: PNG pictures that are not borders are premultiplied
  bool ExtendedBorders = false;
  std::u16string CommonSections;   // an extra options text merged into every skin
  bool PreviewRun = false;         // the first command-line argument is "/acpreview"
  bool CompositionEnabled = true;  // desktop composition is on (premultiplication rule)
  int SizingFrameWidth = 8;        // the platform's sizing-frame width (default FORMOFFSET)
};

// The warning shown for a skin newer than this engine supports.
inline constexpr char16_t kSkinVersionWarning[] =
    u"This version of the skin has not complete support by used Quillon package release.\r\n"
    u"Components must be updated to latest version for using this skin.";

class TacSkinLoader : public TacSkinHost {
 public:
  TacSkinLoader();
  ~TacSkinLoader() override;
  TacSkinLoader(const TacSkinLoader&) = delete;
  TacSkinLoader& operator=(const TacSkinLoader&) = delete;

  // ---- What the manager sets (its properties' fields) ----
  TacSkinLoadSettings Settings;
  std::u16string FSkinName;  // the skin search may replace it (first internal skin)
  bool FActive = true;       // the skin search clears it when no source exists
  TsStoredSkins InternalSkins;

  // ---- What a load builds ----
  TacSkinIni SkinFile;
  std::unique_ptr<TacSkinConvertor> sc;
  bool SkinIsPacked = false;
  Bitmap32Ptr MasterBitmap;
  TacSkinCommonInfo SkinCommonInfo;
  TacPaletteArray Palette{};
  std::vector<std::unique_ptr<TacSkinData>> SkinDataArray;  // by scale index, created on demand
  unsigned ManagerState = 0;

  // ---- Loading ----
  // Loads the skin into the data set for ppi (created when missing). Does nothing when the
  // manager is inactive or no skin source is found. Errors of the skin's data (a broken
  // package, an unreadable picture) are thrown; the data set's Initializing flag is
  // cleared either way.
  void ReloadSkin(int ppi);
  // Finds the skin source of FSkinName and fills SkinFile, SkinPath, SkinIsPacked and sc.
  bool InitSkinFile();
  // Embedded fonts of a skin are not loaded: the engine draws with the system's fonts.
  void LoadFonts() {}
  // The master bitmap, the identity keys and the version check. A master bitmap already
  // there is refilled in place: entries of data sets loaded before point at it.
  void LoadCommonData();
  // The palette, in key order, from [GLOBALINFO] and the sections of data.
  void InitSkinParams(const TacSkinData& data);

  // The data set for a density, as the scale mode and the manager's state decide: the
  // shared empty set while no skin is active, else the set of its scale index, created
  // (and filled) when missing.
  TacSkinData* CommonSkinData(int ppi);
  // Creates and fills the data sets the scale mode needs (96 first under smVCL).
  void LoadSkinDataSets();
  // Drops the loaded skin: not active, every section index -1, every data set freed. The
  // master bitmap and the opened package stay until the next load or FreeSkin.
  void ResetSkinData();
  // ResetSkinData, and the master bitmap and the opened package are freed too.
  void FreeSkin();
  // The data part of a skin change: ResetSkinData, then LoadSkinDataSets in the
  // skin-changing state; the skin is active when the set for 96 has sections. On an error
  // the data is reset again and the error is thrown on. Returns IsActive().
  bool LoadSkin();
  // The set for 96 dots per inch exists and has sections.
  bool HasLoadedSections() const;
  // The bytes of a file the skin names: the member of that name (any letter case) of a
  // packed skin, else the file in the skin folder (or the name itself when it holds ":").
  // File bytes go to holder. False when there is no such file.
  bool ReadSkinFile(std::u16string_view name, TacBytes& holder, std::span<const std::uint8_t>& bytes) const;

  // ---- Questions ----
  bool IsActive() const { return SkinCommonInfo.Active; }
  bool IsChanging() const { return (ManagerState & msSkinChanging) != 0; }
  // The scale index of the scale mode (0 while designing and for smOldMode, smVCL and
  // smCustomPPI).
  int GetScale() const;
  // A value at 96 dots per inch scaled by the scale mode (scale -1: GetScale).
  int ScaleInt(int value, int scale = -1) const;
  // The colour lookup with this manager (active or changing skins): skin colour constants
  // and system colours map to the palette and the skin's sections; other values resolve
  // like ColorToRGB. Without an active skin it answers as without a manager.
  TColor SkinColorToRGB(TColor c) const;
  bool IsValidSkinIndex(int index) const;
  bool IsValidImgIndex(int index) const;

  // ---- Lookups by name (data set nullptr: the set for 96 dots per inch) ----
  int GetSkinIndex(std::u16string_view name, const TacSkinData* data = nullptr) const;
  // First entry of the section and key; else the same for the parent section, unless the
  // parent is empty or equal to sectionName.
  int GetMaskIndex(int skinIndex, std::u16string_view sectionName, const TacSkinData* data,
                   std::u16string_view key) const;
  // The same with the section's own name.
  int GetMaskIndex(int skinIndex, std::u16string_view key, const TacSkinData* data = nullptr) const;
  // First entry of the two names; no inheritance.
  int GetMaskIndex(std::u16string_view sectionName, std::u16string_view key, const TacSkinData* data = nullptr) const;
  // Texture entries only, by names and then by the parent chain.
  int GetTextureIndex(int skinIndex, std::u16string_view sectionName, const TacSkinData* data,
                      std::u16string_view key) const;
  int GetTextureIndex(int skinIndex, std::u16string_view key, const TacSkinData* data = nullptr) const;
  // An entry read straight from the options text for a density: the first variant whose
  // density exceeds ppi, else the highest one below it, rescaled to ppi. Its picture, when
  // it needs one of its own, goes to picture (md.Bmp points into it). Returns the scale
  // index of the variant used, or -1 when the manager is inactive or no variant exists.
  int GetScaledMaskData(std::u16string_view section, std::u16string_view key, TsMaskData& md, Bitmap32Ptr& picture,
                        int ppi) const;

  // The options text of CommonSections, parsed at each load.
  const TacSkinIni& CommonSectionsIni() const { return commonIni_; }

  // ---- TacSkinHost ----
  void SetSkinChanging(bool on) override;

 protected:
  // Called at the end of every ReloadSkin (the manager's OnSkinLoading event).
  virtual void DoSkinLoading() {}

 private:
  // The index of the data set of a density in SkinDataArray under the scale mode.
  int DataSetIndex(int ppi) const;
  // Makes bmp the master bitmap, keeping the address of the one there is.
  void SetMasterBitmap(Bitmap32Ptr bmp);
  void FillDataSet(TacSkinData& data);
  const TacSkinData* DataOrDefault(const TacSkinData* data) const;
  // Which entries a lookup takes at each section of the parent chain.
  enum class TacEntryMatch { AnyByIndex, TextureByIndex, TextureByName };
  int MaskIndexInChain(int skinIndex, std::u16string_view sectionName, const TacSkinData& data, std::u16string_view key,
                       TacEntryMatch match, std::vector<int>& visited) const;
  TColor SectionColorOr(int section, int state, bool font, TColor fallback) const;

  TacSkinIni commonIni_;
  bool versionChecked_ = false;  // the version warning is shown once per skin change
};

// The colour lookup without a manager: a value whose high byte is 101 or more loses that
// byte; system colours resolve with ColorToRGB; other values stay.
TColor NoManagerColorToRGB(TColor c);

}  // namespace skin
