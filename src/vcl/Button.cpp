#include "vcl/Button.h"

#include "vcl/Form.h"
#include "vcl/PropTable.h"
#include "vcl/Screen.h"

namespace qvn {

namespace button_props {
void Common(TPropTable& t)
{
    control_props::Align(t);
    AddBoolProp<TButton, &TButton::Cancel, &TButton::SetCancel>(t, "Cancel");
    control_props::Caption(t);
    AddBoolProp<TButton, &TButton::Default, &TButton::SetDefault>(t, "Default");
    control_props::Font(t);
    AddIntProp<TButton, &TButton::ModalResult, &TButton::SetModalResult>(t, "ModalResult", "TModalResult");
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
}
}  // namespace button_props

QVN_DEFINE_CLASS_INFO(TButton, TButtonControl, [](TPropTable& t) { button_props::Common(t); })

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::Click()
{
    if (modalResult_ != mrNone)
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    TButtonControl::Click();
}

bool TButton::AnswersEnter() const
{
    if (Focused()) return true;
    if (!default_) return false;
    return dynamic_cast<TButton*>(Screen->ActiveControl()) == nullptr;
}

bool TButton::DialogKey(Word key, TShiftState shift)
{
    const bool ours = (key == VK_RETURN && AnswersEnter()) || (key == VK_ESCAPE && cancel_);
    if (ours && shift.Empty() && CanFocus()) {
        Click();
        return true;
    }
    return TButtonControl::DialogKey(key, shift);
}

}  // namespace qvn
