#include "controls/EditLabel.h"

#include "vcl/WinControl.h"

namespace qvn {

TEditLabelBinding::TEditLabelBinding(TWinControl& edit) : edit_(edit), label_(new TLabel(&edit))
{
    label_->SetName("EditLabel");
    label_->SetCaption("");
    label_->SetFocusControl(&edit);
}

std::string TEditLabelBinding::Caption() const { return label_ != nullptr ? label_->Caption() : std::string(); }

void TEditLabelBinding::SetCaption(const std::string& caption)
{
    if (label_ == nullptr) return;
    label_->SetCaption(caption);
    Place();
}

void TEditLabelBinding::SetPosition(TLabelPosition position)
{
    if (position < lpAbove || position > lpRight) return;
    position_ = position;
    Place();
}

void TEditLabelBinding::SetSpacing(int spacing)
{
    if (spacing < 0) return;
    spacing_ = spacing;
    Place();
}

void TEditLabelBinding::Place()
{
    if (label_ == nullptr) return;
    const int w = label_->Width(), h = label_->Height();
    const int middle = edit_.Top() + (edit_.Height() - h) / 2;
    int left = edit_.Left(), top = edit_.Top();
    switch (position_) {
    case lpAbove: top = edit_.Top() - h - spacing_; break;
    case lpBelow: top = edit_.Top() + edit_.Height() + spacing_; break;
    case lpLeft:
        left = edit_.Left() - w - spacing_;
        top = middle;
        break;
    case lpRight:
        left = edit_.Left() + edit_.Width() + spacing_;
        top = middle;
        break;
    }
    label_->SetBounds(left, top, w, h);
}

void TEditLabelBinding::FollowEdit()
{
    if (label_ == nullptr || edit_.IsDestroying()) return;
    if (label_->Parent() != edit_.Parent()) label_->SetParent(edit_.Parent());
    label_->SetVisible(edit_.Visible());
    label_->SetEnabled(edit_.Enabled());
    Place();
}

void TEditLabelBinding::Forget(const TComponent* component)
{
    if (component == label_) label_ = nullptr;
}

}  // namespace qvn
