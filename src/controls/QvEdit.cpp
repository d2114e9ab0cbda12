#ifndef QVN_BASIC_EDITION
#include "controls/QvEdit.h"

#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TQvEdit, TEdit, [](TPropTable& t) {
    AddStrProp<TQvEdit, &TQvEdit::LabelCaption, &TQvEdit::SetLabelCaption>(t, "Caption", "TCaption");
    AddEnumProp<TQvEdit, &TQvEdit::LabelPosition, &TQvEdit::SetLabelPosition>(t, "LabelPosition", "TLabelPosition",
                                                                              {"lpAbove", "lpBelow", "lpLeft", "lpRight"});
    AddIntProp<TQvEdit, &TQvEdit::LabelSpacing, &TQvEdit::SetLabelSpacing>(t, "LabelSpacing");
})

TQvEdit::TQvEdit(TComponent* owner) : TEdit(owner), label_(*this) { label_.Place(); }

void TQvEdit::SetParent(TWinControl* parent)
{
    TEdit::SetParent(parent);
    label_.FollowEdit();
}

void TQvEdit::BoundsChanged(bool moved, bool resized)
{
    TEdit::BoundsChanged(moved, resized);
    label_.Place();
}

void TQvEdit::VisibleChanged()
{
    TEdit::VisibleChanged();
    label_.FollowEdit();
}

void TQvEdit::EnabledChanged()
{
    TEdit::EnabledChanged();
    label_.FollowEdit();
}

void TQvEdit::Notification(TComponent* component, TOperation operation)
{
    TEdit::Notification(component, operation);
    if (operation == TOperation::opRemove) label_.Forget(component);
}

}  // namespace qvn

#endif  // QVN_BASIC_EDITION
