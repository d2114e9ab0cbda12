#include <gtest/gtest.h>

#include "vcl/CheckBox.h"
#include "vcl/Panel.h"
#include "vcl/PropAccess.h"
#include "vcl/RadioButton.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

class CheckRadioTest : public VclTest {
protected:
    void SetUp() override { form = NewShownForm("frm"); }
    TRadioButton* Radio(TWinControl* parent, const std::string& name)
    {
        auto* r = new TRadioButton(form);
        r->SetName(name);
        r->SetParent(parent);
        r->OnClick = TNotifyEvent::From([this, r](TObject*) { log.push_back("click " + r->Name()); });
        return r;
    }
    TForm* form = nullptr;
};

TEST_F(CheckRadioTest, ClicksToggleThroughTheStates)
{
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    int clicks = 0;
    box->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    const std::vector<TCheckBoxState> plain = {cbChecked, cbUnchecked, cbChecked};
    for (TCheckBoxState expected : plain) {
        robot.Click(box);
        EXPECT_EQ(box->State(), expected);
    }
    box->SetAllowGrayed(true);
    box->SetState(cbUnchecked);
    const std::vector<TCheckBoxState> grayed = {cbGrayed, cbChecked, cbUnchecked};
    for (TCheckBoxState expected : grayed) {
        robot.PressKey(box, VK_SPACE);
        EXPECT_EQ(box->State(), expected);
    }
    EXPECT_EQ(clicks, 7) << "every change of state fires OnClick, by code too";
    box->Click();  // a click by code fires OnClick only
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(clicks, 8);
    box->SetChecked(false);
    EXPECT_EQ(clicks, 8) << "no change, no event";
}

TEST_F(CheckRadioTest, CheckBoxByName)
{
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    SetPropPath(box, "Checked", "True");
    EXPECT_EQ(GetPropValue(box, "State").ToString(), "cbChecked");
    SetPropPath(box, "State", "cbGrayed");
    EXPECT_FALSE(box->Checked());
    EXPECT_FALSE(TrySetPropPath(box, "State", "cbHalf"));
    EXPECT_FALSE(TrySetPropPath(box, "State", 3));
    EXPECT_FALSE(TrySetPropPath(box, "Alignment", "taCenter")) << "a box is left or right of its caption";
    box->SetState(static_cast<TCheckBoxState>(-1));
    EXPECT_EQ(box->State(), cbGrayed);
}

TEST_F(CheckRadioTest, CheckBoxPaintsItsBoxOnTheChosenSide)
{
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    EXPECT_EQ(box->BoxRect().Left, 0);
    box->SetAlignment(taLeftJustify);
    EXPECT_EQ(box->BoxRect().Right, box->Width());
    box->SetChecked(true);
    TBitmap bitmap(box->Width(), box->Height());
    box->Paint(*bitmap.Canvas());
    const TRect r = box->BoxRect();
    EXPECT_EQ(bitmap.Pixel(r.Left + 5, r.Top + 8), ColorToRGB(clWindowText)) << "the tick is drawn";
}

TEST_F(CheckRadioTest, CheckingARadioButtonUnchecksItsSiblingsOnly)
{
    auto* p1 = new TPanel(form);
    p1->SetParent(form);
    auto* p2 = new TPanel(form);
    p2->SetParent(form);
    auto* a = Radio(p1, "a");
    auto* b = Radio(p1, "b");
    auto* c = Radio(p1, "c");
    auto* other = Radio(p2, "other");
    other->SetChecked(true);
    a->SetChecked(true);
    robot.Click(b);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(c->Checked());
    EXPECT_TRUE(other->Checked()) << "another parent is another group";
    EXPECT_TRUE(b->TabStop());
    EXPECT_FALSE(a->TabStop());
    robot.Click(b);  // already checked: nothing happens
    a->SetChecked(false);  // unchecking fires nothing
    EXPECT_EQ(log, (std::vector<std::string>{"click other", "click a", "click b"}));
    SetPropPath(c, "Checked", true);
    EXPECT_FALSE(b->Checked());
}

}  // namespace
}  // namespace qvn::test
