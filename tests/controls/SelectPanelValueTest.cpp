#include <gtest/gtest.h>

#include "controls/PanelValue.h"
#include "controls/SelectPanelFixture.h"
#include "support/ErrorOf.h"

namespace qvn::test {
namespace {

const std::string ETX = "\x03", SOH = "\x01", EOT = "\x04";

TEST_F(SelectPanelTest, ListValueWritesPaddedRows)
{
    panel->SetStyle(sp_Discrete);
    EXPECT_EQ(panel->PanelValue(), "sp_Discrete" + ETX);
    panel->ItemList()->AddItem({"A", "1"});
    panel->ItemList()->AddItem({"B"});
    EXPECT_EQ(panel->PanelValue(), "sp_Discrete" + ETX + "A" + SOH + "1" + EOT + "B" + SOH + EOT);
}

struct RoundTrip {
    const char* name;
    TSelectStyle style;
    bool userChoice;
    std::string begin, end;
    RowList rows;
    std::string value;
};

class PanelValueRoundTrip : public SelectPanelTest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(PanelValueRoundTrip, WrittenValueReadsBackIntoAFreshPanel)
{
    const RoundTrip& c = GetParam();
    auto fill = [&](TSelectPanel* p) {
        p->SetStyle(c.style);
        p->SetUserChoice(c.userChoice);
    };
    fill(panel);
    SetRange(c.begin, c.end);
    for (const auto& row : c.rows) panel->ItemList()->AddItem(row);
    const std::string value = panel->PanelValue();
    EXPECT_EQ(value, c.value);

    auto* copy = new TSelectPanel(form);
    copy->SetParent(form);
    fill(copy);
    copy->SetPanelValue(value);
    EXPECT_EQ(copy->PanelValue(), value);
    EXPECT_EQ(copy->IsRangeMode(), panel->IsRangeMode());
}

const RoundTrip kRoundTrips[] = {
    {"Range", sp_Range, true, "A01", "Z99", {}, "sp_Range" + ETX + "A01" + ETX + "Z99"},
    {"RangeEmpty", sp_Range, true, "", "", {}, "sp_Range" + ETX + ETX},
    {"List", sp_Discrete, true, "", "", {{"A", "x"}, {"B"}}, "sp_Discrete" + ETX + "A" + SOH + "x" + EOT + "B" + SOH + EOT},
    {"ListEmpty", sp_Discrete, true, "", "", {}, "sp_Discrete" + ETX},
    {"ChoiceRange", sp_UserChoice, true, "1", "9", {}, "sp_UserChoice" + ETX + "True" + ETX + "1" + ETX + "9"},
    {"ChoiceList", sp_UserChoice, false, "", "", {{"中文"}}, "sp_UserChoice" + ETX + "False" + ETX + "中文" + EOT},
};

INSTANTIATE_TEST_SUITE_P(Styles, PanelValueRoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelectPanelTest, ReadingKeepsThePanelsStyle)
{
    const std::string list = "sp_UserChoice" + ETX + "False" + ETX + "A" + EOT + "B" + EOT;
    panel->SetPanelValue(list);  // a range panel: only its hidden list fills
    EXPECT_EQ(panel->Style(), sp_Range);
    EXPECT_TRUE(panel->IsRangeMode());
    EXPECT_EQ(Rows(), (RowList{{"A"}, {"B"}}));

    panel->SetStyle(sp_UserChoice);
    panel->SetPanelValue(list);
    EXPECT_FALSE(panel->TypeCheck()->Checked());
    EXPECT_TRUE(panel->ListPanel()->Visible());
    EXPECT_EQ(Rows(), (RowList{{"A"}, {"B"}}));

    panel->SetPanelValue("sp_Range" + ETX + "x" + ETX + "y");  // a range value fills the edits whatever the style
    EXPECT_EQ(panel->BeginEdit()->Text(), "x");
    EXPECT_EQ(panel->Style(), sp_UserChoice);
}

TEST_F(SelectPanelTest, BadValuesChangeNothingOrReadWhatIsThere)
{
    SetRange("keep", "this");
    panel->ItemList()->AddItem({"row"});
    const std::string unchanged = panel->PanelValue();
    for (const std::string& bad : {std::string(), std::string("sp_Bogus") + ETX + "a" + ETX + "b", std::string("SP_RANGE") + ETX + "a",
                                   std::string("sp_Range,a,b"), std::string("sp_Range;a;b"), std::string(ETX + ETX + ETX),
                                   "sp_UserChoice" + ETX + "Maybe" + ETX + "a" + ETX + "b", std::string("\x04\x01\x03")}) {
        panel->SetPanelValue(bad);
        EXPECT_EQ(panel->PanelValue(), unchanged) << bad;
    }
    EXPECT_EQ(Rows(), (RowList{{"row"}}));
}

TEST_F(SelectPanelTest, TruncatedValuesReadMissingFieldsAsEmpty)
{
    struct Case {
        std::string value;
        std::string begin, end;
        RowList rows;
    };
    const Case cases[] = {
        {"sp_Range", "", "", {}},
        {"sp_Range" + ETX + "only", "only", "", {}},
        {"sp_Discrete", "", "", {}},
        {"sp_Discrete" + ETX + "A" + SOH + "1", "", "", {{"A", "1"}}},  // the last row lacks its EOT
        {"sp_Discrete" + ETX + EOT + EOT + "A" + EOT + EOT, "", "", {{"A"}}},
        {"sp_Discrete" + ETX + SOH + SOH + EOT, "", "", {{"", "", ""}}},
        {"sp_Discrete" + ETX + "A" + ETX + "B" + EOT, "", "", {{"A"}}},  // a stray field separator ends the rows
    };
    for (const Case& c : cases) {
        SetRange("old", "old");
        panel->SetPanelValue(c.value);
        if (c.value.rfind("sp_Range", 0) == 0) {
            EXPECT_EQ(panel->BeginEdit()->Text(), c.begin) << c.value;
            EXPECT_EQ(panel->EndEdit()->Text(), c.end) << c.value;
        } else {
            EXPECT_EQ(Rows(), c.rows) << c.value;
        }
    }
}

TEST_F(SelectPanelTest, UnreadableListRowsStopTheRestore)
{
    // A row the list refuses: a handler that rejects every insertion makes AddItem fail.
    panel->ItemList()->OnInsert = TLVDeletedEvent::From([](TObject*, TListItem*) { throw Exception("refused"); });
    EXPECT_EQ(ErrorOf<Exception>([&] { panel->SetPanelValue("sp_Discrete" + ETX + "A" + EOT); }), kPanelValueError);
    // The same failure in a user-choice value is ignored.
    EXPECT_EQ(ErrorOf<Exception>([&] { panel->SetPanelValue("sp_UserChoice" + ETX + "False" + ETX + "A" + EOT); }), "<no error>");
}

TEST_F(SelectPanelTest, HugeListValueReadsEveryRow)
{
    std::string rows;
    for (int i = 0; i < 5000; ++i) rows += "R" + std::to_string(100000 + i) + SOH + std::string(300, 'x') + EOT;
    panel->SetPanelValue("sp_Discrete" + ETX + rows);
    EXPECT_EQ(panel->ItemList()->Items()->Count(), 5000);
    EXPECT_EQ(panel->PanelValue(), "sp_Range" + ETX + ETX);  // a range panel writes its range
}

}  // namespace
}  // namespace qvn::test
