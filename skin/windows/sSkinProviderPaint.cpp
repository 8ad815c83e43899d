// The provider's pictures: the whole window picture (PaintAll: FORM section with its
// border, the title band, icon, caption and buttons), the window region, and the messages
// that put the picture on the screen (frame, client background, print) or make it stale.
#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/Canvas.h"
#include "platform/forms/Forms.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"
#include "platform/win/HitCodes.h"
#include "platform/win/IconApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/Metrics.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acBitmapText.h"
#include "skin/render/acGlyphImages.h"
#include "skin/render/acPaintSection.h"
#include "skin/render/pixels/acPixelCopy.h"
#include "skin/windows/acBorderForm.h"
#include "skin/windows/acSystemMenu.h"
#include "skin/windows/acTitleButtonsAnimation.h"
#include "skin/windows/acWindowRegion.h"
#include "skin/windows/sSkinProvider.h"

namespace skin {

namespace {

// The icon of a window: its own, the application window's, the default one.
win::HICON WindowIcon(win::HWND h, bool big) {
  const win::WPARAM kind = big ? win::ICON_BIG : win::ICON_SMALL;
  auto icon = reinterpret_cast<win::HICON>(win::SendMessage(h, win::WM_GETICON, kind, 0));
  if (icon == nullptr) icon = reinterpret_cast<win::HICON>(win::SendMessage(h, win::WM_GETICON, win::ICON_SMALL2, 0));
  if (icon == nullptr)
    if (win::HWND app = forms::Application->Handle(); app != nullptr && app != h)
      icon = reinterpret_cast<win::HICON>(win::SendMessage(app, win::WM_GETICON, kind, 0));
  if (icon == nullptr) icon = win::LoadIcon(nullptr, win::IDI_APPLICATION);
  return icon;
}

}  // namespace

// ---- The window picture ----

bool TsSkinProvider::PaintAll() {
  if (!Skinned() || FInAnimation) return false;
  TacSkinData* data = SkinData();
  if (data == nullptr) return false;
  const TacFrameShape s = Shape();
  if (s.Width <= 0 || s.Height <= 0) return false;
  Bitmap32& bmp = *FCommonData->FCacheBmp;
  const gfx::TSize size = PictureSize();
  if (size.cx <= 0 || size.cy <= 0) return false;
  if (bmp.Width() != size.cx || bmp.Height() != size.cy) {
    bmp.SetSize(size.cx, size.cy);
    FCommonData->BGChanged = true;
  }
  if (!FCommonData->BGChanged) return true;

  const TacTitleLayout l = Layout();
  FIconRect = l.IconRect;
  VCenter = l.VCenter;
  FHeaderHeight = l.HeaderHeight;
  ButtonClose.cpRect = l.Close.Rect;
  ButtonMax.cpRect = l.Max.Rect;
  ButtonMin.cpRect = l.Min.Rect;
  ButtonHelp.cpRect = l.Help.Rect;

  const int formSection = FCommonData->SkinIndex;
  const TsGeneralData& g = data->gd[static_cast<std::size_t>(formSection)];
  const int state = SectionState(g, FormActive);
  const gfx::TRect all{0, 0, size.cx, size.cy};
  const bool framed = s.BorderBit || s.DialogFrame || s.SizingBorder || s.Child;
  if (BorderForm) {
    // Shadow, frame, client background and title band of the extended frame.
    BorderForm->PaintBackground(bmp, l, state);
  } else if (framed && g.BorderIndex >= 0) {
    PaintSection(formSection, EmptyBgInfo(), -1, -1, data, &bmp, {0, 0}, all, state);
  } else {
    PaintSectionBackground(formSection, EmptyBgInfo(), state, KeyColor, -1, -1, data, &bmp, {0, 0}, all);
    PaintSectionCorners(*data, g, &bmp, all, state);
  }
  if (l.CaptionHeight > 0 && FrameSkinned()) {
    if (!BorderForm) PaintTitleBand(bmp, l, state);
    PaintIcon(bmp);
    PaintCaptionText(bmp, l, state);
  }
  // The clean background of the button area, for repainting single buttons; cut to the
  // picture on windows narrower than the area.
  const gfx::TRect shadow = ShadowSize();
  const int bandBottom = std::min(BorderForm ? shadow.Top + l.CaptionHeight : l.FrameWidth + l.CaptionHeight, size.cy);
  TempBmpRect = {std::max(0, size.cx - (shadow.Right + l.FrameWidth + l.TotalButtonWidth + 10)), 0, size.cx,
                 bandBottom};
  TempBmp->SetSize(TempBmpRect.Width(), TempBmpRect.Height());
  CopyBitmapRect(TempBmp.get(), &bmp, {0, 0}, TempBmpRect);
  if (l.CaptionHeight > 0 && FrameSkinned()) PaintButtons(bmp);
  FCommonData->BGChanged = false;
  FirstInitialized = true;
  PaintFormOnPaint(bmp);
  return true;
}

void TsSkinProvider::PaintFormOnPaint(Bitmap32& bmp) {
  if (!Form->OnPaint || Form->Canvas() == nullptr) return;
  // What the program paints on its form becomes part of the picture its children see.
  gfx::Surface& surface = bmp.Canvas();
  const int level = surface.Save();
  surface.OffsetViewportOrg(OffsetX(), OffsetY());
  win::RECT cr;
  win::GetClientRect(Form->Handle(), &cr);
  surface.IntersectClip({0, 0, cr.Width(), cr.Height()});
  try {
    forms::TCanvasPaintScope scope(*Form->Canvas(), &surface);
    Form->OnPaint(Form);
  } catch (...) {
    // Painting never throws out of the skin engine; the picture keeps what was drawn.
  }
  surface.Restore(level);
}

void TsSkinProvider::PaintTitleBand(Bitmap32& bmp, const TacTitleLayout& l, int) {
  TacSkinData* data = SkinData();
  if (FTitleSkinIndex < 0 || FTitleSkinIndex >= static_cast<int>(data->gd.size())) return;
  const TsGeneralData& t = data->gd[static_cast<std::size_t>(FTitleSkinIndex)];
  gfx::TRect band{0, 0, bmp.Width(), std::min(bmp.Height(), l.FrameWidth + l.CaptionHeight)};
  if (BorderForm) {
    // The band of the extended frame lies inside the shadow margins and holds the top frame.
    const gfx::TRect sh = ShadowSize();
    band = {sh.Left, sh.Top, bmp.Width() - sh.Right, std::min(bmp.Height(), sh.Top + l.CaptionHeight)};
  }
  PaintSectionBackground(FTitleSkinIndex, BgInfoFromBitmap(&bmp, 0, 0), SectionState(t, FormActive), KeyColor, -1, -1,
                         data, &bmp, {0, 0}, band);
}

void TsSkinProvider::PaintIcon(Bitmap32& bmp) {
  if (FIconRect.IsEmpty()) return;
  const gfx::TRect r = FIconRect;
  Bitmap32 before;
  before.SetSize(r.Width(), r.Height());
  CopyBitmapRect(&before, &bmp, {0, 0}, r);
  win::DrawIconEx(&bmp.Canvas(), r.Left, r.Top, WindowIcon(Form->Handle(), r.Height() > 16), r.Width(), r.Height());
  // The icon's pixels become opaque; what it left alone keeps its alpha.
  for (int y = std::max(0, r.Top); y < std::min(bmp.Height(), r.Bottom); ++y)
    for (int x = std::max(0, r.Left); x < std::min(bmp.Width(), r.Right); ++x)
      if (bmp.Row(y)[x] != before.Row(y - r.Top)[x - r.Left]) bmp.Row(y)[x] |= 0xFF000000u;
}

void TsSkinProvider::PaintCaptionText(Bitmap32& bmp, const TacTitleLayout& l, int state) {
  const std::u16string caption = Form->Caption();
  TacSkinData* data = SkinData();
  TacTitleSkin ts;
  ts.BILeftMargin = data->BILeftMargin;
  ts.Spacing = data->Spacing;
  ts.HasCaptionSection = FCaptionSkinIndex >= 0;
  const int dpi = FrameDpi();
  gfx::FontDesc font = win::GetCaptionFont(static_cast<win::UINT>(dpi));
  font.height = -13 * dpi / 96;
  gfx::Surface& canvas = bmp.Canvas();
  canvas.SetFont(gfx::Font(font));
  const int textHeight = canvas.GetTextMetrics().tmHeight;
  const gfx::TRect r = CaptionTextRect(l, ts, bmp.Width(), textHeight);
  CaptionTextRight = r.Right;
  if (caption.empty() || r.IsEmpty()) return;
  const int section = FCaptionSkinIndex >= 0 ? FCaptionSkinIndex : FTitleSkinIndex;
  if (FCaptionSkinIndex >= 0)
    PaintSection(FCaptionSkinIndex, BgInfoFromBitmap(&bmp, 0, 0), -1, -1, data, &bmp, {0, 0},
                 {r.Left - 4, r.Top - 2, r.Right + 4, r.Bottom + 2}, state);
  const unsigned format = gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX | gfx::DT_END_ELLIPSIS | gfx::DT_LEFT;
  WriteBitmapText(&bmp, caption, false, Manager(), state, section, format, r);
}

void TsSkinProvider::PaintButtons(Bitmap32& bmp) {
  const TacMenuFacts f = MenuFacts();
  PaintOneButton(bmp, ButtonClose, f.SystemMenu && VisibleClose(f), EnabledClose(f));
  if (VisibleMax(f)) PaintOneButton(bmp, ButtonMax, true, EnabledMax(f));
  if (VisibleMin(f)) PaintOneButton(bmp, ButtonMin, true, EnabledMin(f));
  if (VisibleHelp(f)) PaintOneButton(bmp, ButtonHelp, true, true);
}

void TsSkinProvider::PaintOneButton(Bitmap32& bmp, TsCaptionButton& b, bool visible, bool enabled) {
  TacSkinData* data = SkinData();
  if (!visible || data == nullptr || b.cpRect.IsEmpty()) return;
  const int index = data->TitleGlyphs[b.cpGlyphType];
  // While an animation window shows the button, the picture keeps it normal.
  const bool animated = b.cpTimer != nullptr && b.cpTimer->Window() != nullptr;
  const int state = animated ? 0 : std::max(0, b.cpState);
  const bool faded = state == 0 && (FormActive == 0 || !Form->Enabled() || !enabled);
  PaintGlyphImage(&bmp, {b.cpRect.Left, b.cpRect.Top}, *data, index, state,
                  faded ? TacImageLook::Faded : TacImageLook::Normal);
}

void TsSkinProvider::RepaintButton(int code) {
  TsCaptionButton* b = ButtonOf(code);
  if (b == nullptr || !FrameSkinned() || !PictureValid() || FCommonData->BGChanged) {
    if (b != nullptr && FrameSkinned()) RepaintFrame();
    return;
  }
  if (AnimationAllowed()) {
    std::unique_ptr<TacSBAnimation>& a = animations_[b == &ButtonClose ? 0
                                                     : b == &ButtonMax ? 1
                                                     : b == &ButtonMin ? 2
                                                                       : 3];
    if (a == nullptr && b->cpState != 0) a = std::make_unique<TacSBAnimation>(*this, *b);
    if (a != nullptr) {
      b->cpTimer = a.get();
      a->StartAnimation(std::max(0, b->cpState), b->cpState > a->State());
      if (a->Window() == nullptr) b->cpTimer = nullptr;
    }
  }
  Bitmap32& bmp = *FCommonData->FCacheBmp;
  const gfx::TRect r = b->cpRect;
  CopyBitmapRect(&bmp, TempBmp.get(), {r.Left, r.Top}, r.Offset(-TempBmpRect.Left, -TempBmpRect.Top));
  const TacMenuFacts f = MenuFacts();
  const bool enabled = code == win::HTCLOSE       ? EnabledClose(f)
                       : code == win::HTMAXBUTTON ? EnabledMax(f)
                       : code == win::HTMINBUTTON ? EnabledMin(f)
                                                  : true;
  PaintOneButton(bmp, *b, true, enabled);
  if (RedrawLocks > 0 || !win::IsWindowVisible(Form->Handle())) return;
  if (BorderForm) {
    BorderForm->UpdatePart(r);
    return;
  }
  if (win::HDC dc = win::GetWindowDC(Form->Handle())) {
    dc->BitBlt(r.Left, r.Top, r.Width(), r.Height(), bmp.Canvas(), r.Left, r.Top, gfx::SRCCOPY);
    win::ReleaseDC(Form->Handle(), dc);
  }
}

// ---- The region ----

void TsSkinProvider::UpdateRegion() {
  if (!RgnChanged || RgnChanging || !Skinned()) return;
  const TacFrameShape s = Shape();
  if (!(s.BorderBit || s.DialogFrame || s.SizingBorder || s.Child || s.Minimized)) return;
  TacSkinData* data = SkinData();
  if (data == nullptr) return;
  RgnChanging = true;
  win::HRGN rgn = nullptr;
  const forms::TSizeConstraints* c = Form->Constraints();
  if (BorderForm) {
    // Frame, title and shadow are the border window's: the form keeps its client part.
    Rects.clear();
    rgn = BorderForm->MakeRgn(s.Width, s.Height);
    BorderForm->MainRgnReady = true;
    BorderForm->ResetRgn = false;
  } else if (s.Maximized && c->MaxWidth() == 0 && c->MaxHeight() == 0 &&
             Form->FormStyle() != forms::TFormStyle::fsMDIChild) {
    Rects.clear();
    rgn = MakeMaximizedRegion(s.Width, s.Height, skin::FrameWidth(s));
  } else {
    Rects = FrameRegionRects(*data, FCommonData->SkinIndex, FTitleSkinIndex, s.Width, s.Height);
    rgn = MakeFrameRegion(s.Width, s.Height, Rects);
  }
  win::SetWindowRgn(Form->Handle(), rgn, win::FALSE);
  RgnChanged = false;
  RgnChanging = false;
}

// ---- Putting the picture on the screen ----

void TsSkinProvider::PaintFrameTo(win::HDC dc) {
  if (FCommonData->BGChanged && !PaintAll()) return;
  if (!PictureValid()) return;
  Bitmap32& bmp = *FCommonData->FCacheBmp;
  const int level = dc->Save();
  dc->ExcludeClip(ClientInWindow(Form->Handle()));
  dc->BitBlt(0, 0, bmp.Width(), bmp.Height(), bmp.Canvas(), 0, 0, gfx::SRCCOPY);
  dc->Restore(level);
}

void TsSkinProvider::CopyClientTo(win::HDC dc) {
  if (FCommonData->BGChanged && !PaintAll()) return;
  if (!PictureValid()) return;
  win::RECT cr;
  win::GetClientRect(Form->Handle(), &cr);
  dc->BitBlt(0, 0, cr.Width(), cr.Height(), FCommonData->FCacheBmp->Canvas(), OffsetX(), OffsetY(), gfx::SRCCOPY);
}

void TsSkinProvider::RepaintFrame() {
  if (!Form->HandleAllocated()) return;
  if (BorderForm) {
    BorderForm->UpdateExBordersPos(false);
    return;
  }
  win::RedrawWindow(Form->Handle(), nullptr, nullptr, win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_NOCHILDREN);
}

void TsSkinProvider::WMNCPaint(forms::TMessage& m, const forms::TWndNext& next) {
  if (!FrameSkinned()) {
    next(m);
    return;
  }
  m.Result = 0;
  const win::HWND h = Form->Handle();
  if (FInAnimation || !win::IsWindowVisible(h) || RedrawLocks > 0 || Form->IsLoading()) return;
  if (!SystemMenu) PrepareForm();
  UpdateRegion();
  if (BorderForm) {
    BorderForm->UpdateExBordersPos(false);
    return;
  }
  if (win::HDC dc = win::GetWindowDC(h)) {
    PaintFrameTo(dc);
    win::ReleaseDC(h, dc);
  }
}

void TsSkinProvider::WMNCActivate(forms::TMessage& m, const forms::TWndNext& next) {
  if (!FrameSkinned()) {
    next(m);
    return;
  }
  const std::uint8_t active = m.WParam != 0 ? 1 : 0;
  if (active != FormActive) {
    FormActive = active;
    TacSkinData* data = SkinData();
    const TsGeneralData* g = FCommonData->Section();
    const TsMaskData* border = data != nullptr && g != nullptr ? ImageEntry(*data, g->BorderIndex) : nullptr;
    if ((g != nullptr && g->States > 1) || (border != nullptr && border->ImageCount > 1)) FCommonData->BGChanged = true;
    // The border window's shadow and frame image have an active and an inactive look.
    if (BorderForm) FCommonData->BGChanged = true;
  }
  const bool whole = FCommonData->BGChanged && ClientDependsOnState();
  // The platform's default only invalidates the frame; the skinned frame answers the paint.
  const std::shared_ptr<bool> alive = alive_;
  next(m);
  if (!*alive) return;
  if (forms::Application->MainForm() != Form) RgnChanged = true;
  if (!whole) {
    RepaintFrame();
    return;
  }
  // The client looks different in the new state: children that took their background from
  // the old picture take it again.
  BroadcastToChildren(Form, SkinCmdMessage, SkinCmdWParam(scParentBgChanged), 0);
  win::RedrawWindow(Form->Handle(), nullptr, nullptr,
                    win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN);
}

bool TsSkinProvider::ClientDependsOnState() {
  const TsGeneralData* g = FCommonData->Section();
  if (g == nullptr || g->States < 2) return false;
  const TsGenState& a = g->Props[0];
  const TsGenState& b = g->Props[1];
  return a.Color != b.Color || a.TextureIndex != b.TextureIndex || a.GradientPercent != b.GradientPercent ||
         a.ImagePercent != b.ImagePercent || a.Transparency != b.Transparency;
}

void TsSkinProvider::WMEraseBkgnd(forms::TMessage& m, const forms::TWndNext& next) {
  if (!DrawClientArea || m.WParam == 0) {
    next(m);
    return;
  }
  m.Result = 1;
  if (FCommonData->FUpdating) return;
  CopyClientTo(reinterpret_cast<win::HDC>(m.WParam));
}

void TsSkinProvider::WMPaint(forms::TMessage& m, const forms::TWndNext& next) {
  if (!DrawClientArea) {
    next(m);
    return;
  }
  // The client part of the picture, then what the form paints itself (OnPaint) and its
  // non-windowed children (labels and images of a message box) over it.
  if (m.WParam != 0) {
    CopyClientTo(reinterpret_cast<win::HDC>(m.WParam));
    next(m);
    return;
  }
  const win::HWND h = Form->Handle();
  win::PAINTSTRUCT ps;
  win::HDC dc = win::BeginPaint(h, &ps);
  if (dc != nullptr && !FCommonData->FUpdating) {
    CopyClientTo(dc);
    forms::TMessage paint{win::WM_PAINT, reinterpret_cast<win::WPARAM>(dc), 0, 0};
    next(paint);
  }
  win::EndPaint(h, &ps);
}

void TsSkinProvider::WMPrint(forms::TMessage& m, const forms::TWndNext& next) {
  auto* dc = reinterpret_cast<win::HDC>(m.WParam);
  if (dc == nullptr) {
    next(m);
    return;
  }
  if (FCommonData->BGChanged) PaintAll();
  if (!PictureValid()) {
    next(m);
    return;
  }
  const win::LPARAM flags = m.LParam;
  Bitmap32& bmp = *FCommonData->FCacheBmp;
  const gfx::TRect client = ClientInWindow(Form->Handle());
  if (flags & win::PRF_NONCLIENT) {
    // The picture placed so that its client part lies on the window's client area.
    const int dx = client.Left - OffsetX(), dy = client.Top - OffsetY();
    dc->BitBlt(dx, dy, bmp.Width(), bmp.Height(), bmp.Canvas(), 0, 0, gfx::SRCCOPY);
  }
  const int level = dc->Save();
  dc->OffsetViewportOrg(client.Left, client.Top);
  dc->IntersectClip({0, 0, client.Width(), client.Height()});
  CopyClientTo(dc);
  if (flags & win::PRF_CLIENT) {
    forms::TMessage paint{win::WM_PAINT, reinterpret_cast<win::WPARAM>(dc), 0, 0};
    next(paint);
  }
  dc->Restore(level);
  // The child windows print themselves through the platform.
  forms::TMessage children{m.Msg, m.WParam, flags & ~(win::PRF_NONCLIENT | win::PRF_CLIENT | win::PRF_ERASEBKGND), 0};
  if (flags & win::PRF_CHILDREN) next(children);
}

// ---- Changes that make the picture stale ----

void TsSkinProvider::WMSize(forms::TMessage& m, const forms::TWndNext& next) {
  KillAnimations();
  RgnChanged = true;
  const std::shared_ptr<bool> alive = alive_;
  next(m);
  if (!*alive) return;
  // Maximize and restore swap the maximize button's glyph.
  UpdateGlyphTypes();
  if (SystemMenu) SystemMenu->UpdateItems(MenuFacts());
  // Maximizing under the native-borders option ends the extended mode, restoring starts it.
  UpdateExBorders();
  const gfx::TSize size = PictureSize();
  const Bitmap32* bmp = FCommonData->FCacheBmp.get();
  if (bmp == nullptr || bmp->Width() != size.cx || bmp->Height() != size.cy) {
    FCommonData->BGChanged = true;
    if (win::IsWindowVisible(Form->Handle())) {
      UpdateRegion();
      BroadcastToChildren(Form, SkinCmdMessage, SkinCmdWParam(scParentBgChanged), 0);
      win::RedrawWindow(Form->Handle(), nullptr, nullptr,
                        win::RDW_FRAME | win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN);
    }
  }
  if (BorderForm) BorderForm->UpdateExBordersPos(false);
}

void TsSkinProvider::WMWindowPosChanged(forms::TMessage& m, const forms::TWndNext& next) {
  const std::shared_ptr<bool> alive = alive_;
  next(m);
  if (!*alive) return;
  const auto* wp = reinterpret_cast<const win::WINDOWPOS*>(m.LParam);
  // Moves, size changes, showing, hiding and z-order changes: the border window follows.
  if (BorderForm) BorderForm->UpdateExBordersPos(false);
  else if (wp != nullptr && (wp->flags & win::SWP_SHOWWINDOW) != 0) UpdateExBorders();
}

void TsSkinProvider::WMGetMinMaxInfo(forms::TMessage& m, const forms::TWndNext& next) {
  const TacFrameShape s = Shape();
  if (FrameSkinned() && !s.Child && (s.BorderBit || s.SizingBorder) && m.LParam != 0) {
    auto* mmi = reinterpret_cast<win::MINMAXINFO*>(m.LParam);
    const int a = skin::FrameWidth(s);
    const win::RECT work = win::GetWorkArea();
    mmi->ptMaxPosition = {work.Left - a, work.Top - a};
    mmi->ptMaxSize = {work.Width() + 2 * a, work.Height() + 2 * a};
    if (BorderForm && !Manager()->Options.NativeBordersMaximized) {
      // Maximized, the client area fills the work area below the skin's maximized title
      // band; the border window's frame and shadow lie beyond the screen's edges.
      const int c = skin::CaptionHeight(s);
      const int title = BorderForm->SkinValues().MaxHeight;
      mmi->ptMaxPosition = {work.Left - a, work.Top + title - a - c};
      mmi->ptMaxSize = {work.Width() + 2 * a, work.Height() - title + 2 * a + c};
    }
  }
  next(m);
}

void TsSkinProvider::WMSetText(forms::TMessage& m, const forms::TWndNext& next) {
  const std::shared_ptr<bool> alive = alive_;
  next(m);
  if (!*alive) return;
  FCommonData->BGChanged = true;
  RepaintFrame();
}

void TsSkinProvider::WMSetRedraw(forms::TMessage& m, const forms::TWndNext& next) {
  RedrawLocks = std::max(0, RedrawLocks + (m.WParam == 0 ? 1 : -1));
  next(m);
}

void TsSkinProvider::WMRedrawFrameAfter(forms::TMessage& m, const forms::TWndNext& next) {
  const std::shared_ptr<bool> alive = alive_;
  next(m);
  if (!*alive) return;
  if (m.Msg == win::WM_STYLECHANGED) {
    UpdateGlyphTypes();
    if (SystemMenu) SystemMenu->UpdateItems(MenuFacts(), true);
    RgnChanged = true;
  }
  FCommonData->BGChanged = true;
  RepaintFrame();
}

}  // namespace skin
