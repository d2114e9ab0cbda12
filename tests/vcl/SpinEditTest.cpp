#include <gtest/gtest.h>

#include "vcl/PropAccess.h"
#include "vcl/SpinEdit.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

class SpinEditTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        spin = new TSpinEdit(form);
        spin->SetName("meDay");
        spin->SetParent(form);
        spin->SetMinValue(1);
        spin->SetMaxValue(31);
        spin->SetValue(1);
        other = new TTestEdit(form, form, "other");
        spin->OnChange = TNotifyEvent::From([this](TObject*) { ++changes; });
    }
    TForm* form = nullptr;
    TSpinEdit* spin = nullptr;
    TTestEdit* other = nullptr;
    int changes = 0;
};

TEST_F(SpinEditTest, ValueAndTextFollowEachOther)
{
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {{"7", 7}, {"+8", 8}, {"", 1}, {"abc", 1}, {"99999999999", 1}, {"45", 45}};
    for (const Case& c : cases) {
        spin->SetText(c.text);
        EXPECT_EQ(spin->Value(), c.value) << c.text;
    }
    spin->SetValue(45);
    EXPECT_EQ(spin->Text(), "31");
    spin->SetValue(-3);
    EXPECT_EQ(spin->Text(), "1");
    spin->SetMinValue(0);
    spin->SetMaxValue(0);  // equal limits: no limits
    spin->SetValue(-300);
    EXPECT_EQ(spin->Text(), "-300");
}

TEST_F(SpinEditTest, ArrowKeysStepWithinTheLimits)
{
    spin->SetIncrement(10);
    robot.PressKey(spin, VK_UP);
    EXPECT_EQ(spin->Value(), 11);
    robot.PressKey(VK_UP);
    robot.PressKey(VK_UP);
    EXPECT_EQ(spin->Value(), 31);
    robot.PressKey(VK_DOWN);
    EXPECT_EQ(spin->Value(), 21);
    EXPECT_EQ(changes, 4);
    spin->SetReadOnly(true);
    robot.PressKey(VK_DOWN);
    EXPECT_EQ(spin->Value(), 21);
    EXPECT_TRUE(spin->Focused()) << "the arrows stay with the spin edit";
    spin->SetIncrement(INT32_MAX);
    spin->SetReadOnly(false);
    spin->SetMaxValue(0);
    spin->SetMinValue(0);
    robot.PressKey(VK_UP);
    robot.PressKey(VK_UP);
    EXPECT_EQ(spin->Value(), INT32_MAX) << "no overflow";
}

TEST_F(SpinEditTest, OnlyNumbersCanBeTypedAndLeavingHoldsTheLimits)
{
    robot.Type(spin, "4a5");
    EXPECT_EQ(spin->Text(), "45");
    std::string textInOnExit;
    spin->OnExit = TNotifyEvent::From([&](TObject*) { textInOnExit = spin->Text(); });
    robot.Focus(other);
    EXPECT_EQ(textInOnExit, "45") << "OnExit runs before the value is corrected";
    EXPECT_EQ(spin->Text(), "31");
    spin->SetEditorEnabled(false);
    robot.Type(spin, "12");
    EXPECT_EQ(spin->Text(), "") << "nothing can be typed";
}

TEST_F(SpinEditTest, PublishedPropertiesByName)
{
    SetPropPath(spin, "MaxValue", 23);
    SetPropPath(spin, "Value", 40);
    EXPECT_EQ(GetStrPropByName(spin, "Text"), "23");
    SetPropPath(spin, "Text", "5");
    EXPECT_EQ(GetOrdPropByName(spin, "Value"), 5);
    SetPropPath(spin, "MaxLength", 2);
    EXPECT_EQ(spin->MaxLength(), 2);
    EXPECT_FALSE(TrySetPropPath(spin, "Value", "many"));
    EXPECT_EQ(spin->ClassName(), "TSpinEdit");
    EXPECT_TRUE(spin->InheritsFrom(TCustomEdit::StaticClassInfo()));
}

}  // namespace
}  // namespace qvn::test
