#include "util/PeriodDate.h"

#include <cstdint>

#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "util/DateText.h"

namespace qvn {

namespace {

// A malformed descriptor: the caller answers it with an empty text.
struct MalformedDescriptor {};

int NumberAt(const Variant& array, int index)
{
    return array[index].ToInt();
}

int RequireRange(int value, int low, int high)
{
    if (value < low || value > high) throw MalformedDescriptor{};
    return value;
}

constexpr int MaxInterval = 1000000;  // far beyond any calendar; keeps the arithmetic small

// Weekday of the descriptor (0 = Sunday) as DayOfWeek counts it (1 = Sunday).
int TargetWeekday(const Variant& params, int index)
{
    return RequireRange(NumberAt(params, index), 0, 6) + 1;
}

std::string YearMonthOf(const std::string& ymd8) { return ymd8.substr(0, 6); }

std::string EveryNWeeks(const std::string& start, const Variant& params)
{
    const TDateTime startDate = Ymd8ToDate(start);
    const int n = RequireRange(NumberAt(params, 0), 1, MaxInterval);
    const int t = TargetWeekday(params, 1);
    if (startDate.Value == 0.0) return {};
    const int b = DayOfWeek(startDate);
    const int weeks = t < b ? n : n - 1;
    const TDateTime x = startDate + 7.0 * weeks;
    return DateToYmd8(x + static_cast<double>(t - DayOfWeek(x)));
}

std::string MonthlyOnDay(const std::string& start, const Variant& params)
{
    const int n = RequireRange(NumberAt(params, 1), 1, MaxInterval);
    const int day = RequireRange(NumberAt(params, 2), 1, 31);
    const TDateTime startDate = Ymd8ToDate(start);
    if (startDate.Value == 0.0) return {};
    const int months = day >= DecodeDate(startDate).Day ? n - 1 : n;
    const std::string x = DateAddText(Variant(start), "M", months);
    if (x.empty()) return {};
    const std::string candidate = YearMonthOf(x) + Format("%.2d", {day});
    if (IsValidYmd8(candidate)) return candidate;
    const DateParts p = DecodeDate(Ymd8ToDate(x));
    return YearMonthOf(x) + Format("%.2d", {DaysInMonth(p.Year, p.Month)});
}

// The ordinal weekday (0..3 = first..fourth, 4 = last) of the month of x.
std::string OrdinalWeekdayOfMonth(const std::string& x, int ordinal, int t)
{
    const TDateTime first = Ymd8ToDate(YearMonthOf(x) + "01");
    if (ordinal < 4) {
        const int c = t - DayOfWeek(first);
        const int weeks = c < 0 ? ordinal + 1 : ordinal;
        return DateToYmd8(first + static_cast<double>(c + 7 * weeks));
    }
    const DateParts p = DecodeDate(first);
    const TDateTime last = EncodeDate(p.Year, p.Month, DaysInMonth(p.Year, p.Month));
    const int d = DayOfWeek(last) - t;
    return DateToYmd8(last - static_cast<double>(d >= 0 ? d : d + 7));
}

std::string MonthlyOnWeekday(const std::string& start, const Variant& params)
{
    const int n = RequireRange(NumberAt(params, 1), 1, MaxInterval);
    const int ordinal = RequireRange(NumberAt(params, 2), 0, 4);
    const int t = TargetWeekday(params, 3);
    std::string result;
    for (int months : {n - 1, n}) {
        const std::string x = DateAddText(Variant(start), "M", months);
        if (x.empty()) return {};
        result = OrdinalWeekdayOfMonth(x, ordinal, t);
        // Texts of eight digits compare as the dates they name.
        if (!(result < start)) break;
    }
    return result;
}

std::string Monthly(const std::string& start, const Variant& params)
{
    switch (NumberAt(params, 0)) {
    case 0: return MonthlyOnDay(start, params);
    case 1: return MonthlyOnWeekday(start, params);
    default: return {};
    }
}

}  // namespace

std::string NextPeriodDate(const std::string& startYmd8, const Variant& descriptor)
{
    try {
        // The descriptor is the pair 0..1 of kind and parameters.
        if (descriptor.DimCount() != 1 || descriptor.LowBound() != 0 || descriptor.HighBound() != 1) return {};
        switch (NumberAt(descriptor, 0)) {
        case 0: {
            const TDateTime start = Ymd8ToDate(startYmd8);
            return start.Value == 0.0 ? std::string() : DateToYmd8(start);
        }
        case 1: return EveryNWeeks(startYmd8, descriptor[1]);
        case 2: return Monthly(startYmd8, descriptor[1]);
        default: return {};  // kind 3 (hours) has no run date here
        }
    } catch (const MalformedDescriptor&) {
        return {};
    } catch (const Exception&) {
        return {};  // missing elements, texts that are not numbers
    }
}

}  // namespace qvn
