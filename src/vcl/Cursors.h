#pragma once
// Mouse cursor identifiers: the built-in cursors are small negative numbers,
// application cursors positive ones.

#include <cstdint>
#include <string>
#include <string_view>

namespace qvn {

using TCursor = int32_t;  // the class library's range is -32768..32767

inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;
inline constexpr TCursor crSize = crSizeAll;

bool CursorToIdent(int32_t cursor, std::string& ident);
bool IdentToCursor(std::string_view ident, int32_t& cursor);
// A name, else the number in decimal.
std::string CursorToString(TCursor cursor);
// A name, else the text as a number; raises EConvertError otherwise.
TCursor StringToCursor(std::string_view text);

}  // namespace qvn
