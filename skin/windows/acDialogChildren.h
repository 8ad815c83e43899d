#pragma once
// Which adapter a child window of a standard dialog gets, chosen by its lower-cased
// window class name and its styles (a pure rule), and the making of the adapters this
// program's dialogs need.
#include <memory>
#include <string>

#include "platform/win/Types.h"

namespace skin {

class TacMainWnd;
class TsSkinManager;

enum class TacDialogChildKind {
  None,
  EdgeWnd,
  IconWnd,
  StaticWnd,
  TransPanelWnd,
  PanelWnd,
  EditWnd,
  CheckBoxWnd,
  GroupBoxWnd,
  SplitBtnWnd,
  BtnWnd,
  ComboBoxWnd,
  SizerWnd,
  TabControlWnd,
  ListViewWnd,
  TreeViewWnd,
  SpinWnd,
  TrackWnd,
  LinkWnd,
  ToolBarWnd,
  ContainerWnd,
  SearchWnd
};

// What the choice reads of a child window.
struct TacDialogChildFacts {
  std::u16string ClassName;  // as the window has it (compared lower-cased)
  win::DWORD Style = 0;
  win::DWORD ExStyle = 0;
  bool Visible = true;
  int Height = 0;
  bool SizeGrip = false;  // a "scrollbar" with the size-grip style
};

struct TacDialogChildChoice {
  TacDialogChildKind Kind = TacDialogChildKind::None;
  std::u16string Section;  // empty: the adapter's own default
};

TacDialogChildChoice ChooseDialogChildAdapter(const TacDialogChildFacts& f);

// The facts of a live window.
TacDialogChildFacts DialogChildFacts(win::HWND child);

// The adapter for a dialog child, or nullptr when its kind gets none or is not built.
std::unique_ptr<TacMainWnd> MakeDialogChildAdapter(win::HWND child, TsSkinManager* manager);

}  // namespace skin
