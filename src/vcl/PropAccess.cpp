#include "vcl/PropAccess.h"

#include <cstdint>

#include "platform/Format.h"
#include "platform/IniFile.h"
#include "vcl/IdentMap.h"
#include "vcl/Object.h"

namespace qvn {
namespace {

bool IsOrdinal(TTypeKind kind)
{
    switch (kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkChar:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet:
    case TTypeKind::tkInt64: return true;
    default: return false;
    }
}

bool IsBoolean(const TPropInfo& p) { return p.Kind == TTypeKind::tkEnumeration && SameTextAscii(p.TypeName, "Boolean"); }

std::string_view TrimView(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

[[gnu::always_inline]] inline const TPropInfo* LookUp(const TObject* obj, std::string_view name)
{
    if (obj == nullptr || name.empty()) return nullptr;
    return obj->ClassInfo().FindProp(name);
}

[[noreturn]] void RaiseInvalidValue() { throw EPropertyError("Invalid property value"); }
[[noreturn]] void RaiseInvalidElement(std::string_view name)
{
    throw EPropertyError("Invalid property element: " + std::string(name));
}

int64_t EnumOrdinal(const TPropInfo& prop, std::string_view name)
{
    for (size_t i = 0; i < prop.EnumNames.size(); ++i)
        if (SameTextAscii(prop.EnumNames[i], name)) return static_cast<int64_t>(i);
    RaiseInvalidElement(name);
}

// 32-bit integer types also take their unsigned spelling (0x80000005 for a system colour).
int64_t FitRange(const TPropInfo& prop, int64_t value)
{
    if (value >= prop.MinValue && value <= prop.MaxValue) return value;
    if (prop.MinValue == INT32_MIN && prop.MaxValue == INT32_MAX && value > INT32_MAX && value <= UINT32_MAX)
        return static_cast<int32_t>(static_cast<uint32_t>(value));
    RaiseInvalidValue();
}

int64_t VariantToInteger(const Variant& value)
{
    try {
        return value.ToInt64();
    } catch (const EVariantError&) {
        RaiseInvalidValue();
    }
}

int64_t IntegerOrdinal(const TPropInfo& prop, const Variant& value)
{
    if (value.Type() == VarType::Integer) return value.ToInt();  // the common case, first
    if (value.IsText()) {
        const AnsiString text = value.ToString();
        int32_t mapped = 0;
        if (const TIdentMapping* mapping = FindIdentMapping(prop.TypeName); mapping != nullptr) {
            const std::string_view trimmed = TrimView(text);
            if (mapping->ToInt(trimmed, mapped)) return mapped;
            int number = 0;
            if (!TryStrToInt(trimmed, number)) RaiseInvalidValue();
            return number;
        }
    }
    return VariantToInteger(value);
}

int64_t CharOrdinal(const Variant& value)
{
    if (value.IsText()) {
        const AnsiString text = value.ToString();
        if (text.size() == 1) return static_cast<unsigned char>(text[0]);
    }
    return VariantToInteger(value);
}

int64_t EnumerationOrdinal(const TPropInfo& prop, const Variant& value)
{
    if (value.Type() == VarType::Boolean) return value.ToBool() ? 1 : 0;
    if (value.IsText()) {
        const AnsiString text = value.ToString();
        return EnumOrdinal(prop, TrimView(text));
    }
    const int64_t ordinal = VariantToInteger(value);
    if (IsBoolean(prop)) return ordinal != 0 ? 1 : 0;
    return ordinal;
}

int64_t SetMask(const TPropInfo& prop, const Variant& value)
{
    if (value.IsText()) {
        const AnsiString text = value.ToString();
        return TextToSet(prop, text);
    }
    return VariantToInteger(value);
}

int64_t OrdinalOf(const TPropInfo& prop, const Variant& value)
{
    switch (prop.Kind) {
    case TTypeKind::tkChar: return CharOrdinal(value);
    case TTypeKind::tkEnumeration: return EnumerationOrdinal(prop, value);
    case TTypeKind::tkSet: return SetMask(prop, value);
    default: return IntegerOrdinal(prop, value);
    }
}

void AssignFloat(TObject* obj, const TPropInfo& prop, const Variant& value)
{
    double d = 0;
    try {
        d = value.ToDouble();
    } catch (const EVariantError&) {
        RaiseInvalidValue();
    }
    prop.SetFloat(obj, d);
}

// Assign's general case: every kind and every variant type.
[[gnu::noinline]] void AssignConverted(TObject* obj, const TPropInfo& prop, const Variant& value)
{
    if (!prop.IsWritable()) throw EPropertyError("Property " + prop.Name + " is read-only");
    if (value.IsNull() || value.IsArray()) RaiseInvalidValue();
    switch (prop.Kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkInt64:
    case TTypeKind::tkChar:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet: prop.SetOrd(obj, FitRange(prop, OrdinalOf(prop, value))); return;
    case TTypeKind::tkFloat: AssignFloat(obj, prop, value); return;
    case TTypeKind::tkString: prop.SetStr(obj, value.ToString()); return;
    default: throw EPropertyError("Invalid property type: " + prop.TypeName);
    }
}

// An integer given to an integer property is by far the most frequent
// assignment (colours, sizes, positions); it skips the conversions.
[[gnu::always_inline]] inline void Assign(TObject* obj, const TPropInfo& prop, const Variant& value)
{
    const bool integerProp = prop.Kind == TTypeKind::tkInteger || prop.Kind == TTypeKind::tkInt64;
    if (const int32_t* integer = value.IntegerIf(); integer != nullptr && integerProp && prop.SetOrd != nullptr) {
        prop.SetOrd(obj, FitRange(prop, *integer));
        return;
    }
    AssignConverted(obj, prop, value);
}

// Raising builds a message; kept out of line so the lookups that succeed stay small.
[[noreturn, gnu::cold, gnu::noinline]] void RaiseNoSuchProperty(std::string_view name)
{
    throw EPropertyError("Property " + std::string(name) + " does not exist");
}

[[noreturn, gnu::cold, gnu::noinline]] void RaiseNoObject(std::string_view name)
{
    throw EPropertyError("Cannot set property " + std::string(name) + " of no object");
}

[[noreturn, gnu::cold, gnu::noinline]] void RaiseNotAnObject(const TPropInfo& prop)
{
    throw EPropertyError("Property " + prop.Name + " is not an object");
}

// The property name on obj, which must be an object; raises when either is missing.
[[gnu::always_inline]] inline const TPropInfo& RequireProp(const TObject* obj, std::string_view name)
{
    if (obj == nullptr) RaiseNoObject(name);
    const TPropInfo* prop = LookUp(obj, name);
    if (prop == nullptr) RaiseNoSuchProperty(name);
    return *prop;
}

}  // namespace

const TPropInfo* FindPropInfo(const TObject* obj, std::string_view name) { return LookUp(obj, name); }

bool HasPropByName(const TObject* obj, std::string_view name) { return FindPropInfo(obj, name) != nullptr; }

std::string GetStrPropByName(const TObject* obj, std::string_view name)
{
    const TPropInfo* p = FindPropInfo(obj, name);
    return p != nullptr && p->GetStr ? p->GetStr(obj) : std::string();
}

void SetStrPropByName(TObject* obj, std::string_view name, const std::string& value)
{
    const TPropInfo* p = FindPropInfo(obj, name);
    if (p != nullptr && p->SetStr) p->SetStr(obj, value);
}

int64_t GetOrdPropByName(const TObject* obj, std::string_view name)
{
    const TPropInfo* p = FindPropInfo(obj, name);
    return p != nullptr && IsOrdinal(p->Kind) && p->GetOrd ? p->GetOrd(obj) : 0;
}

void SetOrdPropByName(TObject* obj, std::string_view name, int64_t value)
{
    const TPropInfo* p = FindPropInfo(obj, name);
    if (p == nullptr || !IsOrdinal(p->Kind) || !p->SetOrd) return;
    if (value < p->MinValue || value > p->MaxValue) return;  // out of the type's range: nothing to store
    p->SetOrd(obj, value);
}

TMethod GetMethodPropByName(const TObject* obj, std::string_view name)
{
    const TPropInfo* p = FindPropInfo(obj, name);
    return p != nullptr && p->GetMethod ? p->GetMethod(obj) : TMethod{};
}

void SetMethodPropByName(TObject* obj, std::string_view name, const TMethod& value)
{
    const TPropInfo* p = FindPropInfo(obj, name);
    if (p != nullptr && p->SetMethod) p->SetMethod(obj, value);
}

TObject* GetObjectPropByName(const TObject* obj, std::string_view name)
{
    const TPropInfo* p = FindPropInfo(obj, name);
    return p != nullptr && p->Kind == TTypeKind::tkClass && p->GetObject ? p->GetObject(obj) : nullptr;
}

Variant GetPropValue(const TObject* obj, std::string_view name)
{
    const TPropInfo* p = FindPropInfo(obj, name);
    if (p == nullptr) return Variant();
    switch (p->Kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkChar: return Variant(static_cast<int>(p->GetOrd(obj)));
    case TTypeKind::tkInt64: return Variant(p->GetOrd(obj));
    case TTypeKind::tkEnumeration: {
        const int64_t ordinal = p->GetOrd(obj);
        if (ordinal >= 0 && ordinal < static_cast<int64_t>(p->EnumNames.size()))
            return Variant(p->EnumNames[static_cast<size_t>(ordinal)]);
        return Variant(static_cast<int64_t>(ordinal));
    }
    case TTypeKind::tkSet: return Variant(SetToText(*p, p->GetOrd(obj)));
    case TTypeKind::tkFloat: return Variant(p->GetFloat(obj));
    case TTypeKind::tkString: return Variant(p->GetStr(obj));
    default: return Variant();
    }
}

void SetPropValue(TObject* obj, std::string_view name, const Variant& value)
{
    Assign(obj, RequireProp(obj, name), value);
}

void SetPropPath(TObject* obj, std::string_view path, const Variant& value)
{
    for (size_t at = 0;;) {
        const prop_name::Segment segment = prop_name::NextSegment(path, at);
        if (obj == nullptr) RaiseNoObject(segment.Name);
        const TPropInfo* prop = segment.Name.empty() ? nullptr : obj->ClassInfo().FindProp(segment.Key, segment.Name);
        if (prop == nullptr) RaiseNoSuchProperty(segment.Name);
        if (segment.Last) {
            Assign(obj, *prop, value);
            return;
        }
        if (prop->Kind != TTypeKind::tkClass || prop->GetObject == nullptr) RaiseNotAnObject(*prop);
        obj = prop->GetObject(obj);
        at += segment.Name.size() + 1;
    }
}

bool TrySetPropPath(TObject* obj, std::string_view path, const Variant& value) noexcept
{
    try {
        SetPropPath(obj, path, value);
        return true;
    } catch (...) {
        return false;
    }
}

std::string SetToText(const TPropInfo& prop, int64_t bits)
{
    std::string text;
    for (size_t i = 0; i < prop.EnumNames.size() && i < 64; ++i) {
        if ((static_cast<uint64_t>(bits) >> i & 1u) == 0) continue;
        if (!text.empty()) text += ',';
        text += prop.EnumNames[i];
    }
    return text;
}

int64_t TextToSet(const TPropInfo& prop, std::string_view text)
{
    text = TrimView(text);
    if (!text.empty() && text.front() == '[') {
        if (text.back() != ']') RaiseInvalidValue();
        text = text.substr(1, text.size() - 2);
    }
    int64_t bits = 0;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view item = TrimView(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        if (item.empty()) continue;
        const int64_t ordinal = EnumOrdinal(prop, item);
        if (ordinal >= 63) RaiseInvalidElement(item);
        bits |= int64_t{1} << ordinal;
    }
    return bits;
}

}  // namespace qvn
