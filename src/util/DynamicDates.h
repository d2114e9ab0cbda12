#pragma once
// Recomputation of dynamic date parameters: a saved query keeps, for each of
// its date conditions, a rule relative to "today" (so many months or weeks
// away, at a month or week edge, plus days), and the dates are worked out
// again from a base date each time the query runs.

#include <string>

#include "platform/Variant.h"

namespace qvn {

// Request: array whose element 1 is the parameter value array V and element 3
// the settings array S (S[0] = count n, S[1..n] = setting strings of fields
// separated by #3). Each dynamic item rewrites its entry of V from BaseYmd8
// (a range item rewrites elements 1 and 2 of the pair array it holds). The
// result is V; any failure (a count that is not a number, a missing element)
// gives an empty 8-bit text instead.
Variant ApplyDynamicDates(const Variant& request, const std::string& baseYmd8);

// One rule applied to a base: a year-month base (shorter than 7 characters)
// moves by Amount months; otherwise MonthFlag other than "0" moves by Amount
// months and then Edge "0" adds Days, "1" takes the first and "2" the last day
// of the month; with MonthFlag "0" and Edge other than "0" the week edge of
// WeekEdgeDate, else 7 * Amount + Days days. Counts are decimal texts; one
// that is not a number raises EConvertError.
std::string ShiftDynamicDate(const std::string& base, const std::string& amount, const std::string& monthFlag,
                             const std::string& days, const std::string& edge);

// The Sunday (Edge "1") or else the Saturday of the week Weeks weeks from
// Base; empty when Base is no date. A Weeks text that is not a number raises
// EConvertError.
std::string WeekEdgeDate(const std::string& base, const std::string& weeks, const std::string& edge);

}  // namespace qvn
