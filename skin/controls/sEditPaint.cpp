// TsEdit: the cached picture (section, text or hint, disabled look, added glyph) and the
// paint, frame paint, erase and print messages that show it.
#include <algorithm>

#include "platform/ctl/EditApi.h"
#include "platform/forms/Bitmaps.h"
#include "platform/forms/Graphics.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acAddedGlyph.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acCachePaint.h"
#include "skin/controls/acControlSection.h"
#include "skin/controls/acControlText.h"
#include "skin/controls/acPadding.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sEdit.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acGlyph32.h"
#include "skin/render/acTextMeasure.h"
#include "skin/render/pixels/acBlendStep.h"
#include "skin/render/pixels/acPixelBlend.h"
#include "skin/render/pixels/acPixelCopy.h"

namespace skin {

namespace {

using forms::TMessage;

constexpr char16_t kBlackCircle = u'\u25CF';
// The hint's share of the font colour, out of 256; the rest is the edit's colour.
constexpr int kHintWeight = 166;

// What a disabled edit is blended toward when nothing lies behind it: its parent's colour.
class ParentColour : public IBackgroundColorSource {
 public:
  explicit ParentColour(forms::TControl* parent) : parent_(parent) {}
  TColor BackgroundColor() const override { return ParentBackgroundColor(parent_); }

 private:
  forms::TControl* parent_;
};

int SpacingOf(TsCommonData& sd) {
  const TacSkinData* d = sd.GetCommonSkinData();
  return d != nullptr ? d->Spacing : 4;
}

int BevelCount(const forms::TWinControl& w) {
  if (w.BevelKind() == forms::TBevelKind::bkNone) return 0;
  return (w.BevelOuter() != forms::TBevelCut::bvNone ? 1 : 0) + (w.BevelInner() != forms::TBevelCut::bvNone ? 1 : 0);
}

unsigned AlignmentFormat(forms::TAlignment a) {
  switch (a) {
    case forms::TAlignment::taRightJustify: return gfx::DT_RIGHT;
    case forms::TAlignment::taCenter: return gfx::DT_CENTER;
    default: return 0;
  }
}

// The text shown for a password: one character per character, '*' as a black circle.
std::u16string Masked(const std::u16string& text, char16_t passwordChar) {
  return std::u16string(text.size(), passwordChar == u'*' ? kBlackCircle : passwordChar);
}

}  // namespace

gfx::TRect TsEdit::TextRect() {
  const int b = EditBorderWidth();
  const int a = BorderStyle() == forms::TBorderStyle::bsNone ? 0 : b + BevelCount(*this);
  const int c = BorderStyle() == forms::TBorderStyle::bsSingle ? 1 : 0;
  const int g = FAddedGlyph->Valid() ? FAddedGlyph->Width() + SpacingOf(*FCommonData) / 2 : 0;
  gfx::TRect r{a + c + g, a + c, Width() - a - c, Height() - a};
  if (UseRightToLeftReading()) r = {a + c + (Ctl3D() ? 0 : 2), a + c, Width() - a - c - g, Height() - a};
  r.Left += FAddedPadding.Left;
  r.Top += FAddedPadding.Top;
  r.Right -= FAddedPadding.Right;
  r.Bottom -= FAddedPadding.Bottom;
  // The platform's text area has its own margins and centres its line in a client area
  // taller than the line: the picture's text starts where the platform draws it, so that
  // it does not move when the edit takes or loses the focus.
  if (HandleAllocated()) {
    win::RECT format{};
    win::SendMessage(Handle(), ctl::EM_GETRECT, 0, reinterpret_cast<win::LPARAM>(&format));
    win::POINT origin{0, 0};
    win::ClientToScreen(Handle(), &origin);
    win::RECT window{};
    win::GetWindowRect(Handle(), &window);
    if (!format.IsEmpty()) {
      r.Left = format.Left + origin.X - window.Left;
      r.Top = format.Top + origin.Y - window.Top;
      r.Right = format.Right + origin.X - window.Left;
    }
  }
  return r;
}

void TsEdit::DrawCachedText() {
  TsCommonData& sd = *FCommonData;
  gfx::Surface& s = sd.FCacheBmp->Canvas();
  s.SetFont(Font()->GfxFont());
  const gfx::TRect r = TextRect();
  unsigned format = gfx::DT_SINGLELINE | gfx::DT_NOPREFIX | gfx::DT_EXPANDTABS | AlignmentFormat(Alignment());
  if (UseRightToLeftReading()) format |= gfx::DT_RTLREADING;
  const std::u16string text = GetText();
  if (!text.empty()) {
    const std::u16string shown = PasswordChar() != 0 ? Masked(text, PasswordChar()) : text;
    WriteControlText(s, shown, true, true, sd.CommonState(), sd, format, r);
    return;
  }
  if (TextHint().empty()) return;
  const int level = s.Save();
  s.SetBkMode(gfx::BkMode::Transparent);
  const TColor hint = sd.Skinned() ? static_cast<TColor>(BlendColorValues(forms::ColorToRGB(Font()->Color()),
                                                                          forms::ColorToRGB(Color()), kHintWeight))
                                   : gfx::GetSysColor(gfx::COLOR_GRAYTEXT);
  s.SetTextColor(hint);
  gfx::TRect box = r;
  DrawTextPlain(s, TextHint(), box, format);
  s.Restore(level);
}

void TsEdit::DrawAddedGlyph() {
  if (!FAddedGlyph->Valid()) return;
  TsCommonData& sd = *FCommonData;
  const forms::TBitmap& glyph = *FAddedGlyph->Glyph();
  Bitmap32 src(glyph.Width(), glyph.Height());
  src.Pixels() = glyph.Pixels();
  src.SetFormat(gfx::PixelFormat::Bgra32);
  AlphaFromCornerColor(&src);
  TsSkinManager* mgr = sd.GetSkinManager();
  const bool focused = Focused() || sd.FFocused;
  if (!focused && (FAddedGlyph->Grayed() || (mgr != nullptr && mgr->Effects.DiscoloredGlyphs))) MakeGrayscale(&src);
  const gfx::TRect place = AddedGlyphRect();
  // Centred in its place.
  const int x = place.Left + (place.Width() - src.Width()) / 2;
  const int y = place.Top + (place.Height() - src.Height()) / 2;
  const TColor tone = FAddedGlyph->ColorTone() == clNone ? NoKey : forms::ColorToRGB(FAddedGlyph->ColorTone());
  DrawGlyph32({x, y, x + src.Width(), y + src.Height()}, {0, 0, src.Width(), src.Height()}, sd.FCacheBmp.get(), false,
              Enabled() ? 0 : 50, tone, false, EmptyBgInfo(), &src);
}

bool TsEdit::PrepareCache() {
  TsCommonData& sd = *FCommonData;
  if (!sd.PrepareCacheBitmap()) return false;
  Bitmap32* cache = sd.FCacheBmp.get();
  const gfx::TRect whole{0, 0, Width(), Height()};
  if (sd.Skinned()) {
    TsBackgroundQuery q;
    QueryParentBackground(q, Parent(), false);
    if (q.Kind == bqNotReady) return false;
    const TacBgInfo bg = ToBgInfo(q);
    const int state = sd.CommonState();
    if (BorderStyle() == forms::TBorderStyle::bsSingle)
      PaintControlSection(sd, bg, false, cache, {Left(), Top()}, whole, state);
    else PaintControlBackground(sd, bg, state, cache, {Left(), Top()}, whole);
    DrawCachedText();
    if (!Enabled()) {
      const ParentColour behind(Parent());
      ApplyDisabledLook(cache, FDisabledKind, &behind, {Left(), Top()}, bg);
    }
  } else {
    FillPixels(cache, whole, forms::ColorToRGB(Color()), 255);
  }
  sd.BGChanged = false;
  DrawAddedGlyph();
  return true;
}

// Builds the picture when stale; a parent without a picture leaves the edit updating.
bool TsEdit::PrepareOrMarkUpdating() {
  TsCommonData& sd = *FCommonData;
  if (!sd.BGChanged && sd.CacheValid()) return true;
  if (PrepareCache()) return true;
  sd.FUpdating = true;
  return false;
}

void TsEdit::RefreshCorners() {
  RefreshControlCorners(FCommonData->FCacheBmp.get(), *FCommonData, FCommonData->CommonState());
}

// ---- Messages ----

void TsEdit::PaintWholeFromCache(win::HDC dc) {
  TsCommonData& sd = *FCommonData;
  const bool parentHalf = Parent() != nullptr && Parent()->HandleAllocated() &&
                          SendSkinCommand(Parent()->Handle(), scIsHalfVisible, 0) != 0;
  sd.BGChanged = sd.BGChanged || sd.HalfVisible || parentHalf;
  const gfx::TRect bounds = BoundsRect();
  const gfx::TRect room = Parent() != nullptr ? Parent()->ClientRect() : bounds;
  sd.HalfVisible =
      bounds.Left < room.Left || bounds.Top < room.Top || bounds.Right > room.Right || bounds.Bottom > room.Bottom;
  if (sd.BGChanged && !PrepareOrMarkUpdating()) return;
  if (!sd.CacheValid()) return;
  RefreshCorners();
  dc->BitBlt(0, 0, Width(), Height(), sd.FCacheBmp->Canvas(), 0, 0, gfx::SRCCOPY);
}

void TsEdit::WMPaint(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  ApplyPendingFrameRecalc();
  m.Result = 0;
  if (IsDesigning()) {
    forms::TEdit::WndProc(m);
    return;
  }
  if (acTakingSnapshot() || sd.FUpdating) {
    ValidateOnly(Handle());
    return;
  }
  if (Enabled() && Focused()) {
    forms::TEdit::WndProc(m);
    return;
  }
  if (auto* given = reinterpret_cast<win::HDC>(m.WParam)) {
    PaintWholeFromCache(given);
    return;
  }
  const bool cycle = sd.PrintDC == nullptr;
  win::PAINTSTRUCT ps;
  if (cycle) win::BeginPaint(Handle(), &ps);
  if (win::HDC dc = win::GetWindowDC(Handle())) {
    PaintWholeFromCache(dc);
    win::ReleaseDC(Handle(), dc);
  }
  if (cycle) win::EndPaint(Handle(), &ps);
}

void TsEdit::CopyFrameFromCache(win::HDC dc) {
  TsCommonData& sd = *FCommonData;
  if (!sd.CacheValid()) return;
  const int b = EditBorderWidth();
  const int w = Width(), h = Height();
  const int left = b + FAddedPadding.Left, top = b + FAddedPadding.Top;
  const int right = b + FAddedPadding.Right, bottom = b + FAddedPadding.Bottom;
  const gfx::Surface& src = sd.FCacheBmp->Canvas();
  dc->BitBlt(0, 0, left, h, src, 0, 0, gfx::SRCCOPY);
  dc->BitBlt(0, 0, w, top, src, 0, 0, gfx::SRCCOPY);
  dc->BitBlt(w - right, 0, right, h, src, w - right, 0, gfx::SRCCOPY);
  dc->BitBlt(0, h - bottom, w, bottom, src, 0, h - bottom, gfx::SRCCOPY);
  if (FAddedGlyph->Valid()) {
    // The glyph's strip lies in the frame, between the padding and the text.
    const int strip = FAddedGlyph->Width() + SpacingOf(sd) / 2;
    const int x = UseRightToLeftReading() ? w - right - strip : left;
    dc->BitBlt(x, top, strip, h - top - bottom, src, x, top, gfx::SRCCOPY);
  }
}

void TsEdit::WMNCPaint(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  m.Result = 0;
  if (!win::IsWindowVisible(Handle()) || sd.FUpdating) return;
  if (sd.BGChanged && !PrepareOrMarkUpdating()) return;
  RefreshCorners();
  if (win::HDC dc = win::GetWindowDC(Handle())) {
    CopyFrameFromCache(dc);
    win::ReleaseDC(Handle(), dc);
  }
}

void TsEdit::WMEraseBkgnd(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  if (acTakingSnapshot() || sd.FUpdating || !Enabled()) {
    m.Result = 1;
    return;
  }
  forms::TEdit::WndProc(m);
}

// Printing into a DC: with the client flag the target is the client area only, so the
// picture is moved by the border and cut to the client's size (the border's width taken
// off on both sides, so that no frame strip reaches into the target).
void TsEdit::WMPrint(TMessage& m) {
  TsCommonData& sd = *FCommonData;
  ApplyPendingFrameRecalc();
  sd.FUpdating = false;
  m.Result = 0;
  if (!PrepareCache()) return;
  RefreshCorners();
  auto* dc = reinterpret_cast<win::HDC>(m.WParam);
  if (dc == nullptr) return;
  const int level = dc->Save();
  if ((m.LParam & win::PRF_CLIENT) != 0) {
    const int b = BorderStyle() != forms::TBorderStyle::bsNone ? (Ctl3D() ? 2 : 1) : 0;
    dc->IntersectClip({0, 0, Width() - 2 * b, Height() - 2 * b});
    dc->OffsetViewportOrg(-b, -b);
  } else {
    CopyFrameFromCache(dc);
  }
  dc->BitBlt(0, 0, Width(), Height(), sd.FCacheBmp->Canvas(), 0, 0, gfx::SRCCOPY);
  dc->Restore(level);
}

// Not skinned: the platform's frame, then the added glyph over it with the frame strips
// left alone.
void TsEdit::UnskinnedNCPaint(TMessage& m) {
  forms::TEdit::WndProc(m);
  if (!FAddedGlyph->Valid() || !HandleAllocated()) return;
  TsCommonData& sd = *FCommonData;
  if (!sd.PrepareCacheBitmap()) return;
  FillPixels(sd.FCacheBmp.get(), {0, 0, Width(), Height()}, forms::ColorToRGB(Color()), 255);
  DrawAddedGlyph();
  if (win::HDC dc = win::GetWindowDC(Handle())) {
    const int b = EditBorderWidth();
    const int level = dc->Save();
    dc->IntersectClip({b, b, Width() - b, Height() - b});
    const gfx::TRect g = AddedGlyphRect();
    dc->BitBlt(g.Left, g.Top, g.Width(), g.Height(), sd.FCacheBmp->Canvas(), g.Left, g.Top, gfx::SRCCOPY);
    dc->Restore(level);
    win::ReleaseDC(Handle(), dc);
  }
}

}  // namespace skin
