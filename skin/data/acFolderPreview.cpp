#include "skin/data/acFolderPreview.h"

#include <filesystem>

#include "platform/base/Exception.h"
#include "platform/base/Unicode.h"
#include "skin/data/acFiles.h"
#include "skin/data/acOptionsText.h"

namespace skin {

namespace fs = std::filesystem;

std::unique_ptr<TacFolderPreview> BuildFolderPreview(const std::string& folderArg, std::string& error) {
  std::error_code ec;
  fs::path folder = fs::absolute(folderArg, ec);
  if (!ec) folder = fs::weakly_canonical(folder, ec);
  // A trailing separator leaves an empty last component; the folder's name is wanted.
  if (!ec && folder.filename().empty()) folder = folder.parent_path();
  if (ec || !fs::is_directory(folder, ec)) {
    error = folderArg + " is not a folder";
    return nullptr;
  }
  auto p = std::make_unique<TacFolderPreview>();
  p->Data.SkinName = base::Utf8ToUtf16(folder.filename().string());
  p->Data.SkinDirectory = base::Utf8ToUtf16(folder.parent_path().string());
  const std::u16string options = base::Utf8ToUtf16((folder / "Options.dat").string());
  try {
    if (!FileExists(options)) {
      error = folder.string() + " holds no Options.dat";
      return nullptr;
    }
    p->Data.Options = DecodeOptionsText(ReadWholeFile(options, acFolderOptionsMaxFile), base::SystemCodePage());
  } catch (const base::Exception& e) {
    error = base::Utf16ToUtf8(e.Message());
    return nullptr;
  }
  const TacPreviewFieldError fieldError = WritePreviewBuffer(p->Data, base::SystemCodePage(), p->Buffer);
  if (fieldError != TacPreviewFieldError::None) {
    error = base::Utf16ToUtf8(PreviewFieldErrorText(fieldError));
    return nullptr;
  }
  return p;
}

}  // namespace skin
