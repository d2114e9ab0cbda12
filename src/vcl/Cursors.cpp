#include "vcl/Cursors.h"

#include "platform/Format.h"
#include "vcl/IdentMap.h"

namespace qvn {
namespace {

constexpr TIdentMapEntry kCursors[] = {
    {crDefault, "crDefault"},
    {crArrow, "crArrow"},
    {crCross, "crCross"},
    {crIBeam, "crIBeam"},
    {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},
    {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},
    {crHourGlass, "crHourGlass"},
    {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"},
    {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"},
    {crNo, "crNo"},
    {crAppStart, "crAppStart"},
    {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
    {crNone, "crNone"},
    // Older name of crSizeAll: accepted, never written.
    {crSize, "crSize"},
};

}  // namespace

bool CursorToIdent(int32_t cursor, std::string& ident) { return IntToIdent(cursor, ident, kCursors); }

bool IdentToCursor(std::string_view ident, int32_t& cursor) { return IdentToInt(ident, cursor, kCursors); }

std::string CursorToString(TCursor cursor)
{
    std::string ident;
    return CursorToIdent(cursor, ident) ? ident : IntToStr(cursor);
}

TCursor StringToCursor(std::string_view text)
{
    int32_t cursor = 0;
    if (IdentToCursor(text, cursor)) return cursor;
    return StrToInt(text);
}

}  // namespace qvn
