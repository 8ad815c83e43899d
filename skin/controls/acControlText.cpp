#include "skin/controls/acControlText.h"

#include <algorithm>

#include "platform/forms/WinControls.h"
#include "platform/forms/Graphics.h"
#include "platform/gfx/Surface.h"
#include "skin/controls/acBackgroundAnswer.h"
#include "skin/controls/sCommonData.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/acSectionSeeThrough.h"
#include "skin/render/acSectionState.h"
#include "skin/render/acSectionText.h"

namespace skin {

int ResolveTextSection(forms::TControl* control, int section, TsSkinManager* manager, int state) {
  TsSkinManager* m = manager != nullptr ? manager : DefaultManager();
  const int c = std::min(std::max(state, 0), 2);
  const TsGeneralData* g = SectionOf(m, section);
  if (c > 0 && g != nullptr && state < g->States && g->Props[static_cast<std::size_t>(c)].Transparency <= 39)
    return section;
  if (control == nullptr || control->Parent() == nullptr) return section;
  TacTextSectionQuery q;
  q.State = state;
  q.Section = 0;
  q.Bounds = control->BoundsRect();
  q.Manager = m;
  const win::LRESULT r = SendTextSectionQuery(control->Parent(), q);
  if (r == acTextSectionKeepOwn) return section;
  if (r == acTextSectionNoAnswer) return -1;
  return q.Section >= 0 ? q.Section : section;
}

void WriteControlText(gfx::Surface& surface, std::u16string_view text, bool enabled, bool withGlow, int state,
                      TsCommonData& sd, unsigned format, const gfx::TRect& rect) {
  if (text.empty()) return;
  TsSkinManager* m = sd.GetSkinManager();
  TacCaptionStyle style;
  const bool skinned = sd.Skinned() && m != nullptr;
  if (skinned && state != 0) {
    const TsGeneralData* own = SectionOf(m, sd.SkinIndex);
    style.Underline = own != nullptr && own->ClassName == u"WEBBUTTON";
  }
  if (!skinned || sd.FCustomFont) {
    WriteStateText(surface, text, enabled, style, format, rect);
    return;
  }
  forms::TControl* owner = sd.FOwnerControl;
  const bool hasParent = owner != nullptr && owner->Parent() != nullptr;
  int section = sd.SkinIndex;
  if (hasParent && IsTextLookThroughSection(m, section)) section = ResolveTextSection(owner, section, m, state);
  if (section < 0 && hasParent) {
    surface.SetTextColor(forms::ColorToRGB(owner->Parent()->Font()->Color()));
    WriteStateText(surface, text, enabled, style, format, rect);
    return;
  }
  const TsGeneralData* g = SectionOf(m, section);
  if (g == nullptr) {
    style.Coloring = TacCaptionColoring::CurrentColor;
    WriteStateText(surface, text, enabled, style, format, rect);
    return;
  }
  style.Coloring = TacCaptionColoring::Skin;
  style.Props = &SectionStateProps(*g, state);
  style.Adjust = {sd.FColorTone, sd.FHUEOffset, sd.FSaturation};
  style.GlobalColor = m->GetGlobalColor();
  style.GlowTarget = withGlow ? sd.FCacheBmp.get() : nullptr;
  WriteStateText(surface, text, enabled, style, format, rect);
}

}  // namespace skin
