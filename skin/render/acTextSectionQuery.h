#pragma once
// The text-section query: the record a control sends up its parents (skin command
// scGetTextSection, LParam pointing to it) to learn which section's text colours apply
// over it. Each control that passes it on moves Bounds by its own position.
//
// Answers: non-zero when Section holds the answer (a control that is not see-through
// puts its section index there and answers 1; the index is never returned as the result,
// so section 0 cannot be mistaken for "no answer"); 0 when nobody answered (the asker
// uses its parent's font colour); -1 keeps the asker's own section.
#include <cstdint>

#include "platform/gfx/Geometry.h"

namespace skin {

class TsSkinManager;

struct TacTextSectionQuery {
  std::int32_t State = 0;            // the state asked about
  std::int32_t Section = 0;          // the answer's section index (0 on entry for a caption,
                                     // the asker's own section for a label's colour)
  gfx::TRect Bounds;                 // the asker, in the coordinates of the control asked
  TsSkinManager* Manager = nullptr;  // the asker's skin manager
};

// What a query's result means to the asker.
inline constexpr std::intptr_t acTextSectionNoAnswer = 0;
inline constexpr std::intptr_t acTextSectionKeepOwn = -1;

}  // namespace skin
