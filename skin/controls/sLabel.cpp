#include "skin/controls/sLabel.h"

#include "platform/forms/Forms.h"
#include "platform/forms/SysUtils.h"
#include "platform/forms/WinControls.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/Messages.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/data/EngineState.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/acTextSectionQuery.h"
#include "skin/render/pixels/acBlendStep.h"

namespace skin {

using forms::TMessage;

namespace {

constexpr std::u16string_view kDots = u"...";

// The process-wide flag of a label handling a text or font change, reset however the
// handling ends.
class TextChangeScope {
 public:
  TextChangeScope() { detail::Engine().labelTextChanging = true; }
  ~TextChangeScope() { detail::Engine().labelTextChanging = false; }
  TextChangeScope(const TextChangeScope&) = delete;
  TextChangeScope& operator=(const TextChangeScope&) = delete;
};

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// The text cut before its last blank; a text without one loses its last character (a
// surrogate pair whole), so that every cut makes it shorter. A line break left at the end
// goes too: the dots belong on the last line of text.
std::u16string CutOnce(const std::u16string& s) {
  std::u16string out;
  if (const std::size_t blank = s.find_last_of(u" \t"); blank != std::u16string::npos) {
    out = s.substr(0, blank);
  } else {
    std::size_t n = s.size() - 1;
    if (n > 0 && IsHighSurrogate(s[n - 1])) --n;
    out = s.substr(0, n);
  }
  while (!out.empty() && (out.back() == u'\r' || out.back() == u'\n')) out.pop_back();
  return out;
}

}  // namespace

// ---- TsCustomLabel ----

TsCustomLabel::TsCustomLabel(forms::TComponent* owner) : forms::TCustomLabel(owner) { SetTransparent(true); }

void TsCustomLabel::Loaded() {
  forms::TCustomLabel::Loaded();
  if (TsSkinManager* m = GetSkinManager()) m->UpdateFontName(this);
}

TsSkinManager* TsCustomLabel::GetSkinManager() const { return FSkinManager ? FSkinManager : DefaultManager(); }

bool TsCustomLabel::ActiveManager() const {
  const TsSkinManager* m = GetSkinManager();
  return m != nullptr && m->IsActive();
}

void TsCustomLabel::SetSkinSection(const std::u16string& v) {
  if (v == FSkinSection) return;
  FSkinSection = v;
  FSkinIndex = -1;
  Invalidate();
}

void TsCustomLabel::SetSkinManager(TsSkinManager* v) {
  if (v == FSkinManager) return;
  if (FSkinManager != nullptr) FSkinManager->RemoveFreeNotification(this);
  FSkinManager = v;
  if (v != nullptr) v->FreeNotification(this);
  FSkinIndex = -1;
  Invalidate();
}

int TsCustomLabel::SkinIndex() {
  if (!ActiveManager() || FSkinSection.empty()) return FSkinIndex = -1;
  if (FSkinIndex < 0) FSkinIndex = GetSkinManager()->GetSkinIndex(FSkinSection);
  return FSkinIndex;
}

TColor TsCustomLabel::CurrentFontColor() {
  TsSkinManager* m = GetSkinManager();
  const bool active = m != nullptr && m->IsActive();
  const TColor c = active ? m->Palette[pcLabelText] : ColorToRGB(Font()->Color());
  if (Enabled()) return c;
  return BlendColorValues(c, active ? m->GetGlobalColor() : ColorToRGB(forms::clBtnFace), 100);
}

void TsCustomLabel::Notification(forms::TComponent* c, forms::TOperation op) {
  forms::TCustomLabel::Notification(c, op);
  if (op == forms::TOperation::opRemove && c == FSkinManager) {
    FSkinManager = nullptr;
    FSkinIndex = -1;
  }
}

void TsCustomLabel::Paint() {
  if (IsDestroying()) return;
  const int section = SkinIndex();
  if (section >= 0 && ActiveManager()) {
    TsBackgroundQuery q;
    QueryParentBackground(q, Parent(), false);
    PaintSectionToSurface(section, ToBgInfo(q), GetSkinManager()->CommonSkinData(96), Canvas()->Handle(),
                          {Left(), Top()}, {0, 0, Width(), Height()}, 0);
  }
  forms::TCustomLabel::Paint();
  FSkinIndex = -1;
}

std::u16string TsCustomLabel::ShortenToHeight(const std::u16string& text, const TRect& r, unsigned flags) {
  forms::TCanvas* c = Canvas();
  const int dotsWidth = c->TextWidth(kDots);
  const unsigned measure = (flags & ~(gfx::DT_END_ELLIPSIS | gfx::DT_WORD_ELLIPSIS | gfx::DT_PATH_ELLIPSIS)) |
                           gfx::DT_CALCRECT | gfx::DT_WORDBREAK;
  auto tooHigh = [&](const std::u16string& s) {
    TRect m{r.Left, r.Top, r.Right - dotsWidth, r.Bottom};
    c->DrawText(s, m, measure);
    return m.Height() > ClientHeight() && m.Height() > Font()->Height();
  };
  if (!tooHigh(text)) return text;
  // Every round cuts the text shorter, and the dots go onto the measured candidate only.
  std::u16string cut = text;
  while (!cut.empty()) {
    cut = CutOnce(cut);
    if (!cut.empty() && !tooHigh(cut + std::u16string(kDots))) return cut + std::u16string(kDots);
  }
  return text;
}

void TsCustomLabel::DoDrawText(TRect& r, unsigned flags) {
  std::u16string text = GetLabelText();
  if ((flags & gfx::DT_CALCRECT) && (text.empty() || (ShowAccelChar() && text == u"&"))) text += u' ';
  if (!ShowAccelChar()) flags |= gfx::DT_NOPREFIX;
  if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
  forms::TCanvas* c = Canvas();
  c->SetFont(Font());
  const forms::TEllipsisPosition e = EllipsisPosition();
  if (e != forms::TEllipsisPosition::epNone && !AutoSize()) {
    flags &= ~gfx::DT_EXPANDTABS;
    flags |= e == forms::TEllipsisPosition::epPathEllipsis  ? gfx::DT_PATH_ELLIPSIS
             : e == forms::TEllipsisPosition::epEndEllipsis ? gfx::DT_END_ELLIPSIS
                                                            : gfx::DT_WORD_ELLIPSIS;
    if (WordWrap() && e != forms::TEllipsisPosition::epPathEllipsis && !(flags & gfx::DT_CALCRECT))
      text = ShortenToHeight(text, r, flags);
  }
  c->Font()->SetColor(ColorToRGB(CurrentFontColor()));
  // Drawn once: a disabled label carries its state in its colour.
  c->DrawText(text, r, flags);
}

void TsCustomLabel::CMTextOrFontChanged() {
  if (IsLoading() || IsDestroying() || detail::Engine().labelTextChanging) return;
  TextChangeScope scope;
  if (AutoSize()) {
    if (Alignment() == forms::TAlignment::taRightJustify && !UseRightToLeftReading()) {
      const int right = Left() + Width();
      SetBounds(Left(), Top(), forms::MulDiv(Width(), 3, 2), Height());
      AdjustBounds();
      SetBounds(right - Width(), Top(), Width(), Height());
    } else {
      AdjustBounds();
    }
  }
  Invalidate();
}

void TsCustomLabel::SCRemoveSkin() {
  if (IsDestroying()) return;
  if (FSkinManager != nullptr && FSkinManager->IsDestroying()) FSkinManager = nullptr;
  if (FSavedParentFont) SetParentFont(true);
  FSkinIndex = -1;
  Invalidate();
}

void TsCustomLabel::SCRefresh() {
  if (IsLoading() || IsDestroying()) return;
  if (ParentFont()) FSavedParentFont = true;
  FSkinIndex = -1;
  Invalidate();
}

void TsCustomLabel::SCFontChanged() {
  if (TsSkinManager* mgr = GetSkinManager()) mgr->UpdateFontName(this);
}

void TsCustomLabel::SCGetTextSection(TMessage& m) {
  if (ActiveManager() && Parent() != nullptr && m.LParam != 0)
    m.Result = PassTextSectionQuery(this, *reinterpret_cast<TacTextSectionQuery*>(m.LParam));
}

void TsCustomLabel::SCIsOpaqueChild(TMessage& m) { m.Result = ActiveManager() || !Transparent() ? 1 : 0; }

void TsCustomLabel::AfterSkinCommand(TMessage& m) {
  switch (SkinCmdOf(m.WParam)) {
    case scRemoveSkin: SCRemoveSkin(); return;
    case scRefresh: SCRefresh(); return;
    case scFontChanged: SCFontChanged(); return;
    case scGetTextSection: SCGetTextSection(m); return;
    case scIsOpaqueChild: SCIsOpaqueChild(m); return;
    default: return;
  }
}

bool TsCustomLabel::CMHitTest(TMessage& m) {
  if (!FTransparentForMouse) return false;
  m.Result = 0;
  return true;
}

void TsCustomLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case forms::CM_HITTEST:
      if (CMHitTest(m)) return;
      break;
    case forms::CM_FONTCHANGED:
    case forms::CM_TEXTCHANGED: CMTextOrFontChanged(); return;
    default: break;
  }
  forms::TCustomLabel::WndProc(m);
  if (m.Msg == SkinCmdMessage) AfterSkinCommand(m);
}

// ---- TsLabel ----

void TsLabel::SetUseSkinColor(bool v) {
  if (v == FUseSkinColor) return;
  FUseSkinColor = v;
  if (!IsLoading()) Invalidate();
}

TColor TsLabel::CurrentFontColor() {
  const TColor c = FUseSkinColor && ActiveManager() ? ResolveFontColor(this, SkinIndex(), GetSkinManager(), nullptr, 0)
                                                    : ColorToRGB(Font()->Color());
  if (Enabled()) return c;
  const TColor behind = Parent() != nullptr ? ParentBackgroundColor(Parent()) : TColor(KeyColor);
  return BlendColorValues(ColorToRGB(c), behind, 100);
}

// ---- TsStickyLabel ----

TsStickyLabel::~TsStickyLabel() { Detach(); }

void TsStickyLabel::Destroy() {
  SetAttachTo(nullptr);
  TsLabel::Destroy();
}

void TsStickyLabel::Loaded() {
  TsLabel::Loaded();
  if (FAttachTo != nullptr) AlignToAttached();
}

void TsStickyLabel::SetGap(int v) {
  if (v == FGap) return;
  FGap = v;
  AlignToAttached();
}

void TsStickyLabel::SetAlignTo(TAlignTo v) {
  if (v == FAlignTo) return;
  FAlignTo = v;
  AlignToAttached();
}

void TsStickyLabel::Detach() {
  if (FAttachTo == nullptr) return;
  FAttachTo->LeaveWindowProc(this);
  FAttachTo->RemoveFreeNotification(this);
  FAttachTo = nullptr;
}

void TsStickyLabel::SetAttachTo(forms::TControl* c) {
  if (c == FAttachTo) return;
  Detach();
  FAttachTo = c;
  if (c == nullptr) return;
  c->FreeNotification(this);
  AlignToAttached();
  SetEnabled(c->Enabled());
  SetVisible(c->Visible());
  c->JoinWindowProc(this, [this](TMessage& m, const forms::TWndNext& next) {
    next(m);
    AttachedWndProc(m);
  });
}

void TsStickyLabel::Notification(forms::TComponent* c, forms::TOperation op) {
  TsLabel::Notification(c, op);
  // The attached control is going (still whole): the label leaves its chain.
  if (op == forms::TOperation::opRemove && c == FAttachTo) {
    FAttachTo->LeaveWindowProc(this);
    FAttachTo = nullptr;
  }
}

void TsStickyLabel::AlignToAttached() {
  forms::TControl* t = FAttachTo;
  if (t == nullptr || IsLoading() || t->IsLoading() || (Parent() != nullptr && Parent()->IsLoading())) return;
  FRealigning = true;
  const int d = forms::Screen->PixelsPerInch();
  const int g = FGap * (d > 0 ? d : 96) / 96;
  int left = 0, top = 0;
  switch (FAlignTo) {
    case altLeft:
      left = t->Left() - Width() - g;
      top = t->Top() + (t->Height() - Height()) / 2;
      break;
    case altTop:
      left = t->Left();
      top = t->Top() - Height() - g;
      break;
    case altBottom:
      left = t->Left();
      top = t->Top() + t->Height() + g;
      break;
    case altRight:
      left = t->Left() + t->Width() + g;
      top = t->Top() + (t->Height() - Height()) / 2;
      break;
    case altTopCenter:
      left = t->Left() - (Width() - t->Width()) / 2;
      top = t->Top() - Height() - g;
      break;
    case altBottomCenter:
      left = t->Left() - (Width() - t->Width()) / 2;
      top = t->Top() + t->Height() + g;
      break;
  }
  SetBounds(left, top, Width(), Height());
  FRealigning = false;
}

void TsStickyLabel::AttachedWndProc(TMessage& m) {
  if (IsDestroying() || FAttachTo == nullptr || FRealigning) return;
  FRealigning = true;
  try {
    switch (m.Msg) {
      case win::WM_MOVE:
      case win::WM_SIZE:
      case win::WM_WINDOWPOSCHANGED:
        FRealigning = false;
        AlignToAttached();
        break;
      case forms::CM_VISIBLECHANGED: SetVisible(FAttachTo->Visible()); break;
      case forms::CM_ENABLEDCHANGED: SetEnabled(FAttachTo->Enabled()); break;
      default: break;
    }
  } catch (...) {
    FRealigning = false;
    throw;
  }
  FRealigning = false;
}

void TsStickyLabel::WndProc(TMessage& m) {
  if (m.Msg == win::WM_WINDOWPOSCHANGED && FAttachTo != nullptr && !IsDestroying() && !FRealigning) {
    AlignToAttached();
    return;
  }
  TsLabel::WndProc(m);
}

}  // namespace skin
