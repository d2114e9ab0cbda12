#pragma once
// TRadioButton: one choice among the radio buttons of the same parent.
// Checking it unchecks its siblings, makes it the tab stop of the group
// and fires OnClick; unchecking fires nothing. A click checks it (an
// already checked button stays as it is, without OnClick), and so does the
// caption's accelerator, after focusing the button.

#include "vcl/Alignment.h"
#include "vcl/ButtonControl.h"

namespace qvn {

class TCanvas;

class TRadioButton : public TButtonControl {
    QVN_CLASS_INFO()
public:
    explicit TRadioButton(TComponent* owner);

    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight a);

    void Click() override;
    void Paint(TCanvas& canvas);

protected:
    void SpacePressed() override { SetChecked(true); }
    void AcceleratorPressed() override { SetChecked(true); }

private:
    void TurnSiblingsOff();

    bool checked_ = false;
    TLeftRight alignment_ = taRightJustify;
};

}  // namespace qvn
