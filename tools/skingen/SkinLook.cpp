#include "tools/skingen/SkinLook.h"

#include <algorithm>
#include <cctype>

#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "skin/data/acSectionReader.h"

namespace skingen {

namespace {

std::string UpperUtf8(std::u16string_view s) { return base::Utf16ToUtf8(base::ToUpperAscii(s)); }

}  // namespace

TSkinLook::TSkinLook(std::u16string_view options, std::map<std::string, skin::Bitmap32> pictures) {
  ini_.SetText(options);
  for (auto& [name, bmp] : pictures) pictures_.emplace(UpperUtf8(base::Utf8ToUtf16(name)), std::move(bmp));
  const std::u16string masterName = ini_.ReadString(u"GLOBALINFO", u"MASTERBITMAP", u"");
  const auto it = pictures_.find(UpperUtf8(masterName));
  if (it != pictures_.end()) master_ = &it->second;
}

int TSkinLook::States(std::u16string_view section) const {
  return std::clamp(skin::TacSectionReader(ini_, section).ReadInt(u"STATES", 3, 255), 0, 255);
}

int TSkinLook::Int(std::u16string_view section, std::u16string_view key, int def) const {
  return skin::TacSectionReader(ini_, section).ReadInt(key, def);
}

TLookState TSkinLook::State(std::u16string_view section, int s) const {
  const skin::TacSectionReader r(ini_, section);
  const int states = States(section);
  s = std::clamp(s, 0, std::max(0, states - 1));
  if (s >= 2 && r.ReadInt(u"USESTATE2", 0) != 1) s = 1;
  if (s >= 1 && states < 2) s = 0;
  static const char16_t* const kColor[] = {u"COLOR", u"HOTCOLOR", u"COLOR2"};
  static const char16_t* const kFont[] = {u"FONTCOLOR", u"HOTFONTCOLOR", u"FONTCOLOR2"};
  static const char16_t* const kTrans[] = {u"TRANSPARENCY", u"HOTTRANSPARENCY", u"TRANSPARENCY2"};
  static const char16_t* const kGradP[] = {u"GRADIENTPERCENT", u"HOTGRADIENTPERCENT", u"GRADIENTPERCENT2"};
  static const char16_t* const kGrad[] = {u"GRADIENTDATA", u"HOTGRADIENTDATA", u"GRADIENTDATA2"};
  static const char16_t* const kImgP[] = {u"IMAGEPERCENT", u"HOTIMAGEPERCENT", u"IMAGEPERCENT2"};
  TLookState st;
  st.Color = static_cast<skin::TColor>(r.ReadInt(kColor[s], 0xFFFFFF));
  st.FontColor = static_cast<skin::TColor>(r.ReadInt(kFont[s], 0));
  st.Transparency = r.ReadInt(kTrans[s], 0, 100);
  st.GradientPercent = r.ReadInt(kGradP[s], 0, 100);
  st.ImagePercent = r.ReadInt(kImgP[s], 0, 100);
  if (const std::u16string* g = r.FindValue(kGrad[s])) st.Gradient = skin::ParseGradientData(base::Utf16ToUtf8(*g));
  return st;
}

TLookImage TSkinLook::Image(std::u16string_view section, std::u16string_view key) const {
  TLookImage img;
  const std::u16string* v = skin::TacSectionReader(ini_, section).FindValue(key);
  if (!v) return img;
  const std::u16string value = base::ToUpperAscii(*v);
  if (!skin::IsImageRefValue(value)) return img;
  img.Ref = skin::ParseCanonicalImageRef(skin::NormalizeImageRef(value));
  if (img.Ref.File.empty()) {
    img.Source = master_;
  } else {
    const auto it = pictures_.find(UpperUtf8(img.Ref.File));
    if (it == pictures_.end()) return img;
    img.Source = &it->second;
    if (img.Ref.R.IsEmpty()) img.Ref.R = {0, 0, it->second.Width(), it->second.Height()};
  }
  return img;
}

}  // namespace skingen
