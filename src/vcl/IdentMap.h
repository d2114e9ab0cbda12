#pragma once
// Identifier mappings of integer types: colours, cursors and character sets
// have names ("clRed", "crHourGlass", "GB2312_CHARSET") that forms and
// settings use instead of numbers. Property access looks a mapping up by the
// property's type name.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qvn {

struct TIdentMapEntry {
    int32_t Value;
    const char* Name;
};

// Name of value in map (the first entry with that value), or false.
bool IntToIdent(int32_t value, std::string& ident, std::span<const TIdentMapEntry> map);
// Value of the name in map, compared without regard to ASCII case, or false.
bool IdentToInt(std::string_view ident, int32_t& value, std::span<const TIdentMapEntry> map);

using TIntToIdent = bool (*)(int32_t value, std::string& ident);
using TIdentToInt = bool (*)(std::string_view ident, int32_t& value);

struct TIdentMapping {
    TIntToIdent ToIdent = nullptr;
    TIdentToInt ToInt = nullptr;
};

// The mapping of an integer type ("TColor", "TCursor", "TFontCharset", or one
// registered later), by type name without regard to case; nullptr when it has none.
const TIdentMapping* FindIdentMapping(std::string_view typeName);
// Adds or replaces the mapping of a type.
void RegisterIntegerConsts(std::string_view typeName, TIdentToInt toInt, TIntToIdent toIdent);

// Text of an integer for a type with a mapping: its name, else the number in decimal.
std::string IntToIdentOrNumber(std::string_view typeName, int32_t value);
// Integer from a name of the type's mapping, else from the text as a number
// (decimal, or hexadecimal with '$' or 0x); false when it is neither.
bool IdentOrNumberToInt(std::string_view typeName, std::string_view text, int32_t& value);

}  // namespace qvn
