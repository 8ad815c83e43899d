#pragma once
// Internal: maps window handles to window records. A handle encodes a slot and the slot's
// generation, so a handle of a destroyed window never finds the slot's next occupant.
#include <memory>
#include <vector>

#include "platform/win/WindowObject.h"

namespace win::detail {

class WindowTable {
 public:
  Window* Add(std::unique_ptr<Window> w);
  // The live window of a handle, or null for null, stale and special handles.
  Window* Find(HWND h) const;
  void Remove(HWND h);
  std::size_t Count() const { return live_; }

 private:
  struct Slot {
    std::unique_ptr<Window> window;
    std::uint32_t generation = 0;
  };
  std::vector<Slot> slots_;
  std::vector<std::uint32_t> free_;
  std::size_t live_ = 0;
};

}  // namespace win::detail
