#include "util/PeriodDate.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

Variant Weekly(Variant interval, Variant weekday) { return VarArrayOf({1, VarArrayOf({interval, weekday})}); }
Variant OnDay(Variant interval, Variant day) { return VarArrayOf({2, VarArrayOf({0, interval, day})}); }
Variant OnWeekday(Variant interval, Variant ordinal, Variant weekday)
{
    return VarArrayOf({2, VarArrayOf({1, interval, ordinal, weekday})});
}

struct PeriodCase {
    const char* start;
    Variant descriptor;
    const char* expected;
    const char* why;
};

void Check(const std::vector<PeriodCase>& cases)
{
    for (const auto& c : cases) EXPECT_EQ(NextPeriodDate(c.start, c.descriptor), c.expected) << c.why;
}

TEST(NextPeriodDateTest, EveryNDaysRunsOnTheStart)
{
    Check({
        {"20240131", VarArrayOf({0, "3"}), "20240131", "the start itself"},
        {"20240230", VarArrayOf({0, "3"}), "", "a start that is no date"},
    });
}

TEST(NextPeriodDateTest, WeeklyFromAWednesdayStart)
{
    // 31 January 2024 is a Wednesday.
    Check({
        {"20240131", Weekly("1", 5), "20240202", "Friday of the same week"},
        {"20240131", Weekly("1", 6), "20240203", "Saturday of the same week"},
        {"20240131", Weekly("1", 1), "20240205", "Monday of the next week"},
        {"20240131", Weekly("1", 0), "20240204", "Sunday of the next week"},
        {"20240131", Weekly("1", 3), "20240131", "the start's own weekday"},
        {"20240131", Weekly("2", 5), "20240209", "every two weeks, later weekday"},
        {"20240131", Weekly("2", 1), "20240212", "every two weeks, earlier weekday"},
        {"20240131", Weekly(1, "5"), "20240202", "counts and choices are both read as numbers"},
    });
}

TEST(NextPeriodDateTest, MonthlyOnADay)
{
    Check({
        {"20240415", OnDay("1", "31"), "20240430", "day 31 in a 30-day month is its last day"},
        {"20240415", OnDay("1", "10"), "20240510", "a day already past goes to the next month"},
        {"20240415", OnDay("1", "15"), "20240415", "the start's own day"},
        {"20240415", OnDay("3", "20"), "20240620", "N - 1 months ahead when the day is still to come"},
        {"20240415", OnDay("3", "10"), "20240710", "N months ahead when the day has passed"},
        {"20240131", OnDay("1", "29"), "20240229", "leap February"},
        {"20230131", OnDay("1", "29"), "20230228", "plain February"},
        {"20241215", OnDay("1", "5"), "20250105", "over the year end"},
    });
}

TEST(NextPeriodDateTest, MonthlyOnAnOrdinalWeekday)
{
    // April 2024 begins on a Monday and ends on a Tuesday; 26 April is its last Friday.
    Check({
        {"20240401", OnWeekday("1", 0, 1), "20240401", "first Monday is the start"},
        {"20240401", OnWeekday("1", 1, 1), "20240408", "second Monday"},
        {"20240401", OnWeekday("1", 0, 0), "20240407", "first Sunday lies after the first"},
        {"20240401", OnWeekday("1", 3, 5), "20240426", "fourth Friday"},
        {"20240415", OnWeekday("1", 4, 5), "20240426", "last Friday of the month"},
        {"20240427", OnWeekday("1", 4, 5), "20240531", "last Friday already past: next month's"},
        {"20240410", OnWeekday("1", 0, 1), "20240506", "first Monday already past: next month's"},
        {"20240401", OnWeekday("2", 2, 3), "20240515", "every two months: third Wednesday a month on"},
        {"20240401", OnWeekday("1", 4, 2), "20240430", "last Tuesday is the last day"},
    });
}

TEST(NextPeriodDateTest, MalformedDescriptorsGiveAnEmptyText)
{
    Variant twoDims = VarArrayCreate(VarBound{0, 1}, VarBound{0, 1});
    Variant shiftedBounds = VarArrayCreate(1, 2);
    shiftedBounds[1] = 1;
    shiftedBounds[2] = VarArrayOf({"1", 5});
    Check({
        {"20240131", Variant(1), "", "not an array"},
        {"20240131", Variant(), "", "empty"},
        {"20240131", twoDims, "", "two dimensions"},
        {"20240131", shiftedBounds, "", "bounds 1..2"},
        {"20240131", VarArrayOf({0}), "", "one element"},
        {"20240131", VarArrayOf({0, "1", "x"}), "", "three elements"},
        {"20240131", VarArrayOf({"abc", "1"}), "", "kind is text"},
        {"20240131", VarArrayOf({Variant::Null(), "1"}), "", "kind is Null"},
        {"20240131", VarArrayOf({3, 1.5}), "", "every N hours is not handled here"},
        {"20240131", VarArrayOf({4, "1"}), "", "unknown kind"},
        {"20240131", VarArrayOf({-1, "1"}), "", "negative kind"},
        {"20240131", VarArrayOf({1, "1"}), "", "weekly parameters not an array"},
        {"20240131", VarArrayOf({1, VarArrayOf({"1"})}), "", "weekly parameters too short"},
        {"20240131", Weekly("abc", 5), "", "interval is text"},
        {"20240131", Weekly("0", 5), "", "interval 0"},
        {"20240131", Weekly("-1", 5), "", "negative interval"},
        {"20240131", Weekly("1", 7), "", "weekday 7"},
        {"20240131", Weekly("1", -1), "", "weekday -1"},
        {"20240131", Weekly("99999999", 5), "", "interval far beyond the calendar"},
        {"2024013", Weekly("1", 5), "", "start is no date"},
        {"20240131", OnDay("0", "10"), "", "monthly interval 0"},
        {"20240131", OnDay("1", "0"), "", "day 0"},
        {"20240131", OnDay("1", "32"), "", "day 32"},
        {"20240131", OnDay("1", ""), "", "day empty text"},
        {"20240131", OnDay("100000", "10"), "", "interval past year 9999"},
        {"20240131", OnWeekday("1", 5, 1), "", "ordinal 5"},
        {"20240131", OnWeekday("1", -1, 1), "", "ordinal -1"},
        {"20240131", OnWeekday("-2", 0, 1), "", "negative monthly interval"},
        {"20240131", OnWeekday("1", 0, 9), "", "weekday 9"},
        {"20240131", VarArrayOf({2, VarArrayOf({2, "1", "5"})}), "", "unknown monthly mode"},
        {"20240131", VarArrayOf({2, VarArrayOf({1, "1", 0})}), "", "ordinal mode missing the weekday"},
        {"", OnDay("1", "10"), "", "empty start"},
    });
}

}  // namespace
}  // namespace qvn
