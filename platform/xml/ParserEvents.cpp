// The parser's events, turned into the document by a DOMBuilder. Handlers never let an
// exception into the parser: a failure stops the parse and is reported as its error.
#include <libxml/parserInternals.h>

#include <new>
#include <string>
#include <string_view>

#include "platform/base/Exception.h"
#include "platform/base/Unicode.h"
#include "platform/xml/DOMBuilder.h"
#include "platform/xml/NodeStore.h"
#include "platform/xml/ParseRun.h"

namespace xml::detail {

namespace {

xmlParserCtxtPtr Ctxt(void* ctx) { return static_cast<xmlParserCtxtPtr>(ctx); }

std::u16string U16(const xmlChar* s) {
  return s == nullptr ? std::u16string() : base::Utf8ToUtf16(reinterpret_cast<const char*>(s));
}

std::string_view View(const xmlChar* s, int len) {
  return {reinterpret_cast<const char*>(s), static_cast<std::size_t>(len)};
}

std::string_view View(const xmlChar* s) {
  return s == nullptr ? std::string_view() : std::string_view(reinterpret_cast<const char*>(s));
}

// A string the parser interned for the whole parse (so its address names it).
bool Interned(xmlParserCtxtPtr ctxt, const xmlChar* s) { return s == nullptr || xmlDictOwns(ctxt->dict, s) == 1; }

// Where the parser read a piece of text in the source, when it was reading the source's
// bytes unchanged; the builder checks the bytes before it keeps the piece in place.
std::size_t SourceOffset(xmlParserCtxtPtr ctxt, const xmlChar* ch) {
  const xmlParserInputPtr in = ctxt->input;
  if (in == nullptr || in->base == nullptr || ch < in->base || ch > in->end) return DOMBuilder::kNoOffset;
  return RunOf(ctxt).skip + in->consumed + static_cast<std::size_t>(ch - in->base);
}

template <typename F>
void Guarded(void* ctx, F&& f) {
  try {
    f();
  } catch (const base::Exception& e) {
    Fail(Ctxt(ctx), e.Message());
  } catch (const std::bad_alloc&) {
    Fail(Ctxt(ctx), u"Out of memory");
  }
}

// Without entity replacement the parser hands on an ampersand of an attribute value as
// "&#38;" (so that a tree builder can tell it from an entity reference); there are no other
// references in a document without a type declaration.
std::string AttributeValue(xmlParserCtxtPtr ctxt, const xmlChar* value, const xmlChar* end) {
  std::string out(reinterpret_cast<const char*>(value), static_cast<std::size_t>(end - value));
  if (ctxt->replaceEntities) return out;
  std::size_t at = out.find("&#38;");
  if (at == std::string::npos) return out;
  std::size_t write = at;
  for (std::size_t read = at; read < out.size();) {
    if (out.compare(read, 5, "&#38;") == 0) {
      out[write++] = '&';
      read += 5;
    } else {
      out[write++] = out[read++];
    }
  }
  out.resize(write);
  return out;
}

void StartDocument(void* ctx) {
  xmlParserCtxtPtr ctxt = Ctxt(ctx);
  if (ctxt->standalone == -1) return;  // no XML declaration
  Guarded(ctx, [&] {
    // The declaration, when the text had one, is the document's first child.
    std::string data = "version=\"" + std::string(View(ctxt->version)) + "\"";
    if (ctxt->standalone >= 0) data += ctxt->standalone == 1 ? " standalone=\"yes\"" : " standalone=\"no\"";
    RunOf(ctx).builder->AddProcessingInstruction(u"xml", data);
  });
}

void InternalSubset(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*) {
  xmlParserCtxtPtr ctxt = Ctxt(ctx);
  ParseRun& run = RunOf(ctx);
  if (run.doctype == DoctypePolicy::Allow) {
    run.needsTree = true;
    xmlStopParser(ctxt);
    return;
  }
  if (!run.firstError.failed()) {
    run.firstError.reason = u"A document type declaration is not allowed";
    run.firstError.line = xmlSAX2GetLineNumber(ctxt);
    run.firstError.linePos = xmlSAX2GetColumnNumber(ctxt);
  }
  run.doctypeRefused = true;
  xmlStopParser(ctxt);
}

void StartElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar* uri, int nbNamespaces,
                  const xmlChar** namespaces, int nbAttributes, int nbDefaulted, const xmlChar** attributes) {
  Guarded(ctx, [&] {
    xmlParserCtxtPtr ctxt = Ctxt(ctx);
    ParseRun& run = RunOf(ctx);
    DOMBuilder& b = *run.builder;
    NodeStore& store = b.Store();
    b.StartElement(run.names.Name(ctxt, b, localname, prefix, uri));
    for (int i = 0; i < nbNamespaces; ++i) {
      const std::uint32_t name = run.names.Declaration(ctxt, b, namespaces[2 * i]);
      b.AddAttribute(&store.NameAt(name), U16(namespaces[2 * i + 1]));
    }
    // Defaults from a type declaration are not attributes of the text.
    if (nbDefaulted != 0 && (ctxt->loadsubset & XML_COMPLETE_ATTRS) == 0) nbAttributes -= nbDefaulted;
    for (int i = 0; i < nbAttributes; ++i) {
      const xmlChar** a = attributes + 5 * i;  // local name, prefix, namespace, value, value end
      const std::uint32_t name = run.names.Name(ctxt, b, a[0], a[1], a[2]);
      b.AddAttribute(&store.NameAt(name), base::Utf8ToUtf16(AttributeValue(ctxt, a[3], a[4])));
    }
  });
}

void EndElement(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*) {
  Guarded(ctx, [&] { RunOf(ctx).builder->EndElement(); });
}

void Characters(void* ctx, const xmlChar* ch, int len) {
  Guarded(ctx, [&] { RunOf(ctx).builder->Characters(View(ch, len), false, SourceOffset(Ctxt(ctx), ch)); });
}

void CDataBlock(void* ctx, const xmlChar* ch, int len) {
  Guarded(ctx, [&] { RunOf(ctx).builder->Characters(View(ch, len), true, SourceOffset(Ctxt(ctx), ch)); });
}

void Comment(void* ctx, const xmlChar* value) {
  if (Ctxt(ctx)->inSubset != 0) return;
  Guarded(ctx, [&] { RunOf(ctx).builder->AddComment(View(value)); });
}

void ProcessingInstruction(void* ctx, const xmlChar* target, const xmlChar* data) {
  if (Ctxt(ctx)->inSubset != 0) return;
  Guarded(ctx, [&] { RunOf(ctx).builder->AddProcessingInstruction(U16(target), View(data)); });
}

void Reference(void* ctx, const xmlChar* name) {
  Guarded(ctx, [&] { RunOf(ctx).builder->AddEntityReference(U16(name)); });
}

}  // namespace

std::uint32_t ParserNames::Name(xmlParserCtxtPtr ctxt, DOMBuilder& builder, const xmlChar* local, const xmlChar* prefix,
                                const xmlChar* uri) {
  const Key key{local, prefix, uri};
  if (auto found = ids_.find(key); found != ids_.end()) return found->second;
  const std::uint32_t id = builder.Store().Intern(U16(prefix), U16(local), U16(uri));
  if (Interned(ctxt, local) && Interned(ctxt, prefix) && Interned(ctxt, uri)) ids_.emplace(key, id);
  return id;
}

std::uint32_t ParserNames::Declaration(xmlParserCtxtPtr ctxt, DOMBuilder& builder, const xmlChar* prefix) {
  static const char kDeclaration = 0;
  const Key key{nullptr, prefix, &kDeclaration};
  if (auto found = ids_.find(key); found != ids_.end()) return found->second;
  NodeStore& store = builder.Store();
  const std::uint32_t id = prefix == nullptr ? store.Intern({}, u"xmlns", kXmlnsNamespace)
                                             : store.Intern(u"xmlns", U16(prefix), kXmlnsNamespace);
  if (Interned(ctxt, prefix)) ids_.emplace(key, id);
  return id;
}

void InstallEvents(xmlSAXHandler& sax) {
  sax.startDocument = StartDocument;
  sax.endDocument = nullptr;
  sax.internalSubset = InternalSubset;
  sax.externalSubset = nullptr;
  sax.startElement = nullptr;
  sax.endElement = nullptr;
  sax.startElementNs = StartElement;
  sax.endElementNs = EndElement;
  sax.characters = Characters;
  sax.ignorableWhitespace = Characters;
  sax.cdataBlock = CDataBlock;
  sax.comment = Comment;
  sax.processingInstruction = ProcessingInstruction;
  sax.reference = Reference;
  sax.serror = OnError;
}

}  // namespace xml::detail
