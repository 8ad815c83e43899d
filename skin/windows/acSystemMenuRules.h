#pragma once
// Which items of a form's system menu (and which title buttons) are visible and enabled,
// as pure rules over the facts of the form. The system menu and the title buttons both
// ask these; nothing here touches a window.
namespace skin {

// The facts the rules read. Style numbers: bsNone 0, bsSingle 1, bsSizeable 2, bsDialog 3,
// bsToolWindow 4, bsSizeToolWin 5.
struct TacMenuFacts {
  bool SystemMenu = false;  // biSystemMenu
  bool MinimizeIcon = false, MaximizeIcon = false, HelpIcon = false;
  int Style = 2;
  bool MDIChild = false;
  bool Minimized = false, Maximized = false;
  bool TaskbarMainForm = false;  // the application's main form
  bool HasPlatformMenu = false;  // the window has a platform system menu
  bool PlatformHasClose = false;
  bool PlatformCloseGreyed = false;
};

bool VisibleRestore(const TacMenuFacts& f);
bool VisibleSize(const TacMenuFacts& f);
bool VisibleMin(const TacMenuFacts& f);
bool VisibleMax(const TacMenuFacts& f);
bool VisibleClose(const TacMenuFacts& f);
bool VisibleHelp(const TacMenuFacts& f);
bool EnabledRestore(const TacMenuFacts& f);
bool EnabledMove(const TacMenuFacts& f);
bool EnabledSize(const TacMenuFacts& f);
bool EnabledMin(const TacMenuFacts& f);
bool EnabledMax(const TacMenuFacts& f);
bool EnabledClose(const TacMenuFacts& f);

}  // namespace skin
