#pragma once
// TButton: a push button. A click first hands its ModalResult (when not
// mrNone) to its form, then fires OnClick. Enter clicks the focused button,
// or the Default button when the focus is on a control that is no button;
// Esc clicks the Cancel button. Both only without modifier keys and only
// when the button can take the focus.

#include "vcl/ButtonControl.h"
#include "vcl/ControlTypes.h"

namespace qvn {

class TButton : public TButtonControl {
    QVN_CLASS_INFO()
public:
    explicit TButton(TComponent* owner);

    bool Default() const { return default_; }
    void SetDefault(bool on) { default_ = on; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r) { modalResult_ = r; }

    void Click() override;

protected:
    bool DialogKey(Word key, TShiftState shift) override;
    // The button answers Enter: it has the focus, or it is the default and no other button has it.
    bool AnswersEnter() const;

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

namespace button_props {
// What every push button publishes (TButton, TBitBtn).
void Common(TPropTable& t);
}  // namespace button_props

}  // namespace qvn
