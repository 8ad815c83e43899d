#pragma once
// The background protocol between a control and its children: asking the parent what lies
// behind (QueryParentBackground), answering a child from the control's own picture or
// colour (FillBackgroundQuery, SectionColor, BackgroundColorAnswer), the text-section
// question and its passing on, the font colour of a caption over the parent, and whether
// a move or a resize makes pictures stale (UpdateBGType, RepaintIfMoved). Painting is not
// done here.
#include <cstdint>

#include "platform/win/Types.h"
#include "skin/render/acBackgroundQuery.h"
#include "skin/render/acTextSectionQuery.h"
#include "skin/render/pixels/sColors.h"

namespace forms {
class TControl;
class TWinControl;
}  // namespace forms

namespace skin {

class TsCommonData;
class TsSkinManager;

// Asks a parent control what lies behind its child. The whole record is set first (no
// bitmap, no border frame, Color KeyColor, not answered; Offset (0, 0) unless drawNow,
// where the asker's Offset, DrawRect and TargetDC are kept). An unanswered query becomes
// the parent's background colour, or with drawNow the parent paints itself into TargetDC.
void QueryParentBackground(TsBackgroundQuery& query, forms::TControl* parent, bool drawNow);
// The same addressed to a bare window (a parent that does not answer gives the manager's
// global colour, clBtnFace without an active manager).
void QueryParentBackground(TsBackgroundQuery& query, win::HWND parent, bool drawNow);

// The answer of a control's skin state to scGetBgInfo.
void FillBackgroundQuery(TsBackgroundQuery& query, TsCommonData& sd, int state);

// The colour a control shows behind its children in a state (as RGB).
TColor SectionColor(TsCommonData& sd, int state);
// The answer to scGetBgColor (as RGB).
TColor BackgroundColorAnswer(TsCommonData& sd);
// The background colour of a parent: its answer to scGetBgColor when it is skinned (so a
// black answer is black, not "no answer"), else its own colour; as RGB.
TColor ParentBackgroundColor(forms::TControl* parent);
// Whether a window is skinned: it names a live skin state or answers scIsSkinned.
bool WindowSkinned(win::HWND h);

// The section of a skin state is mostly transparent in a state (the see-through test of
// the section painting layer; false without a parent).
bool IsMostlyTransparent(const TsCommonData& sd, int state);
// The answer to scGetTextSection.
win::LRESULT AnswerTextSection(TsCommonData& sd, TacTextSectionQuery& query);
// Passes a text-section query from control c up to its parent (Bounds moved by c's
// position). The result is 1 when Section holds an answer (also when nobody above
// answered and Section still holds what c put there), 0 when there is no parent.
win::LRESULT PassTextSectionQuery(forms::TControl* c, TacTextSectionQuery& query);
// Sends a text-section query to a control: through its window when it has one.
win::LRESULT SendTextSectionQuery(forms::TControl* c, TacTextSectionQuery& query);

// The colour of text a control draws straight onto what its parent painted. sd may be
// nullptr (labels have no skin state); manager nullptr is the default manager.
TColor ResolveFontColor(forms::TControl* control, int section, TsSkinManager* manager, const TsCommonData* sd,
                        int state);

}  // namespace skin
