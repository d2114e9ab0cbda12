#ifndef QVN_BASIC_EDITION
#include "controls/QvDBEdit.h"

#include "controls/FieldLabel.h"
#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TQvDBEdit, TMaskEdit, [](TPropTable& t) {
    AddStrProp<TQvDBEdit, &TQvDBEdit::LabelCaption, &TQvDBEdit::SetLabelCaption>(t, "Caption", "TCaption");
    AddStrProp<TQvDBEdit, &TQvDBEdit::DataField, &TQvDBEdit::SetDataField>(t, "DataField");
    AddEnumProp<TQvDBEdit, &TQvDBEdit::LabelPosition, &TQvDBEdit::SetLabelPosition>(
        t, "LabelPosition", "TLabelPosition", {"lpAbove", "lpBelow", "lpLeft", "lpRight"});
    AddIntProp<TQvDBEdit, &TQvDBEdit::LabelSpacing, &TQvDBEdit::SetLabelSpacing>(t, "LabelSpacing");
})

TQvDBEdit::TQvDBEdit(TComponent* owner) : TMaskEdit(owner), label_(*this) { label_.Place(); }

void TQvDBEdit::SetDataField(const std::string& field)
{
    dataField_ = field;
    if (!HasState(csDesigning)) return;
    if (const auto label = FieldDisplayLabel(this)) SetLabelCaption(*label);
}

void TQvDBEdit::SetParent(TWinControl* parent)
{
    TMaskEdit::SetParent(parent);
    label_.FollowEdit();
}

void TQvDBEdit::BoundsChanged(bool moved, bool resized)
{
    TMaskEdit::BoundsChanged(moved, resized);
    label_.Place();
}

void TQvDBEdit::VisibleChanged()
{
    TMaskEdit::VisibleChanged();
    label_.FollowEdit();
}

void TQvDBEdit::EnabledChanged()
{
    TMaskEdit::EnabledChanged();
    label_.FollowEdit();
}

void TQvDBEdit::Notification(TComponent* component, TOperation operation)
{
    TMaskEdit::Notification(component, operation);
    if (operation == TOperation::opRemove) label_.Forget(component);
}

}  // namespace qvn

#endif  // QVN_BASIC_EDITION
