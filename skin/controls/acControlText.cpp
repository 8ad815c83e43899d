#include "skin/controls/acControlText.h"

#include <algorithm>

#include "platform/forms/Controls.h"
#include "platform/forms/WinControls.h"
#include "platform/forms/Graphics.h"
#include "platform/gfx/Surface.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/sConst.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acSectionSeeThrough.h"
#include "skin/render/acSectionState.h"
#include "skin/render/acSectionText.h"
#include "skin/render/acTextSectionQuery.h"

namespace skin {

int ResolveTextSection(forms::TControl* control, int section, TsSkinManager* manager, int state) {
  TsSkinManager* m = manager != nullptr ? manager : DefaultManager();
  const int c = std::clamp(state, 0, 2);
  const TsGeneralData* g = SectionOf(m, section);
  if (c > 0 && g != nullptr && state < g->States && SectionStateProps(*g, c).Transparency <= 39) return section;
  if (control == nullptr || control->Parent() == nullptr) return section;
  TacTextSectionQuery q;
  q.State = c;
  q.Section = 0;
  q.Bounds = {control->Left(), control->Top(), control->Left() + control->Width(), control->Top() + control->Height()};
  q.Manager = m;
  const win::LRESULT r = SendTextSectionQuery(control->Parent(), q);
  if (r == acTextSectionKeepOwn) return section;
  if (r == acTextSectionNoAnswer) return -1;
  return q.Section >= 0 ? q.Section : section;
}

void WriteControlText(gfx::Surface& surface, std::u16string_view text, bool enabled, bool withGlow, int state,
                      TsCommonData& sd, unsigned format, const gfx::TRect& rect) {
  if (text.empty()) return;
  TacCaptionStyle style;
  TsSkinManager* m = sd.GetSkinManager();
  forms::TControl* owner = sd.FOwnerControl;
  const bool skinned = sd.Skinned() && m != nullptr;
  // A web button out of its normal look is underlined, in plain output too.
  if (skinned && state != 0) {
    const int web = m->SkinCommonInfo.Sections[ssWebBtn];
    style.Underline = web >= 0 && sd.SkinIndex == web;
  }
  if (!skinned || sd.FCustomFont) {
    WriteStateText(surface, text, enabled, style, format, rect);
    return;
  }
  int section = sd.SkinIndex;
  const bool hasParent = owner != nullptr && owner->Parent() != nullptr;
  if (hasParent && IsTextLookThroughSection(m, section)) section = ResolveTextSection(owner, section, m, state);
  const int level = surface.Save();
  if (section < 0 && hasParent) {
    surface.SetTextColor(forms::ColorToRGB(owner->Parent()->Font()->Color()));
  } else if (const TsGeneralData* g = SectionOf(m, section); g == nullptr) {
    style.Coloring = TacCaptionColoring::CurrentColor;
  } else {
    style.Coloring = TacCaptionColoring::Skin;
    style.Props = &SectionStateProps(*g, state);
    style.Adjust = {sd.FColorTone, sd.FHUEOffset, sd.FSaturation};
    style.GlobalColor = m->GetGlobalColor();
    if (withGlow && sd.CacheValid()) style.GlowTarget = sd.FCacheBmp.get();
  }
  WriteStateText(surface, text, enabled, style, format, rect);
  surface.Restore(level);
}

}  // namespace skin
