#include "skin/data/acPackageFormat.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/base/NumberText.h"
#include "platform/base/Unicode.h"
#include "skin/data/acSkinErrors.h"

namespace skin {

namespace {

constexpr std::uint8_t kMagic[4] = {'A', 'S', 'z', 'f'};
constexpr char kPreviewTag[] = "previewimg";
constexpr std::size_t kPreviewTagSize = sizeof kPreviewTag - 1;
// First output step of a member; the buffer doubles from there up to the declared size.
constexpr std::size_t kFirstOutputStep = 64 * 1024;

std::uint32_t LoadU32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

void StoreU32(TacBytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::u16string MemberName(const std::string& rawName) { return base::CodePageToUtf16(rawName, base::SystemCodePage()); }

[[noreturn]] void ThrowShortRead() { throw EReadError(kStreamReadError); }

// Owns a zlib inflate state for one member.
class Inflater {
 public:
  Inflater() {
    if (inflateInit(&zs_) != Z_OK) throw EZDecompressionError(u"The decompressor could not be started");
  }
  ~Inflater() { inflateEnd(&zs_); }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;
  z_stream& Stream() { return zs_; }

 private:
  z_stream zs_{};
};

[[noreturn]] void ThrowZlib(const z_stream& zs, int code) {
  const char* msg = zs.msg != nullptr ? zs.msg : zError(code);
  throw EZDecompressionError(base::Utf8ToUtf16(msg));
}

}  // namespace

bool HasPackageMagic(std::span<const std::uint8_t> data) {
  return data.size() >= 4 && std::memcmp(data.data(), kMagic, 4) == 0;
}

TacPackageCursor::TacPackageCursor(std::span<const std::uint8_t> data, TacPackageLimits limits)
    : data_(data), limits_(limits) {}

std::uint32_t TacPackageCursor::ReadU32() {
  if (data_.size() - pos_ < 4) ThrowShortRead();
  const std::uint32_t v = LoadU32(data_.data() + pos_);
  pos_ += 4;
  return v;
}

std::uint32_t TacPackageCursor::ReadHeader() {
  pos_ = 0;
  total_ = 0;
  if (data_.size() < kPackageHeaderSize) ThrowShortRead();
  pos_ = 4;
  return ReadU32();
}

void TacPackageCursor::ReadMember(std::string& rawName, TacBytes& bytes) {
  const std::uint32_t nameLength = ReadU32();
  if (nameLength > limits_.MaxNameLength) {
    throw EReadError(u"A skin package member name of " + base::IntToText(nameLength) + u" bytes is longer than " +
                     base::IntToText(limits_.MaxNameLength) + u" bytes");
  }
  if (data_.size() - pos_ < nameLength) ThrowShortRead();
  rawName.assign(reinterpret_cast<const char*>(data_.data() + pos_), nameLength);
  pos_ += nameLength;
  const std::uint32_t size = ReadU32();
  if (size > limits_.MaxMemberSize) {
    throw EReadError(u"The skin package member \"" + MemberName(rawName) + u"\" declares " + base::IntToText(size) +
                     u" bytes; a member may hold at most " + base::IntToText(limits_.MaxMemberSize) + u" bytes");
  }
  if (total_ + size > limits_.MaxTotalSize) {
    throw EReadError(u"The skin package unpacks to more than " + base::IntToText(limits_.MaxTotalSize) + u" bytes");
  }
  total_ += size;
  Inflate(rawName, size, bytes);
}

// Decompresses one zlib stream from the current position into exactly `size` bytes. The
// compressed bytes are fed in blocks; when the stream ends, the position moves back over
// the bytes of the block that lie beyond its end, so the next member starts right there.
void TacPackageCursor::Inflate(const std::string& rawName, std::uint32_t size, TacBytes& out) {
  Inflater inflater;
  z_stream& zs = inflater.Stream();
  const std::size_t start = pos_;
  out.clear();
  std::size_t produced = 0;
  std::uint8_t probe = 0;  // catches output beyond the declared size
  for (;;) {
    if (zs.avail_in == 0) {
      const std::size_t block = std::min(kInflateBlockSize, data_.size() - pos_);
      if (block == 0) ThrowShortRead();  // the stream is cut short
      zs.next_in = const_cast<Bytef*>(data_.data() + pos_);
      zs.avail_in = static_cast<uInt>(block);
      pos_ += block;
    }
    bool probing = false;
    if (produced < size) {
      if (out.size() == produced) {
        // Grow in doubling steps, never past the declared size.
        const std::size_t step = std::max(kFirstOutputStep, out.size());
        const std::size_t next = std::min<std::size_t>(size, out.size() + step);
        out.reserve(next);
        out.resize(next);
      }
      zs.next_out = out.data() + produced;
      zs.avail_out = static_cast<uInt>(out.size() - produced);
    } else {
      zs.next_out = &probe;
      zs.avail_out = 1;
      probing = true;
    }
    const uInt before = zs.avail_out;
    const int r = inflate(&zs, Z_NO_FLUSH);
    const std::size_t delivered = before - zs.avail_out;
    if (probing && delivered > 0) {
      throw EReadError(u"The skin package member \"" + MemberName(rawName) + u"\" holds more data than the " +
                       base::IntToText(size) + u" bytes it declares");
    }
    if (!probing) produced += delivered;
    if (r == Z_STREAM_END) break;
    if (r == Z_NEED_DICT) ThrowZlib(zs, Z_DATA_ERROR);
    if (r != Z_OK && r != Z_BUF_ERROR) ThrowZlib(zs, r);
    // No progress with input and room left cannot happen with valid data; never spin.
    if (r == Z_BUF_ERROR && zs.avail_in > 0 && zs.avail_out > 0) ThrowZlib(zs, Z_DATA_ERROR);
  }
  if (produced < size) ThrowShortRead();
  pos_ -= zs.avail_in;
  lastPacked_ = pos_ - start;
}

TacPreviewBlock FindPreviewBlock(std::span<const std::uint8_t> data, std::size_t offset) {
  TacPreviewBlock block;
  if (offset > data.size() || data.size() - offset < kPreviewTagSize ||
      std::memcmp(data.data() + offset, kPreviewTag, kPreviewTagSize) != 0) {
    return block;
  }
  block.Present = true;
  offset += kPreviewTagSize;
  if (data.size() - offset < 4) {
    block.Truncated = true;
    return block;
  }
  block.DeclaredSize = LoadU32(data.data() + offset);
  offset += 4;
  const std::size_t available = std::min<std::size_t>(block.DeclaredSize, data.size() - offset);
  block.Truncated = available < block.DeclaredSize;
  block.Bytes = data.subspan(offset, available);
  return block;
}

TacPackageContents ReadPackageContents(std::span<const std::uint8_t> data, TacPackageLimits limits) {
  if (!HasPackageMagic(data)) throw EReadError(u"The data is not a skin package");
  TacPackageCursor cursor(data, limits);
  const std::uint32_t count = cursor.ReadHeader();
  TacPackageContents contents;
  for (std::uint32_t i = 0; i < count; ++i) {
    TacPackageMember member;
    cursor.ReadMember(member.RawName, member.Bytes);
    member.PackedSize = cursor.LastPackedSize();
    contents.Members.push_back(std::move(member));
  }
  contents.Preview = FindPreviewBlock(data, cursor.Position());
  return contents;
}

TacBytes WritePackage(std::span<const TacPackageMember> members, std::span<const std::uint8_t> preview) {
  constexpr std::uint64_t kU32 = 0xFFFFFFFFu;
  if (members.size() > kU32) throw EReadError(u"Too many skin package members");
  TacBytes out(kMagic, kMagic + 4);
  StoreU32(out, static_cast<std::uint32_t>(members.size()));
  for (const TacPackageMember& m : members) {
    if (m.RawName.size() > kU32 || m.Bytes.size() > kU32 || m.Bytes.size() > ULONG_MAX) {
      throw EReadError(u"The skin package member \"" + MemberName(m.RawName) + u"\" is too large to store");
    }
    StoreU32(out, static_cast<std::uint32_t>(m.RawName.size()));
    out.insert(out.end(), m.RawName.begin(), m.RawName.end());
    StoreU32(out, static_cast<std::uint32_t>(m.Bytes.size()));
    uLongf packedSize = compressBound(static_cast<uLong>(m.Bytes.size()));
    const std::size_t at = out.size();
    out.resize(at + packedSize);
    const int r =
        compress2(out.data() + at, &packedSize, m.Bytes.data(), static_cast<uLong>(m.Bytes.size()), Z_BEST_COMPRESSION);
    if (r != Z_OK) throw EZDecompressionError(base::Utf8ToUtf16(zError(r)));
    out.resize(at + packedSize);
  }
  if (!preview.empty()) {
    if (preview.size() > kU32) throw EReadError(u"The preview picture is too large to store");
    out.insert(out.end(), kPreviewTag, kPreviewTag + kPreviewTagSize);
    StoreU32(out, static_cast<std::uint32_t>(preview.size()));
    out.insert(out.end(), preview.begin(), preview.end());
  }
  return out;
}

}  // namespace skin
