#include "controls/RangeOrder.h"

#include <cctype>
#include <cmath>

#include "platform/Format.h"

namespace qvn {
namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

int ReadIntOr(std::string_view text, int fallback) { return StrToIntDef(TrimRangeText(text), fallback); }

int CountOccurrences(std::string_view text, std::string_view sign)
{
    int n = 0;
    for (size_t at = text.find(sign); at != std::string_view::npos; at = text.find(sign, at + sign.size())) ++n;
    return n;
}

// Year and month alone: the first of the month, written in the text's own order.
std::string CompleteDay(std::string_view text, std::string_view sign, TDateType type)
{
    const std::string s(text);
    switch (type) {
    case dt_MMDDYYYY: return s.substr(0, 2) + std::string(sign) + "01" + (s.size() > 2 ? s.substr(2, 5) : "");
    case dt_DDMMYYYY: return "01" + std::string(sign) + s;
    default: return s + std::string(sign) + "01";
    }
}

struct Ymd {
    int Year, Month, Day;
};

std::optional<Ymd> Arrange(int p1, int p2, int p3, TDateType type)
{
    switch (type) {
    case dt_YYYYMMDD: return Ymd{p1, p2, p3};
    case dt_MMDDYYYY: return Ymd{p3, p1, p2};
    case dt_DDMMYYYY: return Ymd{p3, p2, p1};
    case dt_YYMMDD:
    case dt_YYYMMDD: return Ymd{p1 + 1911, p2, p3};
    default: return std::nullopt;
    }
}

bool IsGuardedText(const std::string& text, const TRangeRules& rules)
{
    if (text == rules.EmptyMaskText) return true;
    return rules.UseDiscard && TrimRangeText(text) == rules.Discard;
}

bool LaterDate(const std::string& a, const std::string& b, const TRangeRules& rules)
{
    const auto da = ReadRangeDate(a, rules.DateSign, rules.DateType, rules.EmptyMaskText);
    const auto db = ReadRangeDate(b, rules.DateSign, rules.DateType, rules.EmptyMaskText);
    if (!da) return false;  // an unreadable begin is the earliest of all
    if (!db) return true;
    return *da > *db;
}

}  // namespace

std::string TrimRangeText(std::string_view text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsBlankOrControl(text[first])) ++first;
    while (last > first && IsBlankOrControl(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

std::optional<TDateTime> ReadRangeDate(std::string_view text, std::string_view sign, TDateType type,
                                       std::string_view emptyMaskText)
{
    std::string s = TrimRangeText(text);
    if (s.empty() || s == TrimRangeText(emptyMaskText) || sign.empty() || type == dt_NoneCare) return std::nullopt;
    const int separators = CountOccurrences(s, sign);
    if (separators == 1)
        s = CompleteDay(s, sign, type);
    else if (separators != 2)
        return std::nullopt;
    const size_t cut1 = s.find(sign);
    const size_t cut2 = cut1 == std::string::npos ? std::string::npos : s.find(sign, cut1 + sign.size());
    if (cut2 == std::string::npos) return std::nullopt;  // a completion that lost a separator
    const std::string_view v(s);
    const int p1 = ReadIntOr(v.substr(0, cut1), -1);
    const int p2 = ReadIntOr(v.substr(cut1 + sign.size(), cut2 - cut1 - sign.size()), -1);
    std::string_view rest = v.substr(cut2 + sign.size());
    if (const size_t extra = rest.find(sign); extra != std::string_view::npos) rest = rest.substr(0, extra);
    const int p3 = ReadIntOr(rest, -1);
    if (p1 == -1 || p2 == -1 || p3 == -1) return std::nullopt;
    const auto ymd = Arrange(p1, p2, p3, type);
    TDateTime date;
    if (!ymd || !TryEncodeDate(ymd->Year, ymd->Month, ymd->Day, date)) return std::nullopt;
    return date;
}

double ReadRangeFloat(std::string_view text)
{
    const std::string s = TrimRangeText(text);
    const size_t point = s.find('.');
    const std::string whole = TrimRangeText(s.substr(0, point));
    const bool negative = !whole.empty() && whole[0] == '-';
    double value = std::abs(static_cast<double>(StrToIntDef(whole, 0)));
    if (point != std::string::npos) {
        // The fraction's digits as written: leading zeros count, a trailing mask blank ends them.
        double scale = 0.1;
        for (size_t i = point + 1; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && scale > 1e-300; ++i) {
            value += (s[i] - '0') * scale;
            scale /= 10;
        }
    }
    return negative ? -value : value;
}

bool RangeNeedsExchange(const std::string& beginText, const std::string& endText, const TRangeRules& rules)
{
    if (beginText.empty() || endText.empty()) return false;
    switch (rules.ValueType) {
    case vt_String:
    case vt_Time:
        if (IsGuardedText(beginText, rules) || IsGuardedText(endText, rules)) return false;
        return beginText > endText;
    case vt_Number: return StrToIntDef(TrimRangeText(beginText), 0) > StrToIntDef(TrimRangeText(endText), 0);
    case vt_Date:
        if (!rules.AutoChangeDateSite) return false;
        if (IsGuardedText(beginText, rules) || IsGuardedText(endText, rules)) return false;
        if (rules.DateType == dt_NoneCare) return beginText > endText;
        return LaterDate(beginText, endText, rules);
    case vt_Float: return ReadRangeFloat(beginText) > ReadRangeFloat(endText);
    case vt_OtherMask: return false;
    }
    return false;
}

}  // namespace qvn
