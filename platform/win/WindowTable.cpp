#include "platform/win/WindowTable.h"

#include <cstdint>

namespace win::detail {
namespace {

// Values are (generation << 32) | ((slot + 1) << 4): never 0, never one of the small
// special handles (1, 0xFFFF) and never negative.
HWND Encode(std::uint32_t slot, std::uint32_t generation) {
  std::uint64_t v = (static_cast<std::uint64_t>(generation) << 32) | ((static_cast<std::uint64_t>(slot) + 1) << 4);
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(v));
}

}  // namespace

Window* WindowTable::Add(std::unique_ptr<Window> w) {
  std::uint32_t slot;
  if (!free_.empty()) {
    slot = free_.back();
    free_.pop_back();
  } else {
    slot = static_cast<std::uint32_t>(slots_.size());
    slots_.push_back({});
  }
  Slot& s = slots_[slot];
  s.generation = (s.generation + 1) & 0x7FFFFFFF;
  if (s.generation == 0) s.generation = 1;
  w->handle = Encode(slot, s.generation);
  s.window = std::move(w);
  ++live_;
  return s.window.get();
}

Window* WindowTable::Find(HWND h) const {
  auto v = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(h));
  if ((v & 0xF) != 0 || (v >> 4) == 0) return nullptr;
  std::uint64_t slot = ((v & 0xFFFFFFFFu) >> 4) - 1;
  auto generation = static_cast<std::uint32_t>(v >> 32);
  if (slot >= slots_.size()) return nullptr;
  const Slot& s = slots_[slot];
  if (!s.window || s.generation != generation) return nullptr;
  return s.window.get();
}

void WindowTable::Remove(HWND h) {
  Window* w = Find(h);
  if (!w) return;
  auto v = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(h));
  auto slot = static_cast<std::uint32_t>(((v & 0xFFFFFFFFu) >> 4) - 1);
  slots_[slot].window.reset();
  free_.push_back(slot);
  --live_;
}

}  // namespace win::detail
