#include "platform/gfx/Region.h"

#include <algorithm>
#include <climits>

namespace gfx {
namespace {

struct Band {
  int top = 0, bottom = 0;
  const TRect* first = nullptr;
  const TRect* last = nullptr;
};

// Walks the bands of one region from top to bottom.
class BandWalker {
 public:
  explicit BandWalker(const std::vector<TRect>& r) : r_(r) { Load(); }

  bool Done() const { return i_ >= r_.size(); }
  const Band& Current() const { return band_; }
  // Drops the band when it ends at or above y.
  void SkipEndedBy(int y) {
    if (!Done() && band_.bottom <= y) {
      i_ = static_cast<std::size_t>(band_.last - r_.data());
      Load();
    }
  }

 private:
  void Load() {
    if (Done()) return;
    std::size_t j = i_;
    while (j < r_.size() && r_[j].Top == r_[i_].Top) ++j;
    band_ = {r_[i_].Top, r_[i_].Bottom, r_.data() + i_, r_.data() + j};
  }

  const std::vector<TRect>& r_;
  std::size_t i_ = 0;
  Band band_;
};

bool Inside(RegionOp op, bool a, bool b) {
  switch (op) {
    case RegionOp::And: return a && b;
    case RegionOp::Or: return a || b;
    case RegionOp::Xor: return a != b;
    case RegionOp::Diff: return a && !b;
    case RegionOp::Copy: return a;
  }
  return false;
}

// Combines the column runs of two bands into out (pairs x0, x1).
void CombineRuns(const TRect* a, const TRect* aEnd, const TRect* b, const TRect* bEnd, RegionOp op,
                 std::vector<int>& out) {
  out.clear();
  bool inA = false, inB = false, inside = false;
  int start = 0;
  while (a != aEnd || b != bEnd) {
    const int xa = a == aEnd ? INT_MAX : (inA ? a->Right : a->Left);
    const int xb = b == bEnd ? INT_MAX : (inB ? b->Right : b->Left);
    const int x = std::min(xa, xb);
    if (xa == x) {
      if (inA) ++a;
      inA = !inA;
    }
    if (xb == x) {
      if (inB) ++b;
      inB = !inB;
    }
    const bool now = Inside(op, inA, inB);
    if (now != inside) {
      if (now) {
        start = x;
      } else if (x > start) {
        if (!out.empty() && out.back() == start) out.back() = x;  // touching runs merge
        else out.insert(out.end(), {start, x});
      }
      inside = now;
    }
  }
}

// Appends one band, merging it into the band above when that one touches it and holds
// the same columns.
class BandSink {
 public:
  explicit BandSink(std::vector<TRect>& out) : out_(out) {}

  void Add(int top, int bottom, const std::vector<int>& runs) {
    if (runs.empty() || bottom <= top) return;
    const std::size_t n = runs.size() / 2;
    if (lastStart_ != npos && out_[lastStart_].Bottom == top && out_.size() - lastStart_ == n) {
      bool same = true;
      for (std::size_t k = 0; k < n && same; ++k)
        same = out_[lastStart_ + k].Left == runs[2 * k] && out_[lastStart_ + k].Right == runs[2 * k + 1];
      if (same) {
        for (std::size_t k = lastStart_; k < out_.size(); ++k) out_[k].Bottom = bottom;
        return;
      }
    }
    lastStart_ = out_.size();
    for (std::size_t k = 0; k < n; ++k) out_.push_back({runs[2 * k], top, runs[2 * k + 1], bottom});
  }

 private:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);
  std::vector<TRect>& out_;
  std::size_t lastStart_ = npos;
};

}  // namespace

Region::Region(const TRect& r) {
  if (!r.IsEmpty()) rects_.push_back(r);
  UpdateBounds();
}

void Region::UpdateBounds() {
  if (rects_.empty()) {
    bounds_ = {};
    return;
  }
  bounds_ = {INT_MAX, rects_.front().Top, INT_MIN, rects_.back().Bottom};
  for (const TRect& r : rects_) {
    bounds_.Left = std::min(bounds_.Left, r.Left);
    bounds_.Right = std::max(bounds_.Right, r.Right);
  }
}

RegionKind Region::Kind() const {
  if (rects_.empty()) return RegionKind::Null;
  return rects_.size() == 1 ? RegionKind::Simple : RegionKind::Complex;
}

void Region::Offset(int dx, int dy) {
  for (TRect& r : rects_) r = r.Offset(dx, dy);
  if (!rects_.empty()) bounds_ = bounds_.Offset(dx, dy);
}

std::pair<const TRect*, const TRect*> Region::BandAt(int y) const {
  if (rects_.empty() || y < bounds_.Top || y >= bounds_.Bottom) return {nullptr, nullptr};
  // First rectangle whose band ends below y.
  auto it = std::upper_bound(rects_.begin(), rects_.end(), y, [](int v, const TRect& r) { return v < r.Bottom; });
  if (it == rects_.end() || it->Top > y) return {nullptr, nullptr};
  auto end = it;
  while (end != rects_.end() && end->Top == it->Top) ++end;
  return {&*it, rects_.data() + (end - rects_.begin())};
}

bool Region::Contains(TPoint p) const {
  auto [first, last] = BandAt(p.Y);
  for (const TRect* r = first; r != last; ++r) {
    if (p.X < r->Left) return false;
    if (p.X < r->Right) return true;
  }
  return false;
}

bool Region::Intersects(const TRect& r) const {
  if (r.IsEmpty() || Intersect(bounds_, r).IsEmpty()) return false;
  for (const TRect& q : rects_) {
    if (q.Top >= r.Bottom) break;
    if (!Intersect(q, r).IsEmpty()) return true;
  }
  return false;
}

bool Region::ContainsRect(const TRect& r) const {
  if (r.IsEmpty()) return false;
  return Combine(Region(r), *this, RegionOp::Diff).IsEmpty();
}

Region Region::Combine(const Region& a, const Region& b, RegionOp op) {
  if (op == RegionOp::Copy) return a;
  // Quick answers that need no sweep.
  if (op == RegionOp::And && (a.IsEmpty() || b.IsEmpty() || Intersect(a.bounds_, b.bounds_).IsEmpty())) return Region();
  if (b.IsEmpty() && op != RegionOp::And) return a;
  if (a.IsEmpty() && (op == RegionOp::Or || op == RegionOp::Xor)) return b;
  if (a.IsEmpty()) return Region();

  Region out;
  out.rects_.reserve(a.rects_.size() + b.rects_.size());
  BandSink sink(out.rects_);
  BandWalker wa(a.rects_), wb(b.rects_);
  std::vector<int> runs;
  int y = std::min(a.bounds_.Top, b.bounds_.Top);
  while (!wa.Done() || !wb.Done()) {
    const bool aIn = !wa.Done() && wa.Current().top <= y;
    const bool bIn = !wb.Done() && wb.Current().top <= y;
    int next = INT_MAX;
    if (!wa.Done()) next = std::min(next, aIn ? wa.Current().bottom : wa.Current().top);
    if (!wb.Done()) next = std::min(next, bIn ? wb.Current().bottom : wb.Current().top);
    if (aIn || bIn) {
      const Band& ba = wa.Current();
      const Band& bb = wb.Current();
      CombineRuns(aIn ? ba.first : nullptr, aIn ? ba.last : nullptr, bIn ? bb.first : nullptr, bIn ? bb.last : nullptr,
                  op, runs);
      sink.Add(y, next, runs);
    }
    y = next;
    wa.SkipEndedBy(y);
    wb.SkipEndedBy(y);
  }
  out.UpdateBounds();
  return out;
}

Region Region::FromRects(const TRect* rects, std::size_t count) {
  if (count == 0) return Region();
  if (count == 1) return Region(rects[0]);
  // Pairwise union keeps the work near n log n for long lists of small rectangles.
  const std::size_t half = count / 2;
  return Combine(FromRects(rects, half), FromRects(rects + half, count - half), RegionOp::Or);
}

Region RegionBuilder::Finish() {
  std::sort(spans_.begin(), spans_.end(),
            [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
  Region out;
  BandSink sink(out.rects_);
  std::vector<int> runs;
  std::size_t i = 0;
  while (i < spans_.size()) {
    const int y = spans_[i].y;
    runs.clear();
    for (; i < spans_.size() && spans_[i].y == y; ++i) {
      const Span& s = spans_[i];
      if (!runs.empty() && s.x0 <= runs.back()) runs.back() = std::max(runs.back(), s.x1);
      else runs.insert(runs.end(), {s.x0, s.x1});
    }
    sink.Add(y, y + 1, runs);
  }
  spans_.clear();
  out.UpdateBounds();
  return out;
}

}  // namespace gfx
