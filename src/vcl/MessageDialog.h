#pragma once
// Message dialogs: a text, a kind (which decides the icon and the default
// caption), a set of buttons each with its component name, caption and
// modal result, a default and a cancel button, a font and a help context.
// A caller may change the caption, the button captions and the font before
// showing it; ShowModal hands the dialog to the application's dialog host
// and returns the pressed button's modal result.

#include <memory>
#include <string>
#include <vector>

#include "platform/Strings.h"
#include "vcl/ControlTypes.h"
#include "vcl/Font.h"

namespace qvn {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = SetOf<TMsgDlgBtn>;

inline constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbYesAllNoAllCancel{mbYes, mbYesToAll, mbNo, mbNoToAll, mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};
inline constexpr TMsgDlgButtons mbAbortIgnore{mbAbort, mbIgnore};

struct TDialogButton {
    TMsgDlgBtn Kind = mbOK;
    std::string Name;    // component name: "Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "NoToAll", "YesToAll", "Help"
    AnsiString Caption;  // "&Yes", "OK", ...
    TModalResult Result = mrNone;  // the Help button has none
};

// Default texts, as the class library has them.
const char* MsgDlgButtonName(TMsgDlgBtn button);
const char* MsgDlgButtonCaption(TMsgDlgBtn button);
TModalResult MsgDlgButtonResult(TMsgDlgBtn button);
const char* MsgDlgTypeCaption(TMsgDlgType type);  // "Warning", "Error", "Information", "Confirm"; "" for mtCustom

class TMessageDialog {
public:
    // Buttons in the fixed order Yes, No, OK, Cancel, Abort, Retry, Ignore,
    // All, NoToAll, YesToAll, Help. An empty set gets an OK button. Default
    // button: OK, else Yes, else Retry, else the first; cancel button:
    // Cancel, else No, else OK (none otherwise). Caption: the kind's title,
    // for mtCustom the application's title.
    TMessageDialog(AnsiString text, TMsgDlgType type, TMsgDlgButtons buttons);

    AnsiString Text;
    TMsgDlgType DlgType;
    AnsiString Caption;
    std::vector<TDialogButton> Buttons;
    int HelpContext = 0;

    TMsgDlgButtons ButtonSet() const;
    TDialogButton* FindButton(std::string_view name);  // by component name, any case
    const TDialogButton* DefaultButton() const;
    const TDialogButton* CancelButton() const;
    void SetDefaultButton(TMsgDlgBtn button);  // ignored when not among the buttons
    TFont* Font() const { return font_.get(); }
    // True when one of the buttons answers with result.
    bool HasResult(TModalResult result) const;

    TModalResult ShowModal();

private:
    int defaultIndex_ = -1;
    std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
};

// Shows a message dialog and returns the modal result of the pressed button.
TModalResult MessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
// An mtCustom box with an OK button; the caption is the application's title.
void ShowMessage(const AnsiString& text);

}  // namespace qvn
