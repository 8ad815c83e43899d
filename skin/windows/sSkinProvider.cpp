#include "skin/windows/sSkinProvider.h"

#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/win/HitCodes.h"
#include "platform/win/MenuApi.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acSkinCommandDispatch.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinMessages.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acPaintSection.h"
#include "skin/windows/acBorderForm.h"
#include "skin/windows/acCtrlAdapter.h"
#include "skin/windows/acDials.h"
#include "skin/windows/acSystemMenu.h"
#include "skin/windows/acTitleButtonsAnimation.h"
#include "skin/windows/acWindowRegion.h"

namespace skin {

namespace {

constexpr std::uint8_t cocForm = 224;

// A warning of the skin engine: through the manager, which keeps its boxes unskinned.
void Warn(const std::u16string& text) {
  if (TsSkinManager* m = DefaultManager()) m->ShowSkinMessage(TacMsgKind::Warning, text);
  else SkinMessageSink().Show(TacMsgKind::Warning, text);
}

TacBorderStyle StyleOf(const forms::TCustomForm* f) { return static_cast<TacBorderStyle>(f->BorderStyle()); }

}  // namespace

// ---- Construction ----

TsSkinProvider::TsSkinProvider(forms::TComponent* owner) : forms::TComponent(owner) { Init(false); }

TsSkinProvider::~TsSkinProvider() = default;

TsSkinProvider::TsSkinProvider(forms::TComponent* owner, TRunTime) : forms::TComponent(owner) { Init(true); }

TsSkinProvider* TsSkinProvider::CreateRT(forms::TComponent* owner, bool doInitRT) {
  auto* p = new TsSkinProvider(owner, TRunTime{});
  p->RTInit = doInitRT && !p->inert_;
  p->UseGlobalColor = false;
  p->MakeSkinMenu = false;
  p->AfterConstruction();
  if (!p->inert_ && p->Form->HandleAllocated()) SetRecordProvider(p->Form->Handle(), p);
  return p;
}

void TsSkinProvider::Init(bool runTime) {
  Form = dynamic_cast<forms::TCustomForm*>(Owner());
  if (Form == nullptr) {
    inert_ = true;
    Warn(u"TsSkinProvider component may be used with forms only!");
    return;
  }
  // An earlier provider on the form: a run-time one gives way to a new run-time one; one
  // placed at design time keeps the form and the newcomer stays inert.
  createdRT_ = runTime;
  if (TsSkinProvider* old = ProviderOf(Form); old != nullptr && old != this) {
    if (runTime && old->createdRT_) {
      old->Free();
    } else {
      inert_ = true;
      RTEmpty = runTime;
      if (!runTime) Warn(u"Only one instance of the TsSkinProvider component is allowed!");
      return;
    }
  }
  FCommonData = std::make_unique<TsScrollWndData>(Form, true);
  FCommonData->COC = cocForm;
  FCommonData->FSkinSection = u"FORM";
  // Double buffering would erase with the form's colour behind the provider's back.
  Form->SetDoubleBuffered(false);
  TempBmp = std::make_unique<Bitmap32>();
  Form->JoinWindowProc(this, [this](forms::TMessage& m, const forms::TWndNext& next) { NewWndProc(m, next); });
  FCommonData->WndProc = Form->WindowProc;
  FCommonData->InitCommonProp();
  FormActive = 1;
}

void TsSkinProvider::AfterConstruction() {
  forms::TComponent::AfterConstruction();
  if (!inert_ && !RTInit && !IsLoading() && Manager() != nullptr && Manager()->IsActive()) PrepareForm();
}

void TsSkinProvider::Loaded() {
  forms::TComponent::Loaded();
  if (!inert_ && Manager() != nullptr && Manager()->IsActive()) PrepareForm();
}

void TsSkinProvider::Destroy() {
  if (!destroyed_) {
    destroyed_ = true;
    *alive_ = false;
    KillAnimations();
    if (Adapter != nullptr) {
      Adapter->Free();
      Adapter = nullptr;
    }
    BorderForm.reset();
    if (Form != nullptr && !inert_) {
      if (Form->HandleAllocated()) SetRecordProvider(Form->Handle(), nullptr, this);
      Form->LeaveWindowProc(this);
      if (Form->HandleAllocated() && win::IsWindow(Form->Handle()) && !Form->IsDestroying())
        win::SetWindowRgn(Form->Handle(), nullptr, win::FALSE);
    }
    SystemMenu.reset();
    TempBmp.reset();
    FCommonData.reset();
  }
  forms::TComponent::Destroy();
}

// ---- Preparation ----

void TsSkinProvider::RTInitialize() {
  RTInit = false;
  PrepareForm();
  if (SystemMenu) SystemMenu->UpdateItems(MenuFacts());
}

void TsSkinProvider::PrepareForm() {
  TsSkinManager* m = Manager();
  if (inert_ || m == nullptr || !m->IsActive() || !Form->HandleAllocated()) return;
  // Not the controls' Loaded: that would hand the form the skin's application font.
  FCommonData->Loading = false;
  FCommonData->UpdateIndexes(true);
  FCommonData->InitCommonProp();
  ResolveIndexes();
  if (!SystemMenu) SystemMenu = std::make_unique<TsSystemMenu>(Form->Handle());
  UpdateGlyphTypes();
  if (UseGlobalColor && !FCommonData->FCustomColor) Form->SetColor(m->GetGlobalColor());
  FCommonData->BGChanged = true;
  RgnChanged = true;
  // The form's plain controls listed for adapting, and its plain labels.
  if (Adapter == nullptr) Adapter = new TacCtrlAdapter(this);
  Adapter->AddAllItems();
  UpdateExBorders();
}

void TsSkinProvider::ResolveIndexes() {
  TsSkinManager* m = Manager();
  if (m == nullptr || !m->IsActive()) {
    FTitleSkinIndex = FCaptionSkinIndex = FHeaderIndex = -1;
    return;
  }
  const auto& s = m->SkinCommonInfo.Sections;
  FTitleSkinIndex = TitleSkin.empty() ? s[ssFormTitle] : m->GetSkinIndex(TitleSkin);
  FCaptionSkinIndex = s[ssCaption];
  FHeaderIndex = s[ssFormHeader];
}

void TsSkinProvider::UpdateGlyphTypes() {
  const forms::TFormBorderStyle bs = Form->BorderStyle();
  BigButtons = bs == forms::TFormBorderStyle::bsSingle || bs == forms::TFormBorderStyle::bsSizeable ||
                       bs == forms::TFormBorderStyle::bsDialog
                   ? 1
                   : 0;
  const bool mainForm = forms::Application->MainForm() == Form;
  const TacButtonGlyphs g = ButtonGlyphTypes(BigButtons != 0, MenuFacts(), mainForm);
  ButtonClose.cpGlyphType = g.Close;
  ButtonMax.cpGlyphType = g.Max;
  ButtonMin.cpGlyphType = g.Min;
  ButtonHelp.cpGlyphType = g.Help;
  for (TsCaptionButton* b : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp}) b->cpHaveAlignment = g.HaveAlignment;
  ButtonClose.cpHitCode = win::HTCLOSE;
  ButtonMax.cpHitCode = win::HTMAXBUTTON;
  ButtonMin.cpHitCode = win::HTMINBUTTON;
  ButtonHelp.cpHitCode = win::HTHELP;
}

// ---- Questions ----

TsSkinManager* TsSkinProvider::Manager() const {
  return FCommonData ? FCommonData->GetSkinManager() : DefaultManager();
}

TacSkinData* TsSkinProvider::SkinData() const { return FCommonData ? FCommonData->GetCommonSkinData() : nullptr; }

bool TsSkinProvider::Skinned() const {
  if (inert_ || destroyed_ || Form == nullptr || Form->IsDestroying() || !Form->HandleAllocated()) return false;
  TsSkinManager* m = Manager();
  if (m == nullptr || !m->IsActive() || m->IsDestroying()) return false;
  return FCommonData->SkinIndex >= 0;
}

bool TsSkinProvider::FrameSkinned() const {
  return Skinned() && DrawNonClientArea && Manager()->Options.DrawNonClientArea;
}

TacFrameShape TsSkinProvider::Shape() const {
  TacFrameShape s;
  s.BorderStyle = StyleOf(Form);
  s.BorderWidth = Form->BorderWidth();
  if (!Form->HandleAllocated()) return s;
  const win::HWND h = Form->Handle();
  ReadWindowFrame(h, FrameDpi(), s);
  return s;
}

TacMenuFacts TsSkinProvider::MenuFacts() const {
  TacMenuFacts f;
  const forms::TBorderIcons icons = Form->BorderIcons();
  f.SystemMenu = icons.Contains(forms::TBorderIcon::biSystemMenu);
  f.MinimizeIcon = icons.Contains(forms::TBorderIcon::biMinimize);
  f.MaximizeIcon = icons.Contains(forms::TBorderIcon::biMaximize);
  f.HelpIcon = icons.Contains(forms::TBorderIcon::biHelp);
  f.Style = static_cast<int>(Form->BorderStyle());
  f.MDIChild = Form->FormStyle() == forms::TFormStyle::fsMDIChild;
  f.TaskbarMainForm = forms::Application->MainForm() == Form;
  if (Form->HandleAllocated()) {
    const win::HWND h = Form->Handle();
    f.Minimized = win::IsIconic(h) != 0;
    f.Maximized = win::IsZoomed(h) != 0;
    const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_STYLE));
    if ((style & win::WS_SYSMENU) != 0) {
      if (win::HMENU menu = win::GetSystemMenu(h, win::FALSE)) {
        f.HasPlatformMenu = true;
        const win::UINT state = win::GetMenuState(menu, win::SC_CLOSE, win::MF_BYCOMMAND);
        f.PlatformHasClose = state != 0xFFFFFFFFu;
        f.PlatformCloseGreyed = f.PlatformHasClose && (state & (win::MF_GRAYED | win::MF_DISABLED)) != 0;
      }
    }
  }
  return f;
}

int TsSkinProvider::FrameDpi() {
  // The window system lays out every non-client area with its metrics at 96 dots per inch
  // (GetSystemMetrics); the skinned band takes the same values so that it covers exactly
  // the non-client area the window has. When those metrics follow the density, this does.
  return win::GetSystemMetrics(win::SM_CYCAPTION) == win::GetSystemMetricsForDpi(win::SM_CYCAPTION, 96)
             ? 96
             : static_cast<int>(win::GetDpiForSystem());
}

int TsSkinProvider::FrameWidth() const {
  return BorderForm ? ExFrameWidth(BorderForm->SkinValues()) : skin::FrameWidth(Shape());
}

int TsSkinProvider::CaptionHeight(bool checkSkin) const {
  const TacFrameShape s = Shape();
  if (BorderForm && checkSkin) {
    const TacExBorderSkin k = BorderForm->SkinValues();
    return ExCaptionHeight(k, s, SysExHeight(k, s));
  }
  return skin::CaptionHeight(s);
}

int TsSkinProvider::OffsetX() const { return BorderForm ? BorderForm->OffsetX() : skin::OffsetX(Shape()); }

int TsSkinProvider::OffsetY() const { return BorderForm ? BorderForm->OffsetY() : skin::OffsetY(Shape()); }

gfx::TRect TsSkinProvider::ShadowSize() const { return BorderForm ? BorderForm->ShadowSize() : gfx::TRect{}; }

gfx::TSize TsSkinProvider::PictureSize() const {
  if (BorderForm) return BorderForm->PictureSize();
  const TacFrameShape s = Shape();
  return {s.Width, s.Height};
}

bool TsSkinProvider::PictureValid() const {
  const Bitmap32* bmp = FCommonData ? FCommonData->FCacheBmp.get() : nullptr;
  if (bmp == nullptr || bmp->Empty()) return false;
  const gfx::TSize size = PictureSize();
  return bmp->Width() == size.cx && bmp->Height() == size.cy;
}

gfx::TPoint TsSkinProvider::PictureOrigin() const {
  if (BorderForm) {
    const gfx::TRect r = BorderForm->BorderRect();
    return {r.Left, r.Top};
  }
  win::RECT wr{};
  if (Form->HandleAllocated()) win::GetWindowRect(Form->Handle(), &wr);
  return {wr.Left, wr.Top};
}

win::RECT TsSkinProvider::FrameRectOnScreen() const {
  win::RECT wr{};
  if (!BorderForm) {
    if (Form->HandleAllocated()) win::GetWindowRect(Form->Handle(), &wr);
    return wr;
  }
  const gfx::TRect r = BorderForm->BorderRect();
  const gfx::TRect sh = BorderForm->ShadowSize();
  return {r.Left + sh.Left, r.Top + sh.Top, r.Right - sh.Right, r.Bottom - sh.Bottom};
}

bool TsSkinProvider::ExtendedBordersWanted() const {
  TsSkinManager* m = Manager();
  if (m == nullptr || !Form->HandleAllocated()) return false;
  const win::HWND h = Form->Handle();
  TacExConditions c;
  c.ManagerExtendedBorders = m->ExtendedBorders();
  c.PerPixelAlphaWindows = win::PerPixelAlphaWindowsAvailable();
  c.AllowExtBorders = AllowExtBorders;
  c.FrameSkinned = FrameSkinned();
  c.Child = (win::GetWindowLongPtr(h, win::GWL_STYLE) & win::WS_CHILD) != 0;
  c.MDIChild = Form->FormStyle() == forms::TFormStyle::fsMDIChild;
  c.BorderStyleNone = Form->BorderStyle() == forms::TFormBorderStyle::bsNone;
  c.Maximized = win::IsZoomed(h) != 0;
  c.NativeBordersMaximized = m->Options.NativeBordersMaximized;
  c.UWPMode = UWPMode;
  return skin::ExtendedBordersWanted(c);
}

void TsSkinProvider::UpdateExBorders() {
  if (inert_ || destroyed_ || Form == nullptr || !Form->HandleAllocated() || Form->IsDestroying()) return;
  const win::HWND h = Form->Handle();
  const bool wanted = ExtendedBordersWanted();
  if (wanted == (BorderForm != nullptr)) {
    if (BorderForm) BorderForm->UpdateExBordersPos(false);
    return;
  }
  // The border window comes for a showing form only; one that exists stays while hidden.
  if (wanted && !win::IsWindowVisible(h)) return;
  KillAnimations();
  if (wanted) BorderForm = std::make_unique<TacBorderForm>(*this);
  else BorderForm.reset();
  // The picture, the client's place in it and the region change with the mode.
  FCommonData->BGChanged = true;
  RgnChanged = true;
  UpdateRegion();
  if (BorderForm) BorderForm->UpdateExBordersPos(true);
  BroadcastToChildren(Form, SkinCmdMessage, SkinCmdWParam(scParentBgChanged), 0);
  win::RedrawWindow(h, nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN);
}

TacTitleLayout TsSkinProvider::Layout() const {
  const TacFrameShape s = Shape();
  const TacMenuFacts f = MenuFacts();
  const TacSkinData* d = SkinData();
  TacTitleSkin ts = TitleSkinOf(d, Manager());
  TacTitleRequest req;
  ts.HasCaptionSection = FCaptionSkinIndex >= 0;
  const forms::TFormBorderStyle bs = Form->BorderStyle();
  req.ShowIcon = ShowAppIcon &&
                 (bs == forms::TFormBorderStyle::bsSingle || bs == forms::TFormBorderStyle::bsSizeable) &&
                 f.HasPlatformMenu;
  // The icon's size steps are for 96 dots per inch: at higher densities the step is taken
  // on the unscaled caption and the size scaled, so the icon grows with the title band.
  if (s.Dpi > 96) {
    const int size = TitleIconSize((skin::CaptionHeight(s) - ts.BITopMargin) * 96 / s.Dpi) * s.Dpi / 96;
    req.IconWidth = req.IconHeight = size;
  }
  req.BigButtons = BigButtons != 0;
  req.FrameCXFrame = win::GetSystemMetricsForDpi(win::SM_CXFRAME, static_cast<win::UINT>(s.Dpi));
  auto slot = [&](const TsCaptionButton& b, bool shown) {
    TacTitleButtonSlot sl;
    sl.Shown = shown;
    const TsMaskData* g = TitleGlyphEntry(d, b.cpGlyphType);
    sl.Width = g != nullptr ? g->Width : 21;
    sl.HaveAlignment = b.cpHaveAlignment;
    return sl;
  };
  req.Close = slot(ButtonClose, f.SystemMenu);
  req.Max = slot(ButtonMax, VisibleMax(f));
  req.Min = slot(ButtonMin, VisibleMin(f));
  req.Help = slot(ButtonHelp, VisibleHelp(f));
  if (BorderForm) {
    const TacExBorderSkin k = BorderForm->SkinValues();
    return TitleLayoutIn(ExTitleFrame(k, s, SysExHeight(k, s), BorderForm->PictureSize().cx), ts, req);
  }
  return skin::TitleLayout(s, ts, req);
}

int TsSkinProvider::HitTest(gfx::TPoint screen) const {
  if (!Form->HandleAllocated()) return win::HTNOWHERE;
  if (BorderForm) return BorderForm->Ex_WMNCHitTest(screen);
  win::RECT wr;
  win::GetWindowRect(Form->Handle(), &wr);
  const TacTitleLayout l = Layout();
  const TacFrameShape s = Shape();
  const TacTitleHitFacts h = TitleHitFacts(l, s, MenuFacts());
  return TitleHitTest(h, {screen.X - wr.Left, screen.Y - wr.Top});
}

TsCaptionButton* TsSkinProvider::ButtonOf(int code) {
  switch (code) {
    case win::HTCLOSE: return &ButtonClose;
    case win::HTMAXBUTTON: return &ButtonMax;
    case win::HTMINBUTTON: return &ButtonMin;
    case win::HTHELP: return &ButtonHelp;
    default: return nullptr;
  }
}

win::LRESULT TsSkinProvider::ProcessMessage(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
  if (Form == nullptr) return 0;
  return Form->Perform(msg, wParam, lParam);
}

void TsSkinProvider::KillAnimations() {
  for (std::unique_ptr<TacSBAnimation>& a : animations_) a.reset();
  for (TsCaptionButton* b : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp}) b->cpTimer = nullptr;
}

bool TsSkinProvider::AnimationAllowed() const {
  TsSkinManager* m = Manager();
  if (m == nullptr || !m->Effects.AllowGlowing || !Form->HandleAllocated()) return false;
  const win::HWND h = Form->Handle();
  return !win::IsIconic(h) && !win::IsZoomed(h) && Form->FormStyle() != forms::TFormStyle::fsMDIChild &&
         (win::GetWindowLongPtr(h, win::GWL_STYLE) & win::WS_CHILD) == 0;
}

TsSkinProvider* ProviderOf(forms::TCustomForm* form) {
  if (form == nullptr) return nullptr;
  return reinterpret_cast<TsSkinProvider*>(form->Perform(SkinCmdMessage, SkinCmdWParam(scGetSkinProvider), 0));
}

}  // namespace skin
