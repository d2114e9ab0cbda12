#include "util/DynamicDates.h"

#include <gtest/gtest.h>

#include "support/VariantPrinting.h"

#include <initializer_list>

#include "platform/Exceptions.h"

namespace qvn {
namespace {

std::string Setting(std::initializer_list<const char*> fields)
{
    std::string text;
    for (const char* f : fields) {
        if (!text.empty()) text += '\x03';
        text += f;
    }
    return text;
}

// A single-date item setting V[index] by the rule (amount, month flag, edge, days).
std::string Single(const char* dynamic, const char* amount, const char* flag, const char* edge, const char* days,
                   const char* kind, const char* index)
{
    return Setting({"1", "\xC8\xD5\xC6\xDA", dynamic, amount, flag, edge, days, kind, index});
}

Variant Request(Variant values, std::initializer_list<std::string> settings)
{
    Variant s = VarArrayCreate(0, static_cast<int>(settings.size()));
    s[0] = static_cast<int>(settings.size());
    int i = 1;
    for (const auto& text : settings) s[i++] = Variant(text);
    return VarArrayOf({"report", values, Variant(), s});
}

TEST(ShiftDynamicDateTest, RulesFromABaseDate)
{
    // 31 January 2024 is a Wednesday.
    struct Case { const char* base; const char* amount; const char* flag; const char* days; const char* edge; const char* expected; };
    const Case cases[] = {
        {"202401", "-1", "1", "0", "0", "202312"},     // year-month base: months only
        {"202401", "13", "0", "5", "1", "202502"},
        {"20240131", "-1", "1", "0", "0", "20231231"},
        {"20240131", "1", "1", "0", "0", "20240229"},
        {"20240131", "1", "1", "3", "0", "20240303"},
        {"20240131", "0", "1", "9", "1", "20240101"},  // first day of the month
        {"20240131", "1", "1", "9", "2", "20240229"},  // last day of the month
        {"20240131", "1", "1", "9", "7", "20240229"},  // another edge: the shifted date itself
        {"20240131", "0", "0", "0", "1", "20240128"},  // Sunday of this week
        {"20240131", "0", "0", "0", "2", "20240203"},  // Saturday of this week
        {"20240131", "-1", "0", "0", "1", "20240121"},
        {"20240131", "1", "0", "2", "0", "20240209"},  // 7 * weeks + days
        {"20240131", "0", "0", "-31", "0", "20231231"},
        {"", "1", "1", "0", "0", ""},
        {"2024013x", "1", "1", "0", "1", ""},
        {"20240131", "400000000", "0", "0", "0", ""},  // beyond the calendar, no overflow
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShiftDynamicDate(c.base, c.amount, c.flag, c.days, c.edge), c.expected)
            << c.base << ' ' << c.amount << ' ' << c.flag << ' ' << c.days << ' ' << c.edge;
}

TEST(ShiftDynamicDateTest, CountsThatAreNoNumbersRaise)
{
    EXPECT_THROW(ShiftDynamicDate("202401", "x", "1", "0", "0"), EConvertError);
    EXPECT_THROW(ShiftDynamicDate("20240131", "1.5", "1", "0", "0"), EConvertError);
    EXPECT_THROW(ShiftDynamicDate("20240131", "1", "1", "", "0"), EConvertError);
    EXPECT_THROW(ShiftDynamicDate("20240131", "1", "0", "abc", "0"), EConvertError);
    EXPECT_THROW(WeekEdgeDate("20240131", "one", "1"), EConvertError);
    EXPECT_THROW(WeekEdgeDate("", "one", "1"), EConvertError);
}

TEST(WeekEdgeDateTest, SundayOrSaturdayOfTheShiftedWeek)
{
    EXPECT_EQ(WeekEdgeDate("20240131", "0", "1"), "20240128");
    EXPECT_EQ(WeekEdgeDate("20240131", "0", "2"), "20240203");
    EXPECT_EQ(WeekEdgeDate("20240128", "1", "1"), "20240204");  // a Sunday stays the week's start
    EXPECT_EQ(WeekEdgeDate("20240203", "-1", "x"), "20240127");  // a Saturday stays the week's end
    EXPECT_EQ(WeekEdgeDate("", "1", "1"), "");
}

TEST(ApplyDynamicDatesTest, SingleItemsRewriteTheirParameter)
{
    const Variant values = VarArrayOf({"keep", "old", "old", "old", "old"});
    const Variant result = ApplyDynamicDates(
        Request(values, {Single("Y", "0", "1", "0", "0", "D", "1"),     // all zero: the base itself
                         Single("Y", "-1", "1", "0", "0", "M", "2"),    // year-month item
                         Single("Y", "0", "1", "2", "0", "D", "3"),     // last day of the month
                         Single("N", "5", "1", "0", "0", "D", "4")}),   // not dynamic: unchanged
        "20240131");
    ASSERT_TRUE(result.IsArray());
    EXPECT_EQ(result, VarArrayOf({"keep", "20240131", "202312", "20240131", "old"}));
}

TEST(ApplyDynamicDatesTest, RangeItemsRewriteTheirEnds)
{
    const Variant pair = VarArrayOf({"name", "from", "to"});
    const std::string thisMonth =
        Setting({"0", "c", "Y", "0", "1", "1", "0", "Y", "0", "1", "2", "0", "D", "0"});
    const std::string lastWeekToOnly =
        Setting({"0", "c", "N", "0", "1", "1", "0", "Y", "-1", "0", "2", "0", "D", "1"});
    const std::string yearMonths =
        Setting({"0", "c", "Y", "-2", "1", "0", "0", "Y", "0", "0", "0", "0", "M", "2"});
    const Variant result =
        ApplyDynamicDates(Request(VarArrayOf({pair, pair, pair}), {thisMonth, lastWeekToOnly, yearMonths}), "20240131");
    ASSERT_TRUE(result.IsArray());
    EXPECT_EQ(result[0], VarArrayOf({"name", "20240101", "20240131"}));
    EXPECT_EQ(result[1], VarArrayOf({"name", "from", "20240127"}));
    EXPECT_EQ(result[2], VarArrayOf({"name", "202311", "202401"}));
}

TEST(ApplyDynamicDatesTest, AnEmptyBaseEmptiesEveryDynamicItem)
{
    const Variant result = ApplyDynamicDates(
        Request(VarArrayOf({"a", "b", "c", VarArrayOf({"n", "f", "t"})}),
                {Single("Y", "0", "1", "0", "0", "D", "0"), Single("Y", "3", "0", "0", "1", "D", "1"),
                 Single("N", "3", "1", "0", "0", "D", "2"),
                 Setting({"0", "c", "Y", "-1", "1", "0", "0", "N", "0", "0", "0", "0", "M", "3"})}),
        "");
    EXPECT_EQ(result, VarArrayOf({"", "", "c", VarArrayOf({"n", "", "t"})}));
}

TEST(ApplyDynamicDatesTest, NoSettingsLeavesTheValues)
{
    const Variant values = VarArrayOf({"a", 1});
    EXPECT_EQ(ApplyDynamicDates(Request(values, {}), "20240131"), values);
}

TEST(ApplyDynamicDatesTest, AnyFailureGivesAnEmptyText)
{
    const Variant values = VarArrayOf({"a", "b"});
    Variant countAsText = Request(values, {Single("Y", "1", "1", "0", "0", "D", "0")});
    countAsText[3][0] = "abc";
    Variant tooManyCounted = Request(values, {Single("Y", "1", "1", "0", "0", "D", "0")});
    tooManyCounted[3][0] = 2;
    const Variant cases[] = {
        Request(values, {Single("Y", "x", "1", "0", "0", "D", "0")}),   // amount is no number
        Request(values, {Single("Y", "1", "1", "0", "z", "D", "0")}),   // days is no number
        Request(values, {Single("Y", "1", "1", "0", "0", "D", "5")}),   // index outside V
        Request(values, {Single("N", "1", "1", "0", "0", "D", "5")}),   // even when not dynamic
        Request(values, {Single("Y", "1", "1", "0", "0", "D", "one")}), // index is no number
        Request(values, {Setting({"0", "c", "Y", "0", "1", "1", "0", "N", "0", "0", "0", "0", "D", "0"})}),  // pair is a text
        Request(Variant("abc"), {}),                                    // V is no array
        countAsText,
        tooManyCounted,
        VarArrayOf({"report", values}),                                 // no settings element
        Variant("not a request"),
        Variant(),
    };
    for (const auto& request : cases) {
        const Variant result = ApplyDynamicDates(request, "20240131");
        EXPECT_EQ(result.Type(), VarType::String) << VarDebugText(request);
        EXPECT_EQ(result.ToString(), "") << VarDebugText(request);
    }
}

}  // namespace
}  // namespace qvn
