#include "skin/windows/acDialogChildren.h"

#include "platform/base/TextCase.h"
#include "platform/ctl/ButtonApi.h"
#include "platform/ctl/ScrollBarApi.h"
#include "platform/ctl/StaticApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/windows/acBtnWnd.h"
#include "skin/windows/acComboBoxWnd.h"
#include "skin/windows/acEditWnd.h"
#include "skin/windows/acStaticWnd.h"

namespace skin {

namespace {

using K = TacDialogChildKind;

constexpr win::DWORD kStaticEdge = 0x00020000;  // WS_EX_STATICEDGE
constexpr win::DWORD kToolBarBarStyle = 0x200;

TacDialogChildChoice Of(K k, std::u16string section = {}) { return {k, std::move(section)}; }

TacDialogChildChoice ForStatic(const TacDialogChildFacts& f) {
  switch (f.Style & ctl::SS_TYPEMASK) {
    case ctl::SS_ICON:
    case ctl::SS_BITMAP: return (f.ExStyle & kStaticEdge) != 0 ? Of(K::EdgeWnd, u"EDIT") : Of(K::IconWnd);
    case ctl::SS_OWNERDRAW:
    case ctl::SS_ENHMETAFILE:
    case ctl::SS_GRAYRECT:
    case ctl::SS_WHITERECT:
    case ctl::SS_SIMPLE: return Of(K::None);
    default: return Of(K::StaticWnd);
  }
}

TacDialogChildChoice ForButton(const TacDialogChildFacts& f, bool plainButtonClass) {
  const win::DWORD type = f.Style & ctl::BS_TYPEMASK;
  if (plainButtonClass && type == ctl::BS_OWNERDRAW) return Of(K::None);
  switch (type) {
    // Check boxes, three-state boxes (the automatic one too) and radio buttons.
    case ctl::BS_CHECKBOX:
    case ctl::BS_AUTOCHECKBOX:
    case ctl::BS_3STATE:
    case ctl::BS_AUTO3STATE:
    case ctl::BS_RADIOBUTTON:
    case ctl::BS_AUTORADIOBUTTON: return Of(K::CheckBoxWnd);
    case ctl::BS_GROUPBOX: return Of(K::GroupBoxWnd, u"GROUPBOX");
    case 12:
    case 13:
    case 14:
    case 15: return Of(K::SplitBtnWnd);
    default: return Of(K::BtnWnd);
  }
}

}  // namespace

TacDialogChildChoice ChooseDialogChildAdapter(const TacDialogChildFacts& f) {
  const std::u16string c = base::ToLowerAscii(f.ClassName);
  if (c == u"static") return ForStatic(f);
  if (c == u"#32770" || c == u"shbrowseforfolder") return Of(K::TransPanelWnd);
  if (c == u"tpanel" || c == u"tsilentpaintpanel") return Of(K::PanelWnd, u"TRANSPARENT");
  if (c == u"travelband") return Of(K::PanelWnd, u"GROUPBOX");
  if (c == u"edit") return f.Visible ? Of(K::EditWnd, u"EDIT") : Of(K::None);
  if (c == u"button") return ForButton(f, true);
  if (c == u"tbutton") return ForButton(f, false);
  if (c == u"combobox" || c == u"comboboxex32") return Of(K::ComboBoxWnd, u"COMBOBOX");
  if (c == u"combolbox") return Of(K::EditWnd, u"COMBOBOX");
  if (c == u"scrollbar") return f.SizeGrip ? Of(K::SizerWnd) : Of(K::None);
  if (c == u"systabcontrol32")
    return (f.Style & 0x2000) != 0 ? Of(K::None) : Of(K::TabControlWnd, u"PAGECONTROL");  // TCS_OWNERDRAWFIXED
  if (c == u"syslistview32") return Of(K::ListViewWnd, u"EDIT");
  if (c == u"systreeview32") return Of(K::TreeViewWnd, u"EDIT");
  if (c == u"msctls_updown32") return Of(K::SpinWnd, u"SPEEDBUTTON_SMALL");
  if (c == u"msctls_trackbar32") return Of(K::TrackWnd, u"TRACKBAR");
  if (c == u"listbox") return Of(K::EditWnd, u"EDIT");
  if (c == u"link window" || c == u"syslink") return Of(K::LinkWnd);
  if (c == u"toolbarwindow32") return Of(K::ToolBarWnd, (f.Style & kToolBarBarStyle) != 0 ? u"BAR" : u"TRANSPARENT");
  if (c == u"rebarwindow32" || c == u"msctls_progress32" || c == u"universalsearchband" || c == u"address band root" ||
      c == u"workerw" || c == u"search box" || c == u"breadcrumb parent")
    return f.Visible ? Of(K::ContainerWnd) : Of(K::None);
  if (c == u"directuihwnd") return f.Height == 24 ? Of(K::SearchWnd) : Of(K::None);
  return Of(K::None);  // "ctrlnotifysink" and every other class
}

TacDialogChildFacts DialogChildFacts(win::HWND child) {
  TacDialogChildFacts f;
  f.ClassName = win::GetClassName(child);
  f.Style = static_cast<win::DWORD>(win::GetWindowLongPtr(child, win::GWL_STYLE));
  f.ExStyle = static_cast<win::DWORD>(win::GetWindowLongPtr(child, win::GWL_EXSTYLE));
  f.Visible = (f.Style & win::WS_VISIBLE) != 0;
  win::RECT r{};
  win::GetWindowRect(child, &r);
  f.Height = r.Height();
  f.SizeGrip = (f.Style & ctl::SBS_SIZEGRIP) != 0;
  return f;
}

std::unique_ptr<TacMainWnd> MakeDialogChildAdapter(win::HWND child, TsSkinManager* manager) {
  const TacDialogChildChoice c = ChooseDialogChildAdapter(DialogChildFacts(child));
  TacSkinParams p;
  p.SkinSection = c.Section;
  switch (c.Kind) {
    case K::BtnWnd: return std::make_unique<TacBtnWnd>(child, p, manager);
    case K::StaticWnd: return std::make_unique<TacStaticWnd>(child, p, manager);
    case K::IconWnd: return std::make_unique<TacIconWnd>(child, p, manager);
    case K::EditWnd: return std::make_unique<TacEditWnd>(child, p, manager, nullptr);
    case K::ComboBoxWnd: return std::make_unique<TacComboBoxWnd>(child, p, manager);
    // The other kinds have no adapter in this program: the window keeps its own look.
    default: return nullptr;
  }
}

}  // namespace skin
