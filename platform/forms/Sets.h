#pragma once
// Small value types the framework's properties are made of: sets of enumeration values
// (stored as bit masks, bit n for the value with ordinal n) and events (a callable plus
// the name of the handler it was bound to, so that a stored description can name it).
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>

namespace forms {

template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) bits_ |= Bit(e);
  }
  static constexpr TSet FromBits(std::uint64_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }
  static constexpr std::uint64_t Bit(E e) { return std::uint64_t{1} << static_cast<unsigned>(e); }

  constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr std::uint64_t Bits() const { return bits_; }
  constexpr TSet& Include(E e) {
    bits_ |= Bit(e);
    return *this;
  }
  constexpr TSet& Exclude(E e) {
    bits_ &= ~Bit(e);
    return *this;
  }
  constexpr TSet& Set(E e, bool on) { return on ? Include(e) : Exclude(e); }
  constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
  constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
  constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
  friend constexpr bool operator==(TSet, TSet) = default;

 private:
  std::uint64_t bits_ = 0;
};

template <class Sig>
class TEvent;

// An event property: empty, or a callable. A handler bound by a stored description keeps
// its method name, which writing a description gives back.
template <class R, class... A>
class TEvent<R(A...)> {
 public:
  using Function = std::function<R(A...)>;

  TEvent() = default;
  template <class F>
  requires(!std::is_same_v<std::decay_t<F>, TEvent> && std::is_constructible_v<Function, F>) TEvent(F&& f)
      : fn_(std::forward<F>(f)) {}

  explicit operator bool() const { return static_cast<bool>(fn_); }
  R operator()(A... args) const { return fn_(std::forward<A>(args)...); }

  void Bind(std::u16string handlerName, Function f) {
    name_ = std::move(handlerName);
    fn_ = std::move(f);
  }
  void Clear() {
    fn_ = nullptr;
    name_.clear();
  }
  const std::u16string& HandlerName() const { return name_; }
  const Function& Target() const { return fn_; }

 private:
  Function fn_;
  std::u16string name_;
};

}  // namespace forms
