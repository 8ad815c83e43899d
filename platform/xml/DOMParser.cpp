#include "platform/xml/DOMParser.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <climits>
#include <mutex>
#include <unordered_map>

#include "platform/base/Unicode.h"

namespace xml {

namespace {

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

std::u16string U16(const xmlChar* s) {
  return s == nullptr ? std::u16string() : base::Utf8ToUtf16(reinterpret_cast<const char*>(s));
}

// What a parse run collects besides the tree.
struct RunState {
  DOMParseError firstError;
  bool doctypeRefused = false;
};

RunState* StateOf(void* ctx) { return static_cast<RunState*>(static_cast<xmlParserCtxtPtr>(ctx)->_private); }

void OnError(void* ctx, xmlErrorPtr error) {
  RunState* state = StateOf(ctx);
  if (error == nullptr || error->level < XML_ERR_ERROR || state->firstError.failed()) return;
  std::string message = error->message != nullptr ? error->message : "The document could not be parsed";
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  state->firstError.reason = base::Utf8ToUtf16(message);
  state->firstError.line = error->line;
  state->firstError.linePos = error->int2;
}

void RefuseDoctype(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*) {
  auto* ctxt = static_cast<xmlParserCtxtPtr>(ctx);
  RunState* state = StateOf(ctx);
  if (!state->firstError.failed()) {
    state->firstError.reason = u"A document type declaration is not allowed";
    state->firstError.line = xmlSAX2GetLineNumber(ctxt);
    state->firstError.linePos = xmlSAX2GetColumnNumber(ctxt);
  }
  state->doctypeRefused = true;
  xmlStopParser(ctxt);
}

bool IsBlank(const xmlChar* s) {
  if (s == nullptr) return true;
  for (; *s != 0; ++s)
    if (*s != ' ' && *s != '\t' && *s != '\r' && *s != '\n') return false;
  return true;
}

// Copies a parsed libxml2 tree into a DOMDocument. Names are converted once per distinct
// (name, namespace) pair: the parser interns its names, so pointers identify them.
class TreeCopier {
 public:
  explicit TreeCopier(DOMDocument& doc) : doc_(doc) {}
  void Copy(xmlDocPtr src);

 private:
  struct PairHash {
    std::size_t operator()(const std::pair<const void*, const void*>& p) const {
      return std::hash<const void*>()(p.first) * 31 + std::hash<const void*>()(p.second);
    }
  };

  const QName* NameOf(const xmlChar* local, xmlNsPtr ns);
  const QName* DeclarationName(const xmlChar* prefix);
  DOMNode* Add(xmlNodePtr x, DOMNode* parent);
  void CopyAttributes(xmlNodePtr x, DOMNode* element);

  DOMDocument& doc_;
  xmlDocPtr src_ = nullptr;
  std::unordered_map<std::pair<const void*, const void*>, const QName*, PairHash> names_;
};

const QName* TreeCopier::NameOf(const xmlChar* local, xmlNsPtr ns) {
  auto [it, added] = names_.try_emplace({local, ns}, nullptr);
  if (added) {
    it->second = doc_.Name(ns != nullptr ? U16(ns->prefix) : std::u16string(), U16(local),
                           ns != nullptr ? U16(ns->href) : std::u16string());
  }
  return it->second;
}

const QName* TreeCopier::DeclarationName(const xmlChar* prefix) {
  static const char kMarker = 0;
  auto [it, added] = names_.try_emplace({prefix, &kMarker}, nullptr);
  if (added) {
    it->second = prefix == nullptr ? doc_.Name({}, u"xmlns", kXmlnsNamespace)
                                   : doc_.Name(u"xmlns", U16(prefix), kXmlnsNamespace);
  }
  return it->second;
}

void TreeCopier::CopyAttributes(xmlNodePtr x, DOMNode* element) {
  for (xmlNsPtr ns = x->nsDef; ns != nullptr; ns = ns->next)
    element->setAttribute(DeclarationName(ns->prefix), U16(ns->href));
  for (xmlAttrPtr a = x->properties; a != nullptr; a = a->next) {
    std::string value;
    for (xmlNodePtr t = a->children; t != nullptr; t = t->next)
      if (t->content != nullptr) value += reinterpret_cast<const char*>(t->content);
    element->setAttribute(NameOf(a->name, a->ns), base::Utf8ToUtf16(value));
  }
}

DOMNode* TreeCopier::Add(xmlNodePtr x, DOMNode* parent) {
  DOMNode* made = nullptr;
  switch (x->type) {
    case XML_ELEMENT_NODE:
      made = doc_.createElement(NameOf(x->name, x->ns));
      CopyAttributes(x, made);
      break;
    case XML_TEXT_NODE:
      if (IsBlank(x->content)) return nullptr;
      made = doc_.createTextNode(U16(x->content));
      break;
    case XML_CDATA_SECTION_NODE: made = doc_.createCDATASection(U16(x->content)); break;
    case XML_COMMENT_NODE: made = doc_.createComment(U16(x->content)); break;
    case XML_PI_NODE: made = doc_.createProcessingInstruction(U16(x->name), U16(x->content)); break;
    case XML_ENTITY_REF_NODE: made = doc_.createEntityReference(U16(x->name)); break;
    case XML_DTD_NODE: {
      xmlBufferPtr buffer = xmlBufferCreate();
      xmlNodeDump(buffer, src_, x, 0, 0);
      made = doc_.createDocumentType(U16(x->name), U16(xmlBufferContent(buffer)));
      xmlBufferFree(buffer);
      break;
    }
    default: return nullptr;
  }
  return parent->appendChild(made);
}

void TreeCopier::Copy(xmlDocPtr src) {
  src_ = src;
  DOMNode* parent = doc_.documentNode();
  // The declaration, when the text had one, is the document's first child.
  if (src->standalone != -1) {
    std::u16string data = u"version=\"" + U16(src->version) + u"\"";
    if (src->standalone >= 0) data += src->standalone == 1 ? u" standalone=\"yes\"" : u" standalone=\"no\"";
    parent->appendChild(doc_.createProcessingInstruction(u"xml", std::move(data)));
  }
  // Depth-first without recursion: the tree may be deep.
  for (xmlNodePtr x = src->children; x != nullptr;) {
    DOMNode* made = Add(x, parent);
    if (made != nullptr && x->type == XML_ELEMENT_NODE && x->children != nullptr) {
      parent = made;
      x = x->children;
      continue;
    }
    while (x != nullptr && x->next == nullptr) {
      x = x->parent;
      if (x == nullptr || x->type == XML_DOCUMENT_NODE) {
        x = nullptr;
        break;
      }
      parent = parent->parentNode();
    }
    if (x != nullptr) x = x->next;
  }
}

}  // namespace

std::unique_ptr<DOMDocument> ParseDOM(std::string_view bytes, const DOMParseSettings& settings) {
  InitParserOnce();
  auto doc = std::make_unique<DOMDocument>();
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
    doc->setParseError({u"The document is too large", 1, 1});
    return doc;
  }

  RunState state;
  xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
  if (ctxt == nullptr) {
    doc->setParseError({u"Out of memory", 1, 1});
    return doc;
  }
  ctxt->_private = &state;
  ctxt->sax->serror = OnError;
  if (settings.doctype == DoctypePolicy::Refuse) ctxt->sax->internalSubset = RefuseDoctype;

  int options = XML_PARSE_NONET;
  if (settings.doctype == DoctypePolicy::Allow) options |= XML_PARSE_NOENT;
  if (!settings.encoding.empty()) options |= XML_PARSE_IGNORE_ENC;
  xmlDocPtr parsed = xmlCtxtReadMemory(ctxt, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                       settings.encoding.empty() ? nullptr : settings.encoding.c_str(), options);
  const bool ok = parsed != nullptr && ctxt->wellFormed && ctxt->nsWellFormed && !state.doctypeRefused;
  if (ok) {
    TreeCopier(*doc).Copy(parsed);
  } else {
    if (!state.firstError.failed())
      state.firstError = {u"The document could not be parsed", ctxt->input ? ctxt->input->line : 1, 1};
    doc->setParseError(std::move(state.firstError));
  }
  if (parsed != nullptr) xmlFreeDoc(parsed);
  xmlFreeParserCtxt(ctxt);
  return doc;
}

}  // namespace xml
