#include "skin/controls/acCommonControlMessage.h"

#include "platform/forms/Forms.h"
#include "platform/forms/WinControls.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintApi.h"
#include "platform/win/Positions.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/acSkinCommandDispatch.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/sSkinManager.h"

namespace skin {

namespace {

using forms::TMessage;

// The parent's picture shows this control's place: tell it, unless it is updating.
void TellParentBackgroundChanged(TsCommonData& sd) {
  forms::TWinControl* w = sd.OwnerWindowed();
  TsSkinManager* m = sd.GetSkinManager();
  // Only an outer effect of this control shows on the parent's picture.
  if (w == nullptr || !w->Visible() || m == nullptr || !m->Effects.AllowOuterEffects || sd.FOuterEffects == nullptr ||
      sd.FOuterEffects->Visibility() != ovAlways)
    return;
  forms::TWinControl* parent = w->Parent();
  if (parent == nullptr || !parent->HandleAllocated()) return;
  if (SendSkinCommand(parent->Handle(), scIsUpdating, 0) != 0) return;
  SendSkinCommand(parent->Handle(), scParentBgChanged, 0);
  SendSkinCommand(parent->Handle(), scPrepareCache, 0);
}

void WMMove(TsCommonData& sd) {
  if (!sd.Skinned()) return;
  TellParentBackgroundChanged(sd);
  if (sd.RepaintIfMoved()) {
    sd.BGChanged = true;
    if (!sd.SkinChanging()) sd.SendToOwner(scMoved, 0, 1);
  }
  sd.RemoveGlow();
}

void WMSize(TsCommonData& sd) {
  if (!sd.Skinned()) return;
  // The window system sends a size with every placement: one that changes nothing (no
  // pending change, the picture has the control's size) leaves the picture as it is.
  if ((sd.CtrlSkinState & (cssWidthChanging | cssHeightChanging)) == 0 && sd.CacheValid()) return;
  sd.BGChanged = true;
  TellParentBackgroundChanged(sd);
  const bool widthMatters = (sd.CtrlSkinState & cssWidthChanging) != 0 && (sd.BGType & bgtWidthMask) != 0;
  const bool heightMatters = (sd.CtrlSkinState & cssHeightChanging) != 0 && (sd.BGType & bgtHeightMask) != 0;
  if (widthMatters || heightMatters) {
    if (forms::TWinControl* w = sd.OwnerWindowed()) {
      for (int i = 0; i < w->ControlCount(); ++i) {
        forms::TControl* c = w->Controls(i);
        if (c->IsDestroying()) continue;
        auto* cw = dynamic_cast<forms::TWinControl*>(c);
        if (cw != nullptr && cw->HandleAllocated()) SendSkinCommand(cw->Handle(), scMoved, 0, 1);
        else c->Perform(SkinCmdMessage, SkinCmdWParam(scMoved, 1), 0);
      }
    }
  }
  sd.CtrlSkinState &= ~static_cast<std::uint32_t>(cssWidthChanging | cssHeightChanging);
  if (!sd.IsFading()) sd.RemoveGlow();
}

void WMWindowPosChanging(TMessage& m, TsCommonData& sd) {
  const auto* wp = reinterpret_cast<const win::WINDOWPOS*>(m.LParam);
  // A reposition that keeps the size carries no size to compare.
  if (wp == nullptr || (wp->flags & win::SWP_NOSIZE) != 0) return;
  const win::HWND h = sd.OwnerHandle();
  win::RECT r{};
  if (h == nullptr || !win::GetWindowRect(h, &r)) return;
  if (wp->cx != r.Width()) sd.CtrlSkinState |= cssWidthChanging;
  if (wp->cy != r.Height()) sd.CtrlSkinState |= cssHeightChanging;
}

bool Focusable(const forms::TWinControl* w) { return w->CanFocus() && w->TabStop(); }

void RepaintFrame(forms::TWinControl* w, bool changed) {
  if (!w->HandleAllocated()) return;
  if (changed) win::InvalidateRect(w->Handle(), nullptr, win::FALSE);
  win::SendMessage(w->Handle(), win::WM_NCPAINT, 1, 0);
}

void WMSetFocus(TsCommonData& sd) {
  forms::TWinControl* w = sd.OwnerWindowed();
  if (!sd.Skinned() || w == nullptr || !Focusable(w) || sd.FullyTransparent()) return;
  sd.BGChanged = true;
  sd.FFocused = true;
  const TsGeneralData* g = sd.Section96();
  if (g != nullptr && ColorsFollowState(sd.COC) && g->States > 1) RepaintFrame(w, SetStateColors(sd, g->Props[1]));
}

void WMKillFocus(TsCommonData& sd) {
  forms::TWinControl* w = sd.OwnerWindowed();
  if (!sd.Skinned() || w == nullptr || !Focusable(w) || sd.FullyTransparent()) return;
  sd.BGChanged = true;
  sd.FFocused = false;
  const TsGeneralData* g = sd.Section96();
  if (g == nullptr || !ColorsFollowState(sd.COC)) return;
  bool changed = false;
  if (sd.CommonState() == 0) changed = SetStateColors(sd, g->Props[0]);
  if (w->Visible()) RepaintFrame(w, changed);
}

void CMEnabledChanged(TsCommonData& sd) {
  sd.FMouseAbove = false;
  sd.FFocused = false;
  sd.BGChanged = true;
  if (sd.FOwnerControl != nullptr && !sd.FOwnerControl->Enabled()) sd.RemoveGlow();
}

void CMVisibleChanged(TMessage& m, TsCommonData& sd) {
  sd.FCommonSkinData = nullptr;
  const bool shown = m.WParam != 0;
  if (!shown) sd.RemoveGlow();
  TsSkinManager* mgr = sd.GetSkinManager();
  if (mgr != nullptr && mgr->Options.OptimizingPriority == TacOptimizingPriority::opMemory) {
    if (shown) {
      sd.FUpdating = false;
    } else {
      sd.EmptyCache();
      if (forms::TWinControl* w = sd.OwnerWindowed())
        BroadcastToChildren(w, SkinCmdMessage, SkinCmdWParam(scResetCache), 0);
    }
  }
  sd.BGChanged = true;
  if (sd.FOuterEffects != nullptr && sd.FOuterEffects->Visibility() == ovAlways && sd.FOwnerControl != nullptr &&
      sd.FOwnerControl->Parent() != nullptr)
    sd.FOwnerControl->Parent()->Invalidate();
}

void WMParentNotify(TMessage& m, TsCommonData& sd) {
  if ((m.WParam & 0xFFFF) != win::WM_CREATE) return;
  forms::TWinControl* w = sd.OwnerWindowed();
  if (w == nullptr || !sd.Skinned()) return;
  if (forms::TCustomForm* form = forms::GetParentForm(w); form != nullptr && form->HandleAllocated())
    SendSkinCommand(form->Handle(), scControlLoaded, reinterpret_cast<win::LPARAM>(w));
}

// Not skinned: the window's classic frame goes into the DC.
bool WMPrintUnskinned(TMessage& m, TsCommonData& sd) {
  const win::HWND h = sd.OwnerHandle();
  if (sd.Skinned() || m.WParam == 0 || h == nullptr) return false;
  win::DefWindowProc(h, win::WM_PRINT, m.WParam, win::PRF_NONCLIENT);
  return true;
}

}  // namespace

bool CommonControlMessage(TMessage& m, TsCommonData& sd) {
  switch (m.Msg) {
    case win::WM_CREATE:
    case win::WM_NCCREATE: sd.InitCommonProp(); return false;
    case win::WM_MOVE: WMMove(sd); return false;
    case win::WM_SIZE: WMSize(sd); return false;
    case win::WM_WINDOWPOSCHANGING: WMWindowPosChanging(m, sd); return false;
    case win::WM_SETFOCUS: WMSetFocus(sd); return false;
    case win::WM_KILLFOCUS: WMKillFocus(sd); return false;
    case win::WM_SHOWWINDOW: sd.StopFade(); return false;
    case forms::CM_ENABLEDCHANGED:
    case win::WM_FONTCHANGE: CMEnabledChanged(sd); return false;
    case forms::CM_VISIBLECHANGED: CMVisibleChanged(m, sd); return false;
    case forms::CM_MOUSEENTER: sd.MouseEnter(); return false;
    case forms::CM_MOUSELEAVE: sd.MouseLeave(); return false;
    case forms::CM_SHOWINGCHANGED:
      if (sd.FOwnerControl != nullptr && sd.FOwnerControl->Visible()) sd.Loaded(true);
      return false;
    case win::WM_UPDATEUISTATE: return sd.Skinned();
    case win::WM_PARENTNOTIFY: WMParentNotify(m, sd); return false;
    case win::WM_DPICHANGED: sd.FCommonSkinData = nullptr; return false;
    case win::WM_PRINT: return WMPrintUnskinned(m, sd);
    case SkinCmdMessage: return DispatchSkinCommand(m, sd);
    default: return false;
  }
}

}  // namespace skin
