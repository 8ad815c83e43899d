// The window procedure chain's joined hooks: an id-keyed list, replaced on every change,
// so that parties join and leave in any order, also while a message runs.
#include <memory>
#include <vector>

#include "platform/forms/Controls.h"

namespace forms {

struct TWindowHookEntry {
  const void* id = nullptr;
  TWndHook fn;
  bool left = false;  // set when it leaves: lists of messages still running skip it
};

struct TWindowHooks {
  std::vector<std::shared_ptr<TWindowHookEntry>> entries;  // oldest first
};

void TWndNext::operator()(TMessage& m) const {
  for (int i = index_; i >= 0; --i) {
    const TWindowHookEntry& e = *hooks_->entries[static_cast<std::size_t>(i)];
    if (e.left) continue;
    e.fn(m, TWndNext(control_, hooks_, i - 1));
    return;
  }
  control_->WndProc(m);
}

void TControl::CallWindowHooks(TMessage& m) {
  if (!windowHooks_) {
    WndProc(m);
    return;
  }
  // The list stays alive while the message runs, even if the control goes away.
  std::shared_ptr<const TWindowHooks> hooks = windowHooks_;
  TWndNext(this, hooks.get(), static_cast<int>(hooks->entries.size()) - 1)(m);
}

void TControl::JoinWindowProc(const void* id, TWndHook hook) {
  LeaveWindowProc(id);
  auto next = std::make_shared<TWindowHooks>();
  if (windowHooks_) next->entries = windowHooks_->entries;
  auto e = std::make_shared<TWindowHookEntry>();
  e->id = id;
  e->fn = std::move(hook);
  next->entries.push_back(std::move(e));
  windowHooks_ = std::move(next);
}

void TControl::LeaveWindowProc(const void* id) {
  if (!windowHooks_) return;
  auto next = std::make_shared<TWindowHooks>();
  for (const auto& e : windowHooks_->entries) {
    if (e->id == id) e->left = true;
    else next->entries.push_back(e);
  }
  if (next->entries.size() == windowHooks_->entries.size()) return;
  if (next->entries.empty()) windowHooks_.reset();
  else windowHooks_ = std::move(next);
}

bool TControl::InWindowProc(const void* id) const {
  if (!windowHooks_) return false;
  for (const auto& e : windowHooks_->entries)
    if (e->id == id) return true;
  return false;
}

}  // namespace forms
