#include "skin/data/acSkinLoader.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "platform/base/TextCase.h"
#include "skin/data/acFiles.h"
#include "skin/data/acPathText.h"
#include "skin/data/acScaleVariants.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinPackage.h"
#include "skin/data/acSkinPictures.h"
#include "skin/data/acSkinSources.h"

namespace skin {

namespace {

constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";
// Largest picture file of a skin folder that is read.
constexpr std::uint64_t kMaxPictureFileSize = 64u << 20;
// Skins newer than this are loaded with a warning.
constexpr double kNewestKnownVersion = 14.99;

// Clears a flag of the manager state when it goes out of scope.
class TScopedStateFlag {
 public:
  TScopedStateFlag(unsigned& state, unsigned flag) : state_(state), flag_(flag), had_((state & flag) != 0) {
    state_ |= flag_;
  }
  ~TScopedStateFlag() {
    if (!had_) state_ &= ~flag_;
  }
  TScopedStateFlag(const TScopedStateFlag&) = delete;
  TScopedStateFlag& operator=(const TScopedStateFlag&) = delete;

 private:
  unsigned& state_;
  unsigned flag_;
  bool had_;
};

}  // namespace

TacSkinLoader::TacSkinLoader() { Settings.ProgramDirectory = ProgramDirectory(); }

TacSkinLoader::~TacSkinLoader() = default;

// ---- Loading ----

int TacSkinLoader::DataSetIndex(int ppi) const {
  return Settings.ScaleMode == TacScaleMode::smVCL && !Settings.Designing ? ScaleIndexOfPPI(ppi) : 0;
}

void TacSkinLoader::ReloadSkin(int ppi) {
  if (!FActive) return;
  commonIni_.SetText(Settings.CommonSections);
  if (!InitSkinFile()) return;
  LoadFonts();
  LoadCommonData();

  const int index = DataSetIndex(ppi);
  if (index >= static_cast<int>(SkinDataArray.size())) SkinDataArray.resize(static_cast<std::size_t>(index) + 1);
  std::unique_ptr<TacSkinData>& slot = SkinDataArray[static_cast<std::size_t>(index)];
  if (!slot) {
    const int scaleValue = Settings.ScaleMode == TacScaleMode::smVCL ? index : ScaleIndexOfPPI(ppi);
    slot = std::make_unique<TacSkinData>(this, ppi, scaleValue);
  }
  slot->PPI = ppi;
  FillDataSet(*slot);
}

void TacSkinLoader::FillDataSet(TacSkinData& data) {
  struct TInitializing {
    TacSkinData& d;
    explicit TInitializing(TacSkinData& data) : d(data) { d.Initializing = true; }
    ~TInitializing() { d.Initializing = false; }
  } initializing(data);
  data.Clear();
  data.LoadParams();
  data.LoadAllMasks();
  data.LoadAllGeneralData();
  data.InitConstantIndexes();
  data.InitMaskIndexes();
  data.InitMaskParams();
  InitSkinParams(data);
  data.CheckShadows();
  DoSkinLoading();
}

bool TacSkinLoader::InitSkinFile() {
  const TacSkinSearchSettings settings{Settings.SkinDirectory, Settings.ProgramDirectory,
                                       Settings.PreviewOptions ? &*Settings.PreviewOptions : nullptr, InternalSkins};
  TacSkinSearchState state{FSkinName, FActive, SkinFile, SkinCommonInfo.SkinPath, SkinIsPacked, sc};
  return ::skin::InitSkinFile(settings, state, *this);
}

bool TacSkinLoader::ReadSkinFile(std::u16string_view name, TacBytes& holder,
                                 std::span<const std::uint8_t>& bytes) const {
  if (SkinIsPacked && sc) {
    const TacFileItem* item = sc->FindFile(name);
    if (item == nullptr) return false;
    bytes = item->Stream;
    return true;
  }
  const std::u16string path = name.find(u':') != std::u16string_view::npos
                                  ? std::u16string(name)
                                  : SkinCommonInfo.SkinPath + std::u16string(name);
  if (!FileExists(path)) return false;
  holder = ReadWholeFile(path, kMaxPictureFileSize);
  bytes = holder;
  return true;
}

void TacSkinLoader::SetMasterBitmap(Bitmap32Ptr bmp) {
  if (MasterBitmap && bmp) *MasterBitmap = std::move(*bmp);
  else MasterBitmap = std::move(bmp);
}

void TacSkinLoader::LoadCommonData() {
  SetMasterBitmap(NewBitmap32(0, 0));
  const std::u16string name = SkinFile.ReadString(kGlobalInfo, u"MASTERBITMAP", u"");
  if (!name.empty()) {
    TacBytes holder;
    std::span<const std::uint8_t> bytes;
    if (ReadSkinFile(name, holder, bytes)) {
      SetMasterBitmap(DecodeSkinPicture(bytes, MasterPictureCodec(base::ToUpperAscii(name)), name, true));
    }
  }

  TacSkinCommonInfo& info = SkinCommonInfo;
  info.Version = SkinFile.ReadFloat(kGlobalInfo, u"VERSION", 0);
  info.Author = SkinFile.ReadString(kGlobalInfo, u"AUTHOR", u"");
  info.Description = SkinFile.ReadString(kGlobalInfo, u"DESCRIPTION", u"");
  info.MainFont = SkinFile.ReadString(kGlobalInfo, u"MainFont", u"");
  info.UseAeroBluring = SkinFile.ReadInteger(kGlobalInfo, u"AEROBLUR", 0) != 0;
  info.Shadow1Color = static_cast<TColor>(SkinFile.ReadInteger(kGlobalInfo, u"SHADOW1COLOR", 0));
  info.ArrowStyle = SkinFile.ReadInteger(kGlobalInfo, u"ARROWSTYLE", 0);
  info.BIVAlign = SkinFile.ReadInteger(kGlobalInfo, u"BIVALIGN", 0);
  info.BIKeepHUE = SkinFile.ReadInteger(kGlobalInfo, u"BIKEEPHUE", 0);
  info.BrightMin = SkinFile.ReadInteger(kGlobalInfo, u"BRIGHTMIN", -50);
  info.BrightMax = SkinFile.ReadInteger(kGlobalInfo, u"BRIGHTMAX", 50);
  info.OptionsDat = &SkinFile;

  // Skins older than 10.26 are accepted silently. The warning is shown once per skin
  // change, not once per density loaded.
  if (!versionChecked_) {
    versionChecked_ = true;
    if (info.Version > kNewestKnownVersion && !Settings.PreviewRun) {
      ShowSkinMessage(TacMsgKind::Warning, kSkinVersionWarning);
    }
  }
}

bool TacSkinLoader::HasLoadedSections() const {
  return !SkinDataArray.empty() && SkinDataArray[0] && !SkinDataArray[0]->gd.empty();
}

TacSkinData* TacSkinLoader::CommonSkinData(int ppi) {
  const int index = DataSetIndex(ppi);
  if (!IsActive() && (ManagerState & (msSkinChanging | msBroadCasting)) == 0) {
    TacSkinData& empty = SharedEmptySkinData(index);
    empty.PPI = ppi;
    empty.ScalePercent = ppi * 100 / 96;
    return &empty;
  }
  if (Settings.Designing) ppi = 96;
  if (index >= static_cast<int>(SkinDataArray.size())) {
    if (SkinDataArray.empty() && ppi != 96 && Settings.ScaleMode == TacScaleMode::smVCL) CommonSkinData(96);
    SkinDataArray.resize(static_cast<std::size_t>(index) + 1);
  }
  const std::size_t at = static_cast<std::size_t>(index);
  if (TacSkinData* existing = SkinDataArray[at].get()) {
    if (IsChanging() && !existing->Initializing && !HasLoadedSections()) ReloadSkin(ppi);
    return SkinDataArray[at].get();
  }
  const int scaleValue = Settings.ScaleMode == TacScaleMode::smVCL ? index : ScaleIndexOfPPI(ppi);
  SkinDataArray[at] = std::make_unique<TacSkinData>(this, ppi, scaleValue);
  SkinDataArray[at]->LoadParams();
  if ((ppi != 96 && HasLoadedSections()) || (IsChanging() && index == 0 && !HasLoadedSections())) {
    ReloadSkin(ppi);
  }
  return SkinDataArray[at].get();
}

void TacSkinLoader::LoadSkinDataSets() {
  switch (Settings.ScaleMode) {
    case TacScaleMode::smVCL:
      CommonSkinData(96);
      if (Settings.ScreenPPI != 96) CommonSkinData(Settings.ScreenPPI);
      break;
    case TacScaleMode::smCustomPPI: CommonSkinData(Settings.PixelsPerInch); break;
    default: CommonSkinData(acScalePPI[GetScale()]); break;
  }
}

bool TacSkinLoader::LoadSkin() {
  ResetSkinData();
  {
    const TScopedStateFlag changing(ManagerState, msSkinChanging);
    try {
      LoadSkinDataSets();
    } catch (...) {
      ResetSkinData();
      throw;
    }
  }
  SkinCommonInfo.Active = HasLoadedSections();
  return SkinCommonInfo.Active;
}

void TacSkinLoader::ResetSkinData() {
  SkinCommonInfo.Active = false;
  SkinCommonInfo.Sections = TacSkinCommonInfo::AllSectionsMissing();
  SkinDataArray.clear();
  versionChecked_ = false;
}

void TacSkinLoader::FreeSkin() {
  ResetSkinData();
  MasterBitmap.reset();
  sc.reset();
}

void TacSkinLoader::SetSkinChanging(bool on) {
  if (on) ManagerState |= msSkinChanging;
  else ManagerState &= ~msSkinChanging;
}

// ---- Scale ----

int TacSkinLoader::GetScale() const {
  if (Settings.Designing) return 0;
  switch (Settings.ScaleMode) {
    case TacScaleMode::sm100: return 0;
    case TacScaleMode::sm125: return 1;
    case TacScaleMode::sm150: return 2;
    case TacScaleMode::sm200: return 3;
    case TacScaleMode::smAuto: return ScaleIndexOfPPI(Settings.ScreenPPI);
    default: return 0;
  }
}

int TacSkinLoader::ScaleInt(int value, int scale) const {
  const std::int64_t v = value;
  std::int64_t r = v;
  if (Settings.ScaleMode == TacScaleMode::smCustomPPI) {
    r = v * Settings.PixelsPerInch / 96;
  } else {
    const int s = Settings.ScaleMode == TacScaleMode::smOldMode ? 0 : (scale < 0 ? GetScale() : scale);
    switch (s) {
      case 1: r = v + v / 4; break;
      case 2: r = v + v / 2; break;
      case 3: r = v * 2; break;
      default: break;
    }
  }
  return static_cast<int>(std::clamp<std::int64_t>(r, INT32_MIN, INT32_MAX));
}

bool TacSkinLoader::IsValidSkinIndex(int index) const {
  const TacSkinData* data = DataOrDefault(nullptr);
  return data != nullptr && index >= 0 && index < static_cast<int>(data->gd.size());
}

bool TacSkinLoader::IsValidImgIndex(int index) const {
  const TacSkinData* data = DataOrDefault(nullptr);
  return data != nullptr && index >= 0 && index < static_cast<int>(data->ma.size());
}

const TacSkinData* TacSkinLoader::DataOrDefault(const TacSkinData* data) const {
  if (data != nullptr) return data;
  return SkinDataArray.empty() ? nullptr : SkinDataArray[0].get();
}

}  // namespace skin
