// Drawing state of a surface: target, coordinates, clipping and saved states.
#include "platform/gfx/Surface.h"

namespace gfx {

void Surface::SetTarget(const PixelView& target) {
  target_ = target;
  ClipChanged();
}

void Surface::SetDeviceOrigin(TPoint origin) {
  deviceOrigin_ = origin;
  ClipChanged();
}

void Surface::SetSystemClip(const Region* rgn) {
  hasSystemClip_ = rgn != nullptr;
  systemClip_ = rgn ? *rgn : Region();
  ClipChanged();
}

TPoint Surface::LogicalToDevice(TPoint p) const {
  return {p.X - state_.windowOrg.X + state_.viewportOrg.X, p.Y - state_.windowOrg.Y + state_.viewportOrg.Y};
}

TPoint Surface::DeviceToLogical(TPoint p) const {
  return {p.X + state_.windowOrg.X - state_.viewportOrg.X, p.Y + state_.windowOrg.Y - state_.viewportOrg.Y};
}

TPoint Surface::PixelOffset() const {
  return {deviceOrigin_.X - state_.windowOrg.X + state_.viewportOrg.X,
          deviceOrigin_.Y - state_.windowOrg.Y + state_.viewportOrg.Y};
}

TPoint Surface::ToPixels(TPoint logical) const {
  const TPoint o = PixelOffset();
  return {logical.X + o.X, logical.Y + o.Y};
}

TRect Surface::ToPixels(const TRect& logical) const {
  const TPoint o = PixelOffset();
  return logical.Offset(o.X, o.Y);
}

const Region& Surface::Visible() const {
  if (!visibleValid_) {
    visible_ =
        Region(target_.Valid() && target_.format == PixelFormat::Bgra32 ? TRect{0, 0, target_.width, target_.height}
                                                                        : TRect{});
    if (hasSystemClip_) {
      Region sys = systemClip_;
      sys.Offset(deviceOrigin_.X, deviceOrigin_.Y);
      visible_ &= sys;
    }
    if (state_.hasClip) {
      Region clip = state_.clip;
      clip.Offset(deviceOrigin_.X, deviceOrigin_.Y);
      visible_ &= clip;
    }
    visibleValid_ = true;
  }
  return visible_;
}

RegionKind Surface::SelectClip(const Region* rgn, RegionOp op) {
  if (rgn == nullptr) {
    if (op != RegionOp::Copy) return RegionKind::Error;
    state_.hasClip = false;
    state_.clip = Region();
  } else if (op == RegionOp::Copy || !state_.hasClip) {
    // Without a clip region the whole device is the starting point of every combination.
    if (op == RegionOp::Copy || op == RegionOp::And) {
      state_.clip = *rgn;
    } else {
      const Region device(
          TRect{-deviceOrigin_.X, -deviceOrigin_.Y, target_.width - deviceOrigin_.X, target_.height - deviceOrigin_.Y});
      state_.clip = Region::Combine(device, *rgn, op);
    }
    state_.hasClip = true;
  } else {
    state_.clip = Region::Combine(state_.clip, *rgn, op);
  }
  ClipChanged();
  return Visible().Kind();
}

RegionKind Surface::IntersectClip(const TRect& logical) {
  const TPoint d = LogicalToDevice({logical.Left, logical.Top});
  const Region r(logical.Offset(d.X - logical.Left, d.Y - logical.Top));
  return SelectClip(&r, RegionOp::And);
}

RegionKind Surface::ExcludeClip(const TRect& logical) {
  const TPoint d = LogicalToDevice({logical.Left, logical.Top});
  const Region r(logical.Offset(d.X - logical.Left, d.Y - logical.Top));
  return SelectClip(&r, RegionOp::Diff);
}

bool Surface::GetClip(Region& out) const {
  if (!state_.hasClip) return false;
  out = state_.clip;
  return true;
}

RegionKind Surface::ClipBox(TRect& logical) const {
  const Region& vis = Visible();
  const TPoint o = PixelOffset();
  logical = vis.IsEmpty() ? TRect{} : vis.Bounds().Offset(-o.X, -o.Y);
  return vis.Kind();
}

bool Surface::PtVisible(TPoint logical) const { return Visible().Contains(ToPixels(logical)); }

bool Surface::RectVisible(const TRect& logical) const { return Visible().Intersects(ToPixels(logical)); }

int Surface::Save() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

bool Surface::Restore(int level) {
  const int n = static_cast<int>(saved_.size());
  if (level < 0) level = n + 1 + level;
  if (level < 1 || level > n) return false;
  state_ = std::move(saved_[static_cast<std::size_t>(level - 1)]);
  saved_.resize(static_cast<std::size_t>(level - 1));
  ClipChanged();
  return true;
}

TColor Surface::SetTextColor(TColor c) {
  const TColor old = state_.textColor;
  state_.textColor = ColorToRGB(c) & 0xFFFFFF;
  return old;
}

TColor Surface::SetBkColor(TColor c) {
  const TColor old = state_.bkColor;
  state_.bkColor = ColorToRGB(c) & 0xFFFFFF;
  return old;
}

}  // namespace gfx
