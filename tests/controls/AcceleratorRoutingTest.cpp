#include <gtest/gtest.h>

#include "controls/BitCheckBox.h"
#include "controls/QvRadioButton.h"
#include "vcl/Panel.h"
#include "vcl/VclTestKit.h"

namespace qvn {
namespace {

// The program's check box and radio button answer Alt + their letter when a
// person presses it anywhere on the form, not only when sent the message.
class AcceleratorRoutingTest : public test::VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("AccelForm");
        edit = new test::TTestEdit(form, form, "ed");
        auto* panel = new TPanel(form);
        panel->SetParent(form);
        box = new TBitCheckBox(form);
        box->SetName("Log");
        box->SetCaption("记录&L");
        box->SetParent(panel);
        box->OnClick = TNotifyEvent::From([this](TObject*) { ++clicks; });
        radio = new TQvRadioButton(form);
        radio->SetName("Mode");
        radio->SetCaption("实时&R");
        radio->SetParent(panel);
        robot.Focus(edit);
    }
    TForm* form = nullptr;
    test::TTestEdit* edit = nullptr;
    TBitCheckBox* box = nullptr;
    TQvRadioButton* radio = nullptr;
    int clicks = 0;
};

TEST_F(AcceleratorRoutingTest, AltAndTheLetterTogglesTheBitCheckBoxWithoutOnClick)
{
    robot.PressKey('L', {ssAlt});
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_TRUE(box->Focused());
    EXPECT_EQ(clicks, 0);

    robot.PressKey(edit, 'L', {ssAlt});
    EXPECT_EQ(box->State(), cbUnchecked);

    box->SetEnabled(false);
    robot.PressKey(edit, 'L', {ssAlt});
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_TRUE(edit->Focused());
}

TEST_F(AcceleratorRoutingTest, AltAndTheLetterFocusesTheRadioButtonWithoutCheckingIt)
{
    robot.PressKey('R', {ssAlt});
    EXPECT_TRUE(radio->Focused());
    EXPECT_FALSE(radio->Checked());
}

}  // namespace
}  // namespace qvn
