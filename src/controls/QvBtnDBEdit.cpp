#ifndef QVN_BASIC_EDITION
#include "controls/QvBtnDBEdit.h"

#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TQvBtnDBEdit, TQvDBEdit, [](TPropTable& t) {
    AddIntProp<TQvBtnDBEdit, &TQvBtnDBEdit::ButtonSpacing, &TQvBtnDBEdit::SetButtonSpacing>(t, "ButtonSpacing");
    AddIntProp<TQvBtnDBEdit, &TQvBtnDBEdit::GlyphIndex, &TQvBtnDBEdit::SetGlyphIndex>(t, "GlyphIndex");
    AddStrProp<TQvBtnDBEdit, &TQvBtnDBEdit::ButtonHint, &TQvBtnDBEdit::SetButtonHint>(t, "ButtonHint");
    AddEventProp<TQvBtnDBEdit, &TQvBtnDBEdit::OnDialog>(t, "OnDialog");
})

TQvBtnDBEdit::TQvBtnDBEdit(TComponent* owner) : TQvDBEdit(owner), button_(new TGSpeedButton(this))
{
    button_->SetName("F2Button");
    button_->SetFlat(true);
    button_->SetGlyphIndex(glyphIndex_);
    button_->OnClick = TNotifyEvent::Of<&TQvBtnDBEdit::ButtonClick>(this);
    PlaceButton();
}

void TQvBtnDBEdit::SetButtonSpacing(int spacing)
{
    buttonSpacing_ = spacing;
    PlaceButton();
}

void TQvBtnDBEdit::SetGlyphIndex(int index)
{
    glyphIndex_ = index;
    if (button_ != nullptr) button_->SetGlyphIndex(index);
}

std::string TQvBtnDBEdit::ButtonHint() const { return button_ != nullptr ? button_->Hint() : std::string(); }

void TQvBtnDBEdit::SetButtonHint(const std::string& hint)
{
    if (button_ != nullptr) button_->SetHint(hint);
}

void TQvBtnDBEdit::ButtonClick(TObject*)
{
    if (OnDialog) {
        OnDialog(this);
        return;
    }
    const TControlLink alive = Link();
    if (CanFocus()) SetFocus();
    if (alive && Focused()) RequestLookup(this);
}

void TQvBtnDBEdit::PlaceButton()
{
    if (button_ == nullptr) return;
    button_->SetBounds(Left() + Width() + buttonSpacing_, Top(), Height(), Height());
}

std::vector<TComponent*> TQvBtnDBEdit::GlyphButtons() const
{
    if (button_ == nullptr) return {};
    return {button_};
}

void TQvBtnDBEdit::ButtonFollowEdit()
{
    if (button_ == nullptr || IsDestroying()) return;
    if (button_->Parent() != Parent()) button_->SetParent(Parent());
    button_->SetVisible(Visible());
    button_->SetEnabled(Enabled());
    PlaceButton();
}

void TQvBtnDBEdit::SetParent(TWinControl* parent)
{
    TQvDBEdit::SetParent(parent);
    ButtonFollowEdit();
}

void TQvBtnDBEdit::BoundsChanged(bool moved, bool resized)
{
    TQvDBEdit::BoundsChanged(moved, resized);
    PlaceButton();
}

void TQvBtnDBEdit::VisibleChanged()
{
    TQvDBEdit::VisibleChanged();
    ButtonFollowEdit();
}

void TQvBtnDBEdit::EnabledChanged()
{
    TQvDBEdit::EnabledChanged();
    ButtonFollowEdit();
}

void TQvBtnDBEdit::Notification(TComponent* component, TOperation operation)
{
    TQvDBEdit::Notification(component, operation);
    if (operation == TOperation::opRemove && component == button_) button_ = nullptr;
}

}  // namespace qvn

#endif  // QVN_BASIC_EDITION
