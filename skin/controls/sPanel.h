#pragma once
// TsPanel: the skinned container. Its whole face is a cached picture of the section its
// outer bevel chooses ("PANEL", "PANEL_LOW", "TRANSPARENT", "GROUPBOX"), with an optional
// caption and side shadow; children take that picture as their background (scGetBgInfo)
// and its non-windowed children are painted over it. The platform panel aligns the
// children; this class only keeps them from painting over a stale picture meanwhile.
#include <memory>

#include "platform/forms/ExtCtrls.h"
#include "skin/data/acSkinRecords.h"

namespace skin {

class Bitmap32;
class TsCtrlSkinData;
class TsCustomPanel;

enum TacSideShadowMode : int { ssmNone = 0, ssmInternal = 1 };

// The settings of a panel's side shadow: a strip along one side darkening toward the edge.
// Changing one drops the shadow's picture and repaints the panel.
class TacSideShadow : public forms::TPersistent {
  FORMS_CLASS(TacSideShadow)
 public:
  explicit TacSideShadow(TsCustomPanel* owner = nullptr) : owner_(owner) {}
  TacSideShadowMode Mode() const { return mode_; }
  void SetMode(TacSideShadowMode v);
  TacSide Side() const { return side_; }
  void SetSide(TacSide v);
  // Width of the strip in pixels at 96 dots per inch.
  int ShadowSize() const { return shadowSize_; }
  void SetShadowSize(int v);
  // Alpha byte at the dark edge.
  int Blend() const { return blend_; }
  void SetBlend(int v);
  void Invalidate();

 private:
  TsCustomPanel* owner_;
  TacSideShadowMode mode_ = ssmNone;
  TacSide side_ = asRight;
  int shadowSize_ = 6;
  int blend_ = 48;
};

using TacPaintEvent = forms::TEvent<void(forms::TObject* Sender, forms::TCanvas* Canvas)>;

class TsCustomPanel : public forms::TCustomPanel {
  FORMS_CLASS(TsCustomPanel)
 public:
  explicit TsCustomPanel(forms::TComponent* owner);
  ~TsCustomPanel() override;
  void AfterConstruction() override;
  void Loaded() override;

  // ---- Fields, in their declared order ----
  std::unique_ptr<TsCtrlSkinData> FCommonData;
  std::unique_ptr<TacSideShadow> FSideShadow;
  forms::TBevelCut FOldBevel = forms::TBevelCut::bvRaised;
  TacPaintEvent FOnPaint;
  std::unique_ptr<Bitmap32> ShadowBmp;

  TsCtrlSkinData* SkinData() const { return FCommonData.get(); }
  TacSideShadow* SideShadow() const { return FSideShadow.get(); }

  // Builds the picture; false when the parent's picture is not ready (the panel then
  // waits for scEndUpdate or the next paint).
  virtual bool PrepareCache();
  // Draws the caption into r on canvas (or, without one, on dc).
  virtual void WriteText(gfx::TRect r, gfx::Surface* canvas, win::HDC dc);
  // Paints the panel into dc (nullptr: its own canvas's surface); with sendEndUpdate the
  // showing children are told to paint afterwards.
  virtual void PaintToDC(win::HDC dc, bool sendEndUpdate);
  // The section name the outer bevel chooses.
  static const char16_t* BevelSection(forms::TBevelCut outer);
  // The caption rectangle: the client area inside the border and every bevel.
  gfx::TRect TextRect() const { return CaptionRect(); }
  // The colour the custom-colour path fills with: the panel's colour, mixed with what lies
  // behind it for a partly transparent section.
  TColor CustomFillColor();

  void WndProc(forms::TMessage& m) override;

 protected:
  void Paint() override;
  void PaintWindow(win::HDC dc) override;

 private:
  bool Painting() const;
  bool PaintingCopy() const;
  void PaintSideShadow();
  void PaintCustomColor(win::HDC dc);
  void PaintCached(win::HDC dc);
  void TellChildrenEndUpdate();
  void Repaint(bool withChildren);

  // Skin commands.
  void SkinCommand(forms::TMessage& m);
  void SCNewSkin(forms::TMessage& m);
  void SCRemoveSkin(forms::TMessage& m);
  void SCRefresh(forms::TMessage& m);
  void SCGetDefaultIndex(forms::TMessage& m);
  void SCGetBgInfo(forms::TMessage& m);
  void SCEndUpdate(forms::TMessage& m);
  void SCPrepareCache(forms::TMessage& m);

  // Window messages while skinned; true: handled, nothing more.
  bool WMSize(forms::TMessage& m);
  void WMPaint(forms::TMessage& m);
  void WMEraseBkgnd(forms::TMessage& m);
  void WMWindowPosChanging(forms::TMessage& m);
  void WMPrintClient(forms::TMessage& m);
  void CMVisibleChanged(forms::TMessage& m);
  void CMColorChanged(forms::TMessage& m);
  void CMShowingChanged(forms::TMessage& m);
  void CMTextChanged(forms::TMessage& m);
  void CMInvalidate(forms::TMessage& m);
  void WMSetText(const forms::TMessage& m);
  void AfterMessage(const forms::TMessage& m);
  // Messages while not skinned.
  void UnskinnedMessage(forms::TMessage& m);
};

class TsPanel : public TsCustomPanel {
  FORMS_CLASS(TsPanel)
 public:
  using TsCustomPanel::TsCustomPanel;
};

}  // namespace skin
