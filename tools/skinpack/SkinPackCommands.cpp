#include "tools/skinpack/SkinPackCommands.h"

#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <iterator>
#include <ostream>
#include <set>

#include "platform/base/Exception.h"
#include "platform/base/Files.h"
#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "skin/data/acPackageFormat.h"
#include "skin/data/acSkinPackage.h"

namespace skinpack {

namespace fs = std::filesystem;
using skin::TacBytes;
using skin::TacPackageMember;

namespace {

bool ReadFile(const fs::path& path, TacBytes& bytes, std::ostream& err) {
  base::FileReadResult r = base::ReadFileBytes(path.string());
  if (!r.Ok()) {
    err << "skinpack: cannot read " << path << "\n";
    return false;
  }
  bytes = std::move(r.bytes);
  return true;
}

bool WriteFile(const fs::path& path, const std::uint8_t* data, std::size_t size, std::ostream& err) {
  if (!base::WriteFileBytes(path.string(), std::span(data, size), base::FileReplace::InPlace).Ok()) {
    err << "skinpack: cannot write " << path << "\n";
    return false;
  }
  return true;
}

// A file name as the 8-bit name a package stores; false when the code page lacks one of
// its characters.
bool ToPackageName(const std::string& fileName, int codePage, std::string& raw) {
  const std::u16string name = base::Utf8ToUtf16(fileName);
  raw = base::Utf16ToCodePage(name, codePage);
  return base::CodePageToUtf16(raw, codePage) == name;
}

// A stored name as a file name inside the target folder; false for names that would
// leave it or cannot name a file.
bool ToFileName(const std::string& raw, int codePage, std::string& fileName) {
  fileName = base::Utf16ToUtf8(base::CodePageToUtf16(raw, codePage));
  return !fileName.empty() && fileName != "." && fileName != ".." &&
         fileName.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

std::string Kind(const std::string& fileName) {
  const std::u16string name = base::Utf8ToUtf16(fileName);
  if (base::EqualsIgnoreAsciiCase(name, u"OPTIONS.DAT")) return "options";
  switch (skin::FileTypeOfName(name)) {
    case skin::TacFileType::ftBmp: return "bmp";
    case skin::TacFileType::ftFont: return "font";
    case skin::TacFileType::ftOther: break;
  }
  return "other";
}

bool ReadPackage(const std::string& package, TacBytes& bytes, skin::TacPackageContents& contents, std::ostream& err) {
  if (!ReadFile(package, bytes, err)) return false;
  try {
    contents = skin::ReadPackageContents(bytes);
  } catch (const base::Exception& e) {
    err << "skinpack: " << package << ": " << base::Utf16ToUtf8(e.Message()) << "\n";
    return false;
  }
  return true;
}

}  // namespace

int Pack(const std::string& folder, const std::string& package, const std::vector<std::string>& order,
         const std::string& preview, std::ostream& out, std::ostream& err) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    err << "skinpack: " << folder << " is not a folder\n";
    return 1;
  }
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
    if (!e.is_regular_file()) continue;
    if (!preview.empty() && fs::equivalent(e.path(), preview, ec)) continue;
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::vector<std::string> ordered;
  for (const std::string& n : order) {
    const auto it = std::find(names.begin(), names.end(), n);
    if (it == names.end()) {
      err << "skinpack: " << folder << " has no file named \"" << n << "\"\n";
      return 1;
    }
    ordered.push_back(n);
    names.erase(it);
  }
  ordered.insert(ordered.end(), names.begin(), names.end());

  const int codePage = base::SystemCodePage();
  std::vector<TacPackageMember> members;
  for (const std::string& n : ordered) {
    TacPackageMember m;
    if (!ToPackageName(n, codePage, m.RawName)) {
      err << "skinpack: the name \"" << n << "\" cannot be stored in code page " << codePage << "\n";
      return 1;
    }
    if (!ReadFile(fs::path(folder) / n, m.Bytes, err)) return 1;
    members.push_back(std::move(m));
  }
  TacBytes previewBytes;
  if (!preview.empty() && !ReadFile(preview, previewBytes, err)) return 1;
  TacBytes packed;
  try {
    packed = skin::WritePackage(members, previewBytes);
  } catch (const base::Exception& e) {
    err << "skinpack: " << base::Utf16ToUtf8(e.Message()) << "\n";
    return 1;
  }
  if (!WriteFile(package, packed.data(), packed.size(), err)) return 1;
  out << package << ": " << members.size() << " members, " << packed.size() << " bytes\n";
  return 0;
}

int List(const std::string& package, std::ostream& out, std::ostream& err) {
  TacBytes bytes;
  skin::TacPackageContents contents;
  if (!ReadPackage(package, bytes, contents, err)) return 1;
  const int codePage = base::SystemCodePage();
  out << std::setw(10) << "unpacked" << std::setw(10) << "packed"
      << "  kind     name\n";
  for (const TacPackageMember& m : contents.Members) {
    const std::string name = base::Utf16ToUtf8(base::CodePageToUtf16(m.RawName, codePage));
    out << std::setw(10) << m.Bytes.size() << std::setw(10) << m.PackedSize << "  " << std::left << std::setw(9)
        << Kind(name) << std::right << name << "\n";
  }
  const skin::TacPreviewBlock& p = contents.Preview;
  if (!p.Present) {
    out << "no preview\n";
  } else if (p.Truncated) {
    out << "preview truncated: " << p.Bytes.size() << " of " << p.DeclaredSize << " bytes present\n";
    return 1;
  } else {
    out << "preview " << p.DeclaredSize << " bytes\n";
  }
  return 0;
}

int Unpack(const std::string& package, const std::string& folder, const std::string& preview, std::ostream& out,
           std::ostream& err) {
  TacBytes bytes;
  skin::TacPackageContents contents;
  if (!ReadPackage(package, bytes, contents, err)) return 1;
  const int codePage = base::SystemCodePage();
  std::set<std::string> seen;
  std::vector<std::string> fileNames;
  for (const TacPackageMember& m : contents.Members) {
    std::string fileName;
    if (!ToFileName(m.RawName, codePage, fileName)) {
      err << "skinpack: refusing the member name \"" << fileName << "\"\n";
      return 1;
    }
    if (!seen.insert(fileName).second) {
      err << "skinpack: the package holds \"" << fileName << "\" twice\n";
      return 1;
    }
    fileNames.push_back(fileName);
  }
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder, ec)) {
    err << "skinpack: cannot create " << folder << "\n";
    return 1;
  }
  for (std::size_t i = 0; i < contents.Members.size(); ++i) {
    const TacBytes& b = contents.Members[i].Bytes;
    if (!WriteFile(fs::path(folder) / fileNames[i], b.data(), b.size(), err)) return 1;
  }
  out << folder << ": " << contents.Members.size() << " members\n";
  if (!preview.empty()) {
    if (!contents.Preview.Present || contents.Preview.Truncated) {
      err << "skinpack: the package has no complete preview\n";
      return 1;
    }
    if (!WriteFile(preview, contents.Preview.Bytes.data(), contents.Preview.Bytes.size(), err)) return 1;
  }
  return 0;
}

}  // namespace skinpack
