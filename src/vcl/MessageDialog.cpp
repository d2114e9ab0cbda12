#include "vcl/MessageDialog.h"

#include "platform/IniFile.h"
#include "vcl/Application.h"
#include "vcl/DialogHost.h"

namespace qvn {
namespace {

struct ButtonText {
    const char* Name;
    const char* Caption;
    TModalResult Result;
};

constexpr ButtonText kButtons[] = {
    {"Yes", "&Yes", mrYes},          {"No", "&No", mrNo},
    {"OK", "OK", mrOk},              {"Cancel", "Cancel", mrCancel},
    {"Abort", "&Abort", mrAbort},    {"Retry", "&Retry", mrRetry},
    {"Ignore", "&Ignore", mrIgnore}, {"All", "&All", mrAll},
    {"NoToAll", "N&o to All", mrNoToAll}, {"YesToAll", "Yes to &All", mrYesToAll},
    {"Help", "&Help", mrNone},
};
constexpr int kButtonCount = static_cast<int>(sizeof(kButtons) / sizeof(kButtons[0]));

bool Valid(TMsgDlgBtn b) { return static_cast<int>(b) >= 0 && static_cast<int>(b) < kButtonCount; }

}  // namespace

const char* MsgDlgButtonName(TMsgDlgBtn b) { return Valid(b) ? kButtons[b].Name : ""; }
const char* MsgDlgButtonCaption(TMsgDlgBtn b) { return Valid(b) ? kButtons[b].Caption : ""; }
TModalResult MsgDlgButtonResult(TMsgDlgBtn b) { return Valid(b) ? kButtons[b].Result : mrNone; }

const char* MsgDlgTypeCaption(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    default: return "";
    }
}

TMessageDialog::TMessageDialog(AnsiString text, TMsgDlgType type, TMsgDlgButtons buttons)
    : Text(std::move(text)), DlgType(type)
{
    if ((buttons * TMsgDlgButtons::FromBits((uint64_t{1} << kButtonCount) - 1)).Empty()) buttons = {mbOK};
    for (int i = 0; i < kButtonCount; ++i) {
        const auto b = static_cast<TMsgDlgBtn>(i);
        if (buttons.Contains(b)) Buttons.push_back(TDialogButton{b, kButtons[i].Name, kButtons[i].Caption, kButtons[i].Result});
    }
    Caption = type == mtCustom || !(type >= mtWarning && type <= mtConfirmation) ? Application->Title()
                                                                                : AnsiString(MsgDlgTypeCaption(type));
    for (TMsgDlgBtn preferred : {mbOK, mbYes, mbRetry})
        if (buttons.Contains(preferred)) {
            SetDefaultButton(preferred);
            break;
        }
    if (defaultIndex_ < 0) defaultIndex_ = 0;
}

TMsgDlgButtons TMessageDialog::ButtonSet() const
{
    TMsgDlgButtons set;
    for (const TDialogButton& b : Buttons) set.Include(b.Kind);
    return set;
}

TDialogButton* TMessageDialog::FindButton(std::string_view name)
{
    for (TDialogButton& b : Buttons)
        if (SameTextAscii(b.Name, name)) return &b;
    return nullptr;
}

const TDialogButton* TMessageDialog::DefaultButton() const
{
    if (defaultIndex_ < 0 || defaultIndex_ >= static_cast<int>(Buttons.size())) return Buttons.empty() ? nullptr : &Buttons[0];
    return &Buttons[static_cast<size_t>(defaultIndex_)];
}

const TDialogButton* TMessageDialog::CancelButton() const
{
    for (TMsgDlgBtn preferred : {mbCancel, mbNo, mbOK})
        for (const TDialogButton& b : Buttons)
            if (b.Kind == preferred) return &b;
    return nullptr;
}

void TMessageDialog::SetDefaultButton(TMsgDlgBtn button)
{
    for (size_t i = 0; i < Buttons.size(); ++i)
        if (Buttons[i].Kind == button) defaultIndex_ = static_cast<int>(i);
}

bool TMessageDialog::HasResult(TModalResult result) const
{
    for (const TDialogButton& b : Buttons)
        if (b.Result == result && result != mrNone) return true;
    return false;
}

TModalResult TMessageDialog::ShowModal() { return Application->DialogHost().ShowMessageDialog(*this); }

TModalResult MessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext)
{
    TMessageDialog dialog(text, type, buttons);
    dialog.HelpContext = helpContext;
    return dialog.ShowModal();
}

void ShowMessage(const AnsiString& text)
{
    TMessageDialog dialog(text, mtCustom, {mbOK});
    dialog.ShowModal();
}

}  // namespace qvn
