#pragma once
// Access to the published properties of any object by name, and assignment
// along property paths ("Font.Color"). Names compare without regard to case.
//
// The ...ByName readers give a neutral value (empty text, 0, the empty
// handler, nullptr, false) when the object is missing, the name is empty,
// the class publishes no such property or the property is of another kind;
// the writers then do nothing. Errors a setter raises itself (an invalid
// component name, say) pass through.
//
// SetPropPath converts the value to the property's type:
// - integer types with an identifier mapping (TColor, TCursor, TFontCharset)
//   take a name ("clRed") or a number ("$000000FF", "255", 255);
// - enumerations and sets given text take the trimmed names: "alClient",
//   "[fsBold,fsItalic]" or "fsBold, fsItalic"; given a number, the ordinal or mask;
// - Boolean takes True/False (text or variant) or a number (non-zero is True);
// - other integers, floats and texts go through the variant's conversions;
// - a value outside the setter's range is refused.
// Every failure raises EPropertyError; TrySetPropPath answers false instead.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Variant.h"
#include "vcl/ClassInfo.h"
#include "vcl/Event.h"

namespace qvn {

// The published property of obj's class, or nullptr.
const TPropInfo* FindPropInfo(const TObject* obj, std::string_view name);

bool HasPropByName(const TObject* obj, std::string_view name);
std::string GetStrPropByName(const TObject* obj, std::string_view name);
void SetStrPropByName(TObject* obj, std::string_view name, const std::string& value);
// Integer, character, enumeration (ordinal), set (bit mask) and Int64 properties.
int64_t GetOrdPropByName(const TObject* obj, std::string_view name);
void SetOrdPropByName(TObject* obj, std::string_view name, int64_t value);
TMethod GetMethodPropByName(const TObject* obj, std::string_view name);
void SetMethodPropByName(TObject* obj, std::string_view name, const TMethod& value);
// The object of an object-typed property; nullptr for every other kind.
TObject* GetObjectPropByName(const TObject* obj, std::string_view name);

// Value of a property as a variant: integers and characters as numbers,
// enumerations by name ("True", "alClient"), sets as "fsBold,fsItalic",
// floats and texts as themselves. Empty for objects, events and unknown names.
Variant GetPropValue(const TObject* obj, std::string_view name);
// Assigns one property of obj (no path) with the conversions above.
void SetPropValue(TObject* obj, std::string_view name, const Variant& value);

// Splits path at its first '.': the head names an object-typed property of
// obj and the rest is set on that object; the last part is assigned with SetPropValue.
void SetPropPath(TObject* obj, std::string_view path, const Variant& value);
bool TrySetPropPath(TObject* obj, std::string_view path, const Variant& value) noexcept;

// Names of a set's elements in a mask, comma-separated without brackets.
std::string SetToText(const TPropInfo& prop, int64_t bits);
// Mask of "[a,b]" or "a, b" (names without regard to case); raises EPropertyError on an unknown name.
int64_t TextToSet(const TPropInfo& prop, std::string_view text);

}  // namespace qvn
