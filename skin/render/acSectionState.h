#pragma once
// The state a request stands for in a section: limited to the states the section defines,
// and the property record that state reads (sections with more than three states share
// the third record). Also the section record of an index, as the text routines look it up.
#include <algorithm>

#include "skin/data/acSkinRecords.h"

namespace skin {

class TacSkinLoader;

// s limited to 0 .. States - 1 (a section that claims no states has state 0 only).
inline int LimitSectionState(const TsGeneralData& g, int state) { return std::max(0, std::min(state, g.States - 1)); }

// Props[min(limited state, 2)].
inline const TsGenState& SectionStateProps(const TsGeneralData& g, int state) {
  return g.Props[static_cast<std::size_t>(std::min(LimitSectionState(g, state), 2))];
}

// The section of the manager's data set for 96 dots per inch (where the colours of text
// are read), or nullptr when there is no manager, no loaded set or the index is not valid.
const TsGeneralData* SectionOf(const TacSkinLoader* manager, int index);

}  // namespace skin
