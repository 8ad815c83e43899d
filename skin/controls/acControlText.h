#pragma once
// A skinned control's caption: which section's text colours apply over the control (its
// own, or, for a see-through section, the nearest ancestor's that shows) and the caption
// drawn in those colours with contours and glow. Plain output for controls that are not
// skinned or keep their own font colour.
#include <string_view>

#include "platform/gfx/Geometry.h"

namespace forms {
class TControl;
}
namespace gfx {
class Surface;
}

namespace skin {

class TsCommonData;
class TsSkinManager;

// The section whose text colours apply to control's caption over section `section` in
// `state`: the own section when it shows in that state (state above 0, defined by the
// section, transparency 39 or less); otherwise the answer of the control's parent to the
// text-section question: -1 (the parent's font colour applies) when nobody answered, the
// own section when told to keep it, else the section answered.
int ResolveTextSection(forms::TControl* control, int section, TsSkinManager* manager, int state);

// Draws a control caption into rect of surface (nothing for an empty text): plain in the
// surface's text colour when the control is not skinned or has CustomFont; in the parent's
// font colour when no section answers; otherwise in the colours, contours and glow
// (withGlow, into the control's cache) of the text section in `state`, adjusted by the
// control's colour settings. A web button out of state 0 is underlined.
void WriteControlText(gfx::Surface& surface, std::u16string_view text, bool enabled, bool withGlow, int state,
                      TsCommonData& sd, unsigned format, const gfx::TRect& rect);

}  // namespace skin
