// The edit text's line index: counts as the platform counts lines, and incremental
// updates that agree with a fresh count after any edit.
#include <gtest/gtest.h>

#include <random>

#include "platform/ctl/TextBuffer.h"

namespace ctl::detail {
namespace {

std::vector<int> FreshStarts(const std::u16string& t) {
  std::vector<int> s{0};
  for (std::size_t i = 0; i + 1 < t.size(); ++i)
    if (t[i] == u'\r' && t[i + 1] == u'\n') s.push_back(static_cast<int>(i + 2));
  return s;
}

void ExpectIndexMatches(const TextBuffer& b) {
  std::vector<int> fresh = FreshStarts(b.Text());
  ASSERT_EQ(b.LineCount(), static_cast<int>(fresh.size())) << "text size " << b.Length();
  for (int i = 0; i < b.LineCount(); ++i) ASSERT_EQ(b.LineStart(i), fresh[static_cast<std::size_t>(i)]) << "line " << i;
}

TEST(TextBuffer, CountsLinesAsThePlatformEdit) {
  TextBuffer b(true);
  EXPECT_EQ(b.LineCount(), 1);  // an empty text is one line
  b.Assign(u"a");
  EXPECT_EQ(b.LineCount(), 1);
  b.Assign(u"a\r\n");
  EXPECT_EQ(b.LineCount(), 2);  // a final CR LF leaves an empty last line
  EXPECT_EQ(b.LineLength(1), 0);
  b.Assign(u"a\r\nb");
  EXPECT_EQ(b.LineCount(), 2);
  b.Assign(u"\r\n\r\n");
  EXPECT_EQ(b.LineCount(), 3);
  b.Assign(u"a\nb\rc");  // lone LF and CR are characters, not breaks
  EXPECT_EQ(b.LineCount(), 1);
  EXPECT_EQ(b.LineLength(0), 5);
}

TEST(TextBuffer, SingleLineKeepsOneLine) {
  TextBuffer b(false);
  b.Assign(u"a\r\nb");
  EXPECT_EQ(b.LineCount(), 1);
  EXPECT_EQ(b.LineLength(0), 4);
}

TEST(TextBuffer, LineFromCharAndLengths) {
  TextBuffer b(true);
  b.Assign(u"ab\r\ncde\r\n");
  EXPECT_EQ(b.LineFromChar(0), 0);
  EXPECT_EQ(b.LineFromChar(2), 0);  // at the CR: end of line 0
  EXPECT_EQ(b.LineFromChar(3), 0);  // between CR and LF
  EXPECT_EQ(b.LineFromChar(4), 1);
  EXPECT_EQ(b.LineFromChar(9), 2);
  EXPECT_EQ(b.LineLength(0), 2);
  EXPECT_EQ(b.LineLength(1), 3);
  EXPECT_EQ(b.LineText(1), u"cde");
  EXPECT_EQ(b.Normalize(3), 2);
  EXPECT_EQ(b.Normalize(99), 9);
}

TEST(TextBuffer, BreaksMadeAndUndoneAtTheEdgesOfAnEdit) {
  TextBuffer b(true);
  b.Assign(u"ab\rcd");
  b.Replace(3, 3, u"\n");  // completes a CR LF pair
  EXPECT_EQ(b.LineCount(), 2);
  b.Replace(3, 3, u"x");  // splits it again
  EXPECT_EQ(b.LineCount(), 1);
  b.Replace(3, 4, u"");
  EXPECT_EQ(b.LineCount(), 2);
  b.Replace(2, 3, u"");  // removes the CR
  EXPECT_EQ(b.LineCount(), 1);
  ExpectIndexMatches(b);
}

TEST(TextBuffer, AppendingLinesKeepsTheIndex) {
  TextBuffer b(true);
  for (int i = 0; i < 1000; ++i) b.Replace(b.Length(), b.Length(), u"https://example.com/page\r\n");
  EXPECT_EQ(b.LineCount(), 1001);
  EXPECT_EQ(b.LineLength(1000), 0);
  ExpectIndexMatches(b);
}

TEST(TextBuffer, RandomEditsAgreeWithAFreshCount) {
  std::mt19937 rng(7);
  const std::u16string pieces[] = {u"\r\n", u"\r", u"\n", u"x", u"yz\r\n\r\nw", u"", u"\r\n\r"};
  TextBuffer b(true);
  for (int step = 0; step < 3000; ++step) {
    int len = b.Length();
    int a = len ? static_cast<int>(rng() % static_cast<unsigned>(len + 1)) : 0;
    int e = a + (len > a ? static_cast<int>(rng() % static_cast<unsigned>(std::min(6, len - a) + 1)) : 0);
    b.Replace(a, e, pieces[rng() % std::size(pieces)]);
    ExpectIndexMatches(b);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace ctl::detail
