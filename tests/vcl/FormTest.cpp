#include <gtest/gtest.h>

#include <memory>

#include "support/ErrorOf.h"
#include "vcl/MessageDialog.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

// A form with a member its OnDestroy handler reads: proves the handler runs
// while the derived form is still intact.
class TLifeForm : public TForm {
public:
    explicit TLifeForm(TComponent* owner, std::vector<std::string>* log) : TForm(owner), log_(log)
    {
        OnCreate = TNotifyEvent::Of<&TLifeForm::FormCreate>(this);
        OnDestroy = TNotifyEvent::Of<&TLifeForm::FormDestroy>(this);
        OnShow = TNotifyEvent::From([this](TObject*) { log_->push_back("show"); });
        OnHide = TNotifyEvent::From([this](TObject*) { log_->push_back("hide"); });
    }
    ~TLifeForm() override { log_->push_back("freed"); }

private:
    void FormCreate(TObject*) { log_->push_back("create " + *label_); }
    void FormDestroy(TObject*) { log_->push_back("destroy " + *label_); }
    std::vector<std::string>* log_;
    std::unique_ptr<std::string> label_ = std::make_unique<std::string>("life");
};

using FormTest = VclTest;

TEST_F(FormTest, CreationAndDestructionEventsRunOnAnIntactForm)
{
    auto* form = NewForm<TLifeForm>(Application, &log);
    EXPECT_EQ(log, std::vector<std::string>{"create life"});
    form->Show();
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(form->Active());
    FreeComponent(form);
    EXPECT_EQ(log, (std::vector<std::string>{"create life", "show", "hide", "destroy life", "freed"}));
    EXPECT_EQ(Screen->ActiveForm(), nullptr);

    // Freed through its owner, the form hears it the same way.
    log.clear();
    auto* owner = new TComponent(nullptr);
    NewForm<TLifeForm>(owner, &log);
    delete owner;
    EXPECT_EQ(log, (std::vector<std::string>{"create life", "destroy life", "freed"}));
}

// Closes with a configured action and counts what happened.
class CloseTest : public VclTest {
protected:
    TForm* MakeForm(TCloseAction action)
    {
        TForm* form = NewShownForm("frmClose");
        form->OnClose = TCloseEvent::From([this, action](TObject*, TCloseAction& a) {
            log.push_back("close " + std::to_string(a));
            a = action;
        });
        form->OnDestroy = TNotifyEvent::From([this](TObject*) { log.push_back("destroy"); });
        return form;
    }
};

TEST_F(CloseTest, EveryCloseActionDoesWhatItSays)
{
    struct Case {
        TCloseAction action;
        bool visible;
        TWindowState state;
    };
    for (const Case& c : {Case{caNone, true, wsNormal}, Case{caHide, false, wsNormal}, Case{caMinimize, true, wsMinimized}}) {
        log.clear();
        TForm* form = MakeForm(c.action);
        form->Close();
        EXPECT_EQ(log, std::vector<std::string>{"close 1"}) << c.action;  // offered caHide first
        EXPECT_EQ(form->Visible(), c.visible) << c.action;
        EXPECT_EQ(form->WindowState(), c.state) << c.action;
        EXPECT_EQ(robot.ProcessMessages(), 0) << c.action;
        FreeComponent(form);
    }
}

TEST_F(CloseTest, CloseWithTheFreeActionReleasesTheFormThroughTheQueue)
{
    TForm* form = MakeForm(caFree);
    const TControlLink alive = form->Link();
    auto* btn = new TTestButton(form, form, "btnClose");
    // The form closes from inside its own button's click handler, which then
    // still uses the form: it must still be there.
    btn->OnClick = TNotifyEvent::From([&](TObject*) {
        form->Close();
        log.push_back("after close, caption '" + form->Caption() + "'");
    });
    EXPECT_TRUE(robot.Click(btn));
    EXPECT_TRUE(alive);
    EXPECT_EQ(Screen->FormCount(), 1);
    EXPECT_EQ(robot.ProcessMessages(), 1);
    EXPECT_FALSE(alive);
    EXPECT_EQ(Screen->FormCount(), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"close 1", "after close, caption ''", "destroy"}));
}

TEST_F(CloseTest, APostedCloseRequestClosesTheFormWhenTheQueueIsProcessed)
{
    TForm* form = MakeForm(caFree);
    const TControlLink alive = form->Link();
    ASSERT_TRUE(Application->PostMessage(form->Handle(), WM_CLOSE));
    ASSERT_TRUE(Application->PostMessage(form->Handle(), WM_USER + 1));  // queued behind it: dropped with the form
    EXPECT_TRUE(log.empty());
    robot.ProcessMessages();
    EXPECT_FALSE(alive);
    EXPECT_EQ(log, (std::vector<std::string>{"close 1", "destroy"}));
}

TEST_F(CloseTest, CloseQueryCanRefuseAndReleaseIsIdempotent)
{
    TForm* form = MakeForm(caFree);
    form->OnCloseQuery = TCloseQueryEvent::From([](TObject*, bool& canClose) { canClose = false; });
    form->Close();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(Application->PendingMessages(), 0u);
    form->Release();
    form->Release();
    EXPECT_EQ(Application->PendingMessages(), 1u);
    robot.ProcessMessages();
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(FormTest, KeyPreviewLetsTheFormSeeAndConsumeKeysFirst)
{
    TForm* form = NewShownForm("frmKeys");
    auto* ed = new TTestEdit(form, form, "ed");
    form->OnKeyDown = TKeyEvent::From([&](TObject*, Word& key, TShiftState shift) {
        log.push_back("form down " + std::to_string(key) + (shift.Contains(ssCtrl) ? " ctrl" : ""));
        if (key == VK_F2) key = 0;
    });
    form->OnKeyPress = TKeyPressEvent::From([&](TObject*, char& key) {
        log.push_back(std::string("form press ") + key);
        if (key == 'x') key = 0;
    });
    ed->OnKeyDown = TKeyEvent::From([&](TObject*, Word& key, TShiftState) { log.push_back("edit down " + std::to_string(key)); });
    ed->OnKeyPress = TKeyPressEvent::From([&](TObject*, char& key) { log.push_back(std::string("edit press ") + key); });
    ed->OnKeyUp = TKeyEvent::From([&](TObject*, Word& key, TShiftState) { log.push_back("edit up " + std::to_string(key)); });

    robot.Focus(ed);
    robot.PressKey(VK_F2);  // without key preview only the edit sees it
    EXPECT_EQ(log, (std::vector<std::string>{"edit down 113", "edit up 113"}));

    log.clear();
    form->SetKeyPreview(true);
    robot.PressKey(VK_F2);  // consumed by the form; F2 makes no character
    EXPECT_EQ(log, (std::vector<std::string>{"form down 113", "edit up 113"}));

    log.clear();
    robot.PressKey('X', {ssCtrl});  // Ctrl+X: the character is control character 24
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0], "form down 88 ctrl");
    EXPECT_EQ(log[1], "edit down 88");

    log.clear();
    robot.Type(ed, "axb");
    // Each character: key down (form, edit), key press (form, edit unless consumed).
    EXPECT_EQ(ed->Text(), "ab");
    EXPECT_EQ(std::count(log.begin(), log.end(), "edit press x"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "form press x"), 1);
}

TEST_F(FormTest, KeyPreviewIsOffByDefault)
{
    TForm* form = NewShownForm("frmKeys");
    auto* ed = new TTestEdit(form, form, "ed");
    form->OnKeyDown = TKeyEvent::From([&](TObject*, Word&, TShiftState) { log.push_back("form"); });
    ed->OnKeyDown = TKeyEvent::From([&](TObject*, Word&, TShiftState) { log.push_back("edit"); });
    robot.PressKey(ed, VK_F4);
    EXPECT_EQ(log, std::vector<std::string>{"edit"});
}

TEST_F(FormTest, EnterInTheFormsKeyPressMovesToTheNextControlAndTheDefaultButtonTakesItFirst)
{
    TForm* form = NewShownForm("frmEnter");
    form->SetKeyPreview(true);
    auto* a = new TTestEdit(form, form, "a");
    auto* b = new TTestEdit(form, form, "b");
    auto* ok = new TTestButton(form, form, "ok");
    form->OnKeyPress = TKeyPressEvent::From([&](TObject*, char& key) {
        if (key != '\r') return;
        form->Perform(WM_NEXTDLGCTL, 0, 0);
        key = 0;
    });
    robot.Focus(a);
    robot.PressKey(VK_RETURN);
    EXPECT_TRUE(b->Focused());

    int clicks = 0;
    ok->OnClick = TNotifyEvent::From([&](TObject*) { ++clicks; });
    ok->Default = true;
    robot.PressKey(VK_RETURN);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b->Focused());
}

TEST_F(FormTest, EscapeHandledByTheFormClosesIt)
{
    TForm* form = NewShownForm("frmEsc");
    form->SetKeyPreview(true);
    auto* ed = new TTestEdit(form, form, "ed");
    form->OnKeyDown = TKeyEvent::From([&](TObject*, Word& key, TShiftState) {
        if (key == VK_ESCAPE) form->Close();
    });
    form->OnClose = TCloseEvent::From([](TObject*, TCloseAction& a) { a = caFree; });
    const TControlLink alive = form->Link();
    robot.PressKey(ed, VK_ESCAPE);
    EXPECT_TRUE(alive);
    robot.ProcessMessages();
    EXPECT_FALSE(alive);
}

TEST_F(FormTest, ShowModalRunsTheScriptUntilModalResultIsSet)
{
    TForm* owner = NewShownForm("frmMain");
    auto* dlg = NewForm<TForm>(Application);
    dlg->SetName("dlgAsk");
    dlg->SetCaption("Ask");
    auto* ed = new TTestEdit(dlg, dlg, "ed");
    auto* ok = new TTestButton(dlg, dlg, "ok");
    ok->OnClick = TNotifyEvent::From([&](TObject*) { dlg->SetModalResult(mrOk); });
    dlg->OnShow = TNotifyEvent::From([&](TObject*) { log.push_back("show, active form " + Screen->ActiveForm()->Name()); });

    robot.OnNextModalForm([&](TCustomForm& f) {
        EXPECT_TRUE(f.IsModal());
        EXPECT_EQ(Screen->ActiveForm(), &f);
        robot.Type(ed, "42");
        robot.Click(ok);
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(ed->Text(), "42");
    EXPECT_FALSE(dlg->Visible());
    EXPECT_FALSE(dlg->IsModal());
    EXPECT_EQ(Screen->ActiveForm(), owner);  // the form that was active before is again
    EXPECT_EQ(log, std::vector<std::string>{"show, active form frmMain"});
    ASSERT_EQ(robot.ModalForms().size(), 1u);
    EXPECT_EQ(robot.ModalForms()[0].Name, "dlgAsk");
    EXPECT_EQ(robot.ModalForms()[0].Result, mrOk);

    // Unscripted, the dialog's window is closed: cancel.
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    // A form that refuses to close still ends with cancel: nobody is there to wait for.
    dlg->OnCloseQuery = TCloseQueryEvent::From([](TObject*, bool& can) { can = false; });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_FALSE(dlg->Visible());

    dlg->Show();
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { dlg->ShowModal(); }), "Cannot make a visible window modal");
}

TEST_F(FormTest, AModalFormClosedWithTheFreeActionIsFreedByTheNextProcessMessages)
{
    auto* dlg = NewForm<TForm>(Application);
    dlg->OnClose = TCloseEvent::From([](TObject*, TCloseAction& a) { a = caFree; });
    const TControlLink alive = dlg->Link();
    robot.OnNextModalForm([](TCustomForm& f) { f.SetModalResult(mrYes); });
    EXPECT_EQ(dlg->ShowModal(), mrYes);
    EXPECT_TRUE(alive);
    robot.ProcessMessages();
    EXPECT_FALSE(alive);
}

TEST_F(FormTest, ActiveControlSetBeforeShowingIsFocusedWhenShown)
{
    auto* form = NewForm<TForm>(Application);
    auto* a = new TTestEdit(form, form, "a");
    auto* b = new TTestEdit(form, form, "b");
    Trace(a);
    Trace(b);
    form->SetActiveControl(b);
    EXPECT_FALSE(b->Focused());
    EXPECT_TRUE(log.empty());
    form->Show();
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(log, std::vector<std::string>{"enter b"});
    auto* stranger = NewForm<TForm>(Application);
    auto* s = new TTestEdit(stranger, stranger, "s");
    EXPECT_THROW(form->SetActiveControl(s), EInvalidOperation);
    EXPECT_EQ(form->ActiveControl(), b);
}

TEST_F(FormTest, ClientAreaFollowsTheBorderStyleAndPositionCentresOnTheScreen)
{
    auto* form = NewForm<TForm>(Application);
    form->SetBounds(0, 0, 400, 300);
    EXPECT_EQ(form->ClientRect(), Rect(0, 0, 392, 273));  // sizeable: 4 px borders, 19 px caption
    form->SetBorderStyle(bsDialog);
    EXPECT_EQ(form->ClientRect(), Rect(0, 0, 394, 275));
    form->SetClientWidth(394);
    form->SetClientHeight(322);
    EXPECT_EQ(form->Width(), 400);
    EXPECT_EQ(form->Height(), 347);
    form->SetPosition(poScreenCenter);
    form->Show();
    EXPECT_EQ(form->Left(), (1024 - 400) / 2);
    EXPECT_EQ(form->Top(), (768 - 347) / 2);
}

}  // namespace
}  // namespace qvn::test
