#include "vcl/HeadlessDialogHost.h"

#include "vcl/Application.h"
#include "vcl/Form.h"

namespace qvn {

void THeadlessDialogHost::AnswerNext(TModalResult result)
{
    answers_.push_back([result](const TMessageDialog&) { return result; });
}

void THeadlessDialogHost::AnswerNextWith(DialogAnswer answer)
{
    if (answer) answers_.push_back(std::move(answer));
}

void THeadlessDialogHost::ActOnNextModal(ModalAction action)
{
    actions_.push_back(action ? std::move(action) : ModalAction([](TCustomForm&) {}));
}

void THeadlessDialogHost::Reset()
{
    answers_.clear();
    actions_.clear();
    dialogs_.clear();
    modalForms_.clear();
}

TModalResult THeadlessDialogHost::ShowMessageDialog(TMessageDialog& dialog)
{
    TShownDialog shown;
    shown.DlgType = dialog.DlgType;
    shown.Caption = dialog.Caption;
    shown.Text = dialog.Text;
    shown.Buttons = dialog.ButtonSet();
    for (const TDialogButton& b : dialog.Buttons) {
        shown.ButtonNames.push_back(b.Name);
        shown.ButtonCaptions.push_back(b.Caption);
    }
    if (const TDialogButton* def = dialog.DefaultButton()) shown.DefaultButton = def->Name;
    shown.FontName = dialog.Font()->Name();
    shown.FontHeight = dialog.Font()->Height();
    shown.FontCharset = dialog.Font()->Charset();
    shown.HelpContext = dialog.HelpContext;

    if (answers_.empty()) {
        const TDialogButton* def = dialog.DefaultButton();
        shown.Result = def != nullptr ? def->Result : mrNone;
        dialogs_.push_back(shown);
        return shown.Result;
    }
    DialogAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    shown.Scripted = true;
    shown.Result = answer(dialog);
    dialogs_.push_back(shown);
    if (!dialog.HasResult(shown.Result))
        throw EInvalidOperation("The scripted answer " + std::to_string(shown.Result) + " is not a button of the dialog \"" +
                                dialog.Text + "\"");
    return shown.Result;
}

void THeadlessDialogHost::RunModal(TCustomForm& form)
{
    const size_t index = modalForms_.size();
    modalForms_.push_back(TShownModalForm{form.ClassName(), form.Name(), form.Caption(), mrNone, false});
    const TControlLink alive = form.Link();
    auto finish = [&] { modalForms_[index].Result = form.ModalResult(); };

    Application->ProcessMessages();
    if (!alive) return;
    if (!actions_.empty()) {
        ModalAction action = std::move(actions_.front());
        actions_.pop_front();
        modalForms_[index].Scripted = true;
        action(form);
        if (!alive) return;
        Application->ProcessMessages();
        if (!alive) return;
        if (form.ModalResult() != mrNone) {
            form.CloseModal();
            if (!alive) return;
            if (form.ModalResult() != mrNone) return finish();
        }
    }
    // Nobody is left to work on the form: its window is closed, as a person
    // would close it. A refusal cannot be waited out here, so cancel stands.
    form.Close();
    if (!alive) return;
    if (form.ModalResult() == mrNone) form.SetModalResult(mrCancel);
    form.CloseModal();
    if (!alive) return;
    if (form.ModalResult() == mrNone) form.SetModalResult(mrCancel);
    finish();
}

THeadlessDialogHost& HeadlessDialogHost()
{
    static THeadlessDialogHost* host = new THeadlessDialogHost();
    return *host;
}

}  // namespace qvn
