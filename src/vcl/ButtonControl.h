#pragma once
// TButtonControl: the base of push buttons, check boxes and radio buttons:
// a tab stop whose click may come from the mouse, the space bar or code.
// ClicksDisabled keeps a state change made by the control itself from
// firing OnClick.

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
    // True while the click being delivered comes from the mouse.
    bool MouseClicking() const { return mouseClicking_; }
    void Dispatch(TMessage& message) override;

private:
    bool clicksDisabled_ = false;
    bool mouseClicking_ = false;
};

}  // namespace qvn
