#include "skin/data/acSkinPackage.h"

#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "skin/data/acFiles.h"
#include "skin/data/acSkinHost.h"

namespace skin {

TacFileType FileTypeOfName(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  const std::u16string ext = dot == std::u16string_view::npos ? std::u16string() : base::ToUpperAscii(name.substr(dot));
  if (ext == u".BMP") return TacFileType::ftBmp;
  if (ext == u".TTF" || ext == u".OTF") return TacFileType::ftFont;
  return TacFileType::ftOther;
}

const TacFileItem* TacSkinConvertor::FindFile(std::u16string_view name) const {
  for (const TacFileItem& f : Files)
    if (base::EqualsIgnoreAsciiCase(f.Name, name)) return &f;
  return nullptr;
}

void TacSkinConvertor::Clear() {
  Options.reset();
  FileCount = 0;
  Files.clear();
}

bool ReadSkinPackage(TacSkinConvertor& sc, TacSkinHost& manager) {
  if (!HasPackageMagic(sc.PackedData)) {
    manager.ShowSkinMessage(TacMsgKind::Error, kNotAPackageMessage);
    return false;
  }
  TacPackageCursor cursor(sc.PackedData);
  const std::uint32_t count = cursor.ReadHeader();
  sc.FileCount = static_cast<std::int32_t>(count - 1u);
  const int codePage = base::SystemCodePage();
  std::string rawName;
  for (std::uint32_t i = 0; i < count; ++i) {
    TacBytes bytes;
    cursor.ReadMember(rawName, bytes);
    std::u16string name = base::CodePageToUtf16(rawName, codePage);
    if (base::EqualsIgnoreAsciiCase(name, u"OPTIONS.DAT")) {
      sc.Options = std::move(bytes);
    } else {
      const TacFileType type = FileTypeOfName(name);
      sc.Files.push_back({std::move(name), type, std::move(bytes)});
    }
  }
  return true;
}

void LoadSkinPackageFile(std::u16string_view fileName, std::unique_ptr<TacSkinConvertor>& holder,
                         TacSkinHost& manager) {
  if (!FileExists(fileName)) return;
  if (holder) {
    holder->Clear();
  } else {
    holder = std::make_unique<TacSkinConvertor>();
  }
  const TacBytes data = ReadWholeFile(fileName, kMaxPackageFileSize);
  holder->PackedData = data;
  struct Detach {
    TacSkinConvertor& sc;
    ~Detach() { sc.PackedData = {}; }
  } detach{*holder};
  ReadSkinPackage(*holder, manager);
}

}  // namespace skin
