#pragma once
// TCustomComboBox / TComboBox: a list of items with an edit (csDropDown,
// csSimple) or with only the list (csDropDownList and the two owner-draw
// styles, which are list styles too).
//
// ItemIndex is -1 or the selected item; setting it out of range clears the
// selection (-1), as the platform's combo box does. Selecting an item puts
// its text in the edit; in a list style Text always is the selected item's
// text (or empty), and setting Text selects the item of that text when there
// is one. In an edit style setting Text selects the item of exactly that
// text, else none. Changes made by code fire no events; a person's changes
// do: typed text (OnChange), picking an item (SelectItem, arrow keys:
// OnClick, then OnSelect, or OnChange when OnSelect is not assigned), and
// dropping the list down (OnDropDown).

#include <memory>
#include <string>

#include "vcl/Edit.h"
#include "vcl/Strings.h"

namespace qvn {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox;

// The items of a combo box: a string list that keeps the selection on the same item.
class TComboBoxStrings : public TStringList {
    QVN_CLASS_INFO()
public:
    explicit TComboBoxStrings(TCustomComboBox& combo) : combo_(combo) {}
    void Put(int index, const std::string& s) override;
    int AddObject(const std::string& s, TObject* object) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;

private:
    TCustomComboBox& combo_;
};

class TCustomComboBox : public TWinControl {
    QVN_CLASS_INFO()
public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TStrings* Items() const { return items_.get(); }
    void SetItems(const TStrings& items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    // True for the styles with an edit (csDropDown, csSimple).
    bool HasEdit() const { return style_ == csDropDown || style_ == csSimple; }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int n);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool on);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase c);
    const std::string& ImeName() const { return imeName_; }
    void SetImeName(const std::string& name) { imeName_ = name; }
    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool on);

    // A person picks item index from the list (see the file comment); a bad index does nothing.
    void SelectItem(int index);
    void Clear();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void SetTextBuf(const AnsiString& s) override;
    void KeyPress(char& key) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Loaded() override;
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    virtual void Change();
    virtual void Select();
    virtual void DropDown();

private:
    friend class TComboBoxStrings;
    void ItemInserted(int index);
    void ItemDeleted(int index);
    void ItemChanged(int index);
    void ItemsCleared();
    void ShowSelected();
    std::string ApplyCase(const std::string& s) const;

    std::unique_ptr<TComboBoxStrings> items_;
    int itemIndex_ = -1;
    int pendingIndex_ = -1;
    TComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
    int itemHeight_ = 13;
    bool sorted_ = false;
    TEditCharCase charCase_ = ecNormal;
    std::string imeName_;
    bool droppedDown_ = false;
    int typed_ = 0;
};

class TComboBox : public TCustomComboBox {
    QVN_CLASS_INFO()
public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

}  // namespace qvn
