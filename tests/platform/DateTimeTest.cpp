#include "platform/DateTime.h"

#include <gtest/gtest.h>

#include "platform/Exceptions.h"

namespace qvn {
namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return TDateTime(EncodeDate(y, mo, d).Value + EncodeTime(h, mi, s, ms).Value);
}

TEST(DateTimeCalendar, LeapYearsAndMonthLengths)
{
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(DaysInAMonth(2024, 2), 29);
    EXPECT_EQ(DaysInAMonth(2023, 2), 28);
    EXPECT_EQ(DaysInAMonth(2023, 4), 30);
    EXPECT_EQ(DaysInAMonth(2023, 0), 0);
    EXPECT_EQ(DaysInAMonth(2023, 13), 0);
}

TEST(DateTimeCalendar, ValidDatesStayInsideYearsOneToNineThousandNineHundredNinetyNine)
{
    EXPECT_TRUE(IsValidDate(1, 1, 1));
    EXPECT_TRUE(IsValidDate(9999, 12, 31));
    EXPECT_FALSE(IsValidDate(0, 12, 31));
    EXPECT_FALSE(IsValidDate(10000, 1, 1));
    EXPECT_FALSE(IsValidDate(2023, 2, 29));
    EXPECT_FALSE(IsValidDate(2024, 4, 31));
    EXPECT_FALSE(IsValidDate(2024, 1, 0));
}

TEST(DateTimeEncode, KnownDayNumbers)
{
    struct Case { int y, m, d; double value; };
    const Case cases[] = {
        {1899, 12, 30, 0.0}, {1899, 12, 31, 1.0}, {1900, 1, 1, 2.0},   {1899, 12, 29, -1.0},
        {2024, 1, 31, 45322.0}, {1, 1, 1, -693593.0}, {9999, 12, 31, 2958465.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d).Value, c.value) << c.y << '-' << c.m << '-' << c.d;
        const DateParts p = DecodeDate(TDateTime(c.value));
        EXPECT_EQ(p.Year, c.y);
        EXPECT_EQ(p.Month, c.m);
        EXPECT_EQ(p.Day, c.d);
    }
}

TEST(DateTimeEncode, InvalidPartsRaiseOrFail)
{
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
    TDateTime out(123.0);
    EXPECT_FALSE(TryEncodeDate(2023, 13, 1, out));
    EXPECT_FALSE(TryEncodeTime(-1, 0, 0, 0, out));
    EXPECT_EQ(out.Value, 123.0);  // untouched on failure
    EXPECT_TRUE(TryEncodeTime(12, 0, 0, 0, out));
    EXPECT_EQ(out.Value, 0.5);
}

TEST(DateTimeDecode, TimeRoundsToWholeMillisecondsAndCarriesIntoTheNextDay)
{
    const TimeParts t = DecodeTime(At(2024, 1, 31, 13, 45, 59, 123));
    EXPECT_EQ(t.Hour, 13);
    EXPECT_EQ(t.Minute, 45);
    EXPECT_EQ(t.Second, 59);
    EXPECT_EQ(t.Millisecond, 123);

    // A hair before midnight rounds up to the next day at 00:00:00.000.
    const TDateTime almostMidnight(EncodeDate(2024, 1, 31).Value + 0.9999999999);
    const DateParts d = DecodeDate(almostMidnight);
    EXPECT_EQ(d.Month, 2);
    EXPECT_EQ(d.Day, 1);
    EXPECT_EQ(DecodeTime(almostMidnight).Hour, 0);
}

TEST(DateTimeDecode, BeforeEighteenNinetyNineTheFractionIsTheTimeAwayFromZero)
{
    // -1.25: the day is -1 (1899-12-29) and the time 0.25 (06:00).
    const DateParts d = DecodeDate(TDateTime(-1.25));
    EXPECT_EQ(d.Year, 1899);
    EXPECT_EQ(d.Month, 12);
    EXPECT_EQ(d.Day, 29);
    EXPECT_EQ(DecodeTime(TDateTime(-1.25)).Hour, 6);
}

TEST(DateTimeDecode, ValuesOutsideTheCalendarDecodeToZeros)
{
    for (double v : {-693594.0, 1e300, std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()}) {
        const DateParts d = DecodeDate(TDateTime(v));
        EXPECT_EQ(d.Year, 0) << v;
        EXPECT_EQ(d.Month, 0) << v;
    }
    EXPECT_EQ(DecodeTime(TDateTime(std::numeric_limits<double>::quiet_NaN())).Hour, 0);
}

TEST(DateTimeDecode, DayOfWeekCountsFromSunday)
{
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 28)), 1);  // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 31)), 4);  // Wednesday
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 2, 3)), 7);   // Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 24)), 1);
    EXPECT_EQ(DayOfWeek(At(2024, 1, 31, 23, 0)), 4);
}

TEST(DateTimeDecode, DateOfAndTimeOfSplitTheValue)
{
    const TDateTime v = At(2024, 1, 31, 18);
    EXPECT_EQ(DateOf(v).Value, 45322.0);
    EXPECT_EQ(TimeOf(v).Value, 0.75);
}

TDateTime FixedNow() { return At(2024, 1, 31, 10, 20, 30, 400); }

TEST(DateTimeClock, ReplaceableClockPinsNowAndToday)
{
    SetClock(&FixedNow);
    EXPECT_EQ(Now(), FixedNow());
    EXPECT_EQ(Today().Value, 45322.0);
    SetClock(nullptr);
    EXPECT_GT(Now().Value, 45322.0);  // the real clock is past that day
}

class FormatDateTimeTest : public ::testing::Test {
protected:
    FormatSettings fs;
    const TDateTime sample = At(2024, 3, 5, 14, 7, 9, 45);
};

TEST_F(FormatDateTimeTest, TokensOfTheSystemFormats)
{
    fs.DateSeparator = '-';
    fs.TimeSeparator = '.';
    struct Case { const char* format; const char* expected; };
    const Case cases[] = {
        {"YYYY/MM/DD hh:nn:ss:zzz", "2024-03-05 14.07.09.045"},
        {"YYYYMMDDHHNNSSZZZ", "20240305140709045"},
        {"yyyymmdd", "20240305"},
        {"YYYYMM", "202403"},
        {"YYYY", "2024"},
        {"yy", "24"},
        {"y/m/d", "24-3-5"},
        {"h:m", "14.7"},          // m right after an hour token is the minute
        {"hh \"h\" mm", "14 h 07"},  // a literal between keeps the minute meaning
        {"mm", "03"},
        {"'yyyy' yyyy", "yyyy 2024"},
        {"\"a/b\"", "a/b"},
        {"z zz zzzz", "45 45 045"},
        {"yyyyy", "2024"},
        {"mmm mmmm", "Mar March"},
        {"ddd dddd", "Tue Tuesday"},
        {"hh:nn AM/PM", "02.07 PM"},
        {"h:nn a/p", "2.07 p"},
        {"hh ampm", "02 PM"},
        {"x#1", "x#1"},
        {"'unterminated", "unterminated"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, sample, fs), c.expected) << c.format;
}

TEST_F(FormatDateTimeTest, NestedFormatsComeFromTheSettings)
{
    EXPECT_EQ(FormatDateTime("ddddd", sample, fs), "2024/03/05");
    EXPECT_EQ(FormatDateTime("t", sample, fs), "14:07");
    EXPECT_EQ(FormatDateTime("tt", sample, fs), "14:07:09");
    EXPECT_EQ(FormatDateTime("c", sample, fs), "2024/03/05 14:07:09");
    EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 3, 5), fs), "2024/03/05");
    EXPECT_EQ(DateTimeToStr(sample, fs), "2024/03/05 14:07:09");
    EXPECT_EQ(DateToStr(sample, fs), "2024/03/05");
}

TEST_F(FormatDateTimeTest, ASettingsFormatThatNamesItselfStops)
{
    fs.ShortDateFormat = "ddddd|";
    EXPECT_EQ(FormatDateTime("ddddd", sample, fs), "|");
}

TEST_F(FormatDateTimeTest, DoubleByteCharactersPassThroughWhole)
{
    // GB text whose trail bytes look like format letters must be copied, not read as tokens.
    const std::string text = "yyyy\xC4\xEA" "mm\xD4\xC2" "\x81" "d";  // 0x81 0x64 is one character
    EXPECT_EQ(FormatDateTime(text, sample, fs), "2024\xC4\xEA" "03\xD4\xC2" "\x81" "d");
}

TEST(StrToDateTimeTest, ParsesInTheShortDateOrder)
{
    FormatSettings fs;
    struct Case { const char* order; char sep; const char* text; int y, m, d, h, mi, s, ms; };
    const Case cases[] = {
        {"yyyy/mm/dd", '/', "2024/01/31", 2024, 1, 31, 0, 0, 0, 0},
        {"yyyy/mm/dd", '/', " 2024 / 1 / 31 ", 2024, 1, 31, 0, 0, 0, 0},
        {"yyyy/mm/dd", '/', "2024/01/31 13:45", 2024, 1, 31, 13, 45, 0, 0},
        {"yyyy/mm/dd", '/', "2024/01/31 13:45:10.250", 2024, 1, 31, 13, 45, 10, 250},
        {"yyyy/mm/dd", '/', "2024/01/31 1:05 PM", 2024, 1, 31, 13, 5, 0, 0},
        {"mm/dd/yyyy", '/', "01/31/2024", 2024, 1, 31, 0, 0, 0, 0},
        {"dd.mm.yyyy", '.', "31.01.2024", 2024, 1, 31, 0, 0, 0, 0},
        {"dd.mm.yyyy", '.', "31.01.24", 2024, 1, 31, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        fs.ShortDateFormat = c.order;
        fs.DateSeparator = c.sep;
        TDateTime out;
        ASSERT_TRUE(TryStrToDateTime(c.text, out, fs)) << c.text;
        EXPECT_DOUBLE_EQ(out.Value, At(c.y, c.m, c.d, c.h, c.mi, c.s, c.ms).Value) << c.text;
    }
}

TEST(StrToDateTimeTest, BeforeEighteenNinetyNineTheTimeCountsAwayFromZero)
{
    TDateTime out;
    ASSERT_TRUE(TryStrToDateTime("1899/12/29 06:00", out));
    EXPECT_EQ(out.Value, -1.25);
}

TEST(StrToDateTimeTest, DayAndMonthAloneTakeTheCurrentYear)
{
    SetClock(&FixedNow);
    TDateTime out;
    EXPECT_TRUE(TryStrToDateTime("3/5", out));
    SetClock(nullptr);
    EXPECT_EQ(out, EncodeDate(2024, 3, 5));
}

TEST(StrToDateTimeTest, ATimeAloneIsATimeOfDayZero)
{
    TDateTime out;
    ASSERT_TRUE(TryStrToDateTime("18:00", out));
    EXPECT_EQ(out.Value, 0.75);
}

TEST(StrToDateTimeTest, InvalidTextsFailAndRaiseWithTheText)
{
    for (const char* text : {"", "   ", "2024/02/30", "2024/13/01", "2024-01-31", "2024/01/31 25:00", "2024/01/31 10:00 x",
                             "abc", "2024/01/31x", "2024//31", "13:61"}) {
        TDateTime out(7.0);
        EXPECT_FALSE(TryStrToDateTime(text, out)) << text;
        EXPECT_EQ(out.Value, 7.0) << text;
    }
    try {
        StrToDateTime("2024/02/30");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'2024/02/30' is not a valid date");
    }
}

TEST(StrToDateTimeTest, FormattedTextReadsBack)
{
    const TDateTime v = At(2023, 12, 31, 23, 59, 58);
    EXPECT_EQ(StrToDateTime(DateTimeToStr(v)), v);
}

}  // namespace
}  // namespace qvn
