#pragma once
// The suite's date texts: dates written in the user's display order (kinds 1
// to 5), eight-digit "yyyymmdd" texts, and month and day arithmetic on them.
// A date of 0 stands for "no date"; every function answers bad input with 0
// or an empty text.

#include <string>

#include "platform/DateTime.h"
#include "platform/Variant.h"

namespace qvn {

// Kind 1 year-month-day, 2 month-day-year, 3 day-month-year, 4 and 5 ROC year
// (Gregorian year - 1911, at least two or three digits) then month and day.
// The separator is the first character of SepText (none when it is empty).
std::string FormatDateText(int kind, const std::string& sepText, TDateTime date);
// The same orders without the day (kinds 2 and 3 both write month then year).
std::string FormatYearMonthText(int kind, const std::string& sepText, TDateTime date);

// Reads three fields cut at Sep in the order of the kind. The day is added to
// the first of the month, so a day past the month's end rolls over
// (2024/02/30 is 1 March 2024). 0 when the text is not such a date.
TDateTime ParseDateText(const std::string& text, int kind, const std::string& sep);

// 0 unless the text is exactly eight characters forming a valid date.
TDateTime Ymd8ToDate(const std::string& text);
// Empty, or a valid "yyyymmdd" between 17530101 and 99991231.
bool IsValidYmd8(const std::string& text);
// "yyyymmdd"; empty for dates outside years 1 to 9999. A computed result may
// be 30 December 1899 (value 0), so callers holding 0 for "no date" check first.
std::string DateToYmd8(TDateTime date);

// Value holds a "yyyymmdd" text (8-bit or wide) or a date. Unit "Y", "M" or
// "D" (either case) adds N years, months or days; a day that does not exist
// in the target month is lowered to the month's last day. Empty for any other
// value type, date 0, another unit, or a result outside years 1 to 9999.
std::string DateAddText(const Variant& value, const std::string& unit, int n);

// 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);

}  // namespace qvn
