#pragma once
// The next run date of a periodic schedule.

#include <string>

#include "platform/Variant.h"

namespace qvn {

// Descriptor: array 0..1 of [period kind, parameters] as the periodic-schedule
// page builds it. Kind 0 (every N days): the start itself. Kind 1 (every N
// weeks): [N, weekday 0=Sunday..6]. Kind 2 (monthly): [0, N, day 1..31] or
// [1, N, week ordinal 0..3 or 4 = last, weekday]. Every parameter is read as a
// number. Result "yyyymmdd"; empty for kind 3 (hours), any other kind, a start
// that is no date, and any malformed descriptor (interval below 1, weekday,
// day or ordinal out of range included).
std::string NextPeriodDate(const std::string& startYmd8, const Variant& descriptor);

}  // namespace qvn
