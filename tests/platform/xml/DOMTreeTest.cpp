// The DOM tree: edits keep the tree sound; serialisation escapes, declares namespaces and
// survives any depth.
#include <gtest/gtest.h>

#include "platform/base/Unicode.h"
#include "platform/xml/DOMDocument.h"
#include "platform/xml/DOMParser.h"
#include "platform/xml/XMLErrors.h"

namespace xml {
namespace {

std::string Utf8(const std::u16string& s) { return base::Utf16ToUtf8(s); }

TEST(DOMTree, InsertAndRemoveKeepSiblingsInOrder) {
  DOMDocument doc;
  DOMNode* root = doc.documentNode()->appendChild(doc.createElement(u"r"));
  DOMNode* a = root->appendChild(doc.createElement(u"a"));
  DOMNode* c = root->appendChild(doc.createElement(u"c"));
  DOMNode* b = root->insertBefore(doc.createElement(u"b"), c);
  EXPECT_EQ(a->nextSibling(), b);
  EXPECT_EQ(c->previousSibling(), b);
  EXPECT_EQ(b->nextSibling(), c);
  EXPECT_EQ(c->nextSibling(), nullptr);
  EXPECT_EQ(a->previousSibling(), nullptr);

  root->removeChild(a);
  EXPECT_EQ(a->parentNode(), nullptr);
  EXPECT_EQ(b->previousSibling(), nullptr);
  EXPECT_EQ(root->firstChild(), b);
  // Moving a node takes it out of its old place.
  root->appendChild(b);
  EXPECT_EQ(root->childNodes(), (std::vector<DOMNode*>{c, b}));
  EXPECT_EQ(c->nextSibling(), b);
  EXPECT_EQ(root->xml(), u"<r><c/><b/></r>");
}

TEST(DOMTree, EditsThatWouldBreakTheTreeAreRefused) {
  DOMDocument doc, other;
  DOMNode* root = doc.documentNode()->appendChild(doc.createElement(u"r"));
  DOMNode* child = root->appendChild(doc.createElement(u"c"));
  DOMNode* text = child->appendChild(doc.createTextNode(u"t"));
  EXPECT_THROW(child->appendChild(root), DOMException) << "a cycle";
  EXPECT_THROW(child->appendChild(child), DOMException);
  EXPECT_THROW(root->appendChild(other.createElement(u"x")), DOMException) << "another document";
  EXPECT_THROW(text->appendChild(doc.createElement(u"x")), DOMException) << "a leaf";
  EXPECT_THROW(doc.documentNode()->appendChild(doc.createElement(u"second")), DOMException);
  EXPECT_THROW(doc.documentNode()->appendChild(doc.createTextNode(u"top")), DOMException);
  EXPECT_THROW(root->insertBefore(doc.createElement(u"x"), text), DOMException) << "not a child";
  EXPECT_THROW(root->removeChild(text), DOMException);
  EXPECT_THROW(root->setNodeValue(u"v"), DOMException);
  EXPECT_EQ(doc.documentNode()->xml(), u"<r><c>t</c></r>\r\n") << "the tree is unchanged";
}

TEST(DOMWriter, EscapesTextAttributesAndSplitsCData) {
  DOMDocument doc;
  DOMNode* root = doc.documentNode()->appendChild(doc.createElement(u"r"));
  root->setAttribute(doc.Name({}, u"a", {}), u"x&<\"\t\r\n>");
  root->appendChild(doc.createTextNode(u"a&b<c>d\re\n"));
  root->appendChild(doc.createCDATASection(u"1]]>2"));
  root->appendChild(doc.createComment(u" c "));
  root->appendChild(doc.createProcessingInstruction(u"pi", u"data"));
  root->appendChild(doc.createProcessingInstruction(u"empty", u""));
  const std::u16string xml = root->xml();
  EXPECT_EQ(xml,
            u"<r a=\"x&amp;&lt;&quot;&#x9;&#xD;&#xA;>\">a&amp;b&lt;c&gt;d&#xD;e\n<![CDATA[1]]]]><![CDATA[>2]]>"
            u"<!-- c --><?pi data?><?empty?></r>");
  // Reading it back gives the same values.
  auto back = ParseDOM(Utf8(xml), {});
  ASSERT_FALSE(back->parseError().failed()) << Utf8(back->parseError().reason);
  DOMNode* r = back->documentElement();
  EXPECT_EQ(*r->getAttribute(u"a"), u"x&<\"\t\r\n>");
  EXPECT_EQ(r->childNodes()[0]->nodeValue(), u"a&b<c>d\re\n");
  EXPECT_EQ(r->childNodes()[1]->nodeValue(), u"1]]>2") << "adjacent sections are read as one";
}

TEST(DOMWriter, DeclaresNamespacesOfCreatedNodes) {
  DOMDocument doc;
  DOMNode* root = doc.documentNode()->appendChild(doc.createElement(u"urlset", u"urn:sm"));
  DOMNode* url = root->appendChild(doc.createElement(u"url", u"urn:sm"));
  url->appendChild(doc.createElement(u"p:loc", u"urn:p"));
  url->appendChild(doc.createElement(u"plain"));
  url->setAttribute(doc.QualifiedName(u"q:at", u"urn:q"), u"v");
  EXPECT_EQ(doc.xml(),
            u"<urlset xmlns=\"urn:sm\"><url xmlns:q=\"urn:q\" q:at=\"v\"><p:loc xmlns:p=\"urn:p\"/>"
            u"<plain xmlns=\"\"/></url></urlset>\r\n");
  // Parsed declarations are written as they were, and not repeated.
  auto parsed = ParseDOM("<a:r xmlns:a=\"urn:a\" xmlns=\"urn:d\"><a:x/><y/></a:r>", {});
  EXPECT_EQ(parsed->xml(), u"<a:r xmlns:a=\"urn:a\" xmlns=\"urn:d\"><a:x/><y/></a:r>\r\n");
}

TEST(DOMWriter, SerialisesAnyDepth) {
  DOMDocument doc;
  DOMNode* n = doc.documentNode()->appendChild(doc.createElement(u"d"));
  const int depth = 200000;
  for (int i = 1; i < depth; ++i) n = n->appendChild(doc.createElement(u"d"));
  n->appendChild(doc.createTextNode(u"bottom"));
  const std::u16string xml = doc.xml();
  EXPECT_EQ(xml.size(), static_cast<std::size_t>(depth) * 7 + 6 + 2);
  EXPECT_NE(xml.find(u"<d>bottom</d>"), std::u16string::npos);
}

}  // namespace
}  // namespace xml
