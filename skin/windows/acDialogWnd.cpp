#include "skin/windows/acDialogWnd.h"

#include <algorithm>

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/HitCodes.h"
#include "platform/win/InputApi.h"
#include "platform/win/MenuApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sConst.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acBackgroundQuery.h"
#include "skin/render/acBitmapText.h"
#include "skin/render/acGlyphImages.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/pixels/acPixelCopy.h"
#include "skin/windows/acDialogChildren.h"
#include "skin/windows/acWindowRegion.h"
#include "skin/windows/sSkinProvider.h"

namespace skin {

namespace {

constexpr win::DWORD kNoIdleMessage = 0x100;  // DS_NOIDLEMSG

TacSkinParams DialogParams() {
  TacSkinParams p;
  static const std::u16string kSection = u"DIALOG";
  p.SkinSection = kSection;
  return p;
}

TacBorderStyle GeometryStyle(TacDialogBorderStyle s) {
  switch (s) {
    case TacDialogBorderStyle::acbsNone: return TacBorderStyle::bsNone;
    case TacDialogBorderStyle::acbsSingle: return TacBorderStyle::bsSingle;
    case TacDialogBorderStyle::acbsSizeable: return TacBorderStyle::bsSizeable;
    case TacDialogBorderStyle::acbsToolWindow: return TacBorderStyle::bsToolWindow;
    case TacDialogBorderStyle::acbsSizeToolWin: return TacBorderStyle::bsSizeToolWin;
    default: return TacBorderStyle::bsDialog;
  }
}

TacDialogBorderStyle BorderStyleOf(win::DWORD style, win::DWORD exStyle) {
  const bool sizing = (style & win::WS_THICKFRAME) != 0;
  if ((exStyle & win::WS_EX_TOOLWINDOW) != 0)
    return sizing ? TacDialogBorderStyle::acbsSizeToolWin : TacDialogBorderStyle::acbsToolWindow;
  if (sizing) return TacDialogBorderStyle::acbsSizeable;
  if ((style & win::WS_CAPTION) == 0 && (style & win::WS_BORDER) == 0) return TacDialogBorderStyle::acbsNone;
  if ((style & win::DS_MODALFRAME) != 0 || (style & win::WS_DLGFRAME) != 0) return TacDialogBorderStyle::acbsDialog;
  return TacDialogBorderStyle::acbsSingle;
}

}  // namespace

TacDialogWnd::TacDialogWnd(win::HWND dialog, TsSkinManager* manager)
    : TacMainWnd(dialog, DialogParams(), manager, nullptr), picture_(std::make_unique<Bitmap32>()) {
  if (SkinData != nullptr) SkinData->COC = cocDialog;
  ButtonClose.cpHitCode = win::HTCLOSE;
  ButtonMax.cpHitCode = win::HTMAXBUTTON;
  ButtonMin.cpHitCode = win::HTMINBUTTON;
  ButtonHelp.cpHitCode = win::HTHELP;
  if (!WindowAlive()) return;
  // The dialog reports its idle times.
  const auto style = win::GetWindowLongPtr(dialog, win::GWL_STYLE);
  if ((style & kNoIdleMessage) != 0)
    win::SetWindowLongPtr(dialog, win::GWL_STYLE, style & ~win::LONG_PTR{kNoIdleMessage});
  ResolveIndexes();
  // A dialog whose children exist already (made before it was noticed) has them adapted now.
  if (win::GetWindow(dialog, win::GW_CHILD) != nullptr) AdaptChildren();
}

TacDialogWnd::~TacDialogWnd() {
  Children.clear();
  if (editBrush_ != nullptr) gfx::DeleteObject(static_cast<gfx::HBRUSH>(editBrush_));
  if (WindowAlive() && !removed_) {
    win::SetWindowRgn(CtrlHandle, nullptr, win::FALSE);
    InDestroying = true;
    UnhookWindow();
    win::RedrawWindow(CtrlHandle, nullptr, nullptr,
                      win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN);
  }
}

// ---- Facts ----

bool TacDialogWnd::Skinned() const {
  if (removed_ || !WindowAlive() || SkinData == nullptr || SkinData->SkinIndex < 0) return false;
  const TsSkinManager* m = SkinData->GetSkinManager();
  return m != nullptr && m->IsActive() && m->Options.DrawNonClientArea;
}

void TacDialogWnd::ResolveIndexes() {
  SkinData->UpdateIndexes(true);
  TsSkinManager* m = SkinData->GetSkinManager();
  if (m == nullptr || !m->IsActive()) {
    TitleIndex = FCaptionSkinIndex = -1;
    return;
  }
  TitleIndex = m->SkinCommonInfo.Sections[ssDialogTitle];
  FCaptionSkinIndex = m->SkinCommonInfo.Sections[ssCaption];
  CXSizeFrame = win::GetSystemMetrics(win::SM_CXFRAME);
  CXFixedFrame = win::GetSystemMetrics(win::SM_CXFIXEDFRAME);
  stale_ = true;
  RgnChanged = true;
}

TacFrameShape TacDialogWnd::Shape() const {
  TacFrameShape s;
  if (!WindowAlive()) return s;
  const win::HWND h = CtrlHandle;
  const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_STYLE));
  const auto exStyle = static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_EXSTYLE));
  s.BorderStyle = GeometryStyle(BorderStyleOf(style, exStyle));
  ReadWindowFrame(h, TsSkinProvider::FrameDpi(), s);
  return s;
}

int TacDialogWnd::OffsetX() const { return skin::OffsetX(Shape()); }

int TacDialogWnd::OffsetY() const { return skin::OffsetY(Shape()); }

TacMenuFacts TacDialogWnd::MenuFacts() const {
  TacMenuFacts f;
  if (!WindowAlive()) return f;
  const win::HWND h = CtrlHandle;
  const auto style = static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_STYLE));
  const auto exStyle = static_cast<win::DWORD>(win::GetWindowLongPtr(h, win::GWL_EXSTYLE));
  f.SystemMenu = (style & win::WS_SYSMENU) != 0;
  f.MinimizeIcon = (style & win::WS_MINIMIZEBOX) != 0;
  f.MaximizeIcon = (style & win::WS_MAXIMIZEBOX) != 0;
  f.Style = static_cast<int>(GeometryStyle(BorderStyleOf(style, exStyle)));
  f.Minimized = win::IsIconic(h) != 0;
  f.Maximized = win::IsZoomed(h) != 0;
  if (f.SystemMenu) {
    if (win::HMENU menu = win::GetSystemMenu(h, win::FALSE)) {
      f.HasPlatformMenu = true;
      const win::UINT state = win::GetMenuState(menu, win::SC_CLOSE, win::MF_BYCOMMAND);
      f.PlatformHasClose = state != 0xFFFFFFFFu;
      f.PlatformCloseGreyed = f.PlatformHasClose && (state & (win::MF_GRAYED | win::MF_DISABLED)) != 0;
    }
  }
  return f;
}

TacTitleLayout TacDialogWnd::Layout() const {
  const TacFrameShape s = Shape();
  const TacMenuFacts f = MenuFacts();
  const TacSkinData* d = SkinData->GetCommonSkinData();
  const bool big = s.BorderStyle != TacBorderStyle::bsToolWindow && s.BorderStyle != TacBorderStyle::bsSizeToolWin;
  const TacButtonGlyphs g = ButtonGlyphTypes(big, f, false);
  TacTitleSkin ts = TitleSkinOf(d, SkinData->GetSkinManager());
  TacTitleRequest req;
  ts.HasCaptionSection = FCaptionSkinIndex >= 0;
  req.ShowIcon = false;  // a dialog's title shows no icon
  req.BigButtons = big;
  req.FrameCXFrame = win::GetSystemMetricsForDpi(win::SM_CXFRAME, static_cast<win::UINT>(s.Dpi));
  auto slot = [&](int glyph, bool shown) {
    TacTitleButtonSlot sl;
    sl.Shown = shown;
    const TsMaskData* e = TitleGlyphEntry(d, glyph);
    sl.Width = e != nullptr ? e->Width : 21;
    sl.HaveAlignment = g.HaveAlignment;
    return sl;
  };
  req.Close = slot(g.Close, f.SystemMenu);
  req.Max = slot(g.Max, VisibleMax(f));
  req.Min = slot(g.Min, VisibleMin(f));
  req.Help = slot(g.Help, VisibleHelp(f));
  return skin::TitleLayout(s, ts, req);
}

int TacDialogWnd::HitTest(gfx::TPoint p) const {
  const TacTitleLayout l = Layout();
  const TacFrameShape s = Shape();
  const TacTitleHitFacts h = TitleHitFacts(l, s, MenuFacts());
  return TitleHitTest(h, p);
}

// ---- Children ----

void TacDialogWnd::AdaptChildren() {
  if (!WindowAlive() || removed_) return;
  AdaptTree(CtrlHandle);
  Initialized = true;
}

void TacDialogWnd::AdaptTree(win::HWND parent) {
  for (win::HWND c = win::GetWindow(parent, win::GW_CHILD); c != nullptr; c = win::GetWindow(c, win::GW_HWNDNEXT)) {
    Adapt(c);
    AdaptTree(c);
  }
}

void TacDialogWnd::Adapt(win::HWND child) {
  if (child == nullptr || !win::IsWindow(child) || TacMainWnd::AdapterOf(child) != nullptr) return;
  if (win::GetProp(child, acSkinDataProp) != nullptr) return;  // a skinned control of the program
  std::unique_ptr<TacMainWnd> a = MakeDialogChildAdapter(child, SkinManager);
  if (a == nullptr) return;
  a->DlgMode = true;
  a->Adapter = this;
  // Its position relative to the dialog.
  win::RECT cr{}, dr{};
  win::GetWindowRect(child, &cr);
  win::GetWindowRect(CtrlHandle, &dr);
  a->WndPos = {cr.Left - dr.Left, cr.Top - dr.Top};
  if (a->SkinData != nullptr) a->SkinData->FUpdating = false;
  Children.push_back(std::move(a));
}

// ---- The picture ----

bool TacDialogWnd::PaintAll() {
  if (!Skinned()) return false;
  TacSkinData* data = SkinData->GetCommonSkinData();
  if (data == nullptr) return false;
  const TacFrameShape s = Shape();
  if (s.Width <= 0 || s.Height <= 0) return false;
  Bitmap32& bmp = *picture_;
  if (bmp.Width() != s.Width || bmp.Height() != s.Height) {
    bmp.SetSize(s.Width, s.Height);
    stale_ = true;
  }
  if (!stale_) return true;
  const TacTitleLayout l = Layout();
  ButtonClose.cpRect = l.Close.Rect;
  const int section = SkinData->SkinIndex;
  const TsGeneralData& g = data->gd[static_cast<std::size_t>(section)];
  const int state = SectionState(g, FFormActive ? 1 : 0);
  const gfx::TRect all{0, 0, s.Width, s.Height};
  if (g.BorderIndex >= 0) {
    PaintSection(section, EmptyBgInfo(), -1, -1, data, &bmp, {0, 0}, all, state);
  } else {
    PaintSectionBackground(section, EmptyBgInfo(), state, KeyColor, -1, -1, data, &bmp, {0, 0}, all);
    PaintSectionCorners(*data, g, &bmp, all, state);
  }
  if (l.CaptionHeight > 0) {
    if (TitleIndex >= 0 && TitleIndex < static_cast<int>(data->gd.size())) {
      const TsGeneralData& t = data->gd[static_cast<std::size_t>(TitleIndex)];
      const gfx::TRect band{0, 0, s.Width, std::min(s.Height, l.FrameWidth + l.CaptionHeight)};
      PaintSectionBackground(TitleIndex, BgInfoFromBitmap(&bmp, 0, 0), SectionState(t, FFormActive ? 1 : 0), KeyColor,
                             -1, -1, data, &bmp, {0, 0}, band);
    }
    // The caption.
    TacTitleSkin ts;
    ts.BILeftMargin = data->BILeftMargin;
    ts.Spacing = data->Spacing;
    ts.HasCaptionSection = FCaptionSkinIndex >= 0;
    gfx::FontDesc font = win::GetCaptionFont(static_cast<win::UINT>(s.Dpi));
    font.height = -13 * s.Dpi / 96;
    gfx::Surface& canvas = bmp.Canvas();
    canvas.SetFont(gfx::Font(font));
    const gfx::TRect r = CaptionTextRect(l, ts, s.Width, canvas.GetTextMetrics().tmHeight);
    const std::u16string caption = win::GetWindowText(CtrlHandle);
    if (!caption.empty() && !r.IsEmpty()) {
      const int textSection = FCaptionSkinIndex >= 0 ? FCaptionSkinIndex : TitleIndex;
      WriteBitmapText(&bmp, caption, false, SkinData->GetSkinManager(), FFormActive ? 1 : 0, textSection,
                      gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX | gfx::DT_END_ELLIPSIS | gfx::DT_LEFT, r);
    }
    PaintCloseButton(bmp);
  }
  stale_ = false;
  return true;
}

void TacDialogWnd::PaintCloseButton(Bitmap32& bmp) {
  const TacMenuFacts f = MenuFacts();
  TacSkinData* data = SkinData->GetCommonSkinData();
  if (data == nullptr || !f.SystemMenu || !VisibleClose(f) || ButtonClose.cpRect.IsEmpty()) return;
  const bool big =
      Shape().BorderStyle != TacBorderStyle::bsToolWindow && Shape().BorderStyle != TacBorderStyle::bsSizeToolWin;
  ButtonClose.cpGlyphType = ButtonGlyphTypes(big, f, false).Close;
  const int index = data->TitleGlyphs[ButtonClose.cpGlyphType];
  const int state = std::max(0, ButtonClose.cpState);
  const bool faded = state == 0 && (!FFormActive || !EnabledClose(f));
  PaintGlyphImage(&bmp, {ButtonClose.cpRect.Left, ButtonClose.cpRect.Top}, *data, index, state,
                  faded ? TacImageLook::Faded : TacImageLook::Normal);
}

void TacDialogWnd::UpdateRegion() {
  if (!RgnChanged || !Skinned()) return;
  TacSkinData* data = SkinData->GetCommonSkinData();
  if (data == nullptr) return;
  const TacFrameShape s = Shape();
  RgnChanged = false;
  const std::vector<gfx::TRect> cut = FrameRegionRects(*data, SkinData->SkinIndex, TitleIndex, s.Width, s.Height);
  win::SetWindowRgn(CtrlHandle, MakeFrameRegion(s.Width, s.Height, cut), win::FALSE);
}

void TacDialogWnd::RepaintFrame() {
  if (WindowAlive())
    win::RedrawWindow(CtrlHandle, nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_NOCHILDREN);
}

void TacDialogWnd::Rebuild() {
  stale_ = true;
  RgnChanged = true;
  if (!WindowAlive()) return;
  for (auto& c : Children)
    if (c != nullptr && !c->Destroyed)
      win::SendMessage(c->CtrlHandle, SkinCmdMessage, SkinCmdWParam(scParentBgChanged), 0);
  win::RedrawWindow(CtrlHandle, nullptr, nullptr,
                    win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN);
}

void TacDialogWnd::PaintFrameTo(win::HDC dc) {
  if (!PaintAll()) return;
  const int level = dc->Save();
  dc->ExcludeClip(ClientInWindow(CtrlHandle));
  dc->BitBlt(0, 0, picture_->Width(), picture_->Height(), picture_->Canvas(), 0, 0, gfx::SRCCOPY);
  dc->Restore(level);
}

void TacDialogWnd::CopyClientTo(win::HDC dc) {
  if (dc == nullptr || !PaintAll()) return;
  win::RECT cr;
  win::GetClientRect(CtrlHandle, &cr);
  dc->BitBlt(0, 0, cr.Width(), cr.Height(), picture_->Canvas(), OffsetX(), OffsetY(), gfx::SRCCOPY);
}

void TacDialogWnd::SetCloseState(int state) {
  if (ButtonClose.cpState == state) return;
  ButtonClose.cpState = state;
  CurrentHT = state != 0 ? win::HTCLOSE : 0;
  stale_ = true;
  RepaintFrame();
}

// ---- Messages ----

win::LRESULT TacDialogWnd::CtlColor(forms::TMessage& m) {
  TacSkinData* data = SkinData->GetCommonSkinData();
  TsSkinManager* mgr = SkinData->GetSkinManager();
  auto* dc = reinterpret_cast<win::HDC>(m.WParam);
  if (data == nullptr || mgr == nullptr || dc == nullptr) return 0;
  const int edit = mgr->GetSkinIndex(u"EDIT");
  if (edit < 0) return 0;
  const TsGeneralData& g = data->gd[static_cast<std::size_t>(edit)];
  const TColor back = g.Props[0].Color, text = g.Props[0].FontColor.Color;
  if (editBrush_ == nullptr || editBrushColor_ != back) {
    if (editBrush_ != nullptr) gfx::DeleteObject(static_cast<gfx::HBRUSH>(editBrush_));
    editBrush_ = gfx::CreateSolidBrush(back);
    editBrushColor_ = back;
  }
  dc->SetTextColor(text);
  dc->SetBkColor(back);
  return reinterpret_cast<win::LRESULT>(editBrush_);
}

void TacDialogWnd::acWndProc(forms::TMessage& m) {
  if (m.Msg == win::WM_INITDIALOG) {
    CallPrevious(m);
    AdaptChildren();
    return;
  }
  // Skin commands are answered whether or not the skin is active (its removal among them).
  if (m.Msg == SkinCmdMessage && !removed_) {
    SkinCommand(m);
    return;
  }
  if (!Skinned()) {
    CallPrevious(m);
    return;
  }
  switch (m.Msg) {
    case win::WM_PARENTNOTIFY:
      CallPrevious(m);
      if (Initialized && win::LOWORD(m.WParam) == win::WM_CREATE) Adapt(reinterpret_cast<win::HWND>(m.LParam));
      return;
    case win::WM_NCPAINT: {
      m.Result = 0;
      if (!win::IsWindowVisible(CtrlHandle)) return;
      UpdateRegion();
      if (win::HDC dc = win::GetWindowDC(CtrlHandle)) {
        PaintFrameTo(dc);
        win::ReleaseDC(CtrlHandle, dc);
      }
      return;
    }
    case win::WM_NCACTIVATE:
      FFormActive = m.WParam != 0;
      stale_ = true;
      CallPrevious(m);
      RepaintFrame();
      return;
    case win::WM_ERASEBKGND:
      CopyClientTo(reinterpret_cast<win::HDC>(m.WParam));
      m.Result = 1;
      return;
    case win::WM_PRINTCLIENT:
      CopyClientTo(reinterpret_cast<win::HDC>(m.WParam));
      m.Result = 0;
      return;
    case win::WM_PRINT: {
      auto* dc = reinterpret_cast<win::HDC>(m.WParam);
      if (dc == nullptr || !PaintAll()) {
        CallPrevious(m);
        return;
      }
      const win::LPARAM flags = m.LParam;
      if (flags & win::PRF_NONCLIENT)
        dc->BitBlt(0, 0, picture_->Width(), picture_->Height(), picture_->Canvas(), 0, 0, gfx::SRCCOPY);
      const gfx::TRect client = ClientInWindow(CtrlHandle);
      const int level = dc->Save();
      dc->OffsetViewportOrg(client.Left, client.Top);
      dc->IntersectClip({0, 0, client.Width(), client.Height()});
      CopyClientTo(dc);
      dc->Restore(level);
      // The children print themselves through the platform.
      forms::TMessage children{m.Msg, m.WParam, flags & ~(win::PRF_NONCLIENT | win::PRF_CLIENT | win::PRF_ERASEBKGND),
                               0};
      if (flags & win::PRF_CHILDREN) CallPrevious(children);
      m.Result = 0;
      return;
    }
    case win::WM_CTLCOLOREDIT:
    case win::WM_CTLCOLORLISTBOX: m.Result = CtlColor(m); return;
    case win::WM_SIZE:
    case win::WM_STYLECHANGED:
      CallPrevious(m);
      Rebuild();
      return;
    case win::WM_SETTEXT:
      CallPrevious(m);
      stale_ = true;
      RepaintFrame();
      return;
    case win::WM_NCHITTEST: {
      const win::POINT p = win::LParamToPoint(m.LParam);
      win::RECT wr;
      win::GetWindowRect(CtrlHandle, &wr);
      const int code = HitTest({p.X - wr.Left, p.Y - wr.Top});
      if (AnsweredByProvider(code)) m.Result = code;
      else CallPrevious(m);
      return;
    }
    case win::WM_NCMOUSEMOVE:
      if (!pressed_) {
        if (static_cast<int>(m.WParam) == win::HTCLOSE && !trackingLeave_) {
          win::TRACKMOUSEEVENT tme{};
          tme.dwFlags = win::TME_LEAVE | win::TME_NONCLIENT;
          tme.hwndTrack = CtrlHandle;
          trackingLeave_ = win::TrackMouseEvent(&tme) != win::FALSE;
        }
        SetCloseState(static_cast<int>(m.WParam) == win::HTCLOSE ? 1 : 0);
      }
      CallPrevious(m);
      return;
    case win::WM_NCMOUSELEAVE:
      trackingLeave_ = false;
      if (!pressed_) SetCloseState(0);
      CallPrevious(m);
      return;
    case win::WM_NCLBUTTONDOWN:
    case win::WM_NCLBUTTONDBLCLK:
      if (static_cast<int>(m.WParam) == win::HTCLOSE) {
        const TacMenuFacts f = MenuFacts();
        m.Result = 0;
        if (!EnabledClose(f)) return;
        pressed_ = true;
        win::SetCapture(CtrlHandle);
        SetCloseState(2);
        return;
      }
      CallPrevious(m);
      return;
    case win::WM_MOUSEMOVE:
      if (pressed_) {
        win::POINT p = win::LParamToPoint(m.LParam);
        win::ClientToScreen(CtrlHandle, &p);
        win::RECT wr;
        win::GetWindowRect(CtrlHandle, &wr);
        SetCloseState(ButtonClose.cpRect.Contains({p.X - wr.Left, p.Y - wr.Top}) ? 2 : 0);
        m.Result = 0;
        return;
      }
      CallPrevious(m);
      return;
    case win::WM_LBUTTONUP:
      if (pressed_) {
        pressed_ = false;
        const bool over = ButtonClose.cpState == 2;
        win::ReleaseCapture();
        SetCloseState(0);
        m.Result = 0;
        if (over) win::SendMessage(CtrlHandle, win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
        return;
      }
      CallPrevious(m);
      return;
    case win::WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<win::HWND>(m.LParam) != CtrlHandle) {
        pressed_ = false;
        SetCloseState(0);
      }
      CallPrevious(m);
      return;
    default: CallPrevious(m); return;
  }
}

void TacDialogWnd::SkinCommand(forms::TMessage& m) {
  switch (SkinCmdOf(m.WParam)) {
    case scIsSkinned: m.Result = 1; return;
    case scGetBgInfo: {
      auto* q = reinterpret_cast<TsBackgroundQuery*>(m.LParam);
      m.Result = 0;
      if (q == nullptr || !PaintAll()) return;
      const int ox = OffsetX(), oy = OffsetY();
      if (q->DrawNow) {
        if (q->TargetDC != nullptr)
          q->TargetDC->BitBlt(q->DrawRect.Left, q->DrawRect.Top, q->DrawRect.Width(), q->DrawRect.Height(),
                              picture_->Canvas(), q->Offset.X + ox, q->Offset.Y + oy, gfx::SRCCOPY);
        q->Kind = bqBitmap;
        m.Result = 1;
        return;
      }
      q->Kind = bqBitmap;
      q->Bitmap = picture_.get();
      q->Offset = {q->Offset.X + ox, q->Offset.Y + oy};
      m.Result = 1;
      return;
    }
    case scGetBgColor: {
      const TsGeneralData* g = SkinData->Section();
      m.Result = g != nullptr ? static_cast<win::LRESULT>(g->Props[0].Color) : 0;
      return;
    }
    case scGetClientOrigin:
      m.Result = win::MAKELRESULT(static_cast<unsigned>(OffsetX()), static_cast<unsigned>(OffsetY()));
      return;
    case scGetFrameWidth: m.Result = FrameWidth(Shape()); return;
    case scNewSkin:
    case scRefresh:
      ResolveIndexes();
      for (auto& c : Children)
        if (c != nullptr && !c->Destroyed) win::SendMessage(c->CtrlHandle, m.Msg, m.WParam, m.LParam);
      Rebuild();
      m.Result = 0;
      return;
    case scRemoveSkin: RemoveSkin(); return;
    default: CallPrevious(m); return;
  }
}

void TacDialogWnd::RemoveSkin() {
  // Every child gets its own procedure back; the frame goes back to the platform's.
  Children.clear();
  removed_ = true;
  if (!WindowAlive()) return;
  UnhookWindow();
  win::SetWindowRgn(CtrlHandle, nullptr, win::FALSE);
  win::RedrawWindow(CtrlHandle, nullptr, nullptr,
                    win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN);
}

void TacDialogWnd::WindowGone() {
  // The children's windows are gone or going; their adapters know it (WM_NCDESTROY) and
  // are freed with this adapter.
  pressed_ = false;
}

}  // namespace skin
