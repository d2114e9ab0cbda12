#include "controls/QvRadioButton.h"

#include <cctype>

#include "controls/CaptionText.h"
#include "vcl/Canvas.h"
#include "vcl/Messages.h"
#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TQvRadioButton, TButtonControl, [](TPropTable& t) {
    AddEnumProp<TQvRadioButton, &TQvRadioButton::Alignment, &TQvRadioButton::SetAlignment>(
        t, "Alignment", "TLeftRight", {"taLeftJustify", "taRightJustify"});
    control_props::Caption(t);
    AddBoolProp<TQvRadioButton, &TQvRadioButton::Checked, &TQvRadioButton::SetChecked>(t, "Checked");
    control_props::Color(t);
    AddBoolProp<TQvRadioButton, &TQvRadioButton::Ctl3D, &TQvRadioButton::SetCtl3D>(t, "Ctl3D");
    control_props::Font(t);
    control_props::ParentColor(t);
    AddBoolProp<TQvRadioButton, &TQvRadioButton::ParentCtl3D, &TQvRadioButton::SetParentCtl3D>(t, "ParentCtl3D");
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
})

TQvRadioButton::TQvRadioButton(TComponent* owner) : TButtonControl(owner)
{
    SetTabStop(false);
    SetBounds(0, 0, 113, 17);
}

int TQvRadioButton::CaptionOffset(int pointSize)
{
    struct Step {
        int upTo, offset;
    };
    static constexpr Step kSteps[] = {{8, 17},  {15, 19}, {17, 20}, {23, 21}, {29, 23},
                                      {35, 25}, {41, 27}, {43, 29}, {60, 31}, {80, 39}};
    if (pointSize < 1) return 44;
    for (const Step& s : kSteps)
        if (pointSize <= s.upTo) return s.offset;
    return 44;
}

void TQvRadioButton::SetChecked(bool on)
{
    if (on == checked_) return;
    checked_ = on;
    SetTabStop(on);
    Invalidate();
    if (!on) return;
    const TControlLink alive = Link();
    TurnSiblingsOff();
    if (!alive) return;
    Changed();
    if (alive && !ClicksDisabled()) TButtonControl::Click();
}

void TQvRadioButton::TurnSiblingsOff()
{
    TWinControl* parent = Parent();
    if (parent == nullptr) return;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TQvRadioButton*>(parent->Controls(i)); other != nullptr && other != this)
            other->SetChecked(false);
}

void TQvRadioButton::SetAlignment(TLeftRight a)
{
    if ((a != taLeftJustify && a != taRightJustify) || a == alignment_) return;
    alignment_ = a;
    Invalidate();
}

void TQvRadioButton::SetCtl3D(bool on)
{
    if (on == ctl3D_) return;
    ctl3D_ = on;
    parentCtl3D_ = false;
    Invalidate();
}

void TQvRadioButton::Click()
{
    if (MouseClicking())
        SetChecked(true);
    else
        TButtonControl::Click();
}

void TQvRadioButton::Dispatch(TMessage& m)
{
    if (m.Msg == CM_DIALOGCHAR) {
        // The accelerator only focuses; it does not check.
        const TAccelSplit split = SplitAccel(Caption());
        const auto key = static_cast<unsigned char>(m.WParam);
        m.Result = 0;
        if (split.AccelPos >= 0 && key != 0 &&
            std::toupper(static_cast<unsigned char>(split.Shown[static_cast<size_t>(split.AccelPos)])) == std::toupper(key) &&
            CanFocus()) {
            SetFocus();
            m.Result = 1;
        }
        return;
    }
    TButtonControl::Dispatch(m);
}

TRect TQvRadioButton::CaptionRect() const
{
    TRect r = ClientRect();
    r.Left += CaptionOffset(Font()->Size());
    return r;
}

void TQvRadioButton::Paint(TCanvas& canvas)
{
    const TRect r = CaptionRect();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(Rect(r.Left - 4, r.Top - 4, r.Right + 4, r.Bottom + 4));
    canvas.Font()->Assign(*Font());
    DrawCaptionText(canvas, r, Caption());
}

}  // namespace qvn
