#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/KeyInput.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

// A form that records what it is told about the focus.
class TFocusForm : public TForm {
public:
    using TForm::TForm;
    std::vector<std::string> told;

protected:
    void FocusChanged(TWinControl* focused) override
    {
        TForm::FocusChanged(focused);
        told.push_back(focused->Name());
    }
};

// Two panels with two edits each, and a button outside them.
class FocusTest : public VclTest {
protected:
    void SetUp() override
    {
        form = NewShownForm<TFocusForm>("frm");
        pnl1 = new TTestPanel(form, form, "pnl1");
        e1 = new TTestEdit(form, pnl1, "e1");
        e2 = new TTestEdit(form, pnl1, "e2");
        pnl2 = new TTestPanel(form, form, "pnl2");
        e3 = new TTestEdit(form, pnl2, "e3");
        e4 = new TTestEdit(form, pnl2, "e4");
        btn = new TTestButton(form, form, "btn");
        for (TWinControl* c : {static_cast<TWinControl*>(pnl1), static_cast<TWinControl*>(pnl2), static_cast<TWinControl*>(e1),
                               static_cast<TWinControl*>(e2), static_cast<TWinControl*>(e3), static_cast<TWinControl*>(e4),
                               static_cast<TWinControl*>(btn)})
            Trace(c);
        robot.Focus(e1);
        log.clear();
        form->told.clear();
    }

    TFocusForm* form = nullptr;
    TTestPanel *pnl1 = nullptr, *pnl2 = nullptr;
    TTestEdit *e1 = nullptr, *e2 = nullptr, *e3 = nullptr, *e4 = nullptr;
    TTestButton* btn = nullptr;
};

TEST_F(FocusTest, MovingTheFocusLeavesInnermostFirstAndEntersOutermostFirst)
{
    std::string activeDuringExit;
    e1->OnExit = TNotifyEvent::From([&](TObject*) {
        log.push_back("exit e1");
        activeDuringExit = form->ActiveControl()->Name();
    });
    robot.Focus(e3);
    EXPECT_EQ(log, (std::vector<std::string>{"exit e1", "exit pnl1", "enter pnl2", "enter e3"}));
    // The new active control is known while the old one's OnExit runs.
    EXPECT_EQ(activeDuringExit, "e3");
    EXPECT_EQ(form->told, std::vector<std::string>{"e3"});
    EXPECT_TRUE(e3->Focused());
    EXPECT_EQ(Screen->ActiveControl(), e3);
    EXPECT_EQ(Screen->ActiveForm(), form);

    log.clear();
    robot.Focus(e4);  // within the same panel: the panel is neither left nor entered
    EXPECT_EQ(log, (std::vector<std::string>{"exit e3", "enter e4"}));
    log.clear();
    robot.Focus(e4);  // already there: nothing happens
    EXPECT_TRUE(log.empty());
}

TEST_F(FocusTest, AnExitHandlerThatTakesTheFocusBackStopsTheMove)
{
    e1->OnExit = TNotifyEvent::From([&](TObject*) {
        log.push_back("exit e1");
        e1->SetFocus();
    });
    robot.Focus(e3);
    EXPECT_EQ(log, (std::vector<std::string>{"exit e1", "enter e1"}));
    EXPECT_TRUE(e1->Focused());
    EXPECT_EQ(form->ActiveControl(), e1);
    // A click on the button is then no click at all.
    int clicks = 0;
    btn->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    EXPECT_FALSE(robot.Click(btn));
    EXPECT_EQ(clicks, 0);
}

TEST_F(FocusTest, ControlsThatCannotTakeTheFocusRaise)
{
    e2->SetEnabled(false);
    EXPECT_FALSE(e2->CanFocus());
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { e2->SetFocus(); }), "Cannot focus a disabled or invisible window");
    pnl2->SetVisible(false);
    EXPECT_FALSE(e3->CanFocus());
    EXPECT_THROW(e3->SetFocus(), EInvalidOperation);
    TTestEdit orphan(nullptr);
    EXPECT_FALSE(orphan.CanFocus());
    EXPECT_THROW(orphan.SetFocus(), EInvalidOperation);
    EXPECT_TRUE(e1->Focused());  // nothing moved
    EXPECT_TRUE(log.empty());

    form->Hide();
    EXPECT_FALSE(e1->CanFocus());
    EXPECT_THROW(e1->SetFocus(), EInvalidOperation);
}

TEST_F(FocusTest, HidingDisablingOrFreeingTheFocusedControlMovesTheFocusToTheForm)
{
    e1->SetVisible(false);
    EXPECT_EQ(log, (std::vector<std::string>{"exit e1", "exit pnl1"}));
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(Screen->ActiveControl(), form);

    robot.Focus(e3);
    log.clear();
    pnl2->SetEnabled(false);
    EXPECT_EQ(log, (std::vector<std::string>{"exit e3", "exit pnl2"}));

    robot.Focus(e2);
    log.clear();
    FreeComponent(e2);
    // The freed control hears nothing; its panel is left.
    EXPECT_EQ(log, std::vector<std::string>{"exit pnl1"});
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(Screen->ActiveControl(), form);
    EXPECT_EQ(pnl1->ControlCount(), 1);
    e1->SetVisible(true);
    robot.Focus(e1);  // the focus machinery holds no stale pointer (the sanitizer run proves it)
    EXPECT_TRUE(e1->Focused());
}

TEST_F(FocusTest, TabOrderIsThePositionAmongTheParentsWindowedChildren)
{
    EXPECT_EQ(pnl1->TabOrder(), 0);
    EXPECT_EQ(pnl2->TabOrder(), 1);
    EXPECT_EQ(btn->TabOrder(), 2);
    btn->SetTabOrder(0);
    EXPECT_EQ(btn->TabOrder(), 0);
    EXPECT_EQ(pnl1->TabOrder(), 1);
    EXPECT_EQ(pnl2->TabOrder(), 2);
    btn->SetTabOrder(99);  // clamped to the last place
    EXPECT_EQ(btn->TabOrder(), 2);
    btn->SetTabOrder(-5);
    EXPECT_EQ(btn->TabOrder(), 0);

    auto* late = new TTestEdit(form);
    late->SetTabOrder(1);  // remembered until it has a parent
    EXPECT_EQ(late->TabOrder(), -1);
    late->SetParent(pnl1);
    EXPECT_EQ(late->TabOrder(), 1);
    EXPECT_EQ(e2->TabOrder(), 2);
}

TEST_F(FocusTest, TabWalksTheTabStopsThatCanTakeTheFocusAndWraps)
{
    e2->SetTabStop(false);
    e4->SetEnabled(false);
    struct Step {
        TShiftState shift;
        const char* expected;
    };
    const Step steps[] = {
        {{}, "e3"}, {{}, "btn"}, {{}, "e1"}, {{ssShift}, "btn"}, {{ssShift}, "e3"}, {{ssShift}, "e1"},
    };
    for (const Step& s : steps) {
        robot.PressKey(VK_TAB, s.shift);
        ASSERT_NE(Screen->ActiveControl(), nullptr);
        EXPECT_EQ(Screen->ActiveControl()->Name(), s.expected);
    }
    EXPECT_EQ(form->FindNextControl(btn, true, false, false), pnl1);  // without the tab-stop check panels count
}

TEST_F(FocusTest, ArrowKeysMoveAmongSiblingsUnlessTheControlKeepsThem)
{
    auto* b2 = new TTestButton(form, form, "b2");
    robot.Focus(btn);
    robot.PressKey(VK_DOWN);
    EXPECT_TRUE(b2->Focused());
    robot.PressKey(VK_UP);
    EXPECT_TRUE(btn->Focused());
    robot.Focus(e1);
    robot.PressKey(VK_DOWN);  // an edit keeps the arrows
    EXPECT_TRUE(e1->Focused());
}

TEST_F(FocusTest, NextDialogControlMessageMovesForwardBackwardOrToAGivenWindow)
{
    Application->SendMessage(form->Handle(), WM_NEXTDLGCTL, 0, 0);
    EXPECT_TRUE(e2->Focused());
    Application->SendMessage(form->Handle(), WM_NEXTDLGCTL, 1, 0);
    EXPECT_TRUE(e1->Focused());
    Application->PostMessage(form->Handle(), WM_NEXTDLGCTL, e4->Handle(), 1);
    EXPECT_TRUE(e1->Focused());  // posted: nothing before the queue is processed
    robot.ProcessMessages();
    EXPECT_TRUE(e4->Focused());
}

TEST_F(FocusTest, ShowingAnotherFormActivatesItAndHidingItGivesTheFocusBack)
{
    form->OnActivate = TNotifyEvent::From([&](TObject*) { log.push_back("activate frm"); });
    form->OnDeactivate = TNotifyEvent::From([&](TObject*) { log.push_back("deactivate frm"); });
    auto* other = NewForm<TForm>(Application);
    other->SetName("other");
    auto* o1 = new TTestEdit(other, other, "o1");
    Trace(o1);
    other->OnActivate = TNotifyEvent::From([&](TObject*) { log.push_back("activate other"); });
    other->Show();
    EXPECT_EQ(log, (std::vector<std::string>{"deactivate frm", "activate other", "enter o1"}));
    EXPECT_EQ(Screen->ActiveForm(), other);
    EXPECT_EQ(other->ActiveControl(), o1);  // the first tab stop when none was set
    EXPECT_FALSE(e1->Focused());
    EXPECT_EQ(form->ActiveControl(), e1);  // each form keeps its own

    log.clear();
    other->Hide();
    EXPECT_EQ(Screen->ActiveForm(), form);
    EXPECT_TRUE(e1->Focused());
    EXPECT_EQ(log, std::vector<std::string>{"activate frm"});  // e1 was never left, so not entered again

    EXPECT_THROW(robot.Focus(o1), EInvalidOperation);  // its form is hidden
}

}  // namespace
}  // namespace qvn::test
