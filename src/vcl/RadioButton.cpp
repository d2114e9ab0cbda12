#include "vcl/RadioButton.h"

#include "vcl/AccelText.h"
#include "vcl/Canvas.h"
#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TRadioButton, TButtonControl, [](TPropTable& t) {
    control_props::Align(t);
    AddEnumProp<TRadioButton, &TRadioButton::Alignment, &TRadioButton::SetAlignment>(
        t, "Alignment", "TLeftRight", {"taLeftJustify", "taRightJustify"});
    control_props::Caption(t);
    AddBoolProp<TRadioButton, &TRadioButton::Checked, &TRadioButton::SetChecked>(t, "Checked");
    control_props::Color(t);
    control_props::Font(t);
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
})

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner)
{
    SetTabStop(false);
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool on)
{
    if (on == checked_) return;
    checked_ = on;
    SetTabStop(on);
    Invalidate();
    if (!on) return;
    TurnSiblingsOff();
    if (!ClicksDisabled()) TButtonControl::Click();
}

void TRadioButton::TurnSiblingsOff()
{
    TWinControl* parent = Parent();
    if (parent == nullptr) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
        if (sibling == nullptr || sibling == this || !sibling->checked_) continue;
        sibling->checked_ = false;
        sibling->SetTabStop(false);
        sibling->Invalidate();
    }
}

void TRadioButton::SetAlignment(TLeftRight a)
{
    if ((a != taLeftJustify && a != taRightJustify) || a == alignment_) return;
    alignment_ = a;
    Invalidate();
}

void TRadioButton::Click()
{
    if (MouseClicking())
        SetChecked(true);
    else
        TButtonControl::Click();
}

void TRadioButton::Paint(TCanvas& canvas)
{
    canvas.Font()->Assign(*Font());
    const TRect client = ClientRect();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
    const int size = 12;
    const int left = alignment_ == taRightJustify ? 0 : client.Width() - size;
    const TRect circle = Bounds(left, (client.Height() - size) / 2, size, size);
    canvas.Brush()->SetColor(clWindow);
    canvas.Pen()->SetColor(clBtnShadow);
    canvas.Rectangle(circle);
    if (checked_) {
        canvas.Brush()->SetColor(Enabled() ? clWindowText : clGrayText);
        canvas.FillRect(Rect(circle.Left + 4, circle.Top + 4, circle.Right - 4, circle.Bottom - 4));
    }
    const std::string shown = StripAccelChars(Caption());
    if (shown.empty()) return;
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(alignment_ == taRightJustify ? circle.Right + 4 : 1, (client.Height() - canvas.TextHeight(shown)) / 2, shown);
}

}  // namespace qvn
