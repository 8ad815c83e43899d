// The geometry of skinned scroll bars as pure functions: thumb length and place, the
// thumb-visibility test, the part under a point and the position of a dragged thumb,
// including the empty list, a list shorter than the page and ranges beyond 31 bits.
#include <gtest/gtest.h>

#include <limits>

#include "skin/windows/acScrollBarGeometry.h"

namespace skin::test {

namespace {

win::SCROLLINFO Info(int min, int max, unsigned page, int pos) {
  win::SCROLLINFO si;
  si.nMin = min;
  si.nMax = max;
  si.nPage = page;
  si.nPos = pos;
  si.nTrackPos = pos;
  return si;
}

// A vertical bar from 0 to 200 with 17-pixel buttons: a track of 166.
constexpr int kS = 0, kE = 200, kB = 17, kTrack = kE - kS - 2 * kB;

}  // namespace

TEST(ScrollBarGeometry, MulDivRoundsHalfAwayFromZeroAndNeverDividesByZero) {
  EXPECT_EQ(MulDiv64(5, 3, 2), 8);    // 7.5
  EXPECT_EQ(MulDiv64(-5, 3, 2), -8);  // -7.5
  EXPECT_EQ(MulDiv64(7, 1, 3), 2);
  EXPECT_EQ(MulDiv64(1, 1, 0), 0);
  // Products beyond 32 bits.
  EXPECT_EQ(MulDiv64(0x7FFFFFFF, 166, 0x7FFFFFFF), 166);
}

TEST(ScrollBarGeometry, ThumbLengthIsThePagesShareOfTheTrackAtLeastTheMinimum) {
  // 100 lines, 20 visible: 20 * 166 / 100 = 33.2 -> 33.
  TacThumb t = ThumbGeometry(Info(0, 99, 20, 0), 16, kS, kE, kB);
  EXPECT_EQ(t.Length, 33);
  EXPECT_EQ(t.Start, kB);
  // At the last position the thumb ends at the second button.
  t = ThumbGeometry(Info(0, 99, 20, 80), 16, kS, kE, kB);
  EXPECT_EQ(t.Start + t.Length, kE - kB);
  // Halfway: offset (40 * 133) / 80 = 66.5 -> 67.
  t = ThumbGeometry(Info(0, 99, 20, 40), 16, kS, kE, kB);
  EXPECT_EQ(t.Start, kB + 67);
  // A long list: the share is tiny, the minimum holds.
  EXPECT_EQ(ThumbGeometry(Info(0, 99999, 20, 0), 16, kS, kE, kB).Length, 16);
  // A window without pages: max(b, 16).
  EXPECT_EQ(ThumbGeometry(Info(0, 99, 0, 0), 16, kS, kE, kB).Length, 17);
  EXPECT_EQ(ThumbGeometry(Info(0, 99, 0, 0), 16, kS, kE, 10).Length, 16);
  // No buttons and a short thumb: 19.
  EXPECT_EQ(ThumbGeometry(Info(0, 999, 10, 0), 16, 0, 200, 0).Length, 19);
}

TEST(ScrollBarGeometry, APageCoveringTheRangePlacesTheThumbAtTheStartWithoutDividingByZero) {
  // The empty memo: min = max = 0, the page limited to 1.
  TacThumb t = ThumbGeometry(Info(0, 0, 1, 0), 16, kS, kE, kB);
  EXPECT_EQ(t.Start, kB);
  // Fewer lines than fit: 5 lines, a page of 5.
  t = ThumbGeometry(Info(0, 4, 5, 0), 16, kS, kE, kB);
  EXPECT_EQ(t.Start, kB);
  EXPECT_FALSE(ThumbShown(Info(0, 0, 1, 0), 16, kTrack));
  EXPECT_FALSE(ThumbShown(Info(0, 4, 5, 0), 16, kTrack));
  EXPECT_TRUE(ThumbShown(Info(0, 99, 20, 0), 16, kTrack));
  // A page of 0 over a range: shown.
  EXPECT_TRUE(ThumbShown(Info(0, 99, 0, 0), 16, kTrack));
  // No room: a track of 1.
  EXPECT_FALSE(ThumbShown(Info(0, 99, 20, 0), 16, 1));
}

TEST(ScrollBarGeometry, ARangeBeyondThirtyOneBitsHasAZeroLengthThumbAtTheStart) {
  const int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
  TacThumb t = ThumbGeometry(Info(lo, hi, 100, 0), 16, kS, kE, kB);
  EXPECT_EQ(t.Length, 0);
  EXPECT_EQ(t.Start, kB);
  EXPECT_FALSE(ThumbShown(Info(lo, hi, 100, 0), 16, kTrack));
  // Exactly 0x7FFFFFFE still has a thumb, computed without overflow.
  t = ThumbGeometry(Info(0, 0x7FFFFFFE, 0x40000000, 0x3FFFFFFF), 16, kS, kE, kB);
  EXPECT_EQ(t.Length, 83);  // half of 166
  EXPECT_GT(t.Start, kB);
  EXPECT_LE(t.Start + t.Length, kE - kB);
}

TEST(ScrollBarGeometry, PartsAlongTheBar) {
  const win::SCROLLINFO si = Info(0, 99, 20, 40);  // thumb at 84..117
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, -1, false), spNone);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 0, false), spArrowBefore);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 16, false), spArrowBefore);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 17, false), spPageBefore);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 83, false), spPageBefore);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 84, false), spThumb);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 116, false), spThumb);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 117, false), spPageAfter);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 182, false), spPageAfter);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 182, true), spJump);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 20, true), spJump);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 84, true), spThumb);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 183, false), spArrowAfter);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 199, false), spArrowAfter);
  EXPECT_EQ(PartAlong(si, 16, kS, kE, kB, 200, false), spNone);
  // A bar too short for its buttons: the halves are the arrows, nothing else.
  EXPECT_EQ(PartAlong(si, 16, 0, 30, kB, 14, false), spArrowBefore);
  EXPECT_EQ(PartAlong(si, 16, 0, 30, kB, 15, false), spArrowAfter);
  // A thumb that does not fit: only arrows answer.
  EXPECT_EQ(PartAlong(si, 16, 0, 40, kB, 20, false), spNone);
}

TEST(ScrollBarGeometry, DragPositionsFromStartToOnePastTheEnd) {
  const win::SCROLLINFO si = Info(0, 99, 20, 0);
  const int length = ThumbGeometry(si, 16, kS, kE, kB).Length;  // 33
  EXPECT_EQ(DragPosition(si, kS, kE, kB, length, kB), 0);
  // At the end: range - nPage + 2 = 81, one past the last position 80.
  EXPECT_EQ(DragPosition(si, kS, kE, kB, length, kE - kB - length), 81);
  // Halfway along the free track of 133: 66 * 81 / 133 = 40.2 -> 40.
  EXPECT_EQ(DragPosition(si, kS, kE, kB, length, kB + 66), 40);
  // The thumb start follows the pointer inside the track only.
  EXPECT_EQ(DragThumbStart(500, 10, kS, kE, kB, length), kE - kB - length);
  EXPECT_EQ(DragThumbStart(-50, 10, kS, kE, kB, length), kB);
  // A thumb longer than the track: the lower limit wins, no division by zero.
  EXPECT_EQ(DragThumbStart(100, 0, 0, 40, kB, 16), kB);
  EXPECT_EQ(DragPosition(si, 0, 34, kB, 0, kB), 81);
  // An empty range: the distance moved.
  EXPECT_EQ(DragPosition(Info(0, 0, 1, 0), kS, kE, kB, 16, kB + 5), 5);
  // 100,000 lines, 20 visible: every line can be reached (beyond 16 bits).
  const win::SCROLLINFO big = Info(0, 99999, 20, 0);
  EXPECT_EQ(DragPosition(big, kS, kE, kB, 16, kE - kB - 16), 99981);
  EXPECT_GT(DragPosition(big, kS, kE, kB, 16, kE - kB - 17), 65535);
}

}  // namespace skin::test
