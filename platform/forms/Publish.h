#pragma once
// Groups of published properties that several control classes share, each with the
// default its class uses. Include only in .cpp files next to ClassBuilder.h.
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Forms.h"
#include "platform/forms/TypInfo.h"

namespace forms::publish {

template <class B>
void Bounds(B& b) {
  b.Integer(u"Left", &TControl::Left, &TControl::SetLeft, std::nullopt);
  b.Integer(u"Top", &TControl::Top, &TControl::SetTop, std::nullopt);
  b.Integer(u"Width", &TControl::Width, &TControl::SetWidth, std::nullopt);
  b.Integer(u"Height", &TControl::Height, &TControl::SetHeight, std::nullopt);
}

template <class B>
void Layout(B& b) {
  b.Enum(u"Align", AlignInfo(), &TControl::Align, &TControl::SetAlign, std::optional(TAlign::alNone));
  b.Set(u"Anchors", AnchorKindInfo(), &TControl::Anchors, &TControl::SetAnchors,
        TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop});
  b.Object(u"Constraints", [](TControl* c) -> TPersistent* { return c->Constraints(); });
}

template <class B>
TPropInfo& Caption(B& b, const char16_t* name = u"Caption") {
  return b.String(name, &TControl::GetText, &TControl::SetText);
}

template <class B>
void Color(B& b, TColor def) {
  b.Integer(u"Color", &TControl::Color, &TControl::SetColor, def, &ColorIdents()).stored = [](const TObject* o) {
    return !static_cast<const TControl*>(o)->ParentColor();
  };
  b.Bool(u"ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false);
}

template <class B>
void Font(B& b) {
  b.Object(u"Font", [](TControl* c) -> TPersistent* { return c->Font(); }).stored = [](const TObject* o) {
    return !static_cast<const TControl*>(o)->ParentFont();
  };
  b.Bool(u"ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true);
}

template <class B>
void State(B& b, bool visibleDefault = true) {
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

template <class B>
void MouseEvents(B& b) {
  b.Event(u"OnClick", &TControl::OnClick);
  b.Event(u"OnDblClick", &TControl::OnDblClick);
  b.Event(u"OnMouseDown", &TControl::OnMouseDown);
  b.Event(u"OnMouseUp", &TControl::OnMouseUp);
  b.Event(u"OnMouseMove", &TControl::OnMouseMove);
  b.Event(u"OnMouseEnter", &TControl::OnMouseEnter);
  b.Event(u"OnMouseLeave", &TControl::OnMouseLeave);
}

template <class B>
void TabStops(B& b, bool tabStopDefault) {
  b.Integer(u"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1);
  b.Bool(u"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, tabStopDefault);
}

template <class B>
void KeyEvents(B& b) {
  b.Event(u"OnEnter", &TWinControl::OnEnter);
  b.Event(u"OnExit", &TWinControl::OnExit);
  b.Event(u"OnKeyDown", &TWinControl::OnKeyDown);
  b.Event(u"OnKeyUp", &TWinControl::OnKeyUp);
  b.Event(u"OnKeyPress", &TWinControl::OnKeyPress);
}

template <class B>
void WinLooks(B& b) {
  b.Bool(u"DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered, false);
  b.Bool(u"Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D, true).stored = [](const TObject* o) {
    return !static_cast<const TWinControl*>(o)->ParentCtl3D();
  };
  b.Bool(u"ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D, true);
}

template <class B>
void Bevels(B& b) {
  b.Enum(u"BevelInner", BevelCutInfo(), &TWinControl::BevelInner, &TWinControl::SetBevelInner,
         std::optional(TBevelCut::bvRaised));
  b.Enum(u"BevelOuter", BevelCutInfo(), &TWinControl::BevelOuter, &TWinControl::SetBevelOuter,
         std::optional(TBevelCut::bvLowered));
  b.Enum(u"BevelKind", BevelKindInfo(), &TWinControl::BevelKind, &TWinControl::SetBevelKind,
         std::optional(TBevelKind::bkNone));
  b.Integer(u"BevelWidth", &TWinControl::BevelWidth, &TWinControl::SetBevelWidth, 1);
}

// Everything a visible windowed control of the framework publishes.
template <class B>
void WinControl(B& b, TColor color, bool tabStop) {
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

// Everything a graphic control of the framework publishes.
template <class B>
void GraphicControl(B& b, TColor color) {
  Bounds(b);
  Layout(b);
  Color(b, color);
  Font(b);
  State(b);
  MouseEvents(b);
}

}  // namespace forms::publish
