#include <gtest/gtest.h>

#include "controls/RangeOrder.h"
#include "controls/SelectPanelFixture.h"

namespace qvn::test {
namespace {

struct ExitCase {
    const char* name;
    TValueType type;
    TDateType dateType;
    const char* begin;
    const char* end;
    bool exchanged;
};

class RangeExitTest : public SelectPanelTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(RangeExitTest, LeavingThePanelPutsTheRangeInOrder)
{
    const ExitCase& c = GetParam();
    panel->SetValueType(c.type);
    panel->SetDateType(c.dateType);
    SetRange(c.begin, c.end);
    int exits = 0;
    panel->OnExit = TNotifyEvent::From([&](TObject*) {
        ++exits;
        EXPECT_EQ(panel->BeginEdit()->Text(), c.exchanged ? c.end : c.begin) << "normalised before OnExit";
    });
    PassThrough();
    EXPECT_EQ(panel->BeginEdit()->Text(), c.exchanged ? c.end : c.begin);
    EXPECT_EQ(panel->EndEdit()->Text(), c.exchanged ? c.begin : c.end);
    EXPECT_EQ(exits, 1);
}

const ExitCase kExitCases[] = {
    {"StringBytes", vt_String, dt_NoneCare, "B", "A", true},
    {"StringTenBeforeNine", vt_String, dt_NoneCare, "10", "9", false},
    {"NumberTenAfterNine", vt_Number, dt_NoneCare, "10", "9", true},
    {"NumberNotANumberIsZero", vt_Number, dt_NoneCare, "x", "-3", true},
    {"EmptyEndNeverExchanges", vt_String, dt_NoneCare, "B", "", false},
    {"EmptyBeginNumber", vt_Number, dt_NoneCare, "", "5", false},
    {"TimeAsBytes", vt_Time, dt_NoneCare, "12:00", "09:30", true},
    {"OtherMaskNever", vt_OtherMask, dt_NoneCare, "B", "A", false},
    {"FloatFractionLeadingZeros", vt_Float, dt_NoneCare, "1.5", "1.05", true},
    {"FloatInOrder", vt_Float, dt_NoneCare, "1.05", "1.5", false},
    {"FloatNegative", vt_Float, dt_NoneCare, "-0.5", "-1.25", true},
    {"DateNoneCareBytes", vt_Date, dt_NoneCare, "2024/05/01", "2023/12/31", true},
    {"DateYearMonthIsTheFirst", vt_Date, dt_YYYYMMDD, "2024/05", "2024/04/30", true},
    {"DateMonthFirst", vt_Date, dt_MMDDYYYY, "12/01/2023", "01/15/2024", false},
    {"DateMonthFirstLater", vt_Date, dt_MMDDYYYY, "02/01/2024", "01/15/2024", true},
    {"DateMonthYearOnly", vt_Date, dt_MMDDYYYY, "05/2024", "04/30/2024", true},
    {"DateDayFirst", vt_Date, dt_DDMMYYYY, "15/01/2024", "01/02/2024", false},
    {"DateDayFirstYearMonth", vt_Date, dt_DDMMYYYY, "05/2024", "30/04/2024", true},
    {"DateRepublicThreeDigits", vt_Date, dt_YYYMMDD, "113/01/05", "112/12/31", true},
    {"DateRepublicTwoDigits", vt_Date, dt_YYMMDD, "99/01/01", "100/01/01", false},
    {"DateValidBeginBadEnd", vt_Date, dt_YYYYMMDD, "2024/01/01", "not a date", true},
    {"DateBadBeginValidEnd", vt_Date, dt_YYYYMMDD, "2024/13/01", "2024/01/01", false},
    {"DateImpossibleDay", vt_Date, dt_YYYYMMDD, "2023/02/29", "2023/01/01", false},
    {"DateTooManySeparators", vt_Date, dt_YYYYMMDD, "2024/01/01/01", "2023/01/01", false},
};

INSTANTIATE_TEST_SUITE_P(Cases, RangeExitTest, ::testing::ValuesIn(kExitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelectPanelTest, ExitTrimsBothTextsUnlessTheMaskKeepsBlanks)
{
    SetRange("  B \t", " A ");
    PassThrough();
    EXPECT_EQ(panel->BeginEdit()->Text(), "A");
    EXPECT_EQ(panel->EndEdit()->Text(), "B");
}

TEST_F(SelectPanelTest, NoExchangeAgainstTheBlankMaskOrTheDiscardMarker)
{
    panel->SetUseDiscard(true);
    panel->SetDiscard("ALL");
    SetRange("ALL", "A");
    PassThrough();
    EXPECT_EQ(panel->BeginEdit()->Text(), "ALL");
    panel->SetUseDiscard(false);
    PassThrough();
    EXPECT_EQ(panel->BeginEdit()->Text(), "A");
}

TEST_F(SelectPanelTest, AutoChangeDateSiteOffKeepsDates)
{
    panel->SetValueType(vt_Date);
    panel->SetDateType(dt_YYYYMMDD);
    panel->SetAutoChangeDateSite(false);
    SetRange("2024/05/01", "2024/01/01");
    PassThrough();
    EXPECT_EQ(panel->BeginEdit()->Text(), "2024/05/01");
}

TEST_F(SelectPanelTest, EditMaskRemembersItsBlankFormWithoutChangeEvents)
{
    int changes = 0;
    panel->BeginEdit()->OnChange = TNotifyEvent::From([&](TObject*) { ++changes; });
    panel->BeginEdit()->SetText("x");
    changes = 0;
    panel->SetEditMask("!9999/99/99;1;_");
    EXPECT_EQ(panel->EmptyMaskText(), "    /  /  ");
    EXPECT_EQ(panel->EndEdit()->EditMask(), "!9999/99/99;1;_");
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(panel->BeginEdit()->SuppressChange());
}

TEST(RangeDateTest, DatesReadInEveryOrder)
{
    struct Case {
        const char* text;
        const char* sign;
        TDateType type;
        int year, month, day;  // 0: no date
    };
    const Case cases[] = {
        {"2024/05/06", "/", dt_YYYYMMDD, 2024, 5, 6},  {"2024-05", "-", dt_YYYYMMDD, 2024, 5, 1},
        {"05/06/2024", "/", dt_MMDDYYYY, 2024, 5, 6},  {"06/05/2024", "/", dt_DDMMYYYY, 2024, 5, 6},
        {"113/01/05", "/", dt_YYYMMDD, 2024, 1, 5},    {"13/01/05", "/", dt_YYMMDD, 1924, 1, 5},
        {" 2024 / 5 / 6 ", "/", dt_YYYYMMDD, 2024, 5, 6}, {"2024/05/06", "/", dt_NoneCare, 0, 0, 0},
        {"", "/", dt_YYYYMMDD, 0, 0, 0},               {"2024", "/", dt_YYYYMMDD, 0, 0, 0},
        {"2024/x/01", "/", dt_YYYYMMDD, 0, 0, 0},      {"2024/02/30", "/", dt_YYYYMMDD, 0, 0, 0},
        {"2024/05/06", "", dt_YYYYMMDD, 0, 0, 0},      {"/", "/", dt_MMDDYYYY, 0, 0, 0},
        {"99999999999/1/1", "/", dt_YYYYMMDD, 0, 0, 0}, {"\x01/\x02", "/", dt_DDMMYYYY, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const auto date = ReadRangeDate(c.text, c.sign, c.type, "");
        if (c.year == 0) {
            EXPECT_FALSE(date.has_value()) << c.text;
            continue;
        }
        ASSERT_TRUE(date.has_value()) << c.text;
        EXPECT_EQ(*date, EncodeDate(c.year, c.month, c.day)) << c.text;
    }
    EXPECT_FALSE(ReadRangeDate("    /  /  ", "/", dt_YYYYMMDD, "    /  /  ").has_value());
}

}  // namespace
}  // namespace qvn::test
