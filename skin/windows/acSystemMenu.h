#pragma once
// TsSystemMenu: the skinned system menu of a form. It holds the items (restore, move, size,
// minimize, maximize, a separator, the extra items of the platform's system menu, close),
// takes their captions from the platform's menu, applies the visibility and enabling
// rules, and shows them as a popup menu whose chosen command goes to the form as
// WM_SYSCOMMAND. Menu painting is the window system's.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/win/Types.h"
#include "skin/windows/acSystemMenuRules.h"

namespace skin {

// One item of the menu.
struct TacSysMenuItem {
  std::u16string Name;      // "acIR", "acIM", ...; empty for separators and extra items
  std::u16string Caption;   // with its "&" prefix
  std::u16string ShortCut;  // the text after a tab in the platform's item
  win::UINT Command = 0;    // 0: a separator
  bool Visible = true;
  bool Enabled = true;
};

class TsSystemMenu {
 public:
  // window: the form's window (its platform system menu gives captions and extra items).
  explicit TsSystemMenu(win::HWND window);

  // Rebuilds the items from the platform's system menu (fallback captions when it has none).
  void Generate();
  // Applies visibility and enabling (rebuilding first when full or when there are extra
  // items).
  void UpdateItems(const TacMenuFacts& facts, bool full = false);
  // Shows the visible items at a screen point; returns the chosen command (0: none).
  win::UINT Popup(int x, int y);

  const std::vector<TacSysMenuItem>& Items() const { return items_; }
  const TacSysMenuItem* Find(const std::u16string& name) const;
  int ExtItemsCount() const { return extItems_; }

 private:
  win::HWND window_;
  std::vector<TacSysMenuItem> items_;
  int extItems_ = 0;
};

}  // namespace skin
