#include "util/DynamicDates.h"

#include <cstdint>
#include <limits>

#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "util/DateText.h"
#include "util/Fields.h"

namespace qvn {

namespace {

// Field positions of a setting string (1-based).
struct RuleFields {
    int Dynamic, Amount, MonthFlag, Edge, Days;
};
constexpr RuleFields SingleRule{3, 4, 5, 6, 7};
constexpr RuleFields RangeFromRule{3, 4, 5, 6, 7};
constexpr RuleFields RangeToRule{8, 9, 10, 11, 12};
constexpr int SingleKindField = 8;
constexpr int SingleIndexField = 9;
constexpr int RangeKindField = 13;
constexpr int RangeIndexField = 14;

// A day count beyond the int range moves past every calendar date.
std::string AddDays(const std::string& base, int64_t days)
{
    if (days < std::numeric_limits<int>::min() || days > std::numeric_limits<int>::max()) return {};
    return DateAddText(Variant(base), "D", static_cast<int>(days));
}

std::string YearMonthOf(const std::string& ymd8) { return ymd8.substr(0, 6); }

class SettingString {
public:
    explicit SettingString(std::string text) : text_(std::move(text)) {}
    std::string Field(int n) const { return GetField(text_, kFieldSep, n); }

private:
    std::string text_;
};

std::string ApplyRule(const SettingString& s, const RuleFields& r, const std::string& base)
{
    const std::string amount = s.Field(r.Amount);
    const std::string edge = s.Field(r.Edge);
    const std::string days = s.Field(r.Days);
    if (amount == "0" && edge == "0" && days == "0") return base;
    return ShiftDynamicDate(base, amount, s.Field(r.MonthFlag), days, edge);
}

void ApplySetting(Variant& values, const SettingString& s, const std::string& baseYmd8)
{
    const bool range = s.Field(1) == "0";
    const bool dateItem = s.Field(range ? RangeKindField : SingleKindField) == "D";
    const std::string base = dateItem ? baseYmd8 : baseYmd8.substr(0, 6);
    const int index = StrToInt(s.Field(range ? RangeIndexField : SingleIndexField));
    if (!range) {
        Variant& slot = values[index];
        if (s.Field(SingleRule.Dynamic) == "Y") slot = Variant(ApplyRule(s, SingleRule, base));
        return;
    }
    Variant pair = values[index];
    if (s.Field(RangeFromRule.Dynamic) == "Y") pair[1] = Variant(ApplyRule(s, RangeFromRule, base));
    if (s.Field(RangeToRule.Dynamic) == "Y") pair[2] = Variant(ApplyRule(s, RangeToRule, base));
    values[index] = std::move(pair);
}

}  // namespace

Variant ApplyDynamicDates(const Variant& request, const std::string& baseYmd8)
{
    try {
        Variant values = request[1];
        if (!values.IsArray()) return Variant(AnsiString());
        const Variant& settings = request[3];
        const int count = settings[0].ToInt();
        for (int i = 1; i <= count; ++i) ApplySetting(values, SettingString(settings[i].ToString()), baseYmd8);
        return values;
    } catch (const Exception&) {
        return Variant(AnsiString());
    }
}

std::string ShiftDynamicDate(const std::string& base, const std::string& amount, const std::string& monthFlag,
                             const std::string& days, const std::string& edge)
{
    if (base.size() < 7) return YearMonthOf(DateAddText(Variant(base + "01"), "M", StrToInt(amount)));
    if (monthFlag != "0") {
        const std::string x = DateAddText(Variant(base), "M", StrToInt(amount));
        if (x.empty()) return {};
        if (edge == "0") return AddDays(x, StrToInt(days));
        if (edge == "1") return YearMonthOf(x) + "01";
        if (edge == "2") {
            const DateParts p = DecodeDate(Ymd8ToDate(x));
            return YearMonthOf(x) + Format("%.2d", {DaysInMonth(p.Year, p.Month)});
        }
        return x;
    }
    if (edge != "0") return WeekEdgeDate(base, amount, edge);
    return AddDays(base, 7 * int64_t{StrToInt(amount)} + StrToInt(days));
}

std::string WeekEdgeDate(const std::string& base, const std::string& weeks, const std::string& edge)
{
    const int64_t count = StrToInt(weeks);
    const TDateTime baseDate = Ymd8ToDate(base);
    if (baseDate.Value == 0.0) return {};
    const TDateTime x = baseDate + 7.0 * static_cast<double>(count);
    const int toEdge = edge == "1" ? 1 - DayOfWeek(x) : 7 - DayOfWeek(x);
    return DateToYmd8(x + static_cast<double>(toEdge));
}

}  // namespace qvn
