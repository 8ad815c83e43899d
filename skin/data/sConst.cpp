#include "skin/data/sConst.h"

namespace skin {

const std::array<std::u16string_view, acSectionCount> acSectionNames = {
    u"MENUITEM",    u"CHECKBOX",    u"SPEEDBUTTON", u"SPEEDBUTTON_SMALL",
    u"TOOLBUTTON",  u"TRANSPARENT", u"GROUPBOX",    u"DIVIDER",
    u"WEBBUTTON",   u"BUTTON",      u"COMBONOEDIT", u"BUTTON_HUGE",
    u"TOOLBAR",     u"EDIT",        u"GAUGE",       u"SELECTION",
    u"STATUSBAR",   u"PANEL",       u"PANEL_LOW",   u"TRACKBAR",
    u"PROGRESSV",   u"DRAGBAR",     u"GRIPH",       u"GRIPV",
    u"PROGRESSH",   u"TABSHEET",    u"UPDOWNBTN",   u"COMBOBOX",
    u"CAPTION",     u"MAINMENU",    u"SPLITTER",    u"COMBOBTN",
    u"FORMTITLE",   u"HINT",        u"DIVIDERV",    u"PAGECONTROL",
    u"TABTOP",      u"BARPANEL",    u"BARTITLE",    u"MENUCAPTION",
    u"DIALOGTITLE", u"MENUBTN",     u"MENULINE",    u"FORMHEADER",
    u"TB_BTN",      u"TB_MENUBTN",  u"TB_TAB",      u"COLHEADER",
    u"COLHEADERA",  u"COLHEADERL",  u"COLHEADERR",  u"SLIDER_OFF",
    u"SLIDER_ON",
};

const std::array<TacSectionFallback, 11> acSectionFallbacks = {{
    {ssMenuCaption, ssToolBar},
    {ssDialogTitle, ssFormTitle},
    {ssMenuButton, ssSpeedButton},
    {ssTBBtn, ssToolButton},
    {ssTBTab, ssTabTop},
    {ssColHeader, ssButton},
    {ssColHeaderA, ssColHeader},
    {ssColHeaderL, ssColHeader},
    {ssColHeaderR, ssColHeader},
    {ssSlider_Off, ssPanelLow},
    {ssSlider_On, ssPanelLow},
}};

}  // namespace skin
