#include "skin/windows/acSystemMenuRules.h"

namespace skin {

namespace {

bool SingleOrSizeable(const TacMenuFacts& f) { return f.Style == 1 || f.Style == 2; }
bool NormalState(const TacMenuFacts& f) { return !f.Minimized && !f.Maximized; }

}  // namespace

bool VisibleRestore(const TacMenuFacts& f) { return f.SystemMenu && (f.MDIChild || SingleOrSizeable(f)); }

bool VisibleSize(const TacMenuFacts& f) { return f.MDIChild || SingleOrSizeable(f) || f.Style == 5; }

bool VisibleMin(const TacMenuFacts& f) {
  return f.SystemMenu && (f.Minimized || f.MDIChild || (SingleOrSizeable(f) && f.MinimizeIcon));
}

bool VisibleMax(const TacMenuFacts& f) {
  return f.SystemMenu && ((f.Minimized && !f.TaskbarMainForm) || f.MDIChild || (SingleOrSizeable(f) && f.MaximizeIcon));
}

bool VisibleClose(const TacMenuFacts& f) {
  if (!f.SystemMenu) return false;
  return f.HasPlatformMenu ? f.PlatformHasClose : true;
}

bool VisibleHelp(const TacMenuFacts& f) { return f.SystemMenu && f.HelpIcon; }

bool EnabledRestore(const TacMenuFacts& f) { return (f.MaximizeIcon && !NormalState(f)) || f.Minimized; }

bool EnabledMove(const TacMenuFacts& f) { return !f.Maximized; }

bool EnabledSize(const TacMenuFacts& f) { return f.Style != 1 && !f.Minimized; }

bool EnabledMin(const TacMenuFacts& f) { return f.MinimizeIcon; }

bool EnabledMax(const TacMenuFacts& f) { return (f.MDIChild || SingleOrSizeable(f)) && f.MaximizeIcon; }

bool EnabledClose(const TacMenuFacts& f) {
  if (!f.HasPlatformMenu) return f.SystemMenu;
  return f.PlatformHasClose && !f.PlatformCloseGreyed;
}

}  // namespace skin
