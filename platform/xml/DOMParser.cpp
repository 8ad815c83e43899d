// The parse driver: the parser reads its input through a callback (bytes, or decoded text
// turned into UTF-8 a slice at a time), its events build the document, and a document with
// a type declaration is read again into the parser's tree where one is allowed.
#include "platform/xml/DOMParser.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <mutex>

#include "platform/base/Exception.h"
#include "platform/base/Unicode.h"
#include "platform/xml/DOMBuilder.h"
#include "platform/xml/NodeStore.h"
#include "platform/xml/ParseRun.h"

namespace xml {

namespace detail {

void OnError(void* ctx, xmlErrorPtr error) {
  ParseRun& run = RunOf(ctx);
  if (error == nullptr || error->level < XML_ERR_ERROR || run.firstError.failed()) return;
  std::string message = error->message != nullptr ? error->message : "The document could not be parsed";
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  run.firstError.reason = base::Utf8ToUtf16(message);
  run.firstError.line = error->line;
  run.firstError.linePos = error->int2;
}

void Fail(xmlParserCtxtPtr ctxt, const std::u16string& reason) {
  ParseRun& run = RunOf(ctxt);
  if (!run.firstError.failed()) run.firstError = {reason, xmlSAX2GetLineNumber(ctxt), xmlSAX2GetColumnNumber(ctxt)};
  xmlStopParser(ctxt);
}

}  // namespace detail

namespace {

using detail::DOMBuilder;
using detail::ParseRun;

// The parser never reads anything from outside the given bytes.
xmlParserInputPtr RefuseExternal(const char*, const char*, xmlParserCtxtPtr) { return nullptr; }
void Silent(void*, const char*, ...) {}

void InitParserOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    xmlInitParser();
    xmlSetExternalEntityLoader(RefuseExternal);
    xmlSetGenericErrorFunc(nullptr, Silent);
  });
}

// What the parser reads, from the start each time it is opened.
class Input {
 public:
  virtual ~Input() = default;
  virtual void Restart() = 0;
  virtual int Read(char* buffer, int size) = 0;
  virtual std::size_t SizeHint() const = 0;

  static int ReadCallback(void* self, char* buffer, int size) { return static_cast<Input*>(self)->Read(buffer, size); }
};

class ByteInput final : public Input {
 public:
  explicit ByteInput(std::string_view bytes) : bytes_(bytes) {}
  void Restart() override { at_ = 0; }
  int Read(char* buffer, int size) override {
    const std::size_t n = std::min(bytes_.size() - at_, static_cast<std::size_t>(std::max(size, 0)));
    std::memcpy(buffer, bytes_.data() + at_, n);
    at_ += n;
    return static_cast<int>(n);
  }
  std::size_t SizeHint() const override { return bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

// Decoded text, converted to UTF-8 as the parser reads it, into the parser's own buffer.
// The bytes are those of converting the whole text at once (a surrogate pair makes one
// character even across pieces; an unpaired half becomes U+FFFD).
class TextInput final : public Input {
 public:
  explicit TextInput(std::span<const std::u16string_view> pieces) : pieces_(pieces) {
    for (std::u16string_view p : pieces) units_ += p.size();
  }
  void Restart() override {
    piece_ = at_ = 0;
    heldSize_ = heldAt_ = 0;
  }
  int Read(char* buffer, int size) override {
    auto* out = reinterpret_cast<unsigned char*>(buffer);
    const auto room = static_cast<std::size_t>(std::max(size, 0));
    std::size_t n = 0;
    while (heldAt_ < heldSize_ && n < room) out[n++] = held_[heldAt_++];
    while (n < room && Skip()) {
      const std::u16string_view piece = pieces_[piece_];
      n += CopyAscii(piece.data() + at_, std::min(room - n, piece.size() - at_), out + n);
      if (n == room || at_ == piece.size()) continue;
      // One character of two to four bytes; what does not fit waits for the next read.
      heldSize_ = Encode(NextCodePoint(), held_);
      heldAt_ = 0;
      while (heldAt_ < heldSize_ && n < room) out[n++] = held_[heldAt_++];
    }
    return static_cast<int>(n);
  }
  std::size_t SizeHint() const override { return units_; }

 private:
  // Copies the ASCII characters at the start of `units` (at most `limit`) as bytes; moves on.
  std::size_t CopyAscii(const char16_t* units, std::size_t limit, unsigned char* out) {
    std::size_t k = 0;
    // Four characters at a time while all four are ASCII.
    for (std::uint64_t four; k + 4 <= limit; k += 4) {
      std::memcpy(&four, units + k, sizeof four);
      if ((four & 0xFF80FF80FF80FF80u) != 0) break;
      for (std::size_t j = 0; j < 4; ++j) out[k + j] = static_cast<unsigned char>(units[k + j]);
    }
    while (k < limit && units[k] < 0x80) {
      out[k] = static_cast<unsigned char>(units[k]);
      ++k;
    }
    at_ += k;
    return k;
  }
  // Moves past finished pieces; false at the end of the text.
  bool Skip() {
    while (piece_ < pieces_.size() && at_ == pieces_[piece_].size()) {
      ++piece_;
      at_ = 0;
    }
    return piece_ < pieces_.size();
  }
  char32_t NextCodePoint() {
    const char16_t c = pieces_[piece_][at_++];
    if (c < 0xD800 || c > 0xDFFF) return c;
    if (c > 0xDBFF || !Skip()) return 0xFFFD;
    const char16_t low = pieces_[piece_][at_];
    if (low < 0xDC00 || low > 0xDFFF) return 0xFFFD;
    ++at_;
    return 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (low - 0xDC00);
  }
  static std::size_t Encode(char32_t cp, unsigned char* out) {
    if (cp < 0x800) {
      out[0] = static_cast<unsigned char>(0xC0 | (cp >> 6));
      out[1] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
      return 2;
    }
    if (cp < 0x10000) {
      out[0] = static_cast<unsigned char>(0xE0 | (cp >> 12));
      out[1] = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
      out[2] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
      return 3;
    }
    out[0] = static_cast<unsigned char>(0xF0 | (cp >> 18));
    out[1] = static_cast<unsigned char>(0x80 | ((cp >> 12) & 0x3F));
    out[2] = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
    out[3] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
    return 4;
  }

  std::span<const std::u16string_view> pieces_;
  std::size_t units_ = 0;
  std::size_t piece_ = 0, at_ = 0;
  unsigned char held_[4] = {};
  std::size_t heldSize_ = 0, heldAt_ = 0;
};

std::unique_ptr<DOMDocument> Failed(DOMParseError error) {
  auto doc = std::make_unique<DOMDocument>();
  doc->setParseError(std::move(error));
  return doc;
}

struct Outcome {
  bool ok = false;
  bool needsTree = false;
  DOMParseError error;
};

// One run of the parser over the input; with a builder its events build the document,
// without one the parser builds its own tree, which is then copied into `doc`.
Outcome Run(Input& input, DOMDocument& doc, const std::string* source, std::size_t skip,
            const DOMParseSettings& settings, bool events) {
  Outcome outcome;
  xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
  if (ctxt == nullptr) {
    outcome.error = {u"Out of memory", 1, 1};
    return outcome;
  }
  DOMBuilder builder(doc, events ? source : nullptr);
  builder.Reserve(input.SizeHint());
  ParseRun run;
  run.builder = &builder;
  run.doctype = settings.doctype;
  run.skip = skip;
  ctxt->_private = &run;
  if (events) {
    detail::InstallEvents(*ctxt->sax);
  } else {
    ctxt->sax->serror = detail::OnError;
  }

  int options = XML_PARSE_NONET;
  if (settings.doctype == DoctypePolicy::Allow) options |= XML_PARSE_NOENT;
  if (!settings.encoding.empty()) options |= XML_PARSE_IGNORE_ENC;
  input.Restart();
  xmlDocPtr parsed = xmlCtxtReadIO(ctxt, &Input::ReadCallback, nullptr, &input, nullptr,
                                   settings.encoding.empty() ? nullptr : settings.encoding.c_str(), options);
  outcome.needsTree = run.needsTree;
  outcome.ok = !run.needsTree && ctxt->wellFormed && ctxt->nsWellFormed && !run.doctypeRefused &&
               !run.firstError.failed() && (events || parsed != nullptr);
  if (outcome.ok && !events) {
    try {
      detail::CopyTree(parsed, builder);
    } catch (const base::Exception& e) {
      outcome.ok = false;
      run.firstError = {e.Message(), 1, 1};
    }
  } else if (outcome.ok) {
    builder.Finish();
  }
  if (!outcome.ok && !outcome.needsTree) {
    outcome.error = std::move(run.firstError);
    if (!outcome.error.failed())
      outcome.error = {u"The document could not be parsed", ctxt->input ? ctxt->input->line : 1, 1};
  }
  if (parsed != nullptr) xmlFreeDoc(parsed);
  xmlFreeParserCtxt(ctxt);
  return outcome;
}

std::unique_ptr<DOMDocument> Parse(Input& input, std::shared_ptr<const std::string> source, std::size_t skip,
                                   const DOMParseSettings& settings) {
  InitParserOnce();
  if (input.SizeHint() > static_cast<std::size_t>(INT_MAX)) return Failed({u"The document is too large", 1, 1});
  auto doc = std::make_unique<DOMDocument>();
  Outcome outcome = Run(input, *doc, source.get(), skip, settings, true);
  if (outcome.needsTree) {
    doc = std::make_unique<DOMDocument>();
    outcome = Run(input, *doc, nullptr, 0, settings, false);
  }
  if (!outcome.ok) return Failed(std::move(outcome.error));
  if (source) doc->Store().SetSource(std::move(source));
  return doc;
}

}  // namespace

std::unique_ptr<DOMDocument> ParseDOM(std::string_view bytes, const DOMParseSettings& settings) {
  ByteInput input(bytes);
  return Parse(input, nullptr, 0, settings);
}

std::unique_ptr<DOMDocument> ParseDOM(std::shared_ptr<const std::string> bytes, std::size_t skip,
                                      const DOMParseSettings& settings) {
  ByteInput input(std::string_view(*bytes).substr(std::min(skip, bytes->size())));
  return Parse(input, std::move(bytes), skip, settings);
}

std::unique_ptr<DOMDocument> ParseDOMText(std::span<const std::u16string_view> pieces, DoctypePolicy doctype) {
  TextInput input(pieces);
  // The text is decoded already: the parser reads its UTF-8 form whatever a declaration says.
  return Parse(input, nullptr, 0, {doctype, "UTF-8"});
}

}  // namespace xml
