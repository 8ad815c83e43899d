#include "SkinFolderTestSupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/base/Unicode.h"
#include "skin/data/acSkinHost.h"
#include "skin/data/acSkinPackage.h"

namespace scripttest {

namespace fs = std::filesystem;

namespace {

std::string ReadFileBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + p.string());
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + p.string());
}

}  // namespace

void WriteStoredSkinFolder(const fs::path& folder) {
  const char* source = std::getenv("PELLOMIR_SOURCE_DIR");
  const std::string package = ReadFileBytes(fs::path(source ? source : ".") / "skins/Emberfield/Emberfield.asz");
  skin::TacSkinConvertor sc;
  sc.PackedData = std::span(reinterpret_cast<const std::uint8_t*>(package.data()), package.size());
  if (!skin::ReadSkinPackage(sc, skin::NoManagerHost()) || !sc.Options)
    throw std::runtime_error("the stored skin does not unpack");
  fs::create_directories(folder);
  WriteFileBytes(folder / "Options.dat", std::string(sc.Options->begin(), sc.Options->end()));
  for (const skin::TacFileItem& f : sc.Files)
    WriteFileBytes(folder / base::Utf16ToUtf8(f.Name), std::string(f.Stream.begin(), f.Stream.end()));
}

std::string ReadOptions(const fs::path& folder) { return ReadFileBytes(folder / "Options.dat"); }
void WriteOptions(const fs::path& folder, const std::string& text) { WriteFileBytes(folder / "Options.dat", text); }

std::string SetOption(const std::string& options, const std::string& section, const std::string& key,
                      const std::string& value) {
  const std::string head = "[" + section + "]\r\n";
  std::size_t start = options.starts_with(head) ? 0 : options.find("\n" + head);
  if (start == std::string::npos) throw std::runtime_error("no section " + section);
  if (start != 0) ++start;
  const std::size_t body = start + head.size();
  std::size_t end = options.find("\n[", body);
  end = end == std::string::npos ? options.size() : end + 1;
  for (std::size_t line = body; line < end;) {
    std::size_t next = options.find('\n', line);
    next = next == std::string::npos ? options.size() : next + 1;
    if (options.compare(line, key.size() + 1, key + "=") == 0) {
      std::string out = options;
      out.replace(line, next - line, key + "=" + value + "\r\n");
      return out;
    }
    line = next;
  }
  std::string out = options;
  out.insert(body, key + "=" + value + "\r\n");
  return out;
}

}  // namespace scripttest
