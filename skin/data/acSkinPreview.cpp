#include "skin/data/acSkinPreview.h"

#include <algorithm>

#include "platform/base/Unicode.h"

namespace skin {

namespace {

std::u16string ReadField(const TacPreviewBuffer& buffer, std::size_t offset, std::size_t size, int codePage) {
  const auto* begin = reinterpret_cast<const char*>(buffer.data() + offset);
  const auto* end = std::find(begin, begin + size, '\0');
  return base::CodePageToUtf16(std::string_view(begin, static_cast<std::size_t>(end - begin)), codePage);
}

bool WriteField(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size, TacPreviewBuffer& buffer) {
  if (bytes.size() > size) return false;
  std::copy(bytes.begin(), bytes.end(), buffer.begin() + static_cast<std::ptrdiff_t>(offset));
  return true;
}

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

}  // namespace

bool HasPreviewMagic(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 4) return false;
  const std::uint32_t v = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                          static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
  return v == acPreviewMagic;
}

std::optional<TacPreviewData> ReadPreviewBuffer(const TacPreviewBuffer& buffer, int codePage) {
  if (!HasPreviewMagic(buffer)) return std::nullopt;
  return TacPreviewData{ReadField(buffer, acPreviewNameOffset, acPreviewNameSize, codePage),
                        ReadField(buffer, acPreviewDirOffset, acPreviewDirSize, codePage),
                        ReadField(buffer, acPreviewOptionsOffset, acPreviewOptionsSize, codePage)};
}

TacPreviewFieldError WritePreviewBuffer(const TacPreviewData& data, int codePage, TacPreviewBuffer& buffer) {
  buffer.fill(0);
  for (int i = 0; i < 4; ++i)
    buffer[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(acPreviewMagic >> (8 * i));
  struct Field {
    const std::u16string& text;
    std::size_t offset, size;
    TacPreviewFieldError tooLong;
  };
  const Field fields[] = {
      {data.SkinName, acPreviewNameOffset, acPreviewNameSize, TacPreviewFieldError::NameTooLong},
      {data.SkinDirectory, acPreviewDirOffset, acPreviewDirSize, TacPreviewFieldError::DirectoryTooLong},
      {data.Options, acPreviewOptionsOffset, acPreviewOptionsSize, TacPreviewFieldError::OptionsTooLong},
  };
  for (const Field& f : fields) {
    if (f.text.find(u'\0') != std::u16string::npos) return TacPreviewFieldError::ZeroInText;
    const std::string bytes = base::Utf16ToCodePage(f.text, codePage);
    if (!WriteField(Bytes(bytes), f.offset, f.size, buffer)) return f.tooLong;
  }
  return TacPreviewFieldError::None;
}

std::u16string_view PreviewFieldErrorText(TacPreviewFieldError error) {
  switch (error) {
    case TacPreviewFieldError::None: return u"";
    case TacPreviewFieldError::NameTooLong: return u"the skin name is longer than the 128 bytes of its field";
    case TacPreviewFieldError::DirectoryTooLong: return u"the skin directory is longer than the 512 bytes of its field";
    case TacPreviewFieldError::OptionsTooLong: return u"the options text is longer than the 30001 bytes of its field";
    case TacPreviewFieldError::ZeroInText: return u"a text holds a zero character";
  }
  return u"";
}

}  // namespace skin
