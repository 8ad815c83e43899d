// TsCommonData: how the background depends on size and place, whether a move makes the
// picture stale, and the outer effects of the children of a container.
#include "platform/forms/WinControls.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/acSkinData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acBackgroundQuery.h"

namespace skin {

namespace {

bool ModeIn(int m, std::initializer_list<int> set) {
  for (int v : set)
    if (v == m) return true;
  return false;
}

}  // namespace

void TsCommonData::UpdateBGType() {
  BGType = 0;
  TsSkinManager* m = GetSkinManager();
  if (m == nullptr || SkinIndex < 0) return;
  for (const auto& data : m->SkinDataArray) {
    if (data == nullptr || SkinIndex >= static_cast<int>(data->gd.size())) continue;
    const TsGenState& p = data->gd[static_cast<std::size_t>(SkinIndex)].Props[0];
    if (p.ImagePercent > 0 && p.TextureIndex >= 0 && p.TextureIndex < static_cast<int>(data->ma.size())) {
      const int mode = data->ma[static_cast<std::size_t>(p.TextureIndex)].DrawMode;
      if (ModeIn(mode, {1, 4, 5, 8, 9, 11, 12})) BGType |= bgtTextureStretched;
      if (ModeIn(mode, {0, 1, 3, 5, 10, 12})) BGType |= bgtTextureByHeight1;
      if (ModeIn(mode, {0, 1, 7, 9, 10, 12})) BGType |= bgtTextureByHeight2;
      if (ModeIn(mode, {0, 1, 2, 4, 10, 11})) BGType |= bgtTextureByWidth1;
      if (ModeIn(mode, {0, 1, 6, 8, 10, 11})) BGType |= bgtTextureByWidth2;
    }
    if (!p.GradientArray.empty() && (p.GradientPercent > 0 || (p.GradientArray[0].Mode & 0x20) != 0)) {
      switch (p.GradientArray[0].Mode & 3) {
        case 0: BGType |= bgtGradientDown; break;
        case 1: BGType |= bgtGradientAcross; break;
        case 2: BGType |= bgtGradientAcross | bgtGradientDown; break;
        default: break;
      }
    }
  }
}

bool TsCommonData::RepaintIfMoved() {
  if (!Skinned() || FOwnerControl == nullptr || SkinChanging() || !FOwnerControl->Enabled()) return true;
  const TsGeneralData* g = Section96();
  if (g == nullptr || g->Props[0].Transparency <= 0) return false;
  forms::TWinControl* parent = FOwnerControl->Parent();
  if (parent == nullptr || !parent->HandleAllocated()) return false;
  return SendSkinCommand(parent->Handle(), scBgVaries, 0) != 0;
}

void TsCommonData::PaintOuterEffects(forms::TWinControl* ownerControl, gfx::TPoint offset) {
  TsSkinManager* m = GetSkinManager();
  if (ownerControl == nullptr || !Skinned() || m == nullptr || !m->Effects.AllowOuterEffects) return;
  TsBackgroundQuery q;
  q.Kind = bqBitmap;
  q.Bitmap = FCacheBmp.get();
  q.Offset = offset;
  q.Color = KeyColor;
  for (int i = 0; i < ownerControl->ControlCount(); ++i) {
    forms::TControl* c = ownerControl->Controls(i);
    if (!c->Visible()) continue;
    auto* w = dynamic_cast<forms::TWinControl*>(c);
    if (w != nullptr) {
      if (w->HandleAllocated()) SendSkinCommand(w->Handle(), scPaintOuterEffect, reinterpret_cast<win::LPARAM>(&q));
    } else {
      c->Perform(SkinCmdMessage, SkinCmdWParam(scPaintOuterEffect), reinterpret_cast<win::LPARAM>(&q));
    }
  }
}

}  // namespace skin
