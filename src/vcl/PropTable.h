#pragma once
// Typed adders for published properties: one line per property, built from
// the class's own getter and setter (member functions, or data members).
// Getter and setter are template arguments, so the accessors stored in the
// table call them directly, without a pointer-to-member lookup at run time.
//
//   QVN_DEFINE_CLASS_INFO(TFont, TPersistent, [](TPropTable& t) {
//       AddIntProp<TFont, &TFont::Color, &TFont::SetColor>(t, "Color", "TColor");
//       AddStrProp<TFont, &TFont::Name, &TFont::SetName>(t, "Name");
//       AddEnumProp<TFont, &TFont::Pitch, &TFont::SetPitch>(t, "Pitch", "TFontPitch",
//                                                           {"fpDefault", "fpVariable", "fpFixed"});
//       AddObjectProp<TControl, &TControl::Font>(t, "Font", "TFont");
//       AddEventProp<TControl, &TControl::OnClick>(t, "OnClick", "TNotifyEvent");
//   });
//
// Leaving out the setter publishes a read-only property. Setters of object
// properties are handed an object of the declared class (or nullptr); any
// other class raises EPropertyError.

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "vcl/ClassInfo.h"
#include "vcl/Object.h"

namespace qvn {
namespace prop_detail {

// The parameter type of a setter: a member function taking one argument, or a data member.
template <typename M>
struct SetterParam;
template <typename C, typename R, typename A>
struct SetterParam<R (C::*)(A)> { using type = A; };
template <typename C, typename R, typename A>
struct SetterParam<R (C::*)(A) noexcept> { using type = A; };
template <typename C, typename T>
struct SetterParam<T C::*> { using type = const T&; };

template <auto Set>
using SetterArg = std::remove_cvref_t<typename SetterParam<decltype(Set)>::type>;

template <auto Set>
inline constexpr bool kHasSetter = !std::is_same_v<decltype(Set), std::nullptr_t>;

template <typename C, auto Get>
decltype(auto) CallGet(const TObject* o)
{
    // A getter need not be const; reading through it never changes the published state.
    C& self = const_cast<C&>(static_cast<const C&>(*o));
    return std::invoke(Get, self);
}

template <typename C, auto Get>
using GetterValue = std::remove_cvref_t<decltype(CallGet<C, Get>(nullptr))>;

template <typename C, auto Set, typename V>
void CallSet(TObject* o, V&& v)
{
    C& self = static_cast<C&>(*o);
    if constexpr (std::is_member_object_pointer_v<decltype(Set)>)
        self.*Set = std::forward<V>(v);
    else
        (self.*Set)(std::forward<V>(v));
}

template <typename V>
constexpr int64_t MinOf()
{
    if constexpr (std::is_enum_v<V>)
        return MinOf<std::underlying_type_t<V>>();
    else
        return static_cast<int64_t>(std::numeric_limits<V>::min());
}

template <typename V>
constexpr int64_t MaxOf()
{
    if constexpr (std::is_enum_v<V>)
        return MaxOf<std::underlying_type_t<V>>();
    else if constexpr (sizeof(V) >= sizeof(int64_t))
        return INT64_MAX;
    else
        return static_cast<int64_t>(std::numeric_limits<V>::max());
}

template <typename V>
int64_t SetToBits(const V& v)
{
    if constexpr (requires { v.Bits(); })
        return static_cast<int64_t>(v.Bits());
    else
        return static_cast<int64_t>(v);
}

template <typename V>
V BitsToSet(int64_t bits)
{
    if constexpr (requires { V::FromBits(uint64_t{}); })
        return V::FromBits(static_cast<uint64_t>(bits));
    else
        return static_cast<V>(bits);
}

inline TPropInfo Describe(std::string name, TTypeKind kind, std::string typeName)
{
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = kind;
    p.TypeName = std::move(typeName);
    return p;
}

}  // namespace prop_detail

// Integer property (int, TColor, TCursor, TFontCharset, ...); the setter's parameter type bounds its range.
template <typename C, auto Get, auto Set = nullptr>
TPropInfo& AddIntProp(TPropTable& t, std::string name, std::string typeName = "Integer")
{
    using namespace prop_detail;
    using V = GetterValue<C, Get>;
    TPropInfo p = Describe(std::move(name), sizeof(V) > 4 ? TTypeKind::tkInt64 : TTypeKind::tkInteger, std::move(typeName));
    p.GetOrd = [](const TObject* o) -> int64_t { return static_cast<int64_t>(CallGet<C, Get>(o)); };
    p.MinValue = MinOf<V>();
    p.MaxValue = MaxOf<V>();
    if constexpr (kHasSetter<Set>) {
        using A = SetterArg<Set>;
        p.SetOrd = [](TObject* o, int64_t v) { CallSet<C, Set>(o, static_cast<A>(v)); };
        p.MinValue = MinOf<A>();
        p.MaxValue = MaxOf<A>();
    }
    return t.Add(std::move(p));
}

// Enumeration property; names are the values in ordinal order.
template <typename C, auto Get, auto Set = nullptr>
TPropInfo& AddEnumProp(TPropTable& t, std::string name, std::string typeName, std::vector<std::string> names)
{
    using namespace prop_detail;
    TPropInfo p = Describe(std::move(name), TTypeKind::tkEnumeration, std::move(typeName));
    p.MinValue = 0;
    p.MaxValue = static_cast<int64_t>(names.size()) - 1;
    p.EnumNames = std::move(names);
    p.GetOrd = [](const TObject* o) -> int64_t { return static_cast<int64_t>(CallGet<C, Get>(o)); };
    if constexpr (kHasSetter<Set>) {
        using A = SetterArg<Set>;
        p.SetOrd = [](TObject* o, int64_t v) { CallSet<C, Set>(o, static_cast<A>(v)); };
    }
    return t.Add(std::move(p));
}

// Boolean property: the enumeration Boolean = (False, True).
template <typename C, auto Get, auto Set = nullptr>
TPropInfo& AddBoolProp(TPropTable& t, std::string name)
{
    using namespace prop_detail;
    TPropInfo p = Describe(std::move(name), TTypeKind::tkEnumeration, "Boolean");
    p.EnumNames = {"False", "True"};
    p.MinValue = 0;
    p.MaxValue = 1;
    p.GetOrd = [](const TObject* o) -> int64_t { return CallGet<C, Get>(o) ? 1 : 0; };
    if constexpr (kHasSetter<Set>) p.SetOrd = [](TObject* o, int64_t v) { CallSet<C, Set>(o, v != 0); };
    return t.Add(std::move(p));
}

// Set property over the element names (bit n = element n). The value type is
// an integral mask or a type with Bits()/FromBits() such as SetOf<E>.
template <typename C, auto Get, auto Set = nullptr>
TPropInfo& AddSetProp(TPropTable& t, std::string name, std::string typeName, std::vector<std::string> elements)
{
    using namespace prop_detail;
    using V = GetterValue<C, Get>;
    TPropInfo p = Describe(std::move(name), TTypeKind::tkSet, std::move(typeName));
    p.MinValue = 0;
    p.MaxValue = elements.size() >= 63 ? INT64_MAX : (int64_t{1} << elements.size()) - 1;
    p.EnumNames = std::move(elements);
    p.GetOrd = [](const TObject* o) -> int64_t { return SetToBits(CallGet<C, Get>(o)); };
    if constexpr (kHasSetter<Set>) p.SetOrd = [](TObject* o, int64_t v) { CallSet<C, Set>(o, BitsToSet<V>(v)); };
    return t.Add(std::move(p));
}

// Character property (one byte of the process code page).
template <typename C, auto Get, auto Set = nullptr>
TPropInfo& AddCharProp(TPropTable& t, std::string name, std::string typeName = "Char")
{
    using namespace prop_detail;
    TPropInfo p = Describe(std::move(name), TTypeKind::tkChar, std::move(typeName));
    p.MinValue = 0;
    p.MaxValue = 255;
    p.GetOrd = [](const TObject* o) -> int64_t { return static_cast<unsigned char>(CallGet<C, Get>(o)); };
    if constexpr (kHasSetter<Set>)
        p.SetOrd = [](TObject* o, int64_t v) { CallSet<C, Set>(o, static_cast<char>(static_cast<unsigned char>(v))); };
    return t.Add(std::move(p));
}

template <typename C, auto Get, auto Set = nullptr>
TPropInfo& AddFloatProp(TPropTable& t, std::string name, std::string typeName = "Double")
{
    using namespace prop_detail;
    TPropInfo p = Describe(std::move(name), TTypeKind::tkFloat, std::move(typeName));
    p.GetFloat = [](const TObject* o) -> double { return static_cast<double>(CallGet<C, Get>(o)); };
    if constexpr (kHasSetter<Set>) {
        using A = SetterArg<Set>;
        p.SetFloat = [](TObject* o, double v) { CallSet<C, Set>(o, static_cast<A>(v)); };
    }
    return t.Add(std::move(p));
}

template <typename C, auto Get, auto Set = nullptr>
TPropInfo& AddStrProp(TPropTable& t, std::string name, std::string typeName = "String")
{
    using namespace prop_detail;
    TPropInfo p = Describe(std::move(name), TTypeKind::tkString, std::move(typeName));
    p.GetStr = [](const TObject* o) -> std::string { return std::string(CallGet<C, Get>(o)); };
    if constexpr (kHasSetter<Set>) p.SetStr = [](TObject* o, const std::string& v) { CallSet<C, Set>(o, v); };
    return t.Add(std::move(p));
}

// Object property: the getter returns a pointer to a TObject descendant. A
// setter takes that pointer (nullptr allowed) or a const reference (nullptr
// refused); the usual setter copies the state with Assign.
template <typename C, auto Get, auto Set = nullptr>
TPropInfo& AddObjectProp(TPropTable& t, std::string name, std::string typeName)
{
    using namespace prop_detail;
    TPropInfo p = Describe(std::move(name), TTypeKind::tkClass, std::move(typeName));
    p.GetObject = [](const TObject* o) -> TObject* { return const_cast<std::remove_cv_t<std::remove_pointer_t<GetterValue<C, Get>>>*>(CallGet<C, Get>(o)); };
    if constexpr (kHasSetter<Set>) {
        using Param = typename SetterParam<decltype(Set)>::type;
        p.SetObject = [](TObject* o, TObject* value) {
            if constexpr (std::is_pointer_v<std::remove_cvref_t<Param>>) {
                using Target = std::remove_pointer_t<std::remove_cvref_t<Param>>;
                Target* typed = nullptr;
                if (value != nullptr) {
                    typed = dynamic_cast<Target*>(value);
                    if (typed == nullptr) throw EPropertyError("Invalid property value");
                }
                CallSet<C, Set>(o, typed);
            } else {
                using Target = std::remove_cvref_t<Param>;
                const Target* typed = dynamic_cast<const Target*>(value);
                if (typed == nullptr) throw EPropertyError("Invalid property value");
                CallSet<C, Set>(o, *typed);
            }
        };
    }
    return t.Add(std::move(p));
}

// Event property from a public Event<Sig> data member.
template <typename C, auto Member>
TPropInfo& AddEventProp(TPropTable& t, std::string name, std::string typeName = "TNotifyEvent")
{
    using namespace prop_detail;
    using E = std::remove_cvref_t<decltype(std::declval<C&>().*Member)>;
    TPropInfo p = Describe(std::move(name), TTypeKind::tkMethod, std::move(typeName));
    p.GetMethod = [](const TObject* o) -> TMethod { return (static_cast<const C*>(o)->*Member).ToMethod(); };
    p.SetMethod = [](TObject* o, const TMethod& m) { static_cast<C*>(o)->*Member = E::FromMethod(m); };
    return t.Add(std::move(p));
}

}  // namespace qvn
