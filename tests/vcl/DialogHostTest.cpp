#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "vcl/MessageDialog.h"
#include "VclTestKit.h"

namespace qvn::test {
namespace {

using DialogHostTest = VclTest;

TEST_F(DialogHostTest, AnUnscriptedDialogIsAnsweredWithItsDefaultButton)
{
    struct Case {
        TMsgDlgButtons buttons;
        TModalResult expected;
        const char* defaultName;
    };
    const Case cases[] = {
        {mbYesNo, mrYes, "Yes"},
        {mbOKCancel, mrOk, "OK"},
        {mbYesNoCancel, mrYes, "Yes"},
        {mbAbortRetryIgnore, mrRetry, "Retry"},
        {{mbNo, mbCancel}, mrNo, "No"},
        {{}, mrOk, "OK"},  // no buttons at all: an OK button
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MessageDlg("Go on?", mtConfirmation, c.buttons), c.expected) << c.defaultName;
        ASSERT_NE(robot.LastDialog(), nullptr);
        EXPECT_EQ(robot.LastDialog()->DefaultButton, c.defaultName);
        EXPECT_FALSE(robot.LastDialog()->Scripted);
    }
}

TEST_F(DialogHostTest, ScriptedAnswersAreTakenInOrderAndTheDialogIsRecorded)
{
    robot.AnswerNextDialog(mrNo);
    robot.AnswerNextDialog(mrCancel);
    EXPECT_EQ(MessageDlg("Delete the scheme?", mtConfirmation, mbYesNo, 12), mrNo);
    EXPECT_EQ(MessageDlg("Replace it?", mtWarning, mbOKCancel), mrCancel);
    ASSERT_EQ(robot.Dialogs().size(), 2u);
    const TShownDialog& first = robot.Dialogs()[0];
    EXPECT_EQ(first.DlgType, mtConfirmation);
    EXPECT_EQ(first.Caption, "Confirm");
    EXPECT_EQ(first.Text, "Delete the scheme?");
    EXPECT_EQ(first.Buttons, mbYesNo);
    EXPECT_EQ(first.ButtonNames, (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(first.ButtonCaptions, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_EQ(first.HelpContext, 12);
    EXPECT_TRUE(first.Scripted);
    EXPECT_EQ(robot.Dialogs()[1].Caption, "Warning");
    EXPECT_EQ(robot.Host().PendingAnswers(), 0u);
}

TEST_F(DialogHostTest, AScriptedAnswerThatIsNoButtonOfTheDialogRaises)
{
    robot.AnswerNextDialog(mrYes);
    EXPECT_EQ(ErrorOf<EInvalidOperation>([] { MessageDlg("Saved.", mtInformation, {mbOK}); }),
              "The scripted answer 6 is not a button of the dialog \"Saved.\"");
}

TEST_F(DialogHostTest, CallersCanRecaptionTheDialogAndItsButtonsAndSetItsFont)
{
    TMessageDialog dialog("\xCA\xC7\xB7\xF1\xBC\xCC\xD0\xF8?", mtConfirmation, mbYesNo);
    dialog.Caption = "frmVKLB58";
    dialog.FindButton("yes")->Caption = "\xCA\xC7(&Y)";
    EXPECT_EQ(dialog.FindButton("Maybe"), nullptr);
    dialog.Font()->SetName("SimSun");
    dialog.Font()->SetCharset(134);
    dialog.SetDefaultButton(mbNo);
    robot.AnswerNextDialogWith([](const TMessageDialog& d) { return d.CancelButton()->Result; });
    EXPECT_EQ(dialog.ShowModal(), mrNo);
    const TShownDialog& shown = *robot.LastDialog();
    EXPECT_EQ(shown.Caption, "frmVKLB58");
    EXPECT_EQ(shown.ButtonCaptions[0], "\xCA\xC7(&Y)");
    EXPECT_EQ(shown.FontName, "SimSun");
    EXPECT_EQ(shown.FontCharset, 134);
    EXPECT_EQ(shown.DefaultButton, "No");
}

TEST_F(DialogHostTest, AModalFormsScriptCanMeetADialogOfItsOwn)
{
    auto* dlg = NewForm<TForm>(Application);
    auto* ok = new TTestButton(dlg, dlg, "ok");
    ok->OnClick = TNotifyEvent::From([&](TObject*) {
        if (MessageDlg("Replace?", mtConfirmation, mbOKCancel) == mrOk) dlg->SetModalResult(mrOk);
    });
    robot.OnNextModalForm([&](TCustomForm&) {
        robot.Click(ok);  // answered Cancel: the form stays
        EXPECT_EQ(dlg->ModalResult(), mrNone);
        robot.Click(ok);  // answered OK
    });
    robot.AnswerNextDialog(mrCancel);
    robot.AnswerNextDialog(mrOk);
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(robot.Dialogs().size(), 2u);
}

TEST_F(DialogHostTest, ShowMessageUsesTheApplicationTitle)
{
    Application->SetTitle("VKLB58");
    ShowMessage("Done");
    Application->SetTitle("");
    EXPECT_EQ(robot.LastDialog()->Caption, "VKLB58");
    EXPECT_EQ(robot.LastDialog()->DlgType, mtCustom);
    EXPECT_EQ(robot.LastDialog()->Result, mrOk);
}

}  // namespace
}  // namespace qvn::test
