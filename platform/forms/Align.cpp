// Alignment of child controls: top, bottom, left and right edges are taken from the
// client area in that order (each group ordered by position), the client-aligned
// children fill what is left, and unaligned children with anchors keep their distances
// to the anchored edges as the parent changes size.
#include <algorithm>

#include "platform/forms/WinControls.h"

namespace forms {

void TWinControl::DisableAlign() { ++alignLevel_; }

void TWinControl::EnableAlign() {
  if (alignLevel_ > 0 && --alignLevel_ == 0 && ControlState().Contains(TControlStateItem::csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* aControl) {
  if (IsDestroying()) return;
  if (alignLevel_ > 0) {
    TControlState s = ControlState();
    SetControlState(s.Include(TControlStateItem::csAlignmentNeeded));
    return;
  }
  DisableAlign();
  try {
    TRect r = ClientRect();
    AlignControls(aControl, r);
  } catch (...) {
    TControlState s = ControlState();
    SetControlState(s.Exclude(TControlStateItem::csAlignmentNeeded));
    --alignLevel_;
    throw;
  }
  TControlState s = ControlState();
  SetControlState(s.Exclude(TControlStateItem::csAlignmentNeeded));
  --alignLevel_;
}

namespace {

bool InsertBefore(const TControl* c1, const TControl* c2, TAlign a) {
  switch (a) {
    case TAlign::alTop: return c1->Top() < c2->Top();
    case TAlign::alBottom: return c1->Top() + c1->Height() >= c2->Top() + c2->Height();
    case TAlign::alLeft: return c1->Left() < c2->Left();
    case TAlign::alRight: return c1->Left() + c1->Width() >= c2->Left() + c2->Width();
    default: return false;
  }
}

}  // namespace

void TWinControl::DoAlign(TAlign align, TRect& rect, std::vector<TControl*>& list) {
  list.clear();
  for (TControl* c : controls_) {
    if (c->Align() != align || (align != TAlign::alNone && !c->Visible())) continue;
    auto pos = list.begin();
    while (pos != list.end() && !InsertBefore(c, *pos, align)) ++pos;
    list.insert(pos, c);
  }
  for (TControl* c : list) {
    int l = rect.Left, t = rect.Top, w = rect.Width(), h = rect.Height();
    switch (align) {
      case TAlign::alTop: h = c->Height(); break;
      case TAlign::alBottom:
        h = c->Height();
        t = rect.Bottom - h;
        break;
      case TAlign::alLeft: w = c->Width(); break;
      case TAlign::alRight:
        w = c->Width();
        l = rect.Right - w;
        break;
      case TAlign::alClient: break;
      case TAlign::alNone: {
        // Anchors: distances to the anchored edges stay as they were.
        TAnchors a = c->Anchors();
        if (a == TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop}) continue;
        TSize orig = c->originalParentSize_;
        if (orig.cx <= 0 && orig.cy <= 0) continue;
        int dx = rect.Right - orig.cx, dy = rect.Bottom - orig.cy;
        l = c->Left();
        t = c->Top();
        w = c->Width();
        h = c->Height();
        int right = c->anchorRules_.X, bottom = c->anchorRules_.Y;
        if (a.Contains(TAnchorKind::akRight)) {
          if (a.Contains(TAnchorKind::akLeft)) w = right + dx - l;
          else l = right + dx - w;
        } else if (!a.Contains(TAnchorKind::akLeft)) {
          l = right - w + dx / 2;
        }
        if (a.Contains(TAnchorKind::akBottom)) {
          if (a.Contains(TAnchorKind::akTop)) h = bottom + dy - t;
          else t = bottom + dy - h;
        } else if (!a.Contains(TAnchorKind::akTop)) {
          t = bottom - h + dy / 2;
        }
        TSize keepOrig = c->originalParentSize_;
        TPoint keepRules = c->anchorRules_;
        c->SetBounds(l, t, w, h);
        c->originalParentSize_ = keepOrig;
        c->anchorRules_ = keepRules;
        continue;
      }
      default: continue;
    }
    c->SetBounds(l, t, std::max(w, 0), std::max(h, 0));
    // The control may have kept another size (constraints): the rest follows what it took.
    switch (align) {
      case TAlign::alTop: rect.Top += c->Height(); break;
      case TAlign::alBottom: rect.Bottom -= c->Height(); break;
      case TAlign::alLeft: rect.Left += c->Width(); break;
      case TAlign::alRight: rect.Right -= c->Width(); break;
      default: break;
    }
  }
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
  AdjustClientRect(rect);
  std::vector<TControl*> list;
  for (TAlign a : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient, TAlign::alNone})
    DoAlign(a, rect, list);
}

}  // namespace forms
