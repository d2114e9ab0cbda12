#pragma once
// Where modal work goes. The application holds the current host (the
// headless one unless a shell or backend installs its own); message dialogs
// and modal forms are handed to it, so tests script the answers and read
// back what was asked, a terminal shell asks a person, and a GUI backend
// shows real windows.

#include "vcl/ControlTypes.h"

namespace qvn {

class TMessageDialog;
class TCustomForm;

class TDialogHost {
public:
    virtual ~TDialogHost() = default;
    // Shows the dialog and answers the pressed button's modal result.
    virtual TModalResult ShowMessageDialog(TMessageDialog& dialog) = 0;
    // Runs the modal loop of a form that is already shown: lets the form be
    // worked on until its ModalResult is set and TCustomForm::CloseModal
    // accepted it (or the form is gone). The form itself returns the result.
    virtual void RunModal(TCustomForm& form) = 0;
};

}  // namespace qvn
