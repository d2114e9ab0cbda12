#pragma once
// Small text conversions shared by the whole module.

#include <string>
#include <string_view>

#include "platform/Strings.h"
#include "platform/Variant.h"

namespace qvn {

// Replaces every occurrence of Old (case-sensitive), searching again from the
// start after each replacement so that text produced by a replacement is seen
// too. Old and New equal ignoring case: Text unchanged. When New contains Old
// the replacement is done in one pass from left to right instead of looping
// forever. TrimResult removes leading and trailing blanks and control characters.
std::string ReplaceAll(std::string_view text, std::string_view oldText, std::string_view newText, bool trimResult);

// Name #3 count #3 item1 #3 ... itemN #3, where Items[0] holds the count N.
WideString PackVarArrayText(const WideString& name, const Variant& items);

// The Chinese caption of a message-dialog button by its component name.
std::string DialogButtonCaption(std::string_view buttonName);

// The value when the whole text is a number in standard notation ('.' decimal
// point, optional sign and exponent, leading blanks allowed), else def.
double StrToFloatDefault(std::string_view text, double def);

// True exactly for "127.0.0.1".
bool IsLoopbackAddress(std::string_view text);

// A copy of A when Flag is true, else of B.
Variant VarIif(bool flag, const Variant& a, const Variant& b);
// Empty or Null.
bool VarIsBlank(const Variant& v);

}  // namespace qvn
