#include <gtest/gtest.h>

#include "vcl/ComboBox.h"
#include "vcl/PropAccess.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

class ComboBoxTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        combo = new TComboBox(form);
        combo->SetName("cboDay");
        combo->SetParent(form);
        combo->Items()->SetCommaText("Sun,Mon,Tue");
        combo->OnChange = TNotifyEvent::From([this](TObject*) { events.push_back("change " + combo->Text()); });
        combo->OnClick = TNotifyEvent::From([this](TObject*) { events.push_back("click"); });
    }
    TForm* form = nullptr;
    TComboBox* combo = nullptr;
    std::vector<std::string> events;
};

TEST_F(ComboBoxTest, ItemIndexOutOfRangeClearsTheSelection)
{
    struct Case {
        int set;
        int expected;
        const char* text;
    };
    const Case cases[] = {{1, 1, "Mon"}, {2, 2, "Tue"}, {3, -1, ""}, {0, 0, "Sun"}, {-2, -1, ""}, {99, -1, ""}, {-1, -1, ""}};
    for (TComboBoxStyle style : {csDropDown, csDropDownList, csOwnerDrawFixed}) {
        combo->SetStyle(style);
        for (const Case& c : cases) {
            combo->SetItemIndex(c.set);
            EXPECT_EQ(combo->ItemIndex(), c.expected) << "style " << style << " set " << c.set;
            EXPECT_EQ(combo->Text(), c.text) << "style " << style << " set " << c.set;
        }
    }
    EXPECT_TRUE(events.empty()) << "changes by code fire no events";
}

TEST_F(ComboBoxTest, TextInListStylesFollowsTheSelection)
{
    for (TComboBoxStyle style : {csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable}) {
        combo->SetStyle(style);
        combo->SetItemIndex(-1);
        combo->SetText("Tue");
        EXPECT_EQ(combo->ItemIndex(), 2) << style;
        combo->SetText("not an item");
        EXPECT_EQ(combo->ItemIndex(), 2) << style;
        EXPECT_EQ(combo->Text(), "Tue") << style;
    }
}

TEST_F(ComboBoxTest, TextInEditStylesIsFreeAndSelectsAnExactMatch)
{
    for (TComboBoxStyle style : {csDropDown, csSimple}) {
        combo->SetStyle(style);
        combo->SetText("Mon");
        EXPECT_EQ(combo->ItemIndex(), 1);
        combo->SetText("Monday");
        EXPECT_EQ(combo->ItemIndex(), -1);
        EXPECT_EQ(combo->Text(), "Monday");
    }
    // Becoming a list style shows the selected item only.
    combo->SetItemIndex(0);
    combo->SetText("typed");
    combo->SetStyle(csOwnerDrawVariable);
    EXPECT_EQ(combo->Text(), "");
    combo->SetItemIndex(2);
    combo->SetStyle(csDropDown);
    EXPECT_EQ(combo->ItemIndex(), 2) << "the selection survives a change of style";
    EXPECT_EQ(combo->Text(), "Tue");
}

TEST_F(ComboBoxTest, PersonsChangesFireEvents)
{
    robot.Type(combo, "Wed");
    EXPECT_EQ(events, std::vector<std::string>{"change Wed"});
    events.clear();
    combo->SelectItem(1);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "change Mon"}));
    int selects = 0;
    combo->OnSelect = TNotifyEvent::From([&](TObject*) { ++selects; });
    events.clear();
    robot.PressKey(combo, VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(events, std::vector<std::string>{"click"}) << "OnSelect replaces OnChange";
    robot.PressKey(combo, VK_DOWN);  // already at the last item
    EXPECT_EQ(selects, 1);
    combo->SelectItem(7);
    EXPECT_EQ(combo->ItemIndex(), 2);

    int drops = 0;
    combo->OnDropDown = TNotifyEvent::From([&](TObject*) { ++drops; });
    robot.PressKey(combo, VK_F4);
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_EQ(drops, 1);
}

TEST_F(ComboBoxTest, SelectionFollowsItsItem)
{
    combo->SetItemIndex(1);
    combo->Items()->Insert(0, "first");
    EXPECT_EQ(combo->ItemIndex(), 2);
    combo->Items()->Delete(0);
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetSorted(true);
    EXPECT_EQ(combo->Items()->CommaText(), "Mon,Sun,Tue");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), "Mon");
    combo->Items()->Delete(0);
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetStyle(csDropDownList);
    combo->SetItemIndex(1);
    combo->Items()->Clear();
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
}

TEST_F(ComboBoxTest, PublishedPropertiesByName)
{
    SetPropPath(combo, "Style", "csDropDownList");
    SetPropPath(combo, "ItemIndex", 2);
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(GetStrPropByName(combo, "Text"), "Tue");
    EXPECT_EQ(FindPropInfo(combo, "Style")->TypeName, "TComboBoxStyle");
    EXPECT_EQ(FindPropInfo(combo, "Items")->TypeName, "TStrings");
    EXPECT_FALSE(TrySetPropPath(combo, "Style", "csFancy"));
    EXPECT_FALSE(TrySetPropPath(combo, "Style", 9));
    EXPECT_EQ(combo->Style(), csDropDownList);
    SetPropPath(combo, "ItemIndex", 40);
    EXPECT_EQ(combo->ItemIndex(), -1);
    SetPropPath(combo, "DropDownCount", -4);
    EXPECT_EQ(combo->DropDownCount(), 1);
    SetPropPath(combo, "ItemHeight", 0);
    EXPECT_EQ(combo->ItemHeight(), 13);

    // The code converter's round trip: the items as one text, the index kept by hand.
    combo->SetItemIndex(1);
    const int saved = combo->ItemIndex();
    combo->Items()->SetText(combo->Items()->Text());
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(saved);
    EXPECT_EQ(combo->Text(), "Mon");
}

}  // namespace
}  // namespace qvn::test
