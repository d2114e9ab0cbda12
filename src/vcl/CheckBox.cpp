#include "vcl/CheckBox.h"

#include "vcl/AccelText.h"
#include "vcl/Canvas.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {
constexpr int kBoxSize = 13;
}

QVN_DEFINE_CLASS_INFO(TCustomCheckBox, TButtonControl)

QVN_DEFINE_CLASS_INFO(TCheckBox, TCustomCheckBox, [](TPropTable& t) {
    control_props::Align(t);
    AddEnumProp<TCustomCheckBox, &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment>(
        t, "Alignment", "TLeftRight", {"taLeftJustify", "taRightJustify"});
    AddBoolProp<TCustomCheckBox, &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed>(t, "AllowGrayed");
    control_props::Caption(t);
    AddBoolProp<TCustomCheckBox, &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked>(t, "Checked");
    control_props::Color(t);
    control_props::Font(t);
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddEnumProp<TCustomCheckBox, &TCustomCheckBox::State, &TCustomCheckBox::SetState>(
        t, "State", "TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"});
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
})

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

void TCustomCheckBox::SetState(TCheckBoxState state)
{
    if (state < cbUnchecked || state > cbGrayed || state == state_) return;
    state_ = state;
    Invalidate();
    if (!ClicksDisabled()) TButtonControl::Click();
}

void TCustomCheckBox::SetAlignment(TLeftRight a)
{
    if ((a != taLeftJustify && a != taRightJustify) || a == alignment_) return;
    alignment_ = a;
    Invalidate();
}

void TCustomCheckBox::Toggle()
{
    switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TCustomCheckBox::Click()
{
    if (MouseClicking())
        Toggle();
    else
        TButtonControl::Click();
}

TRect TCustomCheckBox::BoxRect() const
{
    const TRect client = ClientRect();
    const int top = (client.Height() - kBoxSize) / 2;
    const int left = alignment_ == taRightJustify ? 0 : client.Width() - kBoxSize;
    return Bounds(left, top, kBoxSize, kBoxSize);
}

void TCustomCheckBox::Paint(TCanvas& canvas)
{
    canvas.Font()->Assign(*Font());
    const TRect client = ClientRect();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
    const TRect box = BoxRect();
    canvas.Brush()->SetColor(state_ == cbGrayed || !Enabled() ? clBtnFace : clWindow);
    canvas.Pen()->SetColor(clBtnShadow);
    canvas.Rectangle(box);
    if (state_ != cbUnchecked) {
        // A tick from the lower left to the upper right.
        canvas.Pen()->SetColor(Enabled() ? clWindowText : clGrayText);
        canvas.MoveTo(box.Left + 3, box.Top + 6);
        canvas.LineTo(box.Left + 5, box.Top + 8);
        canvas.LineTo(box.Left + 10, box.Top + 3);
    }
    const std::string shown = StripAccelChars(Caption());
    if (shown.empty()) return;
    const int x = alignment_ == taRightJustify ? box.Right + 4 : 1;
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(x, (client.Height() - canvas.TextHeight(shown)) / 2, shown);
}

}  // namespace qvn
