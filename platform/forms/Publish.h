#pragma once
// Groups of published properties that several control classes share, each with the
// default its class uses. A group is compiled once (Publish.cpp) over a builder of the
// class that declares its properties; a class's own builder converts to it:
//
//   FORMS_DEFINE_CLASS(TButton, TButtonControl, [](auto& b) {
//     publish::WinControl(b, clBtnFace, true);
//     ...
//   })
//
// Include next to ClassBuilder.h.
#include "platform/gfx/Color.h"

namespace forms {

class TControl;
class TWinControl;
struct TPropInfo;
template <class T>
class TClassBuilder;

namespace publish {

void Bounds(TClassBuilder<TControl> b);
void Layout(TClassBuilder<TControl> b);
TPropInfo& Caption(TClassBuilder<TControl> b, const char16_t* name = u"Caption");
void Color(TClassBuilder<TControl> b, gfx::TColor def);
void Font(TClassBuilder<TControl> b);
void State(TClassBuilder<TControl> b, bool visibleDefault = true);
void MouseEvents(TClassBuilder<TControl> b);
void TabStops(TClassBuilder<TWinControl> b, bool tabStopDefault);
void KeyEvents(TClassBuilder<TWinControl> b);
void WinLooks(TClassBuilder<TWinControl> b);
void Bevels(TClassBuilder<TWinControl> b);

// Everything a visible windowed control of the framework publishes.
void WinControl(TClassBuilder<TWinControl> b, gfx::TColor color, bool tabStop);
// Everything a graphic control of the framework publishes.
void GraphicControl(TClassBuilder<TControl> b, gfx::TColor color);

}  // namespace publish
}  // namespace forms
