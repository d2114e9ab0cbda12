#pragma once
// TDateTime: days since 1899-12-30 as a double; the fraction is the time of day.
// Encoding, decoding and formatting follow the platform's date routines.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FormatSettings.h"

namespace qvn {

struct TDateTime {
    double Value = 0.0;
    constexpr TDateTime() = default;
    constexpr explicit TDateTime(double v) : Value(v) {}
    friend constexpr bool operator==(TDateTime a, TDateTime b) { return a.Value == b.Value; }
    friend constexpr auto operator<=>(TDateTime a, TDateTime b) { return a.Value <=> b.Value; }
    TDateTime& operator+=(double days) { Value += days; return *this; }
    friend TDateTime operator+(TDateTime d, double days) { return TDateTime(d.Value + days); }
    friend TDateTime operator-(TDateTime d, double days) { return TDateTime(d.Value - days); }
};

bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInAMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Raise EConvertError for an invalid date or time.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
// Non-raising forms.
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& out);

struct DateParts { int Year = 0, Month = 0, Day = 0; };
struct TimeParts { int Hour = 0, Minute = 0, Second = 0, Millisecond = 0; };
DateParts DecodeDate(TDateTime d);
TimeParts DecodeTime(TDateTime d);

// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime d);
// Whole days (the integer part), so that arithmetic in days is exact.
TDateTime DateOf(TDateTime d);
TDateTime TimeOf(TDateTime d);

TDateTime Now();
TDateTime Today();
// Local wall clock; tests may replace it to pin "now".
using ClockFunction = TDateTime (*)();
void SetClock(ClockFunction clock);  // nullptr restores the system clock

// Formats with the platform's tokens: y/yy/yyyy, m/mm/mmm/mmmm (minutes right after
// an hour token), d/dd/ddd/dddd/ddddd (short date)/dddddd (long date), h/hh, n/nn,
// s/ss, z/zzz, t (short time), tt (long time), c, am/pm, ampm, "/" (date separator),
// ":" (time separator), and quoted literals. Tokens are case-insensitive.
std::string FormatDateTime(std::string_view format, TDateTime d, const FormatSettings& fs = ProcessFormatSettings());
// Short date, then the long time when the time is not zero.
std::string DateTimeToStr(TDateTime d, const FormatSettings& fs = ProcessFormatSettings());
std::string DateToStr(TDateTime d, const FormatSettings& fs = ProcessFormatSettings());
// Parses a date (and optional time) in the order of the short date format;
// raises EConvertError when the text is not a date.
TDateTime StrToDateTime(std::string_view text, const FormatSettings& fs = ProcessFormatSettings());
bool TryStrToDateTime(std::string_view text, TDateTime& out, const FormatSettings& fs = ProcessFormatSettings());

}  // namespace qvn
