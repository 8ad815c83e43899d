#include "skin/windows/acBorderForm.h"

#include <algorithm>

#include "platform/forms/Forms.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/render/acImageSource.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/pixels/acPixelCopy.h"
#include "skin/windows/acWindowRegion.h"
#include "skin/windows/sSkinProvider.h"

namespace skin {

namespace {

constexpr char16_t kClassName[] = u"TacBorderForm";
constexpr char16_t kSelfProp[] = u"ACBORDERFORM";

win::LRESULT BorderWindowProc(win::HWND h, win::UINT msg, win::WPARAM wp, win::LPARAM lp) {
  if (auto* b = static_cast<TacBorderForm*>(win::GetProp(h, kSelfProp))) return b->BorderProc(msg, wp, lp);
  if (msg == win::WM_NCHITTEST) return win::HTTRANSPARENT;
  if (msg == win::WM_MOUSEACTIVATE) return win::MA_NOACTIVATE;
  return win::DefWindowProc(h, msg, wp, lp);
}

void RegisterWindowClass() {
  win::WNDCLASSEX wc;
  if (win::GetClassInfoEx(nullptr, kClassName, &wc)) return;
  wc.style = win::CS_DBLCLKS;
  wc.lpfnWndProc = &BorderWindowProc;
  wc.lpszClassName = kClassName;
  win::RegisterClassEx(wc);
}

std::uint32_t Alpha(std::uint32_t p) { return p >> 24; }

// Where a destination coordinate takes its pixel from in a nine-slice source of `size`
// with borders `lo` and `hi`, drawn over [0, length): the borders as they are, the middle
// stretched (nearest pixel).
int SliceSource(int d, int length, int size, int lo, int hi) {
  if (d < lo) return d;
  if (d >= length - hi) return size - (length - d);
  const int middleSrc = std::max(1, size - lo - hi);
  const int middleDst = std::max(1, length - lo - hi);
  return lo + static_cast<int>(static_cast<long long>(d - lo) * middleSrc / middleDst);
}

// An image with its own alpha as a nine-slice frame over the whole picture, its pixels
// copied as they are (straight alpha). False, with nothing drawn, without a usable picture.
bool CopyNineSlice(Bitmap32& dst, const TsMaskData& md, int state) {
  const Bitmap32* src = ImageSourceBitmap(md);
  if (src == nullptr || md.Width <= 0 || md.Height <= 0) return false;
  const TPoint o = StatePictureOrigin(md, state);
  if (!PieceInside(*src, o.X, o.Y, md.Width, md.Height)) return false;
  const int w = dst.Width(), h = dst.Height();
  const int wl = std::min<int>(md.WL, w / 2), wr = std::min<int>(md.WR, w - wl);
  const int wt = std::min<int>(md.WT, h / 2), wb = std::min<int>(md.WB, h - wt);
  std::vector<int> columns(static_cast<std::size_t>(w));
  for (int x = 0; x < w; ++x) columns[static_cast<std::size_t>(x)] = o.X + SliceSource(x, w, md.Width, wl, wr);
  int lastRow = -1;
  for (int y = 0; y < h; ++y) {
    const int sy = o.Y + SliceSource(y, h, md.Height, wt, wb);
    std::uint32_t* d = dst.Row(y);
    if (sy == lastRow) {
      // A stretched row repeats the one above.
      std::copy_n(dst.Row(y - 1), w, d);
      continue;
    }
    lastRow = sy;
    const std::uint32_t* s = src->Row(sy);
    for (int x = 0; x < w; ++x) d[x] = s[columns[static_cast<std::size_t>(x)]];
  }
  return true;
}

void SetOpaque(Bitmap32& bmp, const gfx::TRect& r) {
  const gfx::TRect c = gfx::Intersect(r, {0, 0, bmp.Width(), bmp.Height()});
  for (int y = c.Top; y < c.Bottom; ++y) {
    std::uint32_t* row = bmp.Row(y);
    for (int x = c.Left; x < c.Right; ++x) row[x] |= 0xFF000000u;
  }
}

std::uint32_t Premultiply(std::uint32_t p, std::uint32_t a) {
  if (a == 255) return p | 0xFF000000u;
  if (a == 0) return 0;
  auto ch = [&](int shift) { return ((((p >> shift) & 0xFFu) * a + 127) / 255) << shift; };
  return (a << 24) | ch(16) | ch(8) | ch(0);
}

}  // namespace

TacBorderForm::TacBorderForm(TsSkinProvider& owner) : FOwner(&owner) {
  SkinData = owner.SkinData();
  if (owner.Form != nullptr && owner.Form->HandleAllocated()) ParentHandle = owner.Form->Handle();
  CreateNewForm();
}

TacBorderForm::~TacBorderForm() {
  *alive_ = false;
  if (AForm != nullptr) {
    win::RemoveProp(AForm, kSelfProp);
    if (win::IsWindow(AForm)) win::DestroyWindow(AForm);
  }
  AForm = nullptr;
}

void TacBorderForm::CreateNewForm() {
  if (ParentHandle == nullptr || AForm != nullptr) return;
  RegisterWindowClass();
  // Not owned by the form: an owned window would stay in front of it. It shares the form's
  // owner, so that it stays with the form among the program's windows.
  const win::HWND owner = win::GetWindow(ParentHandle, win::GW_OWNER);
  AForm = win::CreateWindowEx(win::WS_EX_LAYERED | win::WS_EX_NOACTIVATE | win::WS_EX_TOOLWINDOW, kClassName, u"",
                              win::WS_POPUP, 0, 0, 1, 1, owner, nullptr, nullptr, nullptr);
  if (AForm != nullptr) win::SetProp(AForm, kSelfProp, this);
  ResetRgn = true;
}

TacExBorderSkin TacBorderForm::SkinValues() const {
  TacExBorderSkin k;
  const TacSkinData* d = FOwner->SkinData();
  if (d == nullptr) return k;
  k.BorderWidth = d->ExBorderWidth;
  k.TitleHeight = d->ExTitleHeight;
  k.MaxHeight = d->ExMaxHeight;
  k.CenterOffs = d->ExCenterOffs;
  k.BILeftMargin = d->BILeftMargin;
  k.BIRightMargin = d->BIRightMargin;
  k.Shadow = d->FormShadowSize;
  return k;
}

bool TacBorderForm::SysExHeightFlag() const { return SysExHeight(SkinValues(), FOwner->Shape()); }

int TacBorderForm::OffsetX() const { return ExOffsetX(SkinValues(), FOwner->Shape()); }

int TacBorderForm::OffsetY() const {
  const TacExBorderSkin k = SkinValues();
  const TacFrameShape s = FOwner->Shape();
  return ExOffsetY(k, s, SysExHeight(k, s), 0);
}

gfx::TRect TacBorderForm::ShadowSize() const { return SkinValues().Shadow; }

gfx::TSize TacBorderForm::PictureSize() const {
  const TacExBorderSkin k = SkinValues();
  const TacFrameShape s = FOwner->Shape();
  return ExPictureSize(k, s, SysExHeight(k, s), 0);
}

win::HRGN TacBorderForm::MakeRgn(int NewWidth, int NewHeight) const {
  TacFrameShape s = FOwner->Shape();
  s.Width = NewWidth;
  s.Height = NewHeight;
  const gfx::TRect r = ExFormRegionRect(s);
  return gfx::CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
}

gfx::TRect TacBorderForm::BorderRect() const {
  const TacExBorderSkin k = SkinValues();
  const TacFrameShape s = FOwner->Shape();
  gfx::TPoint origin{0, 0};
  if (ParentHandle != nullptr) win::ClientToScreen(ParentHandle, &origin);
  return ExBorderWindowRect(k, s, SysExHeight(k, s), 0, origin);
}

// ---- The picture ----

void TacBorderForm::PaintShadowTemplate(Bitmap32& bmp, const gfx::TRect& window) const {
  if (ShadowTemplate == nullptr || ShadowTemplate->Empty()) return;
  const Bitmap32& t = *ShadowTemplate;
  const TacSkinData* d = FOwner->SkinData();
  const int size = std::clamp(d->WndShadowSize, 0, 30);
  const int radius = std::clamp(d->WndShadowRadius, 0, 60);
  const int side = t.Width();
  // The template's window lies at (size, size) .. (side - size, side - size); its corners
  // reach radius into the window, its middle row and column repeat along the sides.
  auto source = [&](int v, int lo, int hi) {
    if (v < lo + radius) return v - lo + size;
    if (v >= hi - radius) return v - hi + side - size;
    return side / 2;
  };
  for (int y = 0; y < bmp.Height(); ++y) {
    const int sy = source(y, window.Top, window.Bottom);
    std::uint32_t* row = bmp.Row(y);
    if (sy < 0 || sy >= t.Height()) continue;
    const std::uint32_t* src = t.Row(sy);
    for (int x = 0; x < bmp.Width(); ++x) {
      const int sx = source(x, window.Left, window.Right);
      if (sx >= 0 && sx < side) row[x] = src[sx];
    }
  }
}

void TacBorderForm::PaintBackground(Bitmap32& bmp, const TacTitleLayout& l, int state) {
  TacSkinData* data = FOwner->SkinData();
  const int w = bmp.Width(), h = bmp.Height();
  const TacExBorderSkin k = SkinValues();
  const gfx::TRect window{k.Shadow.Left, k.Shadow.Top, w - k.Shadow.Right, h - k.Shadow.Bottom};
  const int ox = OffsetX(), oy = OffsetY();
  const TacFrameShape s = FOwner->Shape();
  const gfx::TRect client{ox, oy, ox + s.ClientWidth, oy + s.ClientHeight};
  const int formSection = FOwner->FCommonData->SkinIndex;

  // The shadow: the skin's frame image with its shadow margins, else the shadow template.
  // Every pixel of the picture comes from the image when there is one.
  const TsMaskData* image = ImageEntry(*data, data->ExBorder);
  const bool framed =
      image != nullptr && CopyNineSlice(bmp, *image, std::min<int>(state, std::max<int>(0, image->ImageCount - 1)));
  if (!framed) {
    for (int y = 0; y < h; ++y) std::fill_n(bmp.Row(y), w, 0u);
    ShadowTemplate = FOwner->FormActive != 0 ? data->ShdaTemplate.get() : data->ShdiTemplate.get();
    PaintShadowTemplate(bmp, window);
  }

  // The frame and the client background.
  if (framed && data->ExDrawMode == 1) {
    PaintSectionBackground(formSection, EmptyBgInfo(), state, KeyColor, -1, -1, data, &bmp, {0, 0}, client);
  } else if (!window.IsEmpty()) {
    Bitmap32 frame(window.Width(), window.Height());
    PaintSection(formSection, EmptyBgInfo(), -1, -1, data, &frame, {0, 0}, {0, 0, frame.Width(), frame.Height()},
                 state);
    const std::vector<gfx::TRect> cut =
        FrameRegionRects(*data, formSection, FOwner->FTitleSkinIndex, frame.Width(), frame.Height());
    for (int y = 0; y < frame.Height(); ++y)
      for (int x = 0; x < frame.Width(); ++x) {
        const bool out = std::any_of(cut.begin(), cut.end(), [&](const gfx::TRect& r) {
          return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
        });
        if (!out) bmp.Row(window.Top + y)[window.Left + x] = frame.Row(y)[x] | 0xFF000000u;
      }
  }

  // The title band over the frame.
  pictureSize_ = {w, h};
  clientRect_ = gfx::Intersect(client, {0, 0, w, h});
  bandRect_ = {};
  if (l.CaptionHeight > 0 && FOwner->FrameSkinned()) {
    const gfx::TRect band =
        gfx::Intersect({window.Left, window.Top, window.Right, window.Top + l.CaptionHeight}, {0, 0, w, h});
    if (!band.IsEmpty()) {
      bandRect_ = band;
      Bitmap32 before(band.Width(), band.Height());
      CopyBitmapRect(&before, &bmp, {0, 0}, band);
      FOwner->PaintTitleBand(bmp, l, state);
      SetOpaque(bmp, band);
      KeepBandCorners(bmp, before, band);
    }
  }

  // The band's alpha is decided now: the title content drawn next lies on its opaque
  // pixels and keeps it. Outside the band the picture's own alpha holds, and the client
  // part, which the form covers, counts as opaque whatever is drawn there.
  bandMask_.resize(static_cast<std::size_t>(bandRect_.Width()) * static_cast<std::size_t>(bandRect_.Height()));
  for (int y = bandRect_.Top; y < bandRect_.Bottom; ++y) {
    const std::uint32_t* row = bmp.Row(y);
    std::uint8_t* m = bandMask_.data() + static_cast<std::size_t>(y - bandRect_.Top) * bandRect_.Width();
    for (int x = bandRect_.Left; x < bandRect_.Right; ++x)
      m[x - bandRect_.Left] = static_cast<std::uint8_t>(Alpha(row[x]));
  }
}

void TacBorderForm::KeepBandCorners(Bitmap32& bmp, const Bitmap32& before, const gfx::TRect& band) const {
  // The band lies inside the frame's outline: the first row and, on every other row, the
  // pixels up to and including the first opaque one from either side keep the frame as it
  // was, so the rounded corners and the outline stay.
  const int w = band.Width();
  for (int y = 0; y < band.Height(); ++y) {
    std::uint32_t* row = bmp.Row(band.Top + y) + band.Left;
    const std::uint32_t* old = before.Row(y);
    if (y == 0) {
      std::copy_n(old, w, row);
      continue;
    }
    int left = 0;
    while (left < w && Alpha(old[left]) < 255) ++left;
    int right = w - 1;
    while (right > left && Alpha(old[right]) < 255) --right;
    std::copy_n(old, std::min(w, left + 1), row);
    if (right > left) std::copy(old + right, old + w, row + right);
  }
}

bool TacBorderForm::PaintAll() {
  if (FOwner->FCommonData == nullptr) return false;
  const gfx::TSize size = PictureSize();
  const bool stale = FOwner->FCommonData->BGChanged || layered_ == nullptr || layered_->Width() != size.cx ||
                     layered_->Height() != size.cy;
  if (stale) FOwner->FCommonData->BGChanged = true;
  if (!FOwner->PaintAll()) return false;
  const Bitmap32& bmp = *FOwner->FCommonData->FCacheBmp;
  if (pictureSize_.cx != bmp.Width() || pictureSize_.cy != bmp.Height()) return false;
  if (stale) {
    if (layered_ == nullptr) layered_ = std::make_unique<Bitmap32>();
    layered_->SetSize(bmp.Width(), bmp.Height());
    MakeLayered({0, 0, bmp.Width(), bmp.Height()});
    pictureChanged_ = true;
  }
  return true;
}

void TacBorderForm::MakeLayered(const gfx::TRect& part) {
  const Bitmap32* bmp = FOwner->FCommonData ? FOwner->FCommonData->FCacheBmp.get() : nullptr;
  if (bmp == nullptr || layered_ == nullptr || layered_->Width() != bmp->Width() ||
      layered_->Height() != bmp->Height() || pictureSize_.cx != bmp->Width() || pictureSize_.cy != bmp->Height())
    return;
  const gfx::TRect r = gfx::Intersect(part, {0, 0, bmp->Width(), bmp->Height()});
  for (int y = r.Top; y < r.Bottom; ++y) {
    const std::uint32_t* src = bmp->Row(y);
    std::uint32_t* dst = layered_->Row(y);
    // Three spans of the row: before, inside and after the band or the client part.
    int from = r.Right, to = r.Right;
    const std::uint8_t* m = nullptr;
    if (y >= bandRect_.Top && y < bandRect_.Bottom) {
      from = std::max(r.Left, bandRect_.Left);
      to = std::min(r.Right, bandRect_.Right);
      m = bandMask_.data() + static_cast<std::size_t>(y - bandRect_.Top) * bandRect_.Width() - bandRect_.Left;
    } else if (y >= clientRect_.Top && y < clientRect_.Bottom) {
      from = std::max(r.Left, clientRect_.Left);
      to = std::min(r.Right, clientRect_.Right);
    }
    if (to < from) to = from = r.Right;
    for (int x = r.Left; x < from; ++x) dst[x] = Premultiply(src[x], Alpha(src[x]));
    if (m != nullptr)
      for (int x = from; x < to; ++x) dst[x] = Premultiply(src[x], m[x]);
    else
      for (int x = from; x < to; ++x) dst[x] = src[x] | 0xFF000000u;
    for (int x = to; x < r.Right; ++x) dst[x] = Premultiply(src[x], Alpha(src[x]));
  }
}

void TacBorderForm::ShowLayered(std::uint8_t blend) {
  if (AForm == nullptr || layered_ == nullptr || layered_->Empty()) return;
  const gfx::TRect r = BorderRect();
  win::POINT pos{r.Left, r.Top};
  win::SIZE size{layered_->Width(), layered_->Height()};
  win::POINT src{0, 0};
  win::UpdateLayeredWindow(AForm, &pos, &size, layered_->View(), &src, 0, blend, win::ULW_ALPHA);
  LastTopLeft = {r.Left, r.Top};
}

void TacBorderForm::UpdateExBordersPos(bool Redraw, std::uint8_t Blend) {
  if (Locked > 0 || AForm == nullptr || ParentHandle == nullptr || !win::IsWindow(AForm)) return;
  blend_ = Blend;
  if (!win::IsWindowVisible(ParentHandle) || win::IsIconic(ParentHandle)) {
    if (ExBorderShowing) win::ShowWindow(AForm, win::SW_HIDE);
    ExBorderShowing = false;
    return;
  }
  if (Redraw) FOwner->FCommonData->BGChanged = true;
  if (!PaintAll()) return;
  // A move alone keeps the picture the window has.
  if (pictureChanged_ || !ExBorderShowing || Blend != shownBlend_) ShowLayered(Blend);
  pictureChanged_ = false;
  shownBlend_ = Blend;
  // Right behind the form.
  const gfx::TRect r = BorderRect();
  win::SetWindowPos(AForm, ParentHandle, r.Left, r.Top, r.Width(), r.Height(),
                    win::SWP_NOACTIVATE | win::SWP_SHOWWINDOW | win::SWP_NOOWNERZORDER);
  ExBorderShowing = true;
}

void TacBorderForm::UpdatePart(const gfx::TRect& pictureRect) {
  MakeLayered(pictureRect);
  if (ExBorderShowing) ShowLayered(blend_);
}

// ---- The pointer ----

int TacBorderForm::Ex_WMNCHitTest(gfx::TPoint screen) const {
  const gfx::TRect r = BorderRect();
  const TacTitleLayout l = FOwner->Layout();
  TacTitleHitFacts h;
  h.Menu = FOwner->MenuFacts();
  h.Close = l.Close.Rect;
  h.Max = l.Max.Rect;
  h.Min = l.Min.Rect;
  h.Help = l.Help.Rect;
  h.Icon = l.IconRect;
  h.Width = r.Width();
  h.Height = r.Height();
  h.SizingBorder = FOwner->Shape().SizingBorder;
  return ExHitTest(h, SkinValues(), l.CaptionHeight, {screen.X - r.Left, screen.Y - r.Top});
}

win::LRESULT TacBorderForm::BorderProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
  switch (msg) {
    case win::WM_NCHITTEST:
      // A form disabled by a modal window takes no input through its frame either.
      if (ParentHandle != nullptr && !win::IsWindowEnabled(ParentHandle)) return win::HTERROR;
      return Ex_WMNCHitTest({win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)});
    case win::WM_SETCURSOR:
      if (win::LOWORD(lParam) == static_cast<unsigned>(win::HTERROR) && ParentHandle != nullptr) {
        // A press there brings the window that disabled the form forward.
        const unsigned message = win::HIWORD(lParam);
        if (message == win::WM_LBUTTONDOWN || message == win::WM_RBUTTONDOWN || message == win::WM_MBUTTONDOWN)
          if (const win::HWND popup = win::GetWindow(ParentHandle, win::GW_ENABLEDPOPUP)) win::SetActiveWindow(popup);
      }
      return win::DefWindowProc(AForm, msg, wParam, lParam);
    case win::WM_MOUSEACTIVATE: return win::MA_NOACTIVATE;
    case win::WM_NCMOUSEMOVE:
    case win::WM_NCLBUTTONDOWN:
    case win::WM_NCLBUTTONUP:
    case win::WM_NCLBUTTONDBLCLK:
    case win::WM_NCRBUTTONDOWN:
    case win::WM_NCRBUTTONUP:
    case win::WM_NCMOUSELEAVE: {
      if (acInMouseMsg || ParentHandle == nullptr || !win::IsWindow(ParentHandle)) return 0;
      if (msg == win::WM_NCMOUSEMOVE) {
        // The leave of the border window ends the hover of the form's title buttons.
        win::TRACKMOUSEEVENT t;
        t.dwFlags = win::TME_LEAVE | win::TME_NONCLIENT;
        t.hwndTrack = AForm;
        win::TrackMouseEvent(&t);
      }
      if ((msg == win::WM_NCLBUTTONDOWN || msg == win::WM_NCRBUTTONDOWN || msg == win::WM_NCLBUTTONDBLCLK) &&
          win::GetActiveWindow() != ParentHandle)
        win::SetActiveWindow(ParentHandle);
      if (msg == win::WM_NCLBUTTONDOWN) LeftPressed = true;
      if (msg == win::WM_NCLBUTTONUP) LeftPressed = false;
      if (msg != win::WM_NCMOUSELEAVE) LastMousePos = {win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)};
      // The form may go (its close button): nothing of this object is touched afterwards.
      const std::shared_ptr<bool> alive = alive_;
      acInMouseMsg = true;
      const win::HWND form = ParentHandle;
      const win::LRESULT result = win::SendMessage(form, msg, wParam, lParam);
      if (*alive) acInMouseMsg = false;
      return result;
    }
    default: return win::DefWindowProc(AForm, msg, wParam, lParam);
  }
}

}  // namespace skin
