#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/ImageList.h"
#include "vcl/ListView.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

// A report list with two columns and the rows A..E, on a shown form.
class ListViewTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        lv = new TListView(form);
        lv->SetName("lv");
        lv->SetParent(form);
        lv->SetViewStyle(vsReport);
        lv->Columns()->Add()->SetCaption("Name");
        lv->Columns()->Add()->SetCaption("Value");
        for (const char* s : {"A", "B", "C", "D", "E"}) {
            TListItem* item = lv->Items()->Add();
            item->SetCaption(s);
            item->SubItems()->Add(std::string("v") + s);
        }
        lv->OnSelectItem = TLVSelectItemEvent::From([this](TObject*, TListItem* item, bool on) {
            log.push_back(item->Caption() + (on ? "+" : "-"));
        });
    }

    std::string SelectedCaptions() const
    {
        std::string s;
        for (TListItem* it = lv->Selected(); it != nullptr; it = lv->GetNextSelected(it)) s += it->Caption();
        return s;
    }
    void ClickItem(int index, TShiftState shift = {})
    {
        const TRect r = lv->Items()->Item(index)->DisplayRect();
        WPARAM keys = MK_LBUTTON | ShiftStateToMouseKeys(shift);
        Application->SendMessage(lv->Handle(), WM_LBUTTONDOWN, keys, MakePointParam(r.Left + 20, r.Top + 2));
        Application->SendMessage(lv->Handle(), WM_LBUTTONUP, 0, MakePointParam(r.Left + 20, r.Top + 2));
    }

    TForm* form = nullptr;
    TListView* lv = nullptr;
};

TEST_F(ListViewTest, IndexesFollowInsertsAndDeletes)
{
    TListItems* items = lv->Items();
    TListItem* e = items->Item(4);
    TListItem* x = items->Insert(0);
    x->SetCaption("X");
    EXPECT_EQ(x->Index(), 0);
    EXPECT_EQ(e->Index(), 5);
    items->Delete(1);  // A
    items->Item(0)->Delete();  // X
    EXPECT_EQ(e->Index(), 3);
    EXPECT_EQ(items->Item(0)->Caption(), "B");
    EXPECT_EQ(items->IndexOf(e), 3);
    EXPECT_EQ(items->IndexOf(nullptr), -1);
    EXPECT_EQ(ErrorOf<EListError>([&] { items->Item(4); }), "List index out of bounds (4)");
    EXPECT_EQ(ErrorOf<EListError>([&] { items->Delete(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(ErrorOf<EListError>([&] { items->Insert(5); }), "List index out of bounds (5)");
}

TEST_F(ListViewTest, SingleSelectionKeepsOneItemSelected)
{
    lv->Items()->Item(1)->SetSelected(true);
    lv->Items()->Item(3)->SetSelected(true);
    EXPECT_EQ(log, (std::vector<std::string>{"B+", "B-", "D+"}));
    EXPECT_EQ(SelectedCaptions(), "D");
    EXPECT_EQ(lv->SelCount(), 1);
    EXPECT_EQ(lv->ItemIndex(), 3);

    lv->SetItemIndex(0);
    EXPECT_EQ(SelectedCaptions(), "A");
    EXPECT_TRUE(lv->Items()->Item(0)->Focused());
    lv->SetItemIndex(-1);
    EXPECT_EQ(lv->Selected(), nullptr);
    EXPECT_EQ(ErrorOf<EListError>([&] { lv->SetItemIndex(5); }), "List index out of bounds (5)");

    lv->SetSelected(lv->Items()->Item(2));
    lv->SetSelected(nullptr);
    EXPECT_EQ(lv->SelCount(), 0);
}

TEST_F(ListViewTest, MultiSelectClicksToggleAndExtend)
{
    lv->SetMultiSelect(true);
    ClickItem(1);
    ClickItem(3, {ssShift});
    EXPECT_EQ(SelectedCaptions(), "BCD");
    ClickItem(2, {ssCtrl});
    EXPECT_EQ(SelectedCaptions(), "BD");
    EXPECT_EQ(lv->SelCount(), 2);
    ClickItem(4);
    EXPECT_EQ(SelectedCaptions(), "E");

    lv->SelectAll();
    EXPECT_EQ(lv->SelCount(), 5);
    lv->SetMultiSelect(false);  // only the first stays
    EXPECT_EQ(SelectedCaptions(), "A");
}

TEST_F(ListViewTest, ClickingEmptySpaceOrAHeaderDoesNotSelect)
{
    TListColumn* clicked = nullptr;
    lv->OnColumnClick = TLVColumnClickEvent::From([&](TObject*, TListColumn* c) { clicked = c; });
    lv->Columns()->Items(0)->SetWidth(50);
    EXPECT_EQ(lv->GetItemAt(10, lv->HeaderHeight() + 1), lv->Items()->Item(0));
    EXPECT_EQ(lv->GetItemAt(60, lv->HeaderHeight() + 1), nullptr) << "past the first column without RowSelect";
    lv->SetRowSelect(true);
    EXPECT_EQ(lv->GetItemAt(60, lv->HeaderHeight() + 1), lv->Items()->Item(0));

    Application->SendMessage(lv->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(60, 2));
    EXPECT_EQ(clicked, lv->Columns()->Items(1));
    EXPECT_EQ(lv->SelCount(), 0);

    ClickItem(0);
    Application->SendMessage(lv->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(5, 140));
    EXPECT_EQ(lv->SelCount(), 0) << "a click below the rows clears the selection";
}

struct KeyCase {
    const char* name;
    bool multi;
    int start;
    Word key;
    TShiftState shift;
    const char* selected;
};

class ListViewKeys : public ListViewTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ListViewKeys, MoveTheSelection)
{
    const KeyCase& k = GetParam();
    lv->SetMultiSelect(k.multi);
    if (k.start >= 0) lv->SetItemIndex(k.start);
    robot.PressKey(lv, k.key, k.shift);
    EXPECT_EQ(SelectedCaptions(), k.selected);
}

INSTANTIATE_TEST_SUITE_P(ListViewTest, ListViewKeys,
                         ::testing::Values(KeyCase{"DownFromNothing", false, -1, VK_DOWN, {}, "A"},
                                           KeyCase{"Down", false, 1, VK_DOWN, {}, "C"},
                                           KeyCase{"UpAtTop", false, 0, VK_UP, {}, "A"},
                                           KeyCase{"DownAtBottom", false, 4, VK_DOWN, {}, "E"},
                                           KeyCase{"Home", false, 3, VK_HOME, {}, "A"},
                                           KeyCase{"End", false, 1, VK_END, {}, "E"},
                                           KeyCase{"ShiftDownExtends", true, 1, VK_DOWN, {ssShift}, "BC"},
                                           KeyCase{"ShiftEndExtends", true, 2, VK_END, {ssShift}, "CDE"},
                                           KeyCase{"ShiftWithoutMultiSelect", false, 1, VK_DOWN, {ssShift}, "C"},
                                           KeyCase{"CtrlDownMovesFocusOnly", true, 1, VK_DOWN, {ssCtrl}, "B"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(ListViewTest, ArrowKeysStayInTheListAndOnKeyDownCanTakeThem)
{
    robot.Focus(lv);
    robot.PressKey(VK_DOWN);
    EXPECT_TRUE(lv->Focused()) << "the list keeps the arrows";
    lv->OnKeyDown = TKeyEvent::From([](TObject*, Word& key, TShiftState) { key = 0; });
    robot.PressKey(VK_DOWN);
    EXPECT_EQ(SelectedCaptions(), "A");
}

TEST_F(ListViewTest, OnChangingCanRefuseASelection)
{
    lv->OnChanging = TLVChangingEvent::From([](TObject*, TListItem* item, TItemChange change, bool& allow) {
        if (change == ctState && item->Caption() == "C") allow = false;
    });
    lv->SetItemIndex(2);
    EXPECT_EQ(lv->SelCount(), 0);
    lv->Items()->Item(1)->SetSelected(true);
    EXPECT_EQ(SelectedCaptions(), "B");
}

TEST_F(ListViewTest, InPlaceEditCommitsWhatOnEditedLeaves)
{
    std::string editedFrom;
    lv->OnEdited = TLVEditedEvent::From([&](TObject*, TListItem* item, AnsiString& s) {
        editedFrom = item->Caption();
        s = "[" + s + "]";
    });
    robot.Focus(lv);
    lv->SetItemIndex(1);
    robot.PressKey(VK_F2);
    ASSERT_TRUE(lv->IsEditing());
    EXPECT_EQ(lv->Text(), "B");
    robot.Type(lv, "Bee");
    robot.PressKey(VK_RETURN);
    EXPECT_FALSE(lv->IsEditing());
    EXPECT_EQ(editedFrom, "B");
    EXPECT_EQ(lv->Items()->Item(1)->Caption(), "[Bee]");
    EXPECT_EQ(form->ActiveControl(), lv) << "Enter ended the edit, not a dialog action";
}

TEST_F(ListViewTest, EscapeCancelsAndLeavingCommits)
{
    auto* other = new TTestEdit(form, form, "ed");
    TListItem* a = lv->Items()->Item(0);
    robot.Focus(lv);
    ASSERT_TRUE(a->EditCaption());
    robot.Type(lv, "zzz");
    robot.PressKey(VK_ESCAPE);
    EXPECT_EQ(a->Caption(), "A");

    ASSERT_TRUE(a->EditCaption());
    lv->SetEditorText("kept");
    robot.Focus(other);
    EXPECT_EQ(a->Caption(), "kept");
}

TEST_F(ListViewTest, EditingIsRefusedWhenReadOnlyOrByOnEditing)
{
    TListItem* a = lv->Items()->Item(0);
    lv->SetReadOnly(true);
    EXPECT_FALSE(a->EditCaption());
    lv->SetReadOnly(false);
    lv->OnEditing = TLVEditingEvent::From([](TObject*, TListItem*, bool& allow) { allow = false; });
    EXPECT_FALSE(a->EditCaption());
    EXPECT_FALSE(lv->IsEditing());
    EXPECT_FALSE(lv->EditCaption(nullptr));
}

TEST_F(ListViewTest, AnOnEditedHandlerMayDeleteTheItem)
{
    lv->OnEdited = TLVEditedEvent::From([](TObject*, TListItem* item, AnsiString&) { item->Delete(); });
    ASSERT_TRUE(lv->Items()->Item(2)->EditCaption());
    lv->EndEditCaption(true);
    EXPECT_EQ(lv->Items()->Count(), 4);
    EXPECT_EQ(lv->Items()->Item(2)->Caption(), "D");
}

TEST_F(ListViewTest, DeletingSelectedAndFocusedItemsLeavesNoDanglingState)
{
    std::vector<std::string> deleted;
    lv->OnDeletion = TLVDeletedEvent::From([&](TObject*, TListItem* item) { deleted.push_back(item->Caption()); });
    lv->SetMultiSelect(true);
    lv->SetItemIndex(1);
    lv->Items()->Item(3)->SetSelected(true);
    lv->Items()->Delete(1);
    EXPECT_EQ(lv->SelCount(), 1);
    EXPECT_EQ(lv->ItemFocused(), nullptr);
    EXPECT_EQ(SelectedCaptions(), "D");
    lv->Items()->Clear();
    EXPECT_EQ(lv->SelCount(), 0);
    EXPECT_EQ(lv->Selected(), nullptr);
    EXPECT_EQ(deleted, (std::vector<std::string>{"B", "E", "D", "C", "A"}));
    robot.PressKey(lv, VK_DOWN);  // nothing to move to
}

TEST_F(ListViewTest, ADeletionHandlerThatDeletesAgainIsHarmless)
{
    lv->OnDeletion = TLVDeletedEvent::From([](TObject*, TListItem* item) { item->Delete(); });
    lv->Items()->Delete(0);
    EXPECT_EQ(lv->Items()->Count(), 4);
    lv->Items()->Clear();
    EXPECT_EQ(lv->Items()->Count(), 0);
}

TEST_F(ListViewTest, UpdatesHoldBackPerItemEvents)
{
    int inserts = 0, changes = 0;
    lv->OnInsert = TLVDeletedEvent::From([&](TObject*, TListItem*) { ++inserts; });
    lv->OnChange = TLVChangeEvent::From([&](TObject*, TListItem*, TItemChange) { ++changes; });
    lv->Items()->BeginUpdate();
    for (int i = 0; i < 3; ++i) {
        TListItem* item = lv->Items()->Add();
        item->SetCaption("x");
        item->SubItems()->Add("y");
    }
    lv->Items()->EndUpdate();
    EXPECT_EQ(inserts, 0);
    EXPECT_EQ(changes, 0);
    lv->Items()->Add()->SetCaption("z");
    EXPECT_EQ(inserts, 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(ListViewTest, SortedListsSortOnSettingAndKeepNewItemsInPlace)
{
    for (int i = 0; i < 5; ++i) lv->Items()->Item(i)->SetCaption(std::string(1, "dBeCa"[i]));
    lv->SetSortType(stText);
    auto captions = [&] {
        std::string s;
        for (int i = 0; i < lv->Items()->Count(); ++i) s += lv->Items()->Item(i)->Caption();
        return s;
    };
    EXPECT_EQ(captions(), "aBCde") << "case-insensitive";
    lv->Items()->Add()->SetCaption("c2");
    EXPECT_EQ(lv->Items()->Item(3)->Caption(), "c2");
    EXPECT_EQ(lv->Items()->Item(3)->Index(), 3);

    lv->Items()->BeginUpdate();
    lv->Items()->Add()->SetCaption("A0");
    EXPECT_EQ(lv->Items()->Item(6)->Caption(), "A0") << "sorting waits for the end of the update";
    lv->Items()->EndUpdate();
    EXPECT_EQ(lv->Items()->Item(1)->Caption(), "A0");
}

TEST_F(ListViewTest, OnCompareAndCustomSortDecideTheOrder)
{
    lv->OnCompare = TLVCompareEvent::From([](TObject*, TListItem* a, TListItem* b, int, int& r) {
        r = b->Caption().compare(a->Caption());  // descending
    });
    lv->AlphaSort();
    EXPECT_EQ(lv->Items()->Item(0)->Caption(), "E");
    lv->CustomSort([](TListItem* a, TListItem* b, intptr_t) { return a->SubItems()->Get(0).compare(b->SubItems()->Get(0)); });
    EXPECT_EQ(lv->Items()->Item(0)->Caption(), "A");
    EXPECT_EQ(lv->Items()->Item(4)->Index(), 4);
}

TEST_F(ListViewTest, CheckboxesToggleWithSpaceAndClicks)
{
    lv->SetCheckboxes(true);
    robot.Focus(lv);
    lv->SetItemIndex(1);
    robot.PressKey(VK_SPACE);
    EXPECT_TRUE(lv->Items()->Item(1)->Checked());
    const TRect r = lv->Items()->Item(2)->DisplayRect();
    Application->SendMessage(lv->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MakePointParam(r.Left + 3, r.Top + 3));
    EXPECT_TRUE(lv->Items()->Item(2)->Checked());
    EXPECT_EQ(SelectedCaptions(), "B") << "the check box click does not select";
}

TEST_F(ListViewTest, FitWidthsMeasureTheColumnTexts)
{
    lv->Items()->Item(0)->SubItems()->Put(0, "a longer value");
    TListColumn* value = lv->Columns()->Items(1);
    const TCanvas* canvas = lv->Canvas();
    value->SetWidth(ColumnTextWidth);
    EXPECT_EQ(value->Width(), canvas->TextWidth("a longer value") + 12);
    value->SetCaption("A header that is longer still");
    value->SetWidth(ColumnHeaderWidth);
    EXPECT_EQ(value->Width(), canvas->TextWidth("A header that is longer still") + 12);

    lv->Columns()->Items(0)->SetWidth(100);
    value->SetAutoSize(true);
    EXPECT_EQ(value->Width(), lv->ClientWidth() - 100);
}

TEST_F(ListViewTest, PublishedPropertiesReachColumnsAndItems)
{
    SetPropPath(lv, "ViewStyle", Variant("vsList"));
    SetPropPath(lv, "MultiSelect", Variant("True"));
    SetPropPath(lv, "SortType", Variant("stText"));
    EXPECT_EQ(lv->ViewStyle(), vsList);
    EXPECT_TRUE(lv->MultiSelect());
    EXPECT_EQ(GetObjectPropByName(lv, "Columns"), lv->Columns());
    EXPECT_EQ(GetObjectPropByName(lv, "Items"), lv->Items());
    EXPECT_EQ(lv->Columns()->ClassName(), "TListColumns");
    EXPECT_EQ(lv->Items()->ClassName(), "TListItems");
    SetPropPath(lv->Items()->Item(0), "Caption", Variant("Zed"));
    EXPECT_EQ(lv->Items()->Item(4)->Caption(), "Zed") << "a sorted list re-sorts a renamed item";
    EXPECT_TRUE(HasPropByName(lv, "OnSelectItem"));
    EXPECT_TRUE(HasPropByName(lv, "OnEdited"));
}

TEST_F(ListViewTest, AssigningItemsCopiesCaptionsAndSubItems)
{
    auto* copy = new TListView(form);
    copy->Items()->Add()->SetCaption("old");
    SetPropPath(lv, "Visible", Variant(true));
    TObject* source = GetObjectPropByName(lv, "Items");
    const TPropInfo* prop = FindPropInfo(copy, "Items");
    ASSERT_NE(prop, nullptr);
    prop->SetObject(copy, source);
    ASSERT_EQ(copy->Items()->Count(), 5);
    EXPECT_EQ(copy->Items()->Item(4)->Caption(), "E");
    EXPECT_EQ(copy->Items()->Item(4)->SubItems()->Get(0), "vE");
}

TEST_F(ListViewTest, AFreedImageListIsForgotten)
{
    auto* images = new TImageList(form);
    lv->SetSmallImages(images);
    lv->SetLargeImages(images);
    FreeComponent(images);
    EXPECT_EQ(lv->SmallImages(), nullptr);
    EXPECT_EQ(lv->LargeImages(), nullptr);
}

}  // namespace
}  // namespace qvn::test
