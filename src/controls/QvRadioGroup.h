#pragma once
// TQvRadioGroup: a group box holding one TQvRadioButton per line of Items,
// arranged in Columns. ItemIndex is the checked line (-1: none); a click on
// a button makes it the ItemIndex and fires the group's OnClick.

#include <memory>
#include <vector>

#include "controls/QvRadioButton.h"
#include "vcl/GroupBox.h"
#include "vcl/Strings.h"

namespace qvn {

class TQvRadioGroup;

// A button of the group: its click goes to the group, its keys too.
class TQvGroupButton : public TQvRadioButton {
    QVN_CLASS_INFO()
public:
    TQvGroupButton(TQvRadioGroup* group);

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;

private:
    TQvRadioGroup* group_;
};

class TQvRadioGroup : public TCustomGroupBox {
    QVN_CLASS_INFO()
public:
    static constexpr int kMaxColumns = 16;

    explicit TQvRadioGroup(TComponent* owner);
    ~TQvRadioGroup() override;

    TStrings* Items() const { return items_.get(); }
    void SetItems(const TStrings& items) { items_->Assign(items); }
    int ItemIndex() const { return itemIndex_; }
    // Held to -1 .. buttons - 1; checks that button (only stored while loading).
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);  // held to 1..16

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TQvGroupButton* Buttons(int index) const;  // nullptr out of range
    // Places the buttons in their columns (see the file comment of the arithmetic in the .cpp).
    void ArrangeButtons();

    void Loaded() override;

protected:
    void Resize() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TQvGroupButton;
    void ItemsChanged(TObject*);
    void UpdateButtons();
    void ButtonClicked(TObject* sender);
    bool Loading() const { return HasState(csLoading); }

    std::unique_ptr<TStringList> items_;
    std::vector<TQvGroupButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

}  // namespace qvn
