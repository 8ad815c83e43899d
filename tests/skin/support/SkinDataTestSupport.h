#pragma once
// Helpers for the skin data tests: packages built from named texts, temporary folders,
// and a skin host that records what the manager would have been asked to do.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/Unicode.h"
#include "skin/data/acPackageFormat.h"
#include "skin/data/acSkinHost.h"
#include "skin/data/acSkinIni.h"

namespace skin::test {

// Randomised tests run fewer cases under the sanitizers, which are an order of magnitude slower.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

inline TacBytes Bytes(std::string_view s) { return TacBytes(s.begin(), s.end()); }

inline std::u16string U(std::string_view utf8) { return base::Utf8ToUtf16(utf8); }

// An options ini parsed from a text.
inline TacSkinIni Parse(std::u16string_view text) {
  TacSkinIni ini;
  ini.SetText(text);
  return ini;
}

// A package of (name, content) members, optionally followed by a preview block.
inline TacBytes MakePackage(const std::vector<std::pair<std::string, std::string>>& members,
                            std::string_view preview = {}) {
  std::vector<TacPackageMember> list;
  for (const auto& [name, content] : members) list.push_back({name, Bytes(content), 0});
  const TacBytes p = Bytes(preview);
  return WritePackage(list, p);
}

// Appends a little-endian 32-bit value.
inline void PutU32(TacBytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Deterministic bytes that do not compress.
inline std::string NoiseText(std::size_t n, std::uint32_t seed) {
  std::string s(n, '\0');
  for (char& c : s) {
    seed = seed * 1664525u + 1013904223u;
    c = static_cast<char>(seed >> 24);
  }
  return s;
}

// A folder under the system's temporary directory, removed with everything in it.
class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "pellomir-skin-XXXXXX").string();
    path_ = mkdtemp(tmpl.data()) != nullptr ? tmpl : std::string();
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // The folder as path text with a trailing "/".
  std::u16string Text() const { return U(path_ + "/"); }

  void Write(const std::string& relative, std::string_view content) const {
    const std::filesystem::path p = std::filesystem::path(path_) / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
  }
  void Write(const std::string& relative, const TacBytes& content) const {
    Write(relative, std::string_view(reinterpret_cast<const char*>(content.data()), content.size()));
  }
  std::string Read(const std::string& relative) const {
    std::ifstream in(std::filesystem::path(path_) / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::string path_;
};

// A host that records boxes and the skin-changing state at the time of each box.
class RecordingHost : public TacSkinHost {
 public:
  struct Box {
    TacMsgKind Kind;
    std::u16string Text;
    bool SkinChanging;
  };

  TacMsgAnswer ShowSkinMessage(TacMsgKind kind, const std::u16string& text) override {
    boxes.push_back({kind, text, changing});
    return TacMsgAnswer::Ok;
  }
  void SetSkinChanging(bool on) override {
    changing = on;
    ++stateChanges;
  }

  std::vector<Box> boxes;
  bool changing = false;
  int stateChanges = 0;
};

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (had_) setenv(name_, old_.c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

}  // namespace skin::test
