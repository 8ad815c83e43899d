#pragma once
// Internal: objects behind handles that are not windows (menus, icons). A handle is a
// number that is never reused, so a stale handle is merely invalid.
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace win::detail {

template <class T>
class HandleMap {
 public:
  std::uintptr_t Add(std::unique_ptr<T> value) {
    std::uintptr_t id = next_;
    next_ += 4;
    map_[id] = std::move(value);
    return id;
  }
  T* Find(std::uintptr_t id) const {
    auto it = map_.find(id);
    return it == map_.end() ? nullptr : it->second.get();
  }
  std::unique_ptr<T> Take(std::uintptr_t id) {
    auto it = map_.find(id);
    if (it == map_.end()) return nullptr;
    std::unique_ptr<T> v = std::move(it->second);
    map_.erase(it);
    return v;
  }
  std::size_t Count() const { return map_.size(); }

 private:
  std::unordered_map<std::uintptr_t, std::unique_ptr<T>> map_;
  std::uintptr_t next_ = 0x10000;
};

}  // namespace win::detail
