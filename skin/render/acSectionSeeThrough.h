#pragma once
// Whether a section lets what lies behind it show in a state, so that text drawn over a
// control of that section takes the colours of the nearest ancestor whose section shows.
// One test serves both the caption colours and the text-section question that controls
// pass up to their parents.
namespace skin {

class TacSkinLoader;

// The see-through (mostly transparent) test of section `section` in state `state`, on the
// manager's data set for 96 dots per inch. With s limited to the section's states and t
// the transparency of its record: false for an invalid section or t <= 50; true when the
// section has no border image. With a border image E: in state 0, true when E has no
// centre (DrawMode bit 2 clear) or is not drawn in state 0 (bit 1 set); in other states,
// true when E has no centre, else for a masked E whether the blue byte of the mask pixel
// in the middle of the state's picture is 128 or more, false for any other E. The
// picture read is the last one for a state past the entry's pictures, and the pixel lies
// inside the entry's area and its bitmap (else: not see-through).
// A control without a parent is never see-through: callers answer that themselves.
bool IsSectionSeeThrough(const TacSkinLoader* manager, int section, int state);

// Whether text over the section may take its colours from what shows through it: the
// sections of the first ten entries of the constant section table (MENUITEM, CHECKBOX,
// SPEEDBUTTON, SPEEDBUTTON_SMALL, TOOLBUTTON, TRANSPARENT, GROUPBOX, DIVIDER, WEBBUTTON,
// BUTTON) as the manager resolved them.
bool IsTextLookThroughSection(const TacSkinLoader* manager, int section);

}  // namespace skin
