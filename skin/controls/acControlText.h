#pragma once
// Control captions in skin colours: which section's text colours apply over a control
// (its own, or for look-through sections the one that shows through it), and the caption
// step every skinned control ends its picture with.
#include <string_view>

#include "platform/gfx/Geometry.h"

namespace gfx {
class Surface;
}
namespace forms {
class TControl;
}

namespace skin {

class TsCommonData;
class TsSkinManager;

// The section whose text colours apply to text over `control` drawn in section `section`
// and state `state` (nullptr manager: the default manager). With c = min(state, 2): a
// valid section that has the state and whose record c is at most 39 % transparent is used
// as it is when c > 0. Otherwise the parent is asked (scGetTextSection, the control's
// bounds in the parent's coordinates): "keep your own" gives `section`, no answer gives
// -1 (the caller uses the parent's font colour), any other answer the section in the
// query when it is not negative, else `section`. Without a parent: `section`.
int ResolveTextSection(forms::TControl* control, int section, TsSkinManager* manager, int state);

// Draws a control's caption into rect of surface (nothing for an empty text). Not skinned
// or CustomFont: the surface's text colour (disabled text embossed). Otherwise the text
// section is the control's own, or for a look-through section the one ResolveTextSection
// finds; with none found the parent's font colour is used plainly, and with a section the
// skin does not have the surface's text colour. With a section: the glow into the
// control's cached picture (withGlow, a cache, the record's GlowSize), then disabled text
// once in the blended colour or enabled text with its contours, every colour passed
// through the control's colour adjustments. A WEBBUTTON out of state 0 is underlined.
// The surface's state is the same after the call.
void WriteControlText(gfx::Surface& surface, std::u16string_view text, bool enabled, bool withGlow, int state,
                      TsCommonData& sd, unsigned format, const gfx::TRect& rect);

}  // namespace skin
