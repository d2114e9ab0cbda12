#pragma once
// The dialog host of headless runs: answers from a script and records every
// dialog shown.
//
// Message dialogs take the next scripted answer; an unscripted dialog is
// answered with its default button, as a person pressing Enter would (the
// record says it was not scripted). A scripted answer that is none of the
// dialog's buttons raises EInvalidOperation: the script and the program
// disagree about what was asked.
//
// Modal forms take the next scripted action, which works on the form (types,
// clicks, presses keys) and usually ends by setting its ModalResult; queued
// messages are processed after it. A form whose action leaves ModalResult at
// mrNone, or that has no action, is closed as a person closing its window
// would (mrCancel); when its OnCloseQuery or OnClose refuses that, the host
// still ends the loop with mrCancel, since nobody is there to wait for.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "vcl/DialogHost.h"
#include "vcl/MessageDialog.h"

namespace qvn {

struct TShownDialog {
    TMsgDlgType DlgType = mtCustom;
    AnsiString Caption;
    AnsiString Text;
    TMsgDlgButtons Buttons;
    std::vector<std::string> ButtonNames;
    std::vector<AnsiString> ButtonCaptions;
    std::string DefaultButton;  // name
    std::string FontName;
    int FontHeight = 0;
    int FontCharset = 0;
    int HelpContext = 0;
    TModalResult Result = mrNone;
    bool Scripted = false;
};

struct TShownModalForm {
    std::string ClassName;
    std::string Name;
    AnsiString Caption;
    TModalResult Result = mrNone;  // as the loop ended
    bool Scripted = false;
};

class THeadlessDialogHost : public TDialogHost {
public:
    using DialogAnswer = std::function<TModalResult(const TMessageDialog&)>;
    using ModalAction = std::function<void(TCustomForm&)>;

    void AnswerNext(TModalResult result);
    void AnswerNextWith(DialogAnswer answer);
    void ActOnNextModal(ModalAction action);

    const std::vector<TShownDialog>& Dialogs() const { return dialogs_; }
    const TShownDialog* LastDialog() const { return dialogs_.empty() ? nullptr : &dialogs_.back(); }
    const std::vector<TShownModalForm>& ModalForms() const { return modalForms_; }
    std::size_t PendingAnswers() const { return answers_.size(); }
    std::size_t PendingModalActions() const { return actions_.size(); }
    // Forgets the script and the record.
    void Reset();

    TModalResult ShowMessageDialog(TMessageDialog& dialog) override;
    void RunModal(TCustomForm& form) override;

private:
    std::deque<DialogAnswer> answers_;
    std::deque<ModalAction> actions_;
    std::vector<TShownDialog> dialogs_;
    std::vector<TShownModalForm> modalForms_;
};

// The host the application uses when no other is installed.
THeadlessDialogHost& HeadlessDialogHost();

}  // namespace qvn
