// The property groups of Publish.h, compiled once over the classes that declare them.
#include "platform/forms/Publish.h"

#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Forms.h"

namespace forms::publish {

void Bounds(TClassBuilder<TControl> b) {
  b.Integer(u"Left", &TControl::Left, &TControl::SetLeft, std::nullopt);
  b.Integer(u"Top", &TControl::Top, &TControl::SetTop, std::nullopt);
  b.Integer(u"Width", &TControl::Width, &TControl::SetWidth, std::nullopt);
  b.Integer(u"Height", &TControl::Height, &TControl::SetHeight, std::nullopt);
}

void Layout(TClassBuilder<TControl> b) {
  b.Enum(u"Align", AlignInfo(), &TControl::Align, &TControl::SetAlign, std::optional(TAlign::alNone));
  b.Set(u"Anchors", AnchorKindInfo(), &TControl::Anchors, &TControl::SetAnchors,
        TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop});
  b.Object(u"Constraints", [](TControl* c) -> TPersistent* { return c->Constraints(); });
}

TPropInfo& Caption(TClassBuilder<TControl> b, const char16_t* name) {
  return b.String(name, &TControl::GetText, &TControl::SetText);
}

void Color(TClassBuilder<TControl> b, TColor def) {
  b.Integer(u"Color", &TControl::Color, &TControl::SetColor, def, &ColorIdents()).stored = [](const TObject* o) {
    return !static_cast<const TControl*>(o)->ParentColor();
  };
  b.Bool(u"ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false);
}

void Font(TClassBuilder<TControl> b) {
  b.Object(u"Font", [](TControl* c) -> TPersistent* { return c->Font(); }).stored = [](const TObject* o) {
    return !static_cast<const TControl*>(o)->ParentFont();
  };
  b.Bool(u"ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true);
}

void State(TClassBuilder<TControl> b, bool visibleDefault) {
  b.Bool(u"Enabled", &TControl::Enabled, &TControl::SetEnabled, true);
  b.Bool(u"Visible", &TControl::Visible, &TControl::SetVisible, visibleDefault);
  b.Integer(u"Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault, &CursorIdents());
  b.String(u"Hint", &TControl::Hint, &TControl::SetHint);
  b.Bool(u"ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false).stored = [](const TObject* o) {
    return !static_cast<const TControl*>(o)->ParentShowHint();
  };
  b.Bool(u"ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true);
  b.Enum(u"BiDiMode", BiDiModeInfo(), &TControl::BiDiMode, &TControl::SetBiDiMode,
         std::optional(TBiDiMode::bdLeftToRight));
}

void MouseEvents(TClassBuilder<TControl> b) {
  b.Event(u"OnClick", &TControl::OnClick);
  b.Event(u"OnDblClick", &TControl::OnDblClick);
  b.Event(u"OnMouseDown", &TControl::OnMouseDown);
  b.Event(u"OnMouseUp", &TControl::OnMouseUp);
  b.Event(u"OnMouseMove", &TControl::OnMouseMove);
  b.Event(u"OnMouseEnter", &TControl::OnMouseEnter);
  b.Event(u"OnMouseLeave", &TControl::OnMouseLeave);
}

void TabStops(TClassBuilder<TWinControl> b, bool tabStopDefault) {
  b.Integer(u"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1);
  b.Bool(u"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, tabStopDefault);
}

void KeyEvents(TClassBuilder<TWinControl> b) {
  b.Event(u"OnEnter", &TWinControl::OnEnter);
  b.Event(u"OnExit", &TWinControl::OnExit);
  b.Event(u"OnKeyDown", &TWinControl::OnKeyDown);
  b.Event(u"OnKeyUp", &TWinControl::OnKeyUp);
  b.Event(u"OnKeyPress", &TWinControl::OnKeyPress);
}

void WinLooks(TClassBuilder<TWinControl> b) {
  b.Bool(u"DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered, false);
  b.Bool(u"Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D, true).stored = [](const TObject* o) {
    return !static_cast<const TWinControl*>(o)->ParentCtl3D();
  };
  b.Bool(u"ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D, true);
}

void Bevels(TClassBuilder<TWinControl> b) {
  b.Enum(u"BevelInner", BevelCutInfo(), &TWinControl::BevelInner, &TWinControl::SetBevelInner,
         std::optional(TBevelCut::bvRaised));
  b.Enum(u"BevelOuter", BevelCutInfo(), &TWinControl::BevelOuter, &TWinControl::SetBevelOuter,
         std::optional(TBevelCut::bvLowered));
  b.Enum(u"BevelKind", BevelKindInfo(), &TWinControl::BevelKind, &TWinControl::SetBevelKind,
         std::optional(TBevelKind::bkNone));
  b.Integer(u"BevelWidth", &TWinControl::BevelWidth, &TWinControl::SetBevelWidth, 1);
}

void WinControl(TClassBuilder<TWinControl> b, TColor color, bool tabStop) {
  Bounds(b);
  Layout(b);
  Color(b, color);
  Font(b);
  State(b);
  MouseEvents(b);
  TabStops(b, tabStop);
  KeyEvents(b);
  WinLooks(b);
}

void GraphicControl(TClassBuilder<TControl> b, TColor color) {
  Bounds(b);
  Layout(b);
  Color(b, color);
  Font(b);
  State(b);
  MouseEvents(b);
}

}  // namespace forms::publish
