// The parse driver: the parser reads its input through a callback (bytes, or decoded text
// turned into UTF-8 a slice at a time), its events build the document, and a document with
// a type declaration is read again into the parser's tree where one is allowed.
#include "platform/xml/DOMParser.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <climits>
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

// Decoded text, converted to UTF-8 a slice at a time; a slice never ends between the two
// halves of a surrogate pair, so the bytes are those of converting the whole text at once.
class TextInput final : public Input {
 public:
  explicit TextInput(std::span<const std::u16string_view> pieces) : pieces_(pieces) {
    for (std::u16string_view p : pieces) units_ += p.size();
  }
  void Restart() override {
    piece_ = at_ = 0;
    slice_.clear();
    sliceAt_ = 0;
    carry_.clear();
  }
  int Read(char* buffer, int size) override {
    int written = 0;
    while (written < size) {
      if (sliceAt_ == slice_.size() && !NextSlice()) break;
      const std::size_t n = std::min(slice_.size() - sliceAt_, static_cast<std::size_t>(size - written));
      std::memcpy(buffer + written, slice_.data() + sliceAt_, n);
      sliceAt_ += n;
      written += static_cast<int>(n);
    }
    return written;
  }
  std::size_t SizeHint() const override { return units_; }

 private:
  static constexpr std::size_t kSliceUnits = 16384;
  static bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

  bool NextSlice() {
    std::u16string units = std::move(carry_);
    carry_.clear();
    while (units.size() < kSliceUnits && piece_ < pieces_.size()) {
      const std::u16string_view piece = pieces_[piece_];
      const std::size_t n = std::min(piece.size() - at_, kSliceUnits - units.size());
      units.append(piece.substr(at_, n));
      at_ += n;
      if (at_ == piece.size()) {
        ++piece_;
        at_ = 0;
      }
    }
    if (units.empty()) return false;
    const bool more = piece_ < pieces_.size();
    if (more && IsHigh(units.back())) {
      carry_.assign(1, units.back());
      units.pop_back();
    }
    slice_ = base::Utf16ToUtf8(units);
    sliceAt_ = 0;
    return !slice_.empty() || more;
  }

  std::span<const std::u16string_view> pieces_;
  std::size_t units_ = 0;
  std::size_t piece_ = 0, at_ = 0;
  std::string slice_;
  std::size_t sliceAt_ = 0;
  std::u16string carry_;
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
