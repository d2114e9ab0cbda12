#include <gtest/gtest.h>

#include "controls/SelectPanelFixture.h"

namespace qvn::test {
namespace {

TOrinListView* ListOf(TSelectPanel* p) { return p->ItemList(); }

std::vector<int> Widths(TOrinListView* list)
{
    std::vector<int> widths;
    for (int i = 0; i < list->Columns()->Count(); ++i) widths.push_back(list->Columns()->Items(i)->Width());
    return widths;
}

TEST_F(SelectPanelTest, AddItemCreatesDataColumnsAndPadsEveryRow)
{
    TOrinListView* list = ListOf(panel);
    EXPECT_FALSE(list->AddItem({}));
    EXPECT_TRUE(list->AddItem({"A", "x", "y"}));
    ASSERT_EQ(list->Columns()->Count(), 3);
    EXPECT_EQ(list->Columns()->Items(0)->Caption(), "Data1");
    EXPECT_EQ(list->Columns()->Items(2)->Caption(), "Data3");
    EXPECT_TRUE(list->AddItem({"B"}));
    EXPECT_TRUE(list->AddItem({"C", "1", "2", "3", "4"}));
    EXPECT_EQ(list->Columns()->Count(), 5);
    EXPECT_EQ(Rows(), (RowList{{"A", "x", "y", "", ""}, {"B", "", "", "", ""}, {"C", "1", "2", "3", "4"}}));
}

TEST_F(SelectPanelTest, AutoSizeColumnsUsesTheLongestTextInBytes)
{
    TOrinListView* list = ListOf(panel);
    list->AddItem({"AB", "中文字", ""});
    list->AddItem({"ABCD", "x"});
    // "W" is 5 wide; Data1..Data3 are 5 bytes.
    EXPECT_EQ(Widths(list), (std::vector<int>{25, 30, 25}));
    list->Columns()->Items(0)->SetCaption("A much longer caption");
    list->AutoSizeColumns();
    EXPECT_EQ(Widths(list)[0], 21 * 5);
    // Rows deleted behind the list's back are noticed.
    list->Items()->Delete(0);
    list->AutoSizeColumns();
    EXPECT_EQ(Widths(list), (std::vector<int>{105, 25, 25}));
}

TEST_F(SelectPanelTest, WithoutColumnsAutoSizeWidthsStay)
{
    panel->SetColumnsAutoSize(false);
    ListOf(panel)->AddItem({"A very long caption"});
    EXPECT_EQ(Widths(ListOf(panel)), (std::vector<int>{50}));
}

struct DuplicateCase {
    const char* name;
    TCheckDuplicate rule;
    std::vector<std::vector<std::string>> added;
    RowList expected;
};

class DuplicateTest : public SelectPanelTest, public ::testing::WithParamInterface<DuplicateCase> {};

TEST_P(DuplicateTest, NeighboursOfEqualCaptionAreRemoved)
{
    panel->SetStyle(sp_Discrete);
    panel->SetCheckDuplicate(GetParam().rule);
    for (const auto& row : GetParam().added) ListOf(panel)->AddItem(row);
    EXPECT_EQ(Rows(), GetParam().expected);
}

const DuplicateCase kDuplicateCases[] = {
    {"CaseInsensitiveKeepsOne", cd_CaseInsensitive, {{"abc"}, {"ABC"}}, {{"abc"}}},
    {"CheckCaseKeepsBoth", cd_CheckCase, {{"abc"}, {"ABC"}}, {{"abc"}, {"ABC"}}},
    {"NoneKeepsAllUnsorted", cd_None, {{"b"}, {"a"}, {"b"}}, {{"b"}, {"a"}, {"b"}}},
    {"SortedThenUnique", cd_CheckCase, {{"c"}, {"a"}, {"b"}, {"a"}, {"c"}}, {{"a"}, {"b"}, {"c"}}},
    // The later neighbour goes: an equal row that sorts after the new one is the one deleted.
    {"LaterNeighbourGoes", cd_CheckCase, {{"a", "2"}, {"a", "1"}}, {{"a", "1"}}},
    {"EarlierNeighbourStays", cd_CheckCase, {{"a", "1"}, {"a", "2"}}, {{"a", "1"}}},
    // Only neighbours: an equal caption kept apart by a case-different one survives.
    {"OnlyNeighbours", cd_CheckCase, {{"abc", "1"}, {"ABC", "2"}, {"abc", "3"}}, {{"abc", "1"}, {"ABC", "2"}, {"abc", "3"}}},
    {"DoubleByteCaptions", cd_CaseInsensitive, {{"中a"}, {"中A"}, {"中b"}}, {{"中a"}, {"中b"}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, DuplicateTest, ::testing::ValuesIn(kDuplicateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelectPanelTest, SettingTheRuleOutsideRangeModeRemovesAtOnce)
{
    TOrinListView* list = ListOf(panel);
    for (const char* c : {"a", "A", "b", "a"}) list->AddItem({c});
    panel->SetCheckDuplicate(cd_CaseInsensitive);  // range mode: sorted, not yet thinned
    EXPECT_EQ(Rows(), (RowList{{"a"}, {"A"}, {"a"}, {"b"}}));
    list->AddItem({"c"});  // the next row thins the whole list
    EXPECT_EQ(Rows(), (RowList{{"a"}, {"b"}, {"c"}}));

    panel->SetCheckDuplicate(cd_None);
    list->AddItem({"B"});
    panel->SetStyle(sp_Discrete);
    panel->SetCheckDuplicate(cd_CaseInsensitive);
    EXPECT_EQ(Rows(), (RowList{{"a"}, {"b"}, {"c"}}));
}

TEST_F(SelectPanelTest, RowsChangedBehindTheListsBackAreCheckedAgain)
{
    panel->SetStyle(sp_Discrete);
    panel->SetCheckDuplicate(cd_CheckCase);
    TOrinListView* list = ListOf(panel);
    for (const char* c : {"a", "b", "c"}) list->AddItem({c});
    list->Items()->Item(1)->SetCaption("a");  // the list keeps itself sorted
    list->AddItem({"d"});
    EXPECT_EQ(Rows(), (RowList{{"a"}, {"c"}, {"d"}}));
}

TEST_F(SelectPanelTest, HeaderClicksSortByColumnAndFlipTheDirection)
{
    panel->SetShowColumnHeader(true);
    TOrinListView* list = ListOf(panel);
    list->AddItem({"b", "2", "x"});
    list->AddItem({"a", "3", "x"});
    list->AddItem({"c", "1", "y"});
    list->AddItem({"A", "3", "w"});
    auto click = [&](int column) { list->OnColumnClick(list, list->Columns()->Items(column)); };
    click(1);
    EXPECT_EQ(Rows(), (RowList{{"c", "1", "y"}, {"b", "2", "x"}, {"a", "3", "x"}, {"A", "3", "w"}}));
    EXPECT_EQ(panel->SortColumn(), 1);
    click(1);
    EXPECT_FALSE(panel->SortAscending());
    EXPECT_EQ(Rows()[0], (std::vector<std::string>{"a", "3", "x"}));
    click(2);  // ties: the caption, then column 1
    EXPECT_EQ(Rows(), (RowList{{"A", "3", "w"}, {"a", "3", "x"}, {"b", "2", "x"}, {"c", "1", "y"}}));
}

TEST_F(SelectPanelTest, SortingListPlacesNewRowsByTheWholeRow)
{
    panel->SetSortListBox(true);
    TOrinListView* list = ListOf(panel);
    list->AddItem({"b", "2"});
    list->AddItem({"B", "1"});
    list->AddItem({"a", "9"});
    list->AddItem({"", "0"});
    EXPECT_EQ(Rows(), (RowList{{"", "0"}, {"a", "9"}, {"B", "1"}, {"b", "2"}}));
}

TEST_F(SelectPanelTest, ClearItemsStartsOver)
{
    TOrinListView* list = ListOf(panel);
    list->AddItem({"A", "1", "2"});
    list->ClearItems();
    list->AddItem({"B"});
    EXPECT_EQ(Rows(), (RowList{{"B"}}));
}

}  // namespace
}  // namespace qvn::test
