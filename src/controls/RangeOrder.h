#pragma once
// Keeping a range in order: when the focus leaves a selection panel, its
// begin and end texts are exchanged when the begin is the greater one. What
// "greater" means depends on the value type: bytes for strings and times,
// integers, floating-point numbers, or calendar dates in one of several orders.

#include <optional>
#include <string>
#include <string_view>

#include "controls/SelectTypes.h"
#include "platform/DateTime.h"

namespace qvn {

// Everything of the panel that decides whether its two range texts are exchanged.
struct TRangeRules {
    TValueType ValueType = vt_String;
    TDateType DateType = dt_NoneCare;
    std::string DateSign = "/";
    bool AutoChangeDateSite = true;
    std::string EmptyMaskText;  // what an untouched edit reports under the current mask
    bool UseDiscard = false;
    std::string Discard;
};

// Leading and trailing blanks and control characters removed.
std::string TrimRangeText(std::string_view text);

// Reads a range text as a date: separator sign, part order type. Year and
// month alone mean the first of that month. Nothing (the "date 0", earlier
// than every real date) for an empty or blank-mask text, a wrong number of
// separators, parts that are not numbers, an impossible date, or dt_NoneCare.
std::optional<TDateTime> ReadRangeDate(std::string_view text, std::string_view sign, TDateType type,
                                       std::string_view emptyMaskText);

// A text under a mask with a decimal point, read as a number: the whole part
// and the digits after the first '.', each 0 when absent or not a number.
double ReadRangeFloat(std::string_view text);

// True when both texts are non-empty and the begin text is the greater one
// under the rules (texts are compared as given; trim them first).
bool RangeNeedsExchange(const std::string& beginText, const std::string& endText, const TRangeRules& rules);

}  // namespace qvn
