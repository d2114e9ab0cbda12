#include "controls/QvRadioGroup.h"

#include <algorithm>

#include "vcl/PropTable.h"
#include "vcl/TextMetrics.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TQvGroupButton, TQvRadioButton)

QVN_DEFINE_CLASS_INFO(TQvRadioGroup, TCustomGroupBox, [](TPropTable& t) {
    control_props::Align(t);
    control_props::Caption(t);
    control_props::Color(t);
    AddIntProp<TQvRadioGroup, &TQvRadioGroup::Columns, &TQvRadioGroup::SetColumns>(t, "Columns");
    control_props::Font(t);
    AddIntProp<TQvRadioGroup, &TQvRadioGroup::ItemIndex, &TQvRadioGroup::SetItemIndex>(t, "ItemIndex");
    AddObjectProp<TQvRadioGroup, &TQvRadioGroup::Items, &TQvRadioGroup::SetItems>(t, "Items", "TStrings");
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
})

TQvGroupButton::TQvGroupButton(TQvRadioGroup* group) : TQvRadioButton(group), group_(group)
{
    SetVisible(false);
    SetEnabled(group->Enabled());
    SetParentShowHint(false);
    OnClick = TNotifyEvent::Of<&TQvRadioGroup::ButtonClicked>(group);
    SetParent(group);
}

void TQvGroupButton::KeyDown(Word& key, TShiftState shift)
{
    TQvRadioButton::KeyDown(key, shift);
    if (key != 0) group_->KeyDown(key, shift);
}

void TQvGroupButton::KeyPress(char& key)
{
    TQvRadioButton::KeyPress(key);
    if (key != 0) group_->KeyPress(key);
}

TQvRadioGroup::TQvRadioGroup(TComponent* owner) : TCustomGroupBox(owner), items_(std::make_unique<TStringList>())
{
    SetBounds(0, 0, 185, 105);
    items_->OnChange = TNotifyEvent::Of<&TQvRadioGroup::ItemsChanged>(this);
}

TQvRadioGroup::~TQvRadioGroup() { items_->OnChange = nullptr; }

TQvGroupButton* TQvRadioGroup::Buttons(int index) const
{
    return index >= 0 && index < ButtonCount() ? buttons_[static_cast<size_t>(index)] : nullptr;
}

void TQvRadioGroup::SetColumns(int columns)
{
    columns = std::clamp(columns, 1, kMaxColumns);
    if (columns == columns_) return;
    columns_ = columns;
    ArrangeButtons();
    Invalidate();
}

void TQvRadioGroup::SetItemIndex(int index)
{
    if (Loading()) {
        itemIndex_ = index;
        return;
    }
    index = std::clamp(index, -1, ButtonCount() - 1);
    if (index == itemIndex_) return;
    if (TQvGroupButton* old = Buttons(itemIndex_)) old->SetChecked(false);
    itemIndex_ = index;
    if (TQvGroupButton* now = Buttons(itemIndex_)) now->SetChecked(true);
}

void TQvRadioGroup::ItemsChanged(TObject*)
{
    if (Loading()) return;
    if (itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
    UpdateButtons();
}

void TQvRadioGroup::UpdateButtons()
{
    const size_t wanted = static_cast<size_t>(items_->Count());
    while (buttons_.size() < wanted) buttons_.push_back(new TQvGroupButton(this));
    while (buttons_.size() > wanted) {
        TQvGroupButton* surplus = buttons_.back();
        buttons_.pop_back();
        FreeComponent(surplus);
    }
    updating_ = true;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->SetCaption(items_->Strings(static_cast<int>(i)));
        buttons_[i]->SetChecked(static_cast<int>(i) == itemIndex_);
    }
    updating_ = false;
    ArrangeButtons();
    Invalidate();
}

void TQvRadioGroup::ButtonClicked(TObject* sender)
{
    if (updating_) return;
    const auto it = std::find(buttons_.begin(), buttons_.end(), sender);
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}

// Every button gets an equal share of the area below the caption line: the
// columns split the width less the frame, the rows of a column split the
// height less the caption, and what does not divide evenly goes half above.
void TQvRadioGroup::ArrangeButtons()
{
    if (buttons_.empty() || Loading()) return;
    const int count = ButtonCount();
    const int fontHeight = CurrentTextMetrics().TextHeight(*Font(), "0");
    const int perColumn = (count + columns_ - 1) / columns_;
    const int buttonWidth = (Width() - 10) / columns_;
    const int inner = Height() - fontHeight - 5;
    const int buttonHeight = inner / perColumn;
    const int topMargin = fontHeight + 1 + (inner % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        TQvGroupButton* b = buttons_[static_cast<size_t>(i)];
        b->SetBounds((i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin, buttonWidth, buttonHeight);
        b->SetVisible(true);
    }
}

void TQvRadioGroup::Loaded()
{
    TCustomGroupBox::Loaded();
    ItemsChanged(nullptr);
    SetItemIndex(itemIndex_ < -1 ? -1 : itemIndex_);
}

void TQvRadioGroup::Resize()
{
    TCustomGroupBox::Resize();
    ArrangeButtons();
}

void TQvRadioGroup::FontChanged()
{
    TCustomGroupBox::FontChanged();
    ArrangeButtons();
}

void TQvRadioGroup::EnabledChanged()
{
    TCustomGroupBox::EnabledChanged();
    for (TQvGroupButton* b : buttons_) b->SetEnabled(Enabled());
}

void TQvRadioGroup::Notification(TComponent* component, TOperation operation)
{
    TCustomGroupBox::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    // A button freed elsewhere leaves the list; the items stay.
    const auto it = std::find(buttons_.begin(), buttons_.end(), component);
    if (it != buttons_.end()) buttons_.erase(it);
}

}  // namespace qvn
