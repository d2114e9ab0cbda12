// What the selection panel does for the user: switching between range and
// list, asking the owner form for a lookup, deleting and clearing rows,
// sorting by a column, and putting the range in order when the focus leaves.

#include "controls/GSpeedButton.h"
#include "controls/QvMessages.h"
#include "controls/SelectPnl.h"
#include "vcl/Application.h"

namespace qvn {

// ---- user choice -----------------------------------------------------------------

void TSelectPanel::TypeCheckClick(TObject*)
{
    // Setting UserChoice changes the check box itself and then acts once.
    if (settingUserChoice_ || style_ != sp_UserChoice) return;
    ApplyUserChoice();
}

void TSelectPanel::ApplyUserChoice()
{
    userChoice_ = typeCheck_->Checked();
    LayoutFor(sp_UserChoice);
    SwitchVisibility(style_);
    if (!Designing()) OnTypeClick(this);
}

void TSelectPanel::SetUserChoice(bool on)
{
    if (style_ != sp_UserChoice) return;
    settingUserChoice_ = true;
    try {
        typeCheck_->SetChecked(on);
    } catch (...) {
        settingUserChoice_ = false;
        throw;
    }
    settingUserChoice_ = false;
    ApplyUserChoice();
}

// ---- lookup, delete, clear ---------------------------------------------------------

void TSelectPanel::LookupClick(TObject* sender)
{
    if (Designing()) return;
    TWinControl* target = sender == beginButton_ ? static_cast<TWinControl*>(beginEdit_)
                          : sender == endButton_ ? static_cast<TWinControl*>(endEdit_)
                                                 : static_cast<TWinControl*>(itemList_);
    const TControlLink alive = Link();
    if (target->CanFocus()) target->SetFocus();
    if (!alive) return;
    auto* form = dynamic_cast<TWinControl*>(Owner());
    if (form != nullptr && !form->IsDestroying())
        Application->SendMessage(form->Handle(), QVM_F2KEY, 0, reinterpret_cast<LPARAM>(target));
    if (alive) OnOpenWinClick(this, target);
}

void TSelectPanel::DeleteClick(TObject*)
{
    bool accept = true;
    const TControlLink alive = Link();
    if (!Designing()) OnDeleteClick(this, accept);
    if (alive && accept) itemList_->DeleteSelected();
}

void TSelectPanel::ClearClick(TObject*)
{
    itemList_->ClearItems();
    const TControlLink alive = Link();
    if (itemList_->CanFocus()) itemList_->SetFocus();
    if (alive && !Designing()) OnClearClick(this);
}

void TSelectPanel::ColumnClick(TObject*, TListColumn* column)
{
    if (column == nullptr) return;
    const int index = column->Index();
    if (index == itemList_->SortColumn())
        itemList_->SetSortOrder(index, !itemList_->SortAscending());
    else
        itemList_->SetSortOrder(index, true);
    itemList_->SortRows();
}

// ---- leaving the panel ---------------------------------------------------------------

void TSelectPanel::DoExit()
{
    const TControlLink alive = Link();
    NormaliseRange();
    if (alive) TGroupBox::DoExit();
}

void TSelectPanel::NormaliseRange()
{
    const std::string& mask = beginEdit_->EditMask();
    // A mask beginning with '!' keeps its blanks where the user left them.
    if (mask.empty() || mask[0] != '!') {
        beginEdit_->SetText(TrimRangeText(beginEdit_->Text()));
        endEdit_->SetText(TrimRangeText(endEdit_->Text()));
    }
    const std::string begin = beginEdit_->Text();
    const std::string end = endEdit_->Text();
    if (!RangeNeedsExchange(begin, end, rules_)) return;
    beginEdit_->SetText(end);
    endEdit_->SetText(begin);
}

}  // namespace qvn
