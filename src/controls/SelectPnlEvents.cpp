// The selection panel's parts report to the panel: their clicks, mouse and
// key events are raised again as the panel's own, and the list's row events
// as OnItemSelect, OnItemChange and OnItemChanging. The edits and the list
// stay the sender (the form wants to know which part); other parts speak
// through the panel, with points in the panel's coordinates.

#include "controls/GSpeedButton.h"
#include "controls/SelectPnl.h"

namespace qvn {

void TSelectPanel::HookPartEvents()
{
    typeCheck_->OnClick = TNotifyEvent::Of<&TSelectPanel::TypeCheckClick>(this);
    for (TF2Button* button : {beginButton_, endButton_, listButton_})
        button->OnClick = TNotifyEvent::Of<&TSelectPanel::LookupClick>(this);
    deleteButton_->OnClick = TNotifyEvent::Of<&TSelectPanel::DeleteClick>(this);
    clearButton_->OnClick = TNotifyEvent::Of<&TSelectPanel::ClearClick>(this);
    itemList_->OnColumnClick = TLVColumnClickEvent::Of<&TSelectPanel::ColumnClick>(this);

    for (TControl* part : std::initializer_list<TControl*>{rangePanel_, listPanel_, beginEdit_, endEdit_, itemList_,
                                                           beginLabel_, endLabel_}) {
        part->OnClick = TNotifyEvent::Of<&TSelectPanel::PartClick>(this);
        part->OnDblClick = TNotifyEvent::Of<&TSelectPanel::PartDblClick>(this);
    }
    typeCheck_->OnDblClick = TNotifyEvent::Of<&TSelectPanel::PartDblClick>(this);

    for (TControl* part : std::initializer_list<TControl*>{
             typeCheck_, rangePanel_, beginLabel_, beginEdit_, beginButton_, endLabel_, endEdit_, endButton_, listPanel_,
             listButton_, deleteButton_, clearButton_, itemList_}) {
        part->OnMouseDown = TMouseEvent::Of<&TSelectPanel::PartMouseDown>(this);
        part->OnMouseUp = TMouseEvent::Of<&TSelectPanel::PartMouseUp>(this);
        part->OnMouseMove = TMouseMoveEvent::Of<&TSelectPanel::PartMouseMove>(this);
    }
    for (TWinControl* part : std::initializer_list<TWinControl*>{typeCheck_, beginEdit_, endEdit_, itemList_}) {
        part->OnKeyDown = TKeyEvent::Of<&TSelectPanel::PartKeyDown>(this);
        part->OnKeyUp = TKeyEvent::Of<&TSelectPanel::PartKeyUp>(this);
        part->OnKeyPress = TKeyPressEvent::Of<&TSelectPanel::PartKeyPress>(this);
    }
    itemList_->OnSelectItem = TLVSelectItemEvent::Of<&TSelectPanel::ListSelectItem>(this);
    itemList_->OnChange = TLVChangeEvent::Of<&TSelectPanel::ListChange>(this);
    itemList_->OnChanging = TLVChangingEvent::Of<&TSelectPanel::ListChanging>(this);
}

bool TSelectPanel::KeepsOwnCoordinates(const TObject* part) const
{
    return part == itemList_ || part == beginEdit_ || part == endEdit_;
}

TObject* TSelectPanel::ClickSender(TObject* part) { return KeepsOwnCoordinates(part) ? part : this; }

TPoint TSelectPanel::ToPanel(const TObject* part, int x, int y) const
{
    for (auto* control = dynamic_cast<const TControl*>(part); control != nullptr && control != this;
         control = control->Parent()) {
        x += control->Left();
        y += control->Top();
    }
    return Point(x, y);
}

void TSelectPanel::PartClick(TObject* sender) { OnClick(ClickSender(sender)); }

void TSelectPanel::PartDblClick(TObject* sender) { OnDblClick(ClickSender(sender)); }

void TSelectPanel::PartMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)
{
    if (KeepsOwnCoordinates(sender)) {
        OnMouseDown(sender, button, shift, x, y);
        return;
    }
    const TPoint p = ToPanel(sender, x, y);
    OnMouseDown(this, button, shift, p.X, p.Y);
}

void TSelectPanel::PartMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)
{
    if (KeepsOwnCoordinates(sender)) {
        OnMouseUp(sender, button, shift, x, y);
        return;
    }
    const TPoint p = ToPanel(sender, x, y);
    OnMouseUp(this, button, shift, p.X, p.Y);
}

void TSelectPanel::PartMouseMove(TObject* sender, TShiftState shift, int x, int y)
{
    if (KeepsOwnCoordinates(sender)) {
        OnMouseMove(sender, shift, x, y);
        return;
    }
    const TPoint p = ToPanel(sender, x, y);
    OnMouseMove(this, shift, p.X, p.Y);
}

void TSelectPanel::PartKeyDown(TObject* sender, Word& key, TShiftState shift) { OnKeyDown(sender, key, shift); }

void TSelectPanel::PartKeyUp(TObject* sender, Word& key, TShiftState shift) { OnKeyUp(sender, key, shift); }

void TSelectPanel::PartKeyPress(TObject* sender, char& key) { OnKeyPress(sender, key); }

void TSelectPanel::ListSelectItem(TObject* sender, TListItem* item, bool selected)
{
    OnItemSelect(sender, item, item != nullptr ? item->Index() : -1, selected);
}

void TSelectPanel::ListChange(TObject* sender, TListItem* item, TItemChange change) { OnItemChange(sender, item, change); }

void TSelectPanel::ListChanging(TObject* sender, TListItem* item, TItemChange change, bool& allow)
{
    OnItemChanging(sender, item, change, allow);
}

}  // namespace qvn
