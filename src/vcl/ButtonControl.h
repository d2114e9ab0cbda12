#pragma once
// TButtonControl: the base of push buttons, check boxes and radio buttons:
// a tab stop whose click may come from the mouse, the space bar or code.
// ClicksDisabled keeps a state change made by the control itself from
// firing OnClick. The caption's accelerator (Alt + the letter after '&')
// focuses the control and, once it has the focus, presses it (see
// AcceleratorPressed).

#include "vcl/WinControl.h"

namespace qvn {

class TButtonControl : public TWinControl {
    QVN_CLASS_INFO()
public:
    explicit TButtonControl(TComponent* owner);

protected:
    bool ClicksDisabled() const { return clicksDisabled_; }
    void SetClicksDisabled(bool on) { clicksDisabled_ = on; }
    // The space bar presses a focused button when it is released.
    void KeyUp(Word& key, TShiftState shift) override;
    virtual void SpacePressed() { Click(); }
    // What the accelerator does after the focus arrived: a push button clicks.
    virtual void AcceleratorPressed() { Click(); }
    bool DialogChar(char key) override;
    // Buttons take no characters, so plain letters may reach the accelerators.
    LRESULT DialogCode() const override { return DLGC_BUTTON; }
    // True while the click being delivered comes from the mouse.
    bool MouseClicking() const { return mouseClicking_; }
    void Dispatch(TMessage& message) override;

private:
    bool clicksDisabled_ = false;
    bool mouseClicking_ = false;
};

}  // namespace qvn
