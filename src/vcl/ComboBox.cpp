#include "vcl/ComboBox.h"

#include <algorithm>

#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TComboBoxStrings, TStringList)

void TComboBoxStrings::Put(int index, const std::string& s)
{
    TStringList::Put(index, s);
    combo_.ItemChanged(index);
}

int TComboBoxStrings::AddObject(const std::string& s, TObject* object)
{
    const int before = Count();
    const int index = TStringList::AddObject(s, object);
    if (Count() > before) combo_.ItemInserted(index);
    return index;
}

void TComboBoxStrings::InsertObject(int index, const std::string& s, TObject* object)
{
    TStringList::InsertObject(index, s, object);
    combo_.ItemInserted(index);
}

void TComboBoxStrings::Delete(int index)
{
    TStringList::Delete(index);
    combo_.ItemDeleted(index);
}

void TComboBoxStrings::Clear()
{
    TStringList::Clear();
    combo_.ItemsCleared();
}

void TComboBoxStrings::Exchange(int index1, int index2)
{
    TStringList::Exchange(index1, index2);
    const int selected = combo_.itemIndex_;
    if (selected == index1) combo_.itemIndex_ = index2;
    else if (selected == index2) combo_.itemIndex_ = index1;
}

QVN_DEFINE_CLASS_INFO(TCustomComboBox, TWinControl)

QVN_DEFINE_CLASS_INFO(TComboBox, TCustomComboBox, [](TPropTable& t) {
    control_props::Align(t);
    AddEnumProp<TCustomComboBox, &TCustomComboBox::Style, &TCustomComboBox::SetStyle>(
        t, "Style", "TComboBoxStyle",
        {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"});
    AddEnumProp<TCustomComboBox, &TCustomComboBox::CharCase, &TCustomComboBox::SetCharCase>(
        t, "CharCase", "TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"});
    control_props::Color(t);
    AddIntProp<TCustomComboBox, &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount>(t, "DropDownCount");
    control_props::Font(t);
    AddStrProp<TCustomComboBox, &TCustomComboBox::ImeName, &TCustomComboBox::SetImeName>(t, "ImeName", "TImeName");
    AddIntProp<TCustomComboBox, &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight>(t, "ItemHeight");
    AddIntProp<TCustomComboBox, &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex>(t, "ItemIndex");
    AddObjectProp<TCustomComboBox, &TCustomComboBox::Items, &TCustomComboBox::SetItems>(t, "Items", "TStrings");
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddBoolProp<TCustomComboBox, &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted>(t, "Sorted");
    control_props::Text(t);
    AddEventProp<TCustomComboBox, &TCustomComboBox::OnChange>(t, "OnChange");
    AddEventProp<TCustomComboBox, &TCustomComboBox::OnSelect>(t, "OnSelect");
    AddEventProp<TCustomComboBox, &TCustomComboBox::OnDropDown>(t, "OnDropDown");
    AddEventProp<TCustomComboBox, &TCustomComboBox::OnCloseUp>(t, "OnCloseUp");
    control_props::ClickEvents(t);
})

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TComboBoxStrings>(*this))
{
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::SetItems(const TStrings& items)
{
    items_->Assign(items);
}

std::string TCustomComboBox::ApplyCase(const std::string& s) const
{
    if (charCase_ == ecUpperCase) return AnsiUpperCaseText(s);
    if (charCase_ == ecLowerCase) return AnsiLowerCaseText(s);
    return s;
}

// The edit (or the list style's display) shows the selected item.
void TCustomComboBox::ShowSelected()
{
    const std::string text = itemIndex_ >= 0 ? items_->Get(itemIndex_) : std::string();
    if (text != TWinControl::GetTextBuf()) TWinControl::SetTextBuf(text);
}

void TCustomComboBox::SetItemIndex(int index)
{
    if (HasState(csLoading)) {
        pendingIndex_ = index;
        return;
    }
    if (index < -1 || index >= items_->Count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    ShowSelected();
}

void TCustomComboBox::Loaded()
{
    TWinControl::Loaded();
    if (pendingIndex_ != -1) SetItemIndex(std::exchange(pendingIndex_, -1));
}

void TCustomComboBox::SetTextBuf(const AnsiString& s)
{
    const bool typed = typed_ > 0;
    typed_ = 0;
    const std::string text = ApplyCase(s);
    if (!HasEdit()) {
        // Only an item's text can be shown; anything else leaves the selection alone.
        const int found = items_->IndexOf(text);
        if (found >= 0 && found != itemIndex_) {
            itemIndex_ = found;
            ShowSelected();
            if (typed) Select();
        }
        return;
    }
    itemIndex_ = items_->IndexOf(text);
    if (itemIndex_ >= 0 && items_->Get(itemIndex_) != text) itemIndex_ = -1;
    if (text == TWinControl::GetTextBuf()) return;
    TWinControl::SetTextBuf(text);
    if (typed) Change();
}

void TCustomComboBox::SetStyle(TComboBoxStyle style)
{
    if (style < csDropDown || style > csOwnerDrawVariable || style == style_) return;
    style_ = style;
    if (!HasEdit()) ShowSelected();
    Invalidate();
}

void TCustomComboBox::SetDropDownCount(int n) { dropDownCount_ = std::max(1, n); }

void TCustomComboBox::SetItemHeight(int h)
{
    if (h > 0) itemHeight_ = h;
}

void TCustomComboBox::SetSorted(bool on)
{
    if (on == sorted_) return;
    sorted_ = on;
    const std::string selected = itemIndex_ >= 0 ? items_->Get(itemIndex_) : std::string();
    const TObject* selectedObject = itemIndex_ >= 0 ? items_->GetObject(itemIndex_) : nullptr;
    const bool hadSelection = itemIndex_ >= 0;
    items_->SetSorted(on);
    if (!hadSelection) return;
    // Sorting moves the selected item; find it again (the first line with its text and object).
    for (int i = 0; i < items_->Count(); ++i)
        if (items_->Get(i) == selected && items_->GetObject(i) == selectedObject) {
            itemIndex_ = i;
            break;
        }
}

void TCustomComboBox::SetCharCase(TEditCharCase c)
{
    if (c < ecNormal || c > ecLowerCase || c == charCase_) return;
    charCase_ = c;
    if (HasEdit()) {
        const std::string text = ApplyCase(TWinControl::GetTextBuf());
        if (text != TWinControl::GetTextBuf()) TWinControl::SetTextBuf(text);
    }
}

void TCustomComboBox::SetDroppedDown(bool on)
{
    if (on == droppedDown_) return;
    droppedDown_ = on;
    if (on)
        DropDown();
    else
        OnCloseUp(this);
}

void TCustomComboBox::SelectItem(int index)
{
    if (index < 0 || index >= items_->Count()) return;
    itemIndex_ = index;
    ShowSelected();
    const TControlLink self = Link();
    Click();
    if (self) Select();
}

void TCustomComboBox::Clear()
{
    items_->Clear();
    if (HasEdit() && !TWinControl::GetTextBuf().empty()) TWinControl::SetTextBuf("");
}

void TCustomComboBox::Change() { OnChange(this); }

void TCustomComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::DropDown() { OnDropDown(this); }

void TCustomComboBox::KeyPress(char& key)
{
    TWinControl::KeyPress(key);
    if (static_cast<unsigned char>(key) >= 32) ++typed_;
}

void TCustomComboBox::KeyDown(Word& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    const bool toggle = key == VK_F4 || ((key == VK_DOWN || key == VK_UP) && shift.Contains(ssAlt));
    if (toggle) {
        SetDroppedDown(!droppedDown_);
        key = 0;
        return;
    }
    if ((key == VK_DOWN || key == VK_UP) && items_->Count() > 0) {
        const int next = key == VK_DOWN ? std::min(itemIndex_ + 1, items_->Count() - 1) : std::max(itemIndex_ - 1, 0);
        key = 0;
        if (next != itemIndex_) SelectItem(next);
    }
}

void TCustomComboBox::DoEnter()
{
    typed_ = 0;
    TWinControl::DoEnter();
}

void TCustomComboBox::DoExit()
{
    typed_ = 0;
    TWinControl::DoExit();
}

void TCustomComboBox::ItemInserted(int index)
{
    if (itemIndex_ >= 0 && index <= itemIndex_) ++itemIndex_;
}

void TCustomComboBox::ItemDeleted(int index)
{
    if (itemIndex_ < 0) return;
    if (index < itemIndex_) {
        --itemIndex_;
    } else if (index == itemIndex_) {
        itemIndex_ = -1;
        if (!HasEdit()) ShowSelected();
    }
}

void TCustomComboBox::ItemChanged(int index)
{
    if (index == itemIndex_ && !HasEdit()) ShowSelected();
}

void TCustomComboBox::ItemsCleared()
{
    itemIndex_ = -1;
    ShowSelected();
}

}  // namespace qvn
