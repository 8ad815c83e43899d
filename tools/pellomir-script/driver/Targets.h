#pragma once
// What a command points at in the running program: components found by name (a bare name
// in the active form first, then in the other forms, most recently active first; or
// Form.Name), the screen point a pointer command uses, and the text `text` prints.
#include <string>

#include "platform/gfx/Geometry.h"
#include "tools/pellomir-script/driver/ScriptParser.h"

namespace forms {
class TComponent;
class TControl;
}  // namespace forms

namespace script {

// The component a target names; throws ScriptError when there is none. Among several
// forms holding the name, the first in lookup order whose control is showing wins.
forms::TComponent* FindTarget(const Target& t, int line);

// A control's screen rectangle clipped to its parents' client areas and to the screen.
gfx::TRect VisibleRect(const forms::TControl& c);

// The screen point of a target: the point itself, or the centre of the named control's
// visible rectangle; throws ScriptError when the control is not a control or not visible.
gfx::TPoint TargetPoint(const Target& t, int line);

struct NamedText {
  std::string name;  // the name to print
  std::u16string text;
};
// The text of the named component (a form's caption, a control's text) or of whatever
// lies at the point (its component's name, or "-" for a window without one).
NamedText TargetText(const Target& t, int line);

}  // namespace script
