#pragma once
// TQvRadioButton: a radio button whose caption the control paints itself in
// its own font and colour (so captions follow the form's font and code-page
// conversion). Checking one unchecks every other TQvRadioButton of the same
// parent. The caption starts right of the button, at an offset that grows
// with the font size (CaptionOffset).

#include "vcl/Alignment.h"
#include "vcl/ButtonControl.h"

namespace qvn {

class TCanvas;

class TQvRadioButton : public TButtonControl {
    QVN_CLASS_INFO()
public:
    explicit TQvRadioButton(TComponent* owner);

    bool Checked() const { return checked_; }
    // A new value stores it, sets TabStop alike and, when true, unchecks the
    // siblings and fires OnClick (unless clicks are suppressed).
    void SetChecked(bool on);
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight a);  // left or right; others are ignored
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool on);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool on) { parentCtl3D_ = on; }

    // Pixels from the left edge to the caption for a font of that size in points.
    static int CaptionOffset(int pointSize);
    // Where the caption is drawn.
    TRect CaptionRect() const;
    // The caption over the system's button, on the control's colour.
    void Paint(TCanvas& canvas);
    // A mouse click or the space bar checks the button; a click by code only fires OnClick.
    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    void SpacePressed() override { SetChecked(true); }
    void EnabledChanged() override { Invalidate(); }
    void TextChanged() override { Invalidate(); }
    // After a check by the user or by code (before OnClick).
    virtual void Changed() {}

private:
    void TurnSiblingsOff();

    bool checked_ = false;
    TLeftRight alignment_ = taRightJustify;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
};

}  // namespace qvn
