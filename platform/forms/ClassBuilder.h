#pragma once
// Building a class's information in its .cpp file:
//
//   FORMS_DEFINE_CLASS(TButton, TButtonControl, [](auto& b) {
//     b.Bool(u"Default", &TButton::Default, &TButton::SetDefault, false);
//     b.Event(u"OnClick", &TControl::OnClick);
//   })
//
// Getters and setters are anything std::invoke takes with the object (member functions
// of the class or of an ancestor, member data, lambdas). Include only in .cpp files.
#include <any>
#include <functional>
#include <type_traits>

#include "platform/forms/Classes.h"
#include "platform/forms/Collections.h"
#include "platform/forms/TypInfo.h"

namespace forms {

template <class T>
TObject* CreateInstance(TObject* arg) {
  if constexpr (std::is_abstract_v<T>) {
    return nullptr;
  } else if constexpr (std::is_base_of_v<TComponent, T>) {
    if constexpr (std::is_constructible_v<T, TComponent*>) return New<T>(static_cast<TComponent*>(arg));
    else return nullptr;
  } else if constexpr (std::is_base_of_v<TCollectionItem, T>) {
    if constexpr (std::is_constructible_v<T, TCollection*>) return new T(static_cast<TCollection*>(arg));
    else return nullptr;
  } else if constexpr (std::is_default_constructible_v<T>) {
    (void)arg;
    return new T();
  } else {
    return nullptr;
  }
}

template <class T>
constexpr bool kCreatable =
    !std::is_abstract_v<T> && (std::is_constructible_v<T, TComponent*> || std::is_constructible_v<T, TCollection*> ||
                               std::is_default_constructible_v<T>);

template <class T>
class TClassBuilder {
 public:
  explicit TClassBuilder(TClassInfo& info) : info_(info) {}
  // The same class information seen as built for an ancestor A of the class: properties
  // added through it read and write the object as an A. The property groups of
  // Publish.h are compiled once that way instead of once per class.
  template <class D>
  requires std::is_base_of_v<T, D> TClassBuilder(TClassBuilder<D>& derived) : info_(derived.info_) {}

  template <class G, class S>
  TPropInfo& Integer(const char16_t* name, G get, S set, std::optional<std::int64_t> def = 0,
                     const TIdentMap* idents = nullptr) {
    TPropInfo& p = Ordinal(name, TOrdKind::Integer, get, set, def);
    p.idents = idents;
    return p;
  }
  template <class G, class S>
  TPropInfo& Bool(const char16_t* name, G get, S set, std::optional<bool> def = false) {
    std::optional<std::int64_t> d;
    if (def) d = *def ? 1 : 0;
    return Ordinal(name, TOrdKind::Boolean, get, set, d);
  }
  template <class G, class S, class E>
  TPropInfo& Enum(const char16_t* name, const TEnumInfo& info, G get, S set, std::optional<E> def) {
    std::optional<std::int64_t> d;
    if (def) d = static_cast<std::int64_t>(*def);
    TPropInfo& p = Ordinal(name, TOrdKind::Enumeration, get, set, d);
    p.enumInfo = &info;
    return p;
  }
  template <class G, class S, class E>
  TPropInfo& Set(const char16_t* name, const TEnumInfo& elements, G get, S set, TSet<E> def) {
    TPropInfo p;
    p.name = name;
    p.kind = TPropKind::Ordinal;
    p.ordKind = TOrdKind::Set;
    p.enumInfo = &elements;
    p.defaultOrd = static_cast<std::int64_t>(def.Bits());
    p.getOrd = [get](const TObject* o) { return static_cast<std::int64_t>(std::invoke(get, Self(o)).Bits()); };
    p.setOrd = [set](TObject* o, std::int64_t v) {
      std::invoke(set, Self(o), TSet<E>::FromBits(static_cast<std::uint64_t>(v)));
    };
    return Add(std::move(p));
  }
  template <class G, class S>
  TPropInfo& Char(const char16_t* name, G get, S set, std::optional<char16_t> def = u'\0') {
    std::optional<std::int64_t> d;
    if (def) d = *def;
    return Ordinal(name, TOrdKind::Char, get, set, d);
  }
  template <class G, class S>
  TPropInfo& Float(const char16_t* name, G get, S set, std::optional<double> def = 0.0) {
    TPropInfo p;
    p.name = name;
    p.kind = TPropKind::Float;
    p.defaultFloat = def;
    p.getFloat = [get](const TObject* o) { return static_cast<double>(std::invoke(get, Self(o))); };
    p.setFloat = [set](TObject* o, double v) { std::invoke(set, Self(o), v); };
    return Add(std::move(p));
  }
  template <class G, class S>
  TPropInfo& String(const char16_t* name, G get, S set) {
    TPropInfo p;
    p.name = name;
    p.kind = TPropKind::String;
    p.getStr = [get](const TObject* o) { return std::u16string(std::invoke(get, Self(o))); };
    p.setStr = [set](TObject* o, const std::u16string& v) { std::invoke(set, Self(o), v); };
    return Add(std::move(p));
  }
  // A sub-object whose own properties are stored under "Name.Property".
  template <class G>
  TPropInfo& Object(const char16_t* name, G get) {
    TPropInfo p;
    p.name = name;
    p.kind = TPropKind::Object;
    p.getObject = [get](TObject* o) -> TPersistent* { return std::invoke(get, const_cast<T*>(Self(o))); };
    return Add(std::move(p));
  }
  // A reference to another component of the description, stored by name.
  template <class V, class G, class S>
  TPropInfo& Component(const char16_t* name, G get, S set) {
    TPropInfo p;
    p.name = name;
    p.kind = TPropKind::Component;
    p.componentClass = &V::StaticClass;  // resolved when used: V may be the class being built
    p.getComp = [get](const TObject* o) -> forms::TComponent* { return std::invoke(get, Self(o)); };
    p.setComp = [set](TObject* o, forms::TComponent* c) { std::invoke(set, Self(o), static_cast<V*>(c)); };
    return Add(std::move(p));
  }
  template <class C, class Sig>
  TPropInfo& Event(const char16_t* name, TEvent<Sig> C::*member) {
    static_assert(std::is_base_of_v<C, T>);
    using Fn = typename TEvent<Sig>::Function;
    TPropInfo p;
    p.name = name;
    p.kind = TPropKind::Event;
    p.eventType = typeid(Fn);
    p.setEvent = [member](TObject* o, const std::u16string& handler, const std::any* fn) {
      TEvent<Sig>& ev = static_cast<T*>(o)->*member;
      if (!fn) ev.Clear();
      else ev.Bind(handler, std::any_cast<Fn>(*fn));
    };
    p.eventName = [member](const TObject* o) {
      const TEvent<Sig>& ev = static_cast<const T*>(o)->*member;
      return ev ? ev.HandlerName() : std::u16string();
    };
    return Add(std::move(p));
  }
  // A method events may be bound to by name.
  template <class R, class... A>
  void Method(const char16_t* name, R (T::*fn)(A...)) {
    using Fn = std::function<R(A...)>;
    TMethodInfo m;
    m.name = name;
    m.type = typeid(Fn);
    m.make = [fn](TObject* root) -> std::any {
      T* self = static_cast<T*>(root);
      return Fn([self, fn](A... args) { return (self->*fn)(std::forward<A>(args)...); });
    };
    info_.methods.push_back(std::move(m));
  }
  // A component field filled with the component of that name.
  template <class V>
  void Field(const char16_t* name, V* T::*member) {
    TFieldInfo f;
    f.name = name;
    f.set = [member](TObject* root, forms::TComponent* c) {
      V* v = nullptr;
      if (c && !(v = dynamic_cast<V*>(c))) return false;
      static_cast<T*>(root)->*member = v;
      return true;
    };
    info_.fields.push_back(std::move(f));
  }

 private:
  static const T* Self(const TObject* o) { return static_cast<const T*>(o); }
  static T* Self(TObject* o) { return static_cast<T*>(o); }

  template <class G, class S>
  TPropInfo& Ordinal(const char16_t* name, TOrdKind kind, G get, S set, std::optional<std::int64_t> def) {
    TPropInfo p;
    p.name = name;
    p.kind = TPropKind::Ordinal;
    p.ordKind = kind;
    p.defaultOrd = def;
    p.getOrd = [get](const TObject* o) { return static_cast<std::int64_t>(std::invoke(get, Self(o))); };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      p.setOrd = [set](TObject* o, std::int64_t v) { InvokeConverted(set, Self(o), v); };
    }
    return Add(std::move(p));
  }
  template <class S>
  static void InvokeConverted(S set, T* self, std::int64_t v) {
    using Arg = typename SetterArg<S>::type;
    std::invoke(set, self, static_cast<Arg>(v));
  }
  // The parameter type of a setter: a member function's, or a callable's second one.
  template <class S, class = void>
  struct SetterArg {
    using type = std::int64_t;
  };
  template <class S>
  struct SetterArg<S, std::void_t<decltype(&S::operator())>> : SetterArg<decltype(&S::operator())> {};
  template <class L, class O, class A>
  struct SetterArg<void (L::*)(O, A) const> {
    using type = std::remove_cvref_t<A>;
  };
  template <class C, class A>
  struct SetterArg<void (C::*)(A), void> {
    using type = std::remove_cvref_t<A>;
  };
  template <class C, class A>
  struct SetterArg<void (C::*)(A) noexcept, void> {
    using type = std::remove_cvref_t<A>;
  };

  TPropInfo& Add(TPropInfo p) {
    info_.props.push_back(std::move(p));
    return info_.props.back();
  }

  template <class>
  friend class TClassBuilder;
  TClassInfo& info_;
};

template <class T, class Base, class F>
TClassInfo BuildClassInfo(const char16_t* name, F describe) {
  TClassInfo info;
  info.name = name;
  info.parent = &Base::StaticClass();
  if constexpr (kCreatable<T>) info.create = &CreateInstance<T>;
  TClassBuilder<T> b(info);
  describe(b);
  return info;
}

#define FORMS_DEFINE_CLASS(T, Base, describe)                                                   \
  const ::forms::TClassInfo& T::StaticClass() {                                                 \
    static const ::forms::TClassInfo info = ::forms::BuildClassInfo<T, Base>(u"" #T, describe); \
    return info;                                                                                \
  }

}  // namespace forms
