#include "util/DateText.h"

#include <cstdint>
#include <optional>

#include "platform/CodePage.h"
#include "platform/Format.h"
#include "util/Fields.h"

namespace qvn {

namespace {

std::string Trimmed(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return text.substr(begin, end - begin);
}

// The calendar parts of a date; nothing (all zero) outside years 1 to 9999.
DateParts CalendarParts(TDateTime date)
{
    const DateParts parts = DecodeDate(date);
    if (parts.Year < 1 || parts.Year > 9999) return {};
    return parts;
}

std::string SeparatorOf(const std::string& sepText)
{
    return sepText.empty() ? std::string() : sepText.substr(0, 1);
}

constexpr int RocYearOffset = 1911;

// Cuts the next field at sep and reads it as a number; -1 when it is not one.
int CutNumber(std::string& text, const std::string& sep)
{
    std::string head;
    CutField(text, sep, head);
    return StrToIntDef(Trimmed(head), -1);
}

// Nothing when the parts form no calendar date (so that 30 December 1899,
// value 0, stays a result like any other).
std::optional<TDateTime> DateFromParts(int64_t year, int64_t month, int64_t day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    TDateTime date;
    if (!TryEncodeDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), date)) return std::nullopt;
    return date;
}

// The date of a DateAddText value; 0 when the value holds none.
TDateTime ValueAsDate(const Variant& value)
{
    switch (value.Type()) {
    case VarType::String: return Ymd8ToDate(value.AnsiRef());
    case VarType::OleStr: return Ymd8ToDate(WideToAnsi(value.WideRef()));
    case VarType::Date: return value.ToDate();
    default: return {};
    }
}

// Year, month and day (the day lowered until it exists), or 0 outside the calendar.
std::optional<TDateTime> ClampedDate(int64_t year, int64_t month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12) return std::nullopt;
    const int last = DaysInMonth(static_cast<int>(year), static_cast<int>(month));
    return DateFromParts(year, month, day > last ? last : day);
}

std::optional<TDateTime> AddMonths(const DateParts& p, int64_t n)
{
    // Truncating div and mod: month 0 belongs to December of the year before.
    const int64_t t = int64_t{p.Year} * 12 + p.Month + n;
    int64_t month = t % 12;
    int64_t year = t / 12;
    if (month == 0) {
        month = 12;
        --year;
    }
    return ClampedDate(year, month, p.Day);
}

}  // namespace

std::string FormatDateText(int kind, const std::string& sepText, TDateTime date)
{
    if (date.Value == 0.0) return {};
    const DateParts p = CalendarParts(date);
    if (p.Year == 0) return {};
    const std::string sep = SeparatorOf(sepText);
    switch (kind) {
    case 1: return Format("%.4d%s%.2d%s%.2d", {p.Year, sep, p.Month, sep, p.Day});
    case 2: return Format("%.2d%s%.2d%s%.4d", {p.Month, sep, p.Day, sep, p.Year});
    case 3: return Format("%.2d%s%.2d%s%.4d", {p.Day, sep, p.Month, sep, p.Year});
    case 4: return Format("%.2d%s%.2d%s%.2d", {p.Year - RocYearOffset, sep, p.Month, sep, p.Day});
    case 5: return Format("%.3d%s%.2d%s%.2d", {p.Year - RocYearOffset, sep, p.Month, sep, p.Day});
    default: return {};
    }
}

std::string FormatYearMonthText(int kind, const std::string& sepText, TDateTime date)
{
    if (date.Value == 0.0) return {};
    const DateParts p = CalendarParts(date);
    if (p.Year == 0) return {};
    const std::string sep = SeparatorOf(sepText);
    switch (kind) {
    case 1: return Format("%.4d%s%.2d", {p.Year, sep, p.Month});
    case 2:
    case 3: return Format("%.2d%s%.4d", {p.Month, sep, p.Year});
    case 4: return Format("%.2d%s%.2d", {p.Year - RocYearOffset, sep, p.Month});
    case 5: return Format("%.3d%s%.2d", {p.Year - RocYearOffset, sep, p.Month});
    default: return {};
    }
}

TDateTime ParseDateText(const std::string& text, int kind, const std::string& sep)
{
    std::string rest = Trimmed(text);
    if (rest.empty()) return {};
    const int first = CutNumber(rest, sep);
    const int second = CutNumber(rest, sep);
    const int third = CutNumber(rest, sep);
    if (first <= 0 || second <= 0 || third <= 0) return {};
    int64_t year = 0, month = 0, day = 0;
    switch (kind) {
    case 1: year = first; month = second; day = third; break;
    case 2: month = first; day = second; year = third; break;
    case 3: day = first; month = second; year = third; break;
    case 4:
    case 5: year = int64_t{first} + RocYearOffset; month = second; day = third; break;
    default: return {};
    }
    const std::optional<TDateTime> firstOfMonth = DateFromParts(year, month, 1);
    if (!firstOfMonth) return {};
    const TDateTime date = *firstOfMonth + static_cast<double>(day - 1);
    // A day count that rolls past year 9999 names no date.
    return CalendarParts(date).Year == 0 ? TDateTime() : date;
}

TDateTime Ymd8ToDate(const std::string& text)
{
    if (text.size() != 8) return {};
    const int year = StrToIntDef(text.substr(0, 4), 0);
    const int month = StrToIntDef(text.substr(4, 2), 0);
    const int day = StrToIntDef(text.substr(6, 2), 0);
    if (year == 0 || month == 0 || day == 0) return {};
    return DateFromParts(year, month, day).value_or(TDateTime());
}

bool IsValidYmd8(const std::string& text)
{
    if (text.empty()) return true;
    return Ymd8ToDate(text).Value != 0.0 && text >= "17530101" && text <= "99991231";
}

std::string DateToYmd8(TDateTime date)
{
    const DateParts p = CalendarParts(date);
    if (p.Year == 0) return {};
    return Format("%.4d%.2d%.2d", {p.Year, p.Month, p.Day});
}

std::string DateAddText(const Variant& value, const std::string& unit, int n)
{
    const TDateTime date = ValueAsDate(value);
    if (date.Value == 0.0) return {};
    const DateParts p = CalendarParts(date);
    if (p.Year == 0) return {};
    std::optional<TDateTime> result;
    if (unit == "Y" || unit == "y") {
        result = ClampedDate(int64_t{p.Year} + n, p.Month, p.Day);
    } else if (unit == "M" || unit == "m") {
        result = AddMonths(p, n);
    } else if (unit == "D" || unit == "d") {
        result = EncodeDate(p.Year, p.Month, p.Day) + static_cast<double>(n);
    }
    return result ? DateToYmd8(*result) : std::string();
}

int DaysInMonth(int year, int month)
{
    return DaysInAMonth(year, month);
}

}  // namespace qvn
