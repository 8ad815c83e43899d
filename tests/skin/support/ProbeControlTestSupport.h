#pragma once
// Probe controls for the skin state tests: a windowed control with a settable kind code
// whose picture is its section painted over what its parent answers (PaintControlSection),
// a container that also paints its non-windowed children, and a non-windowed child that
// paints a square with a key-colour hole. They follow the window-procedure shape of every
// skinned control and count how often they build their picture.
#include <string>

#include "platform/forms/Forms.h"
#include "platform/forms/WinControls.h"
#include "platform/gfx/Surface.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/acCachePaint.h"
#include "skin/controls/acCommonControlMessage.h"
#include "skin/controls/acControlKinds.h"
#include "skin/controls/acControlSection.h"
#include "skin/controls/acSkinCommandDispatch.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/sSkinManager.h"

namespace skin::test {

class TProbeControl : public forms::TCustomControl {
 public:
  explicit TProbeControl(forms::TComponent* owner, std::uint8_t coc = cocGroupBox, bool withCache = true)
      : forms::TCustomControl(owner) {
    SkinData = std::make_unique<TsCtrlSkinData>(this, withCache);
    SkinData->COC = coc;
    SetBounds(0, 0, 60, 40);
  }
  ~TProbeControl() override { SkinData.reset(); }

  std::unique_ptr<TsCtrlSkinData> SkinData;
  std::u16string DefaultSection = u"GROUPBOX";  // answered to scGetDefaultIndex
  int Prepares = 0;                             // pictures built
  int PaintsSkipped = 0;                        // prepares that found the parent not ready

  // Builds the picture over what the parent answers; false (still stale) when the parent
  // has no picture yet.
  bool PrepareCache() {
    TsCommonData& sd = *SkinData;
    if (!sd.PrepareCacheBitmap()) return false;
    TsBackgroundQuery q;
    QueryParentBackground(q, Parent(), false);
    if (q.Kind == bqNotReady) {
      sd.FUpdating = true;
      ++PaintsSkipped;
      return false;
    }
    ++Prepares;
    PaintControlSection(sd, ToBgInfo(q), true, sd.FCacheBmp.get(), {Left(), Top()}, {0, 0, Width(), Height()},
                        sd.CommonState());
    sd.BGChanged = false;
    return true;
  }

  void WndProc(forms::TMessage& m) override {
    TsCommonData& sd = *SkinData;
    if (m.Msg == SkinCmdMessage) {
      switch (SkinCmdOf(m.WParam)) {
        case scGetDefaultIndex: {
          TsSkinManager* mgr = sd.GetSkinManager();
          m.Result = mgr != nullptr ? mgr->GetSkinIndex(DefaultSection) + 1 : 0;
          return;
        }
        case scGetDefaultKind: m.Result = 9; return;
        case scPrepareCache:
          // The cache of a control with none of its own (see-through) cannot be built.
          if (sd.FCacheBmp != nullptr) PrepareCache();
          else sd.BGChanged = false;
          return;
        default:
          if (DispatchSkinCommand(m, sd)) return;
          break;
      }
      forms::TCustomControl::WndProc(m);
      return;
    }
    if (m.Msg == win::WM_CREATE || m.Msg == win::WM_NCCREATE) sd.InitCommonProp();
    if (Parent() == nullptr || !HandleAllocated() || !sd.Skinned(true)) {
      forms::TCustomControl::WndProc(m);
      return;
    }
    switch (m.Msg) {
      case win::WM_PAINT: PaintFromCache(m, sd); return;
      case win::WM_ERASEBKGND: EraseFromCache(m, sd); return;
      case win::WM_PRINT: PrintFromCache(m, sd); return;
      default: break;
    }
    if (CommonControlMessage(m, sd)) return;
    forms::TCustomControl::WndProc(m);
  }
};

// A non-windowed child: a square of its colour with a key-colour hole in the middle.
class TProbeGraphic : public forms::TGraphicControl {
 public:
  explicit TProbeGraphic(forms::TComponent* owner, TColor colour) : forms::TGraphicControl(owner), colour_(colour) {
    SetBounds(0, 0, 12, 12);
  }
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    gfx::Surface* dc = Canvas()->Handle();
    dc->FillRect({0, 0, Width(), Height()}, colour_);
    dc->FillRect({Width() / 4, Height() / 4, Width() - Width() / 4, Height() - Height() / 4}, KeyColor);
  }

 private:
  TColor colour_;
};

}  // namespace skin::test
