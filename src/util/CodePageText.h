#pragma once
// Code-page conversion of texts and of whole variant parameter arrays, as every
// string that goes to or comes from a server passes it. The converters never
// raise: on an error they log a line to the "libstrs" alert log and hand back
// their input unchanged.

#include "platform/Strings.h"
#include "platform/Variant.h"

namespace qvn {

// Unicode -> code page; characters the code page lacks become '?'. A code page
// the system cannot convert gives the plain conversion in the process code page.
AnsiString WideToCodePage(const WideString& text, int codePage);
// Code page -> Unicode; invalid bytes become U+FFFD. A code page the system
// cannot convert gives the plain widening in the process code page.
WideString CodePageToWide(const AnsiString& text, int codePage);

// Wide-string texts (at any depth of one-dimensional arrays; the elements of
// two-dimensional arrays) become 8-bit texts in the code page; a single 8-bit
// text is first widened in the process code page.
Variant VarToCodePage(const Variant& value, int codePage);
// The mirror: wide-string elements are narrowed in the process code page and
// read in the code page; a single text value becomes a wide string.
Variant VarFromCodePage(const Variant& value, int codePage);

}  // namespace qvn
