#include <gtest/gtest.h>

#include "vcl/AccelText.h"
#include "vcl/BitBtn.h"
#include "vcl/Button.h"
#include "vcl/CheckBox.h"
#include "vcl/Label.h"
#include "vcl/PageControl.h"
#include "vcl/Panel.h"
#include "vcl/RadioButton.h"
#include "vcl/SpeedButton.h"
#include "vcl/ToolBar.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

// One control of each kind that answers an accelerator, each with its own
// letter, and an edit that has the focus when a stroke begins.
class AcceleratorTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm("frm");
        edit = new TTestEdit(form, form, "ed");
        target = new TTestEdit(form, form, "edName");
        button = Place<TButton>("btn", "&Button");
        Place<TBitBtn>("bit", "Bit&Kind");
        check = Place<TCheckBox>("chk", "&Check");
        radio = Place<TRadioButton>("rad", "&Radio");
        auto* label = Place<TLabel>("lbl", "&Name:");
        label->SetFocusControl(target);
        Place<TSpeedButton>("spd", "&Speed");
        auto* bar = new TToolBar(form);
        bar->SetParent(form);
        Place<TToolButton>("tool", "&Tool", bar);
        pages = new TPageControl(form);
        pages->SetParent(form);
        pages->SetName("pc");
        for (const char* caption : {"&First", "Secon&d"}) {
            auto* sheet = new TTabSheet(form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
        }
        pages->OnChange = TNotifyEvent::From([this](TObject*) { log.push_back("change pc"); });
        robot.Focus(edit);
    }
    template <typename C>
    C* Place(const std::string& name, const AnsiString& caption, TWinControl* parent = nullptr)
    {
        auto* c = new C(form);
        c->SetName(name);
        c->SetCaption(caption);
        c->SetParent(parent != nullptr ? parent : form);
        c->OnClick = TNotifyEvent::From([this, c](TObject*) { log.push_back("click " + c->Name()); });
        return c;
    }
    std::string FocusedName() const { return Screen->ActiveControl() != nullptr ? Screen->ActiveControl()->Name() : ""; }

    TForm* form = nullptr;
    TTestEdit* edit = nullptr;
    TTestEdit* target = nullptr;
    TButton* button = nullptr;
    TCheckBox* check = nullptr;
    TRadioButton* radio = nullptr;
    TPageControl* pages = nullptr;
};

TEST_F(AcceleratorTest, AltAndTheLetterPressTheControlWhoseCaptionMarksIt)
{
    struct Case {
        const char* what;
        Word key;
        std::vector<std::string> log;
        const char* focused;
    };
    const Case cases[] = {
        {"a button takes the focus and clicks", 'B', {"click btn"}, "btn"},
        {"a bit button as well", 'K', {"click bit"}, "bit"},
        {"a check box toggles", 'C', {"click chk"}, "chk"},
        {"a radio button checks", 'R', {"click rad"}, "rad"},
        {"a label focuses its control", 'N', {}, "edName"},
        {"a speed button clicks without focus", 'S', {"click spd"}, "ed"},
        {"a tool button clicks", 'T', {"click tool"}, "ed"},
        {"a tab selects its page", 'D', {"change pc"}, "ed"},
        {"a letter nobody marks does nothing", 'Z', {}, "ed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        robot.Focus(edit);
        log.clear();
        robot.PressKey(c.key, {ssAlt});
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(FocusedName(), c.focused);
    }
    EXPECT_TRUE(check->Checked());
    EXPECT_TRUE(radio->Checked());
    EXPECT_EQ(pages->ActivePageIndex(), 1);

    robot.PressKey(edit, 'C', {ssAlt, ssShift});
    EXPECT_FALSE(check->Checked()) << "the letter's case does not matter";
    log.clear();
    robot.PressKey(edit, 'B', {ssAlt, ssCtrl});
    EXPECT_TRUE(log.empty()) << "Ctrl+Alt makes characters, not accelerators";
}

TEST_F(AcceleratorTest, HiddenPagesDisabledContainersAndInvisibleControlsNeverAnswer)
{
    TTabSheet* second = pages->Pages(1);
    Place<TButton>("btnHidden", "&Hidden", second);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    Place<TButton>("btnInner", "&Inner", panel);
    panel->SetEnabled(false);
    Place<TButton>("btnGone", "&Vanish")->Hide();

    for (Word key : {'H', 'I', 'V'}) robot.PressKey(edit, key, {ssAlt});
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(FocusedName(), "ed");

    pages->SetActivePage(second);
    panel->SetEnabled(true);
    robot.PressKey(edit, 'H', {ssAlt});
    robot.PressKey(edit, 'I', {ssAlt});
    EXPECT_EQ(log, (std::vector<std::string>{"click btnHidden", "click btnInner"}));
}

TEST_F(AcceleratorTest, TheFirstControlInCreationOrderDepthFirstWins)
{
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    Place<TButton>("btnInPanel", "&Go", panel);
    Place<TButton>("btnAfter", "&Go");
    robot.PressKey(edit, 'G', {ssAlt});
    EXPECT_EQ(log, std::vector<std::string>{"click btnInPanel"});
}

TEST_F(AcceleratorTest, DoubledAmpersandsAreLiteral)
{
    struct Case {
        const char* caption;
        char accel;
        const char* shown;
    };
    const Case cases[] = {
        {"Fish && &Chips", 'C', "Fish & Chips"},
        {"Salt && Pepper", 0, "Salt & Pepper"},
        {"&&&x", 'X', "&x"},
        {"Trailing&", 0, "Trailing"},
        {"保存(&S)", 'S', "保存(S)"},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(AccelCharOf(c.caption), c.accel);
        EXPECT_EQ(StripAccelChars(c.caption), c.shown);
        if (c.accel != 0) {
            EXPECT_TRUE(IsAccel(static_cast<char>(c.accel - 'A' + 'a'), c.caption));
        }
    }
    EXPECT_FALSE(IsAccel(0, "&&"));

    Place<TButton>("btnSalt", "Salt && Pepper");
    Place<TButton>("btnFish", "Fish && &Chips");
    robot.PressKey(edit, 'P', {ssAlt});
    EXPECT_TRUE(log.empty());
    check->SetCaption("Check");
    robot.PressKey(edit, 'C', {ssAlt});
    EXPECT_EQ(log, std::vector<std::string>{"click btnFish"});
}

TEST_F(AcceleratorTest, APlainLetterReachesAcceleratorsOnlyWhileAButtonHasTheFocus)
{
    std::string typed;
    edit->OnKeyPress = TKeyPressEvent::From([&](TObject*, char& key) { typed += key; });
    robot.PressKey(edit, 'R');
    EXPECT_EQ(typed, "r");
    EXPECT_FALSE(radio->Checked()) << "an edit takes its characters";

    robot.Focus(button);
    robot.PressKey('R');
    EXPECT_TRUE(radio->Checked());
    EXPECT_EQ(FocusedName(), "rad");
}

TEST_F(AcceleratorTest, AFailedExitCheckKeepsTheButtonFromClicking)
{
    edit->OnExit = TNotifyEvent::From([&](TObject*) { edit->SetFocus(); });
    robot.PressKey(edit, 'B', {ssAlt});
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(FocusedName(), "ed");
}

TEST_F(AcceleratorTest, LabelsWithoutAFocusableControlOrAccelCharsStaySilent)
{
    auto* label = static_cast<TLabel*>(form->FindComponent("lbl"));
    target->SetEnabled(false);
    robot.PressKey(edit, 'N', {ssAlt});
    EXPECT_EQ(FocusedName(), "ed");
    target->SetEnabled(true);
    label->SetShowAccelChar(false);
    robot.PressKey(edit, 'N', {ssAlt});
    EXPECT_EQ(FocusedName(), "ed");
    label->SetShowAccelChar(true);
    FreeComponent(target);
    robot.PressKey(edit, 'N', {ssAlt});
    EXPECT_EQ(FocusedName(), "ed");
}

}  // namespace
}  // namespace qvn::test
