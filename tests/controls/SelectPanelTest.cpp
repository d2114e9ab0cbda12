#include <gtest/gtest.h>

#include "controls/GSpeedButton.h"
#include "controls/SelectPanelFixture.h"
#include "lang/DisabledGlyph.h"
#include "vcl/PropAccess.h"

namespace qvn::test {
namespace {

struct Box {
    int left, top, width, height;
};

void ExpectBox(const TControl* c, Box b, const char* what)
{
    EXPECT_EQ(c->Left(), b.left) << what;
    EXPECT_EQ(c->Top(), b.top) << what;
    EXPECT_EQ(c->Width(), b.width) << what;
    EXPECT_EQ(c->Height(), b.height) << what;
}

// Headless metrics: text 13 high, 5 wide per byte; "起" and "止" are two bytes.
TEST_F(SelectPanelTest, HorizontalRangeLayoutFollowsTheArithmetic)
{
    ASSERT_EQ(panel->Style(), sp_Range);
    ExpectBox(panel->RangePanel(), {2, 16, 348, 26}, "RangePanel");
    ExpectBox(panel->ListPanel(), {2, 16, 348, 26}, "ListPanel");
    ExpectBox(panel->BeginLabel(), {2, 1, 10, 13}, "BeginLabel");
    ExpectBox(panel->BeginEdit(), {13, 1, 135, 24}, "BeginEdit");
    ExpectBox(panel->BeginButton(), {150, 1, 23, 23}, "BeginButton");
    ExpectBox(panel->EndLabel(), {175, 1, 10, 13}, "EndLabel");
    ExpectBox(panel->EndEdit(), {187, 1, 135, 24}, "EndEdit");
    ExpectBox(panel->EndButton(), {324, 1, 23, 23}, "EndButton");
    EXPECT_FALSE(panel->TypeCheck()->Visible());
    EXPECT_TRUE(panel->RangePanel()->Visible());
    EXPECT_FALSE(panel->ListPanel()->Visible());
}

TEST_F(SelectPanelTest, WithoutLookupButtonsTheEditsShareTheWidth)
{
    panel->SetCanOpenWin(false);
    for (TControl* b : {static_cast<TControl*>(panel->BeginButton()), static_cast<TControl*>(panel->EndButton()),
                        static_cast<TControl*>(panel->ListButton())})
        EXPECT_FALSE(b->Visible());
    // w = 348 - 2 - 10 - 10 - 4 = 322
    ExpectBox(panel->BeginEdit(), {13, 1, 160, 24}, "BeginEdit");
    ExpectBox(panel->EndLabel(), {177, 1, 10, 13}, "EndLabel");
    ExpectBox(panel->EndEdit(), {189, 1, 160, 24}, "EndEdit");
}

TEST_F(SelectPanelTest, UserChoiceSwapsSizeAndStacksTheRange)
{
    panel->SetStyle(sp_UserChoice);
    EXPECT_EQ(panel->Width(), 200);
    EXPECT_EQ(panel->Height(), 105);
    EXPECT_EQ(panel->OtherWidth(), 353);
    EXPECT_EQ(panel->OtherHeight(), 45);
    ExpectBox(panel->TypeCheck(), {16, 14, 64, 15}, "TypeCheck");
    ExpectBox(panel->RangePanel(), {2, 29, 196, 74}, "RangePanel");
    ExpectBox(panel->ListPanel(), {2, 29, 196, 74}, "ListPanel");
    ExpectBox(panel->BeginLabel(), {2, 8, 10, 13}, "BeginLabel");
    ExpectBox(panel->BeginEdit(), {14, 8, 157, 24}, "BeginEdit");
    ExpectBox(panel->BeginButton(), {172, 8, 23, 23}, "BeginButton");
    ExpectBox(panel->EndLabel(), {2, 40, 10, 13}, "EndLabel");
    ExpectBox(panel->EndEdit(), {14, 40, 157, 24}, "EndEdit");
    ExpectBox(panel->EndButton(), {172, 40, 23, 23}, "EndButton");
    ExpectBox(panel->ItemList(), {0, 0, 170, 74}, "ItemList");
    ExpectBox(panel->ListButton(), {172, 0, 23, 23}, "ListButton");
    ExpectBox(panel->DeleteButton(), {172, 23, 23, 23}, "DeleteButton");
    ExpectBox(panel->ClearButton(), {172, 46, 23, 23}, "ClearButton");
    EXPECT_TRUE(panel->TypeCheck()->Visible());
}

TEST_F(SelectPanelTest, SizeSwapsOnlyBetweenTheTwoLayoutFamilies)
{
    struct Step {
        TSelectStyle style;
        int width, height;
    };
    const Step steps[] = {{sp_Discrete, 200, 105}, {sp_UserChoice, 200, 105}, {sp_Discrete, 200, 105},
                          {sp_Range, 353, 45},     {sp_Range, 353, 45}};
    for (const Step& s : steps) {
        panel->SetStyle(s.style);
        EXPECT_EQ(panel->Width(), s.width) << s.style;
        EXPECT_EQ(panel->Height(), s.height) << s.style;
    }
    // A vertical range belongs to the list family: no swap into it or out of it.
    panel->SetUseVertical(true);
    EXPECT_EQ(panel->Width(), 200);
    panel->SetStyle(sp_Discrete);
    EXPECT_EQ(panel->Width(), 200);
}

TEST_F(SelectPanelTest, UseVerticalAppliesOnlyInRangeStyle)
{
    panel->SetStyle(sp_Discrete);
    panel->SetUseVertical(true);
    EXPECT_FALSE(panel->UseVertical());
    panel->SetStyle(sp_Range);
    panel->SetUseVertical(true);
    EXPECT_TRUE(panel->UseVertical());
    EXPECT_EQ(panel->Width(), 200);
    EXPECT_EQ(panel->BeginLabel()->Top(), panel->EndLabel()->Top() - panel->BeginEdit()->Height() - panel->BeginLabel()->Top());
}

TEST_F(SelectPanelTest, StyleChangingMayRefuseOrRedirect)
{
    std::vector<std::string> log;
    bool accept = false;
    TSelectStyle redirect = sp_Discrete;
    panel->OnStyleChanging = TStyleChangingEvent::From([&](TObject*, TSelectStyle now, TSelectStyle& next, bool& ok) {
        log.push_back("changing " + std::to_string(now) + "->" + std::to_string(next));
        ok = accept;
        next = redirect;
    });
    panel->OnStyleChange = TStyleChangeEvent::From([&](TObject*, TSelectStyle oldStyle, TSelectStyle newStyle) {
        log.push_back("change " + std::to_string(oldStyle) + "->" + std::to_string(newStyle));
    });
    panel->SetStyle(sp_UserChoice);
    EXPECT_EQ(panel->Style(), sp_Range);
    EXPECT_EQ(panel->Width(), 353);
    EXPECT_TRUE(panel->RangePanel()->Visible());

    accept = true;
    panel->SetStyle(sp_UserChoice);
    EXPECT_EQ(panel->Style(), sp_Discrete);
    EXPECT_TRUE(panel->ListPanel()->Visible());
    EXPECT_FALSE(panel->TypeCheck()->Visible());
    EXPECT_EQ(log, (std::vector<std::string>{"changing 0->2", "changing 0->2", "change 0->1"}));
}

TEST_F(SelectPanelTest, TypeCheckSwitchesBetweenRangeAndList)
{
    panel->SetStyle(sp_UserChoice);
    int typeClicks = 0;
    panel->OnTypeClick = TNotifyEvent::From([&](TObject*) { ++typeClicks; });
    ASSERT_TRUE(panel->IsRangeMode());
    ASSERT_TRUE(robot.Click(panel->TypeCheck()));
    EXPECT_FALSE(panel->UserChoice());
    EXPECT_FALSE(panel->IsRangeMode());
    EXPECT_TRUE(panel->ListPanel()->Visible());
    EXPECT_FALSE(panel->RangePanel()->Visible());
    EXPECT_EQ(typeClicks, 1);

    panel->SetUserChoice(true);
    EXPECT_TRUE(panel->TypeCheck()->Checked());
    EXPECT_TRUE(panel->RangePanel()->Visible());
    EXPECT_EQ(typeClicks, 2);
}

TEST_F(SelectPanelTest, UserChoiceOutsideItsStyleIsIgnored)
{
    panel->SetUserChoice(false);
    EXPECT_TRUE(panel->UserChoice());
    EXPECT_TRUE(panel->IsRangeMode());
    panel->SetStyle(sp_Discrete);
    EXPECT_FALSE(panel->IsRangeMode());
}

TEST_F(SelectPanelTest, LookupButtonsFocusTheTargetAskTheOwnerThenReport)
{
    panel->SetStyle(sp_UserChoice);
    std::vector<std::string> log;
    panel->OnOpenWinClick = TOpenWinClickEvent::From([&](TSelectPanel* p, TWinControl* target) {
        EXPECT_EQ(p, panel);
        log.push_back(std::string(target == panel->BeginEdit() ? "begin" : target == panel->EndEdit() ? "end" : "list") +
                      (target->Focused() ? " focused" : ""));
    });
    panel->BeginButton()->Click();
    panel->EndButton()->Click();
    panel->SetUserChoice(false);
    panel->ListButton()->Click();
    EXPECT_EQ(form->Lookups, (std::vector<TWinControl*>{panel->BeginEdit(), panel->EndEdit(), panel->ItemList()}));
    EXPECT_EQ(log, (std::vector<std::string>{"begin focused", "end focused", "list focused"}));
}

TEST_F(SelectPanelTest, DeleteButtonAsksFirstAndDeletesTheSelectedRows)
{
    panel->SetStyle(sp_Discrete);
    for (const char* c : {"A", "B", "C", "D"}) panel->ItemList()->AddItem({c});
    panel->ItemList()->Items()->Item(1)->SetSelected(true);
    panel->ItemList()->Items()->Item(2)->SetSelected(true);
    bool accept = false;
    panel->OnDeleteClick = TDeleteClickEvent::From([&](TObject*, bool& ok) { ok = accept; });
    panel->DeleteButton()->Click();
    EXPECT_EQ(Rows(), (RowList{{"A"}, {"B"}, {"C"}, {"D"}}));
    accept = true;
    panel->DeleteButton()->Click();
    EXPECT_EQ(Rows(), (RowList{{"A"}, {"D"}}));
}

TEST_F(SelectPanelTest, ClearButtonEmptiesTheListAndFocusesIt)
{
    panel->SetStyle(sp_Discrete);
    panel->ItemList()->AddItem({"A", "1"});
    int clears = 0;
    panel->OnClearClick = TNotifyEvent::From([&](TObject*) { ++clears; });
    panel->ClearButton()->Click();
    EXPECT_EQ(panel->ItemList()->Items()->Count(), 0);
    EXPECT_TRUE(panel->ItemList()->Focused());
    EXPECT_EQ(clears, 1);
}

TEST_F(SelectPanelTest, WordListsRelabelAndKeepTwoEntries)
{
    TStringList words;
    words.Add("From");
    words.Add("Since");
    words.Add("dropped");
    panel->SetBeginWords(&words);
    EXPECT_EQ(panel->BeginWords()->Count(), 2);
    EXPECT_EQ(panel->BeginLabel()->Caption(), "From");
    EXPECT_EQ(panel->BeginLabel()->Width(), 20);
    EXPECT_EQ(panel->BeginEdit()->Left(), 23);

    panel->SetStyle(sp_UserChoice);
    EXPECT_EQ(panel->BeginLabel()->Caption(), "Since");

    TStringList empty;
    panel->SetFinalWords(&empty);
    EXPECT_EQ(panel->FinalWords()->Count(), 0);
    panel->Relayout();  // a layout with no words keeps the label as it is
    EXPECT_EQ(panel->EndLabel()->Caption(), "止");
}

TEST_F(SelectPanelTest, ChildHintsReachThePartsWhenTheListChanges)
{
    EXPECT_EQ(panel->ChildHints()->Count(), 9);
    EXPECT_EQ(panel->BeginEdit()->Hint(), "");
    TStringList hints;
    for (const char* h : {"t", "b", "bb", "e", "eb", "l", "lb", "d", "c"}) hints.Add(h);
    panel->SetChildHints(&hints);
    EXPECT_EQ(panel->TypeCheck()->Hint(), "t");
    EXPECT_EQ(panel->EndButton()->Hint(), "eb");
    EXPECT_EQ(panel->ClearButton()->Hint(), "c");
    panel->SetChildHints(nullptr);
    EXPECT_EQ(panel->ChildHints()->Count(), 9);
}

TEST_F(SelectPanelTest, HintWordCaptionsAndSizesTheCheckBox)
{
    panel->SetHintWord("Range entry");
    EXPECT_EQ(panel->TypeCheck()->Caption(), "Range entry");
    EXPECT_EQ(panel->TypeCheck()->Width(), 11 * 5 + 24);
    EXPECT_EQ(panel->HintWord(), "Range entry");
}

TEST_F(SelectPanelTest, GlyphIndexGoesToTheThreeLookupButtons)
{
    FakeGlyphs glyphs;
    panel->SetGlyphIndex(FakeGlyphs::kWide);
    for (TF2Button* b : {panel->BeginButton(), panel->EndButton(), panel->ListButton()})
        EXPECT_EQ(b->GlyphIndex(), FakeGlyphs::kWide);
    EXPECT_EQ(panel->GlyphIndex(), FakeGlyphs::kWide);
    // A picture that fails is reported by the button, which shows its number.
    robot.AnswerNextDialog(mrOk);
    panel->SetGlyphIndex(FakeGlyphs::kThrows);
    EXPECT_EQ(panel->ListButton()->GlyphIndex(), FakeGlyphs::kThrows);
    EXPECT_EQ(panel->DeleteButton()->GlyphIndex(), 47);
    EXPECT_EQ(panel->GlyphButtons(),
              (std::vector<TComponent*>{panel->BeginButton(), panel->EndButton(), panel->ListButton()}));
}

TEST_F(SelectPanelTest, EnabledReachesEveryPart)
{
    panel->SetEnabled(false);
    for (TControl* part : {static_cast<TControl*>(panel->BeginEdit()), static_cast<TControl*>(panel->BeginLabel()),
                           static_cast<TControl*>(panel->ItemList()), static_cast<TControl*>(panel->ClearButton()),
                           static_cast<TControl*>(panel->RangePanel()), static_cast<TControl*>(panel->TypeCheck())})
        EXPECT_FALSE(part->Enabled());
    SetPropValue(panel, "Enabled", Variant(true));
    EXPECT_TRUE(panel->EndEdit()->Enabled());
}

TEST_F(SelectPanelTest, PropertiesAndEventsAreReachableByName)
{
    SetPropPath(panel, "Style", Variant("sp_Discrete"));
    SetPropPath(panel, "CheckDuplicate", Variant("cd_CaseInsensitive"));
    SetPropPath(panel, "ValueType", Variant("vt_Date"));
    SetPropPath(panel, "DateType", Variant("dt_YYYMMDD"));
    SetPropPath(panel, "DateSign", Variant("-"));
    SetPropPath(panel, "HintWord", Variant("Choose"));
    EXPECT_EQ(panel->Style(), sp_Discrete);
    EXPECT_EQ(panel->CheckDuplicate(), cd_CaseInsensitive);
    EXPECT_TRUE(panel->SortListBox());
    EXPECT_EQ(panel->DateType(), dt_YYYMMDD);
    EXPECT_EQ(panel->DateSign(), "-");
    EXPECT_EQ(panel->TypeCheck()->Caption(), "Choose");
    EXPECT_EQ(GetPropValue(panel, "ValueType"), Variant("vt_Date"));
    EXPECT_FALSE(TrySetPropPath(panel, "Style", Variant("sp_Bogus")));
    EXPECT_FALSE(TrySetPropPath(panel, "Style", Variant(7)));
    EXPECT_EQ(panel->Style(), sp_Discrete);
    EXPECT_EQ(GetObjectPropByName(panel, "BeginWords"), panel->BeginWords());
    EXPECT_EQ(GetObjectPropByName(panel, "Items"), panel->ItemList()->Items());

    int clears = 0;
    const auto handler = TNotifyEvent::From([&](TObject*) { ++clears; });
    SetMethodPropByName(panel, "OnClearClick", handler.ToMethod());
    panel->ClearButton()->Click();
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(form->FindComponent("sp01"), panel);
    EXPECT_EQ(panel->BeginEdit()->Owner(), panel);
}

TEST_F(SelectPanelTest, ColumnCaptionsRebuildTheColumns)
{
    panel->ItemList()->AddItem({"A", "x"});
    TStringList captions;
    captions.Add("Code");
    captions.Add("Name");
    captions.Add("Extra");
    panel->SetColumnCaptions(&captions);
    EXPECT_EQ(panel->Columns()->Count(), 3);
    TStrings* read = panel->ColumnCaptions();
    EXPECT_EQ(read->Text(), "Code\r\nName\r\nExtra\r\n");
    EXPECT_EQ(read, panel->ColumnCaptions());
}

TEST_F(SelectPanelTest, PartEventsAreRaisedAsThePanels)
{
    std::vector<std::string> log;
    panel->OnClick = TNotifyEvent::From([&](TObject* s) { log.push_back(s == panel ? "click panel" : "click part"); });
    panel->OnMouseDown = TMouseEvent::From([&](TObject* s, TMouseButton, TShiftState, int x, int y) {
        log.push_back((s == panel ? "down panel " : "down part ") + std::to_string(x) + "," + std::to_string(y));
    });
    Word key = VK_F2;
    panel->OnKeyDown = TKeyEvent::From([&](TObject* s, Word& k, TShiftState) {
        log.push_back(s == panel->EndEdit() ? "key end" : "key other");
        k = 0;
    });
    panel->BeginLabel()->OnMouseDown(panel->BeginLabel(), mbLeft, {}, 3, 4);
    panel->BeginEdit()->OnMouseDown(panel->BeginEdit(), mbLeft, {}, 3, 4);
    panel->RangePanel()->OnClick(panel->RangePanel());
    panel->BeginEdit()->OnClick(panel->BeginEdit());
    panel->EndEdit()->OnKeyDown(panel->EndEdit(), key, {});
    EXPECT_EQ(key, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"down panel 7,21", "down part 3,4", "click panel", "click part", "key end"}));
}

TEST_F(SelectPanelTest, ListRowEventsCarryTheRowIndex)
{
    panel->ItemList()->AddItem({"A"});
    panel->ItemList()->AddItem({"B"});
    std::vector<std::string> log;
    panel->OnItemSelect = TListViewSelectItemEvent::From([&](TObject* s, TListItem* item, int index, bool on) {
        EXPECT_EQ(s, panel->ItemList());
        log.push_back(item->Caption() + std::to_string(index) + (on ? "+" : "-"));
    });
    panel->ItemList()->Items()->Item(1)->SetSelected(true);
    panel->ItemList()->Items()->Item(1)->SetSelected(false);
    EXPECT_EQ(log, (std::vector<std::string>{"B1+", "B1-"}));
}

TEST_F(SelectPanelTest, SetFocusGoesToTheListOutsideRangeMode)
{
    panel->SetStyle(sp_Discrete);
    panel->SetFocus();
    EXPECT_TRUE(panel->ItemList()->Focused());
}

TEST_F(SelectPanelTest, AbsurdSizesAndFontsNeverBreakTheLayout)
{
    for (Box b : {Box{0, 0, 0, 0}, Box{0, 0, 5, 5}, Box{0, 0, 100000, 100000}}) {
        panel->SetBounds(b.left, b.top, b.width, b.height);
        for (TSelectStyle s : {sp_Discrete, sp_UserChoice, sp_Range}) panel->SetStyle(s);
        EXPECT_GE(panel->BeginEdit()->Width(), 0);
        EXPECT_GE(panel->ItemList()->Height(), 0);
    }
    panel->Font()->SetSize(400);
    panel->SetOtherWidth(-50);
    panel->SetOtherHeight(-50);
    panel->SetStyle(sp_Discrete);
    EXPECT_EQ(panel->Width(), 0);
    EXPECT_GE(panel->ItemList()->Width(), 0);
}

}  // namespace
}  // namespace qvn::test
