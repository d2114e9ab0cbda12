#pragma once
// The list view: rows (TListItem: caption, sub-items, image, data, state)
// shown as icons, a list or a report with columns (TListColumn). Selection
// (single or multiple), a focused row, check boxes, in-place caption editing,
// sorting, keyboard and mouse selection.
//
// Speed: the rows live in one vector; a row caches its index and only a
// stale cache (after an insert, delete or sort ahead of it) is renumbered,
// once, on the next lookup. Adding a row is constant work; between
// BeginUpdate and EndUpdate no per-row change events fire and sorting waits
// for the outermost EndUpdate.
//
// Headless geometry (hit tests, DisplayRect): rows are text height + 4
// pixels high, one under the other (report, list and small icons; the report
// starts below its header when headers show); icons sit in 75 x 64 cells
// across the client width.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "vcl/Alignment.h"
#include "vcl/Canvas.h"
#include "vcl/Collection.h"
#include "vcl/Strings.h"
#include "vcl/WinControl.h"

namespace qvn {

class TCustomListView;
class TListItems;
class TImageList;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TSortType { stNone, stData, stText, stBoth };
enum TItemChange { ctText, ctImage, ctState };

// Column widths that ask the column to fit its contents (without / with its header).
constexpr int ColumnTextWidth = -1;
constexpr int ColumnHeaderWidth = -2;

class TListColumn : public TCollectionItem {
    QVN_CLASS_INFO()
public:
    explicit TListColumn(TCollection* collection);

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& caption);
    // With AutoSize the column shares the client width left by the others.
    int Width() const;
    // ColumnTextWidth / ColumnHeaderWidth fit the column to what it holds now;
    // a non-zero MinWidth / MaxWidth bounds the result.
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int w);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int w);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    std::string DisplayName() const override { return caption_.empty() ? TCollectionItem::DisplayName() : caption_; }
    void Assign(const TPersistent& source) override;

private:
    TCustomListView* ListView() const;
    int Bounded(int width) const;

    AnsiString caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = false;
    int minWidth_ = 0;
    int maxWidth_ = 0;
    int imageIndex_ = -1;
    int tag_ = 0;
};

class TListColumns : public TTypedCollection<TListColumn> {
    QVN_CLASS_INFO()
public:
    explicit TListColumns(TCustomListView* owner);
    TCustomListView* ListView() const { return listView_; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TCustomListView* listView_;
};

class TListItem : public TPersistent {
    QVN_CLASS_INFO()
public:
    explicit TListItem(TListItems* owner);
    ~TListItem() override;

    TListItems* Owner() const { return owner_; }
    TCustomListView* ListView() const;
    // Position in the list; -1 once the item is no longer in one.
    int Index() const;

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& caption);
    // The texts of columns 1, 2, ... (sub-item k belongs to column k + 1).
    TStrings* SubItems() const { return subItems_.get(); }
    void SetSubItems(const TStrings& items) { subItems_->Assign(items); }
    void* Data() const { return data_; }
    void SetData(void* data);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    bool Selected() const { return selected_; }
    void SetSelected(bool on);
    bool Focused() const { return focused_; }
    void SetFocused(bool on);
    bool Checked() const { return checked_; }
    void SetChecked(bool on);

    // Starts the in-place editing of the caption (see TCustomListView::EditCaption).
    bool EditCaption();
    // Removes the item from its list and frees it.
    void Delete();
    void MakeVisible(bool partialOK) { (void)partialOK; }
    TRect DisplayRect() const;

    // Copies caption, sub-items, image, data and check mark of another item.
    void Assign(const TPersistent& source) override;

private:
    friend class TListItems;
    friend class TCustomListView;
    void SubItemsChanged(TObject*);

    TListItems* owner_;
    AnsiString caption_;
    std::unique_ptr<TStringList> subItems_;
    void* data_ = nullptr;
    int imageIndex_ = -1;
    mutable int index_ = -1;  // cached; see TListItems::IndexOf
    bool selected_ = false;
    bool focused_ = false;
    bool checked_ = false;
    bool deleting_ = false;  // its deletion has begun (a deletion handler may ask again)
};

class TListItems : public TPersistent {
    QVN_CLASS_INFO()
public:
    explicit TListItems(TCustomListView* owner);
    ~TListItems() override;

    TCustomListView* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError "List index out of bounds (N)" out of range.
    TListItem* Item(int index) const;
    TListItem* operator[](int index) const { return Item(index); }

    TListItem* Add();
    // index 0..Count; raises EListError otherwise.
    TListItem* Insert(int index);
    // Raises EListError out of range.
    void Delete(int index);
    void Clear();
    // -1 when the item is not in this list.
    int IndexOf(const TListItem* item) const;

    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    void Assign(const TPersistent& source) override;

private:
    friend class TCustomListView;
    friend class TListItem;
    void CheckIndex(int index) const;
    void Renumber() const;
    std::unique_ptr<TListItem> Take(int index);

    TCustomListView* owner_;
    std::vector<std::unique_ptr<TListItem>> items_;
    int updateCount_ = 0;
};

using TLVChangeEvent = Event<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVChangingEvent = Event<void(TObject* Sender, TListItem* Item, TItemChange Change, bool& AllowChange)>;
using TLVSelectItemEvent = Event<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVEditingEvent = Event<void(TObject* Sender, TListItem* Item, bool& AllowEdit)>;
using TLVEditedEvent = Event<void(TObject* Sender, TListItem* Item, AnsiString& S)>;
using TLVColumnClickEvent = Event<void(TObject* Sender, TListColumn* Column)>;
using TLVCompareEvent = Event<void(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare)>;
using TLVDeletedEvent = Event<void(TObject* Sender, TListItem* Item)>;
// Negative, zero or positive as item1 sorts before, with or after item2.
using TLVCompare = std::function<int(TListItem* item1, TListItem* item2, intptr_t data)>;

class TCustomListView : public TWinControl {
    QVN_CLASS_INFO()
public:
    explicit TCustomListView(TComponent* owner);
    ~TCustomListView() override;

    TListColumns* Columns() const { return columns_.get(); }
    void SetColumns(const TListColumns& columns) { columns_->Assign(columns); }
    TListItems* Items() const { return items_.get(); }
    void SetItems(const TListItems& items) { items_->Assign(items); }

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style);
    bool MultiSelect() const { return multiSelect_; }
    // Turning it off keeps only the first selected item.
    void SetMultiSelect(bool on);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool on) { SetFlag(rowSelect_, on); }
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool on) { SetFlag(gridLines_, on); }
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool on) { SetFlag(checkboxes_, on); }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool on) { SetFlag(hideSelection_, on); }
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool on) { SetFlag(showColumnHeaders_, on); }
    bool ColumnClick() const { return columnClick_; }
    void SetColumnClick(bool on) { columnClick_ = on; }
    TSortType SortType() const { return sortType_; }
    // Any type but stNone sorts at once and keeps the list sorted.
    void SetSortType(TSortType type);
    TImageList* LargeImages() const { return largeImages_; }
    void SetLargeImages(TImageList* images);
    TImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TImageList* images);

    // The first selected item (lowest index), or nullptr. Setting nullptr
    // deselects all; setting an item selects it (alone, unless MultiSelect).
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    int SelCount() const { return selCount_; }
    // Index of Selected (-1 when none). Setting -1 deselects all; other values
    // outside the list raise EListError.
    int ItemIndex() const;
    void SetItemIndex(int index);
    TListItem* ItemFocused() const { return focused_; }
    void SetItemFocused(TListItem* item);
    // The next item after start (from the top with nullptr) that is selected / focused.
    TListItem* GetNextSelected(TListItem* start) const;
    void SelectAll();
    void ClearSelection();

    // Sorts with OnCompare when assigned, else by caption (case-insensitive)
    // or, for stData, by Data. Sorting waits while updating. True when sorted.
    bool AlphaSort();
    bool CustomSort(const TLVCompare& compare, intptr_t data = 0);

    // In-place caption editing. EditCaption starts it (false when the list is
    // read-only, the item is not in it or OnEditing refuses); the editor text
    // starts as the caption and is the control's Text while editing (so the
    // robot types into it). Enter or losing the focus commits: OnEdited may
    // change the text, which then becomes the caption. Esc cancels.
    bool EditCaption(TListItem* item);
    bool IsEditing() const { return editing_ != nullptr; }
    TListItem* EditingItem() const { return editing_; }
    const AnsiString& EditorText() const { return editText_; }
    void SetEditorText(const AnsiString& s) { editText_ = s; }
    void EndEditCaption(bool accept);

    TListItem* GetItemAt(int x, int y) const;
    // The column whose header is at x (report view with headers), else nullptr.
    TListColumn* GetColumnAt(int x, int y) const;
    TRect ItemRect(const TListItem* item) const;
    int RowHeight() const;
    int HeaderHeight() const;
    // Width the texts of a column need (the header's too when withHeader).
    int ColumnContentWidth(int column, bool withHeader) const;
    // A measuring canvas in the control's font.
    TCanvas* Canvas() const;

    void BeginUpdate() { items_->BeginUpdate(); }
    void EndUpdate() { items_->EndUpdate(); }

    TLVChangeEvent OnChange;
    TLVChangingEvent OnChanging;
    TLVSelectItemEvent OnSelectItem;
    TLVEditingEvent OnEditing;
    TLVEditedEvent OnEdited;
    TLVColumnClickEvent OnColumnClick;
    TLVCompareEvent OnCompare;
    TLVDeletedEvent OnDeletion;
    TLVDeletedEvent OnInsert;

protected:
    AnsiString GetTextBuf() const override;
    void SetTextBuf(const AnsiString& s) override;
    LRESULT DialogCode() const override { return editing_ != nullptr ? DLGC_WANTALLKEYS : DLGC_WANTARROWS; }
    void KeyDown(Word& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoExit() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Hooks for a derived list (after the base event fired).
    virtual void Change(TListItem* item, TItemChange change) { OnChange(this, item, change); }
    virtual bool CanChange(TListItem* item, TItemChange change);
    virtual void ColumnClicked(TListColumn* column) { OnColumnClick(this, column); }

private:
    friend class TListItem;
    friend class TListItems;
    friend class TListColumns;
    friend class TListColumn;
    void SetFlag(bool& flag, bool on);
    // Item notifications (from TListItem / TListItems).
    void ItemInserted(TListItem* item);
    void ItemDeleting(TListItem* item);
    void ItemTextChanged(TListItem* item, const AnsiString* newCaption);
    void ItemDataChanged(TListItem* item);
    void ItemImageChanged(TListItem* item);
    bool ChangeSelection(TListItem* item, bool on);
    void ChangeFocus(TListItem* item);
    void UpdateEnded();
    void ColumnsChanged() { Invalidate(); }
    // Selects only target (or the range from the anchor), focuses it.
    void SelectFromInput(TListItem* target, bool extend, bool toggle);
    void MoveFocusBy(Word key, TShiftState shift);
    int CompareItems(TListItem* a, TListItem* b, const TLVCompare& compare, intptr_t data) const;
    int DefaultCompare(TListItem* a, TListItem* b) const;
    void SortNow(const TLVCompare& compare, intptr_t data);
    void KeepSorted(TListItem* item);
    bool SortsByText() const { return sortType_ == stText || sortType_ == stBoth; }
    bool SortsByData() const { return sortType_ == stData || sortType_ == stBoth; }
    int VisibleRows() const;

    std::unique_ptr<TListColumns> columns_;
    std::unique_ptr<TListItems> items_;
    std::unique_ptr<TCanvas> canvas_;
    TViewStyle viewStyle_ = vsIcon;
    bool multiSelect_ = false;
    bool readOnly_ = false;
    bool rowSelect_ = false;
    bool gridLines_ = false;
    bool checkboxes_ = false;
    bool hideSelection_ = true;
    bool showColumnHeaders_ = true;
    bool columnClick_ = true;
    TSortType sortType_ = stNone;
    bool sortPending_ = false;
    TImageList* largeImages_ = nullptr;
    TImageList* smallImages_ = nullptr;
    int selCount_ = 0;
    TListItem* focused_ = nullptr;
    TListItem* anchor_ = nullptr;
    TListItem* editing_ = nullptr;
    TListItem* committing_ = nullptr;  // the item whose OnEdited runs
    AnsiString editText_;
};

class TListView : public TCustomListView {
    QVN_CLASS_INFO()
public:
    using TCustomListView::TCustomListView;
};

}  // namespace qvn
