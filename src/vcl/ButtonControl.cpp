#include "vcl/ButtonControl.h"

#include "vcl/AccelText.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TButtonControl, TWinControl)

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TButtonControl::KeyUp(Word& key, TShiftState shift)
{
    TWinControl::KeyUp(key, shift);
    if (key == VK_SPACE && shift.Empty()) SpacePressed();
}

bool TButtonControl::DialogChar(char key)
{
    if (!IsAccel(key, Caption()) || !CanFocus()) return false;
    const TControlLink self = Link();
    SetFocus();
    // A failed exit check elsewhere keeps the focus there: then nothing is pressed.
    if (self && Focused()) AcceleratorPressed();
    return true;
}

void TButtonControl::Dispatch(TMessage& m)
{
    if (m.Msg != WM_LBUTTONUP) {
        TWinControl::Dispatch(m);
        return;
    }
    const TControlLink self = Link();
    mouseClicking_ = true;
    try {
        TWinControl::Dispatch(m);
    } catch (...) {
        if (self) mouseClicking_ = false;
        throw;
    }
    if (self) mouseClicking_ = false;
}

}  // namespace qvn
