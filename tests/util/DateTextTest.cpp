#include "util/DateText.h"

#include <gtest/gtest.h>

#include <climits>

namespace qvn {
namespace {

TEST(FormatDateTextTest, EveryKindWritesItsOrderAndYearStyle)
{
    struct Case { int kind; const char* sep; int y, m, d; const char* date; const char* yearMonth; };
    const Case cases[] = {
        {1, "/", 2024, 1, 31, "2024/01/31", "2024/01"},
        {2, "/", 2024, 1, 31, "01/31/2024", "01/2024"},
        {3, "/", 2024, 1, 31, "31/01/2024", "01/2024"},
        {4, "/", 2024, 1, 31, "113/01/31", "113/01"},  // a three-digit ROC year is written whole
        {5, "/", 2024, 1, 31, "113/01/31", "113/01"},
        {4, ".", 2010, 5, 6, "99.05.06", "99.05"},
        {5, ".", 2010, 5, 6, "099.05.06", "099.05"},
        {1, "", 2024, 1, 31, "20240131", "202401"},
        {1, "-x", 987, 3, 4, "0987-03-04", "0987-03"},  // only the first character separates
        {0, "/", 2024, 1, 31, "", ""},
        {6, "/", 2024, 1, 31, "", ""},
    };
    for (const auto& c : cases) {
        const TDateTime date = EncodeDate(c.y, c.m, c.d);
        EXPECT_EQ(FormatDateText(c.kind, c.sep, date), c.date) << c.kind << ' ' << c.date;
        EXPECT_EQ(FormatYearMonthText(c.kind, c.sep, date), c.yearMonth) << c.kind << ' ' << c.yearMonth;
    }
}

TEST(FormatDateTextTest, NoDateGivesAnEmptyText)
{
    for (double v : {0.0, 1e12, -1e12}) {
        EXPECT_EQ(FormatDateText(1, "/", TDateTime(v)), "") << v;
        EXPECT_EQ(FormatYearMonthText(1, "/", TDateTime(v)), "") << v;
    }
    // A time of day on the date does not disturb it.
    EXPECT_EQ(FormatDateText(1, "/", EncodeDate(2024, 1, 31) + 0.99), "2024/01/31");
}

TEST(ParseDateTextTest, ReadsTheKindsOrderAndRollsDaysOver)
{
    struct Case { const char* text; int kind; const char* sep; int y, m, d; };
    const Case cases[] = {
        {"2024/01/31", 1, "/", 2024, 1, 31},
        {" 2024 / 1 / 31 ", 1, "/", 2024, 1, 31},
        {"01/31/2024", 2, "/", 2024, 1, 31},
        {"31/01/2024", 3, "/", 2024, 1, 31},
        {"113/01/31", 4, "/", 2024, 1, 31},
        {"99.05.06", 5, ".", 2010, 5, 6},
        {"2024--01--31", 1, "--", 2024, 1, 31},
        {"2024/02/30", 1, "/", 2024, 3, 1},   // the day is an offset from the first of the month
        {"2023/02/29", 1, "/", 2023, 3, 1},
        {"2024/01/400", 1, "/", 2025, 2, 3},
        {"2024/01/31/7", 1, "/", 2024, 1, 31},  // a fourth field is not read
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDateText(c.text, c.kind, c.sep), EncodeDate(c.y, c.m, c.d)) << c.text;
}

TEST(ParseDateTextTest, TextsThatAreNoDateGiveZero)
{
    struct Case { const char* text; int kind; const char* sep; };
    const Case cases[] = {
        {"", 1, "/"},           {"   ", 1, "/"},          {"2024/13/01", 1, "/"},  {"2024/0/5", 1, "/"},
        {"2024/01", 1, "/"},    {"2024/ab/05", 1, "/"},   {"2024/01/-3", 1, "/"},  {"2024/01/31", 0, "/"},
        {"2024/01/31", 6, "/"}, {"2024/01/31", 1, "-"},   {"2024/01/31", 1, ""},   {"10000/01/01", 1, "/"},
        {"9999/12/99999", 1, "/"},  // rolls past the last calendar day
        {"13/31/2024", 2, "/"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDateText(c.text, c.kind, c.sep).Value, 0.0) << c.text << " kind " << c.kind;
}

TEST(Ymd8Test, ConversionAndValidity)
{
    struct Case { const char* text; bool valid; double date; };
    const Case cases[] = {
        {"20240131", true, 45322.0},
        {"20240229", true, 45351.0},
        {"99991231", true, 2958465.0},
        {"17530101", true, -53688.0},
        {"17521231", false, -53689.0},  // a date, but before the lowest accepted day
        {"20230229", false, 0.0},
        {"20241301", false, 0.0},
        {"20240100", false, 0.0},
        {"00000101", false, 0.0},
        {"2024013", false, 0.0},
        {"202401311", false, 0.0},
        {"2024ab31", false, 0.0},
        {"abcdefgh", false, 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Ymd8ToDate(c.text).Value, c.date) << c.text;
        EXPECT_EQ(IsValidYmd8(c.text), c.valid) << c.text;
    }
    EXPECT_TRUE(IsValidYmd8(""));
    EXPECT_EQ(Ymd8ToDate("").Value, 0.0);
}

TEST(Ymd8Test, DateToYmd8WritesEightDigits)
{
    EXPECT_EQ(DateToYmd8(EncodeDate(987, 3, 4)), "09870304");
    EXPECT_EQ(DateToYmd8(EncodeDate(2024, 1, 31) + 0.5), "20240131");
    EXPECT_EQ(DateToYmd8(TDateTime(0.0)), "18991230");
    EXPECT_EQ(DateToYmd8(TDateTime(3e6)), "");  // after 9999-12-31
}

TEST(DateAddTextTest, UnitsAndMonthEnds)
{
    struct Case { const char* value; const char* unit; int n; const char* expected; };
    const Case cases[] = {
        {"20240131", "M", 1, "20240229"},
        {"20230131", "M", 1, "20230228"},
        {"20241215", "m", 1, "20250115"},
        {"20240131", "M", -1, "20231231"},
        {"20240115", "M", -13, "20221215"},
        {"20240331", "M", -1, "20240229"},
        {"20240131", "M", 0, "20240131"},
        {"20240110", "D", -10, "20231231"},
        {"20231231", "d", 1, "20240101"},
        {"20240229", "Y", 1, "20250228"},  // no 29 February: the day is lowered
        {"20240229", "y", 4, "20280229"},
        {"20240131", "Y", -1, "20230131"},
        {"20240131", "W", 1, ""},
        {"20240131", "", 1, ""},
        {"20240131", "MM", 1, ""},
        {"2024013", "D", 1, ""},
        {"20240230", "D", 1, ""},
        {"00010101", "D", -1, ""},   // before year 1
        {"99991231", "D", 1, ""},    // after year 9999
        {"18991231", "D", -1, "18991230"},  // a result on day 0 is still a date
        {"20240131", "Y", INT_MAX, ""},
        {"20240131", "Y", INT_MIN, ""},
        {"20240131", "M", INT_MAX, ""},
        {"20240131", "M", INT_MIN, ""},
        {"20240131", "D", INT_MAX, ""},
        {"20240131", "D", INT_MIN, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateAddText(Variant(c.value), c.unit, c.n), c.expected) << c.value << ' ' << c.unit << ' ' << c.n;
}

TEST(DateAddTextTest, ValueTypes)
{
    EXPECT_EQ(DateAddText(Variant(u8"20240131"), "D", 1), "20240201");
    EXPECT_EQ(DateAddText(Variant(EncodeDate(2024, 1, 31) + 0.75), "D", 1), "20240201");
    EXPECT_EQ(DateAddText(Variant(EncodeDate(1899, 12, 29) + (-0.25)), "D", 1), "18991230");
    EXPECT_EQ(DateAddText(Variant(TDateTime(0.0)), "D", 1), "");
    EXPECT_EQ(DateAddText(Variant(20240131), "D", 1), "");
    EXPECT_EQ(DateAddText(Variant(45322.0), "D", 1), "");
    EXPECT_EQ(DateAddText(Variant(), "D", 1), "");
    EXPECT_EQ(DateAddText(Variant::Null(), "D", 1), "");
    EXPECT_EQ(DateAddText(VarArrayOf({"20240131"}), "D", 1), "");
}

TEST(DaysInMonthTest, GregorianLengths)
{
    struct Case { int year, month, days; };
    const Case cases[] = {{2024, 2, 29}, {2023, 2, 28}, {1900, 2, 28}, {2000, 2, 29}, {2023, 4, 30},
                          {2023, 12, 31}, {2023, 0, 0},  {2023, 13, 0}, {2023, -1, 0}};
    for (const auto& c : cases) EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << '-' << c.month;
}

}  // namespace
}  // namespace qvn
