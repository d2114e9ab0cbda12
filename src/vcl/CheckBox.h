#pragma once
// TCustomCheckBox / TCheckBox: a box that is unchecked, checked or (with
// AllowGrayed, or set by code) grayed. Every change of State fires OnClick,
// whether a person or code made it. A click (mouse or space bar) toggles:
// unchecked -> grayed (AllowGrayed) or checked, checked -> unchecked,
// grayed -> checked. The caption's accelerator focuses the box and toggles it.

#include "vcl/Alignment.h"
#include "vcl/ButtonControl.h"

namespace qvn {

class TCanvas;

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
    QVN_CLASS_INFO()
public:
    explicit TCustomCheckBox(TComponent* owner);

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);  // out-of-range states are ignored
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool on) { SetState(on ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool on) { allowGrayed_ = on; }
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight a);
    void Toggle();

    // A mouse click toggles (which fires OnClick); a click by code only fires OnClick.
    void Click() override;
    void Paint(TCanvas& canvas);
    // Where the box is drawn.
    TRect BoxRect() const;

protected:
    void SpacePressed() override { Toggle(); }
    void AcceleratorPressed() override { Toggle(); }

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TLeftRight alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
    QVN_CLASS_INFO()
public:
    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};

}  // namespace qvn
