#include "vcl/ListView.h"

#include <algorithm>

#include "vcl/ImageList.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

constexpr int kIconCellWidth = 75;
constexpr int kIconCellHeight = 64;
constexpr int kColumnTextMargin = 12;
constexpr int kCheckBoxWidth = 16;

// Case-insensitive for ASCII letters; bytes of multi-byte characters compare exactly.
int CompareTextAscii(const std::string& a, const std::string& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca >= 'a' && ca <= 'z') ca = static_cast<unsigned char>(ca - 32);
        if (cb >= 'a' && cb <= 'z') cb = static_cast<unsigned char>(cb - 32);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

[[noreturn]] void ListIndexError(int index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

// ---- TListColumn ---------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TListColumn, TCollectionItem, [](TPropTable& t) {
    AddEnumProp<TListColumn, &TListColumn::Alignment, &TListColumn::SetAlignment>(
        t, "Alignment", "TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
    AddBoolProp<TListColumn, &TListColumn::AutoSize, &TListColumn::SetAutoSize>(t, "AutoSize");
    AddStrProp<TListColumn, &TListColumn::Caption, &TListColumn::SetCaption>(t, "Caption");
    AddIntProp<TListColumn, &TListColumn::ImageIndex, &TListColumn::SetImageIndex>(t, "ImageIndex", "TImageIndex");
    AddIntProp<TListColumn, &TListColumn::MaxWidth, &TListColumn::SetMaxWidth>(t, "MaxWidth", "TWidth");
    AddIntProp<TListColumn, &TListColumn::MinWidth, &TListColumn::SetMinWidth>(t, "MinWidth", "TWidth");
    AddIntProp<TListColumn, &TListColumn::Tag, &TListColumn::SetTag>(t, "Tag");
    AddIntProp<TListColumn, &TListColumn::Width, &TListColumn::SetWidth>(t, "Width", "TWidth");
})

TListColumn::TListColumn(TCollection* collection) : TCollectionItem(collection) {}

TCustomListView* TListColumn::ListView() const
{
    auto* columns = dynamic_cast<TListColumns*>(Collection());
    return columns != nullptr ? columns->ListView() : nullptr;
}

void TListColumn::SetCaption(const AnsiString& caption)
{
    if (caption == caption_) return;
    caption_ = caption;
    Changed(false);
}

int TListColumn::Bounded(int width) const
{
    if (width < 0) width = 0;
    if (minWidth_ > 0 && width < minWidth_) width = minWidth_;
    if (maxWidth_ > 0 && width > maxWidth_) width = maxWidth_;
    return width;
}

int TListColumn::Width() const
{
    TCustomListView* lv = ListView();
    if (!autoSize_ || lv == nullptr) return width_;
    int fixed = 0;
    int shared = 0;
    const TListColumns* columns = lv->Columns();
    for (int i = 0; i < columns->Count(); ++i) {
        const TListColumn* c = columns->Items(i);
        if (c->autoSize_)
            ++shared;
        else
            fixed += c->width_;
    }
    return Bounded((lv->ClientWidth() - fixed) / std::max(shared, 1));
}

void TListColumn::SetWidth(int width)
{
    if (width == ColumnTextWidth || width == ColumnHeaderWidth) {
        TCustomListView* lv = ListView();
        width = lv != nullptr ? lv->ColumnContentWidth(Index(), width == ColumnHeaderWidth) : width_;
    }
    width = Bounded(width);
    if (width == width_) return;
    width_ = width;
    Changed(false);
}

void TListColumn::SetAlignment(TAlignment a)
{
    if (a == alignment_) return;
    alignment_ = a;
    Changed(false);
}

void TListColumn::SetAutoSize(bool on)
{
    if (on == autoSize_) return;
    autoSize_ = on;
    Changed(true);
}

void TListColumn::SetMinWidth(int w)
{
    minWidth_ = std::max(w, 0);
    width_ = Bounded(width_);
    Changed(false);
}

void TListColumn::SetMaxWidth(int w)
{
    maxWidth_ = std::max(w, 0);
    width_ = Bounded(width_);
    Changed(false);
}

void TListColumn::SetImageIndex(int i)
{
    if (i == imageIndex_) return;
    imageIndex_ = i;
    Changed(false);
}

void TListColumn::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TListColumn*>(&source);
    if (other == nullptr) {
        TCollectionItem::Assign(source);
        return;
    }
    caption_ = other->caption_;
    minWidth_ = other->minWidth_;
    maxWidth_ = other->maxWidth_;
    width_ = other->width_;
    alignment_ = other->alignment_;
    autoSize_ = other->autoSize_;
    imageIndex_ = other->imageIndex_;
    tag_ = other->tag_;
    Changed(false);
}

// ---- TListColumns --------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TListColumns, TCollection)

TListColumns::TListColumns(TCustomListView* owner) : TTypedCollection<TListColumn>(owner), listView_(owner) {}

void TListColumns::Update(TCollectionItem* item)
{
    (void)item;
    if (listView_ != nullptr) listView_->ColumnsChanged();
}

// ---- TListItem -----------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TListItem, TPersistent, [](TPropTable& t) {
    AddStrProp<TListItem, &TListItem::Caption, &TListItem::SetCaption>(t, "Caption");
    AddIntProp<TListItem, &TListItem::ImageIndex, &TListItem::SetImageIndex>(t, "ImageIndex", "TImageIndex");
})

TListItem::TListItem(TListItems* owner) : owner_(owner), subItems_(std::make_unique<TStringList>())
{
    subItems_->OnChange = TNotifyEvent::Of<&TListItem::SubItemsChanged>(this);
}

TListItem::~TListItem() { subItems_->OnChange = nullptr; }

TCustomListView* TListItem::ListView() const { return owner_ != nullptr ? owner_->Owner() : nullptr; }

int TListItem::Index() const { return owner_ != nullptr ? owner_->IndexOf(this) : -1; }

void TListItem::SetCaption(const AnsiString& caption)
{
    if (caption == caption_) return;
    if (TCustomListView* lv = ListView())
        lv->ItemTextChanged(this, &caption);
    else
        caption_ = caption;
}

void TListItem::SubItemsChanged(TObject*)
{
    if (TCustomListView* lv = ListView()) lv->ItemTextChanged(this, nullptr);
}

void TListItem::SetData(void* data)
{
    if (data == data_) return;
    data_ = data;
    if (TCustomListView* lv = ListView()) lv->ItemDataChanged(this);
}

void TListItem::SetImageIndex(int index)
{
    if (index == imageIndex_) return;
    imageIndex_ = index;
    if (TCustomListView* lv = ListView()) lv->ItemImageChanged(this);
}

void TListItem::SetSelected(bool on)
{
    TCustomListView* lv = ListView();
    if (lv == nullptr || on == selected_) return;
    if (on && !lv->MultiSelect()) {
        lv->ClearSelection();
        lv->anchor_ = this;
    }
    lv->ChangeSelection(this, on);
}

void TListItem::SetFocused(bool on)
{
    TCustomListView* lv = ListView();
    if (lv == nullptr || on == focused_) return;
    lv->ChangeFocus(on ? this : nullptr);
}

void TListItem::SetChecked(bool on)
{
    if (on == checked_) return;
    TCustomListView* lv = ListView();
    if (lv != nullptr && !lv->items_->Updating() && !lv->CanChange(this, ctState)) return;
    checked_ = on;
    if (lv != nullptr && !lv->items_->Updating()) lv->Change(this, ctState);
}

bool TListItem::EditCaption()
{
    TCustomListView* lv = ListView();
    return lv != nullptr && lv->EditCaption(this);
}

void TListItem::Delete()
{
    if (owner_ == nullptr) return;
    const int index = Index();
    if (index >= 0) owner_->Delete(index);
}

TRect TListItem::DisplayRect() const
{
    TCustomListView* lv = ListView();
    return lv != nullptr ? lv->ItemRect(this) : TRect{};
}

void TListItem::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TListItem*>(&source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    SetCaption(other->caption_);
    subItems_->Assign(*other->subItems_);
    SetImageIndex(other->imageIndex_);
    SetData(other->data_);
    SetChecked(other->checked_);
}

// ---- TListItems ----------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TListItems, TPersistent)

TListItems::TListItems(TCustomListView* owner) : owner_(owner) {}

TListItems::~TListItems() = default;

void TListItems::CheckIndex(int index) const
{
    if (index < 0 || index >= Count()) ListIndexError(index);
}

TListItem* TListItems::Item(int index) const
{
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].get();
}

void TListItems::Renumber() const
{
    for (size_t i = 0; i < items_.size(); ++i) items_[i]->index_ = static_cast<int>(i);
}

int TListItems::IndexOf(const TListItem* item) const
{
    if (item == nullptr || item->owner_ != this) return -1;
    auto valid = [&] {
        const int i = item->index_;
        return i >= 0 && i < Count() && items_[static_cast<size_t>(i)].get() == item;
    };
    if (valid()) return item->index_;
    // Something before the item moved; renumbering once makes every later lookup direct again.
    Renumber();
    return valid() ? item->index_ : -1;
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index)
{
    if (index < 0 || index > Count()) ListIndexError(index);
    auto item = std::make_unique<TListItem>(this);
    TListItem* raw = item.get();
    raw->index_ = index;
    items_.insert(items_.begin() + index, std::move(item));
    if (owner_ != nullptr) owner_->ItemInserted(raw);
    return raw;
}

std::unique_ptr<TListItem> TListItems::Take(int index)
{
    CheckIndex(index);
    TListItem* item = items_[static_cast<size_t>(index)].get();
    if (item->deleting_) return nullptr;
    item->deleting_ = true;
    if (owner_ != nullptr) owner_->ItemDeleting(item);
    // A deletion handler may have changed the list; find the item again.
    const int at = IndexOf(item);
    if (at < 0) return nullptr;
    std::unique_ptr<TListItem> taken = std::move(items_[static_cast<size_t>(at)]);
    items_.erase(items_.begin() + at);
    taken->index_ = -1;
    return taken;
}

void TListItems::Delete(int index)
{
    std::unique_ptr<TListItem> gone = Take(index);
    if (owner_ != nullptr) owner_->Invalidate();
}

void TListItems::Clear()
{
    if (items_.empty()) return;
    BeginUpdate();
    try {
        while (!items_.empty()) Take(Count() - 1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TListItems::BeginUpdate() { ++updateCount_; }

void TListItems::EndUpdate()
{
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0 && owner_ != nullptr) owner_->UpdateEnded();
}

void TListItems::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TListItems*>(&source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    BeginUpdate();
    try {
        Clear();
        for (const auto& item : other->items_) Add()->Assign(*item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// ---- TCustomListView -----------------------------------------------------

QVN_DEFINE_CLASS_INFO(TCustomListView, TWinControl)

QVN_DEFINE_CLASS_INFO(TListView, TCustomListView, [](TPropTable& t) {
    control_props::Align(t);
    AddBoolProp<TCustomListView, &TCustomListView::Checkboxes, &TCustomListView::SetCheckboxes>(t, "Checkboxes");
    control_props::Color(t);
    AddObjectProp<TCustomListView, &TCustomListView::Columns, &TCustomListView::SetColumns>(t, "Columns", "TListColumns");
    AddBoolProp<TCustomListView, &TCustomListView::ColumnClick, &TCustomListView::SetColumnClick>(t, "ColumnClick");
    control_props::Font(t);
    AddBoolProp<TCustomListView, &TCustomListView::GridLines, &TCustomListView::SetGridLines>(t, "GridLines");
    AddBoolProp<TCustomListView, &TCustomListView::HideSelection, &TCustomListView::SetHideSelection>(t, "HideSelection");
    AddObjectProp<TCustomListView, &TCustomListView::Items, &TCustomListView::SetItems>(t, "Items", "TListItems");
    AddObjectProp<TCustomListView, &TCustomListView::LargeImages, &TCustomListView::SetLargeImages>(t, "LargeImages",
                                                                                                   "TCustomImageList");
    AddBoolProp<TCustomListView, &TCustomListView::MultiSelect, &TCustomListView::SetMultiSelect>(t, "MultiSelect");
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddBoolProp<TCustomListView, &TCustomListView::ReadOnly, &TCustomListView::SetReadOnly>(t, "ReadOnly");
    AddBoolProp<TCustomListView, &TCustomListView::RowSelect, &TCustomListView::SetRowSelect>(t, "RowSelect");
    AddBoolProp<TCustomListView, &TCustomListView::ShowColumnHeaders, &TCustomListView::SetShowColumnHeaders>(
        t, "ShowColumnHeaders");
    AddObjectProp<TCustomListView, &TCustomListView::SmallImages, &TCustomListView::SetSmallImages>(t, "SmallImages",
                                                                                                   "TCustomImageList");
    AddEnumProp<TCustomListView, &TCustomListView::SortType, &TCustomListView::SetSortType>(
        t, "SortType", "TSortType", {"stNone", "stData", "stText", "stBoth"});
    AddEnumProp<TCustomListView, &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle>(
        t, "ViewStyle", "TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"});
    AddEventProp<TCustomListView, &TCustomListView::OnChange>(t, "OnChange", "TLVChangeEvent");
    AddEventProp<TCustomListView, &TCustomListView::OnChanging>(t, "OnChanging", "TLVChangingEvent");
    control_props::ClickEvents(t);
    AddEventProp<TCustomListView, &TCustomListView::OnColumnClick>(t, "OnColumnClick", "TLVColumnClickEvent");
    AddEventProp<TCustomListView, &TCustomListView::OnCompare>(t, "OnCompare", "TLVCompareEvent");
    AddEventProp<TCustomListView, &TCustomListView::OnDeletion>(t, "OnDeletion", "TLVDeletedEvent");
    AddEventProp<TCustomListView, &TCustomListView::OnEdited>(t, "OnEdited", "TLVEditedEvent");
    AddEventProp<TCustomListView, &TCustomListView::OnEditing>(t, "OnEditing", "TLVEditingEvent");
    AddEventProp<TCustomListView, &TCustomListView::OnInsert>(t, "OnInsert", "TLVDeletedEvent");
    control_props::MouseEvents(t);
    control_props::OnResize(t);
    AddEventProp<TCustomListView, &TCustomListView::OnSelectItem>(t, "OnSelectItem", "TLVSelectItemEvent");
})

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner),
      columns_(std::make_unique<TListColumns>(this)),
      items_(std::make_unique<TListItems>(this)),
      canvas_(std::make_unique<TCanvas>())
{
    SetTabStop(true);
    SetBounds(0, 0, 250, 150);
}

TCustomListView::~TCustomListView()
{
    // No events for the rows while the control goes.
    OnDeletion = nullptr;
    editing_ = nullptr;
    items_->items_.clear();
}

TCanvas* TCustomListView::Canvas() const
{
    canvas_->Font()->Assign(*Font());
    return canvas_.get();
}

void TCustomListView::SetFlag(bool& flag, bool on)
{
    if (flag == on) return;
    flag = on;
    Invalidate();
}

void TCustomListView::SetViewStyle(TViewStyle style)
{
    if (style == viewStyle_) return;
    viewStyle_ = style;
    Invalidate();
}

void TCustomListView::SetMultiSelect(bool on)
{
    if (on == multiSelect_) return;
    multiSelect_ = on;
    if (!on && selCount_ > 1) {
        TListItem* first = Selected();
        for (TListItem* it = GetNextSelected(first); it != nullptr; it = GetNextSelected(it)) ChangeSelection(it, false);
    }
}

void TCustomListView::SetSortType(TSortType type)
{
    if (type == sortType_) return;
    sortType_ = type;
    if (type != stNone) AlphaSort();
}

void TCustomListView::SetLargeImages(TImageList* images)
{
    if (ReferTo(largeImages_, images)) Invalidate();
}

void TCustomListView::SetSmallImages(TImageList* images)
{
    if (ReferTo(smallImages_, images)) Invalidate();
}

void TCustomListView::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    ForgetIfFreed(largeImages_, component, operation);
    ForgetIfFreed(smallImages_, component, operation);
}

// ---- selection -----------------------------------------------------------

TListItem* TCustomListView::GetNextSelected(TListItem* start) const
{
    if (selCount_ == 0) return nullptr;
    int i = start != nullptr ? items_->IndexOf(start) + 1 : 0;
    for (; i < items_->Count(); ++i)
        if (items_->items_[static_cast<size_t>(i)]->selected_) return items_->items_[static_cast<size_t>(i)].get();
    return nullptr;
}

TListItem* TCustomListView::Selected() const { return GetNextSelected(nullptr); }

void TCustomListView::SetSelected(TListItem* item)
{
    if (item == nullptr) {
        ClearSelection();
        return;
    }
    if (item->owner_ != items_.get()) return;
    item->SetSelected(true);
}

int TCustomListView::ItemIndex() const
{
    TListItem* item = Selected();
    return item != nullptr ? item->Index() : -1;
}

void TCustomListView::SetItemIndex(int index)
{
    if (index == -1) {
        ClearSelection();
        return;
    }
    if (index < 0 || index >= items_->Count()) ListIndexError(index);
    SelectFromInput(items_->Item(index), false, false);
}

void TCustomListView::SetItemFocused(TListItem* item)
{
    if (item != nullptr && item->owner_ != items_.get()) return;
    ChangeFocus(item);
}

void TCustomListView::SelectAll()
{
    if (!multiSelect_) return;
    for (int i = 0; i < items_->Count(); ++i) ChangeSelection(items_->items_[static_cast<size_t>(i)].get(), true);
}

void TCustomListView::ClearSelection()
{
    for (TListItem* it = Selected(); it != nullptr; it = GetNextSelected(it)) ChangeSelection(it, false);
}

bool TCustomListView::CanChange(TListItem* item, TItemChange change)
{
    bool allow = true;
    OnChanging(this, item, change, allow);
    return allow;
}

bool TCustomListView::ChangeSelection(TListItem* item, bool on)
{
    if (item->selected_ == on) return false;
    if (!CanChange(item, ctState)) return false;
    item->selected_ = on;
    selCount_ += on ? 1 : -1;
    Change(item, ctState);
    OnSelectItem(this, item, on);
    Invalidate();
    return true;
}

void TCustomListView::ChangeFocus(TListItem* item)
{
    if (item == focused_) return;
    if (focused_ != nullptr) focused_->focused_ = false;
    focused_ = item;
    if (item != nullptr) item->focused_ = true;
    Invalidate();
}

void TCustomListView::SelectFromInput(TListItem* target, bool extend, bool toggle)
{
    if (toggle && multiSelect_) {
        ChangeSelection(target, !target->selected_);
        ChangeFocus(target);
        anchor_ = target;
        return;
    }
    if (extend && multiSelect_ && anchor_ != nullptr) {
        int from = anchor_->Index();
        int to = target->Index();
        if (from > to) std::swap(from, to);
        for (int i = 0; i < items_->Count(); ++i) {
            TListItem* it = items_->items_[static_cast<size_t>(i)].get();
            ChangeSelection(it, i >= from && i <= to);
        }
        ChangeFocus(target);
        return;
    }
    for (TListItem* it = Selected(); it != nullptr; it = GetNextSelected(it))
        if (it != target) ChangeSelection(it, false);
    ChangeSelection(target, true);
    ChangeFocus(target);
    anchor_ = target;
}

// ---- item notifications ----------------------------------------------------

void TCustomListView::ItemInserted(TListItem* item)
{
    if (items_->Updating()) return;
    OnInsert(this, item);
    Invalidate();
}

void TCustomListView::ItemDeleting(TListItem* item)
{
    if (editing_ == item) editing_ = nullptr;
    if (committing_ == item) committing_ = nullptr;
    OnDeletion(this, item);
    if (item->selected_) {
        item->selected_ = false;
        --selCount_;
    }
    if (focused_ == item) focused_ = nullptr;
    if (anchor_ == item) anchor_ = nullptr;
}

void TCustomListView::ItemTextChanged(TListItem* item, const AnsiString* newCaption)
{
    const bool updating = items_->Updating();
    if (newCaption != nullptr) {
        if (!updating && !CanChange(item, ctText)) return;
        item->caption_ = *newCaption;
        if (SortsByText()) KeepSorted(item);
    }
    if (updating) return;
    Change(item, ctText);
    Invalidate();
}

void TCustomListView::ItemDataChanged(TListItem* item)
{
    if (SortsByData()) KeepSorted(item);
}

void TCustomListView::ItemImageChanged(TListItem* item)
{
    if (items_->Updating()) return;
    Change(item, ctImage);
    Invalidate();
}

void TCustomListView::UpdateEnded()
{
    if (sortPending_) SortNow(nullptr, 0);
    Invalidate();
}

// ---- sorting ---------------------------------------------------------------

int TCustomListView::DefaultCompare(TListItem* a, TListItem* b) const
{
    if (OnCompare) {
        int result = 0;
        OnCompare(const_cast<TCustomListView*>(this), a, b, 0, result);
        return result;
    }
    if (sortType_ == stData) {
        const auto da = reinterpret_cast<uintptr_t>(a->data_);
        const auto db = reinterpret_cast<uintptr_t>(b->data_);
        return da == db ? 0 : (da < db ? -1 : 1);
    }
    return CompareTextAscii(a->caption_, b->caption_);
}

int TCustomListView::CompareItems(TListItem* a, TListItem* b, const TLVCompare& compare, intptr_t data) const
{
    return compare ? compare(a, b, data) : DefaultCompare(a, b);
}

void TCustomListView::SortNow(const TLVCompare& compare, intptr_t data)
{
    sortPending_ = false;
    auto& v = items_->items_;
    std::stable_sort(v.begin(), v.end(), [&](const std::unique_ptr<TListItem>& a, const std::unique_ptr<TListItem>& b) {
        return CompareItems(a.get(), b.get(), compare, data) < 0;
    });
    items_->Renumber();
    Invalidate();
}

bool TCustomListView::AlphaSort()
{
    if (items_->Updating()) {
        sortPending_ = true;
        return true;
    }
    SortNow(nullptr, 0);
    return true;
}

bool TCustomListView::CustomSort(const TLVCompare& compare, intptr_t data)
{
    SortNow(compare, data);
    return true;
}

void TCustomListView::KeepSorted(TListItem* item)
{
    if (items_->Updating()) {
        sortPending_ = true;
        return;
    }
    auto& v = items_->items_;
    const int at = items_->IndexOf(item);
    if (at < 0) return;
    std::unique_ptr<TListItem> moving = std::move(v[static_cast<size_t>(at)]);
    v.erase(v.begin() + at);
    using Slot = std::unique_ptr<TListItem>;
    auto place = std::upper_bound(v.begin(), v.end(), moving,
                                  [&](const Slot& a, const Slot& b) { return DefaultCompare(a.get(), b.get()) < 0; });
    moving->index_ = static_cast<int>(place - v.begin());
    v.insert(place, std::move(moving));
}

// ---- in-place editing --------------------------------------------------------

bool TCustomListView::EditCaption(TListItem* item)
{
    if (item == nullptr || item->owner_ != items_.get() || readOnly_) return false;
    if (editing_ == item) return true;
    if (editing_ != nullptr) EndEditCaption(true);
    if (item->owner_ != items_.get() || items_->IndexOf(item) < 0) return false;
    bool allow = true;
    OnEditing(this, item, allow);
    if (!allow) return false;
    editing_ = item;
    editText_ = item->caption_;
    return true;
}

void TCustomListView::EndEditCaption(bool accept)
{
    TListItem* item = editing_;
    if (item == nullptr) return;
    editing_ = nullptr;
    if (!accept) return;
    AnsiString text = editText_;
    const TControlLink alive = Link();
    // A handler that deletes the item ends the edit without a caption to set
    // (ItemDeleting forgets the item).
    committing_ = item;
    OnEdited(this, item, text);
    if (!alive) return;
    const bool stillThere = committing_ == item;
    committing_ = nullptr;
    if (stillThere) item->SetCaption(text);
}

AnsiString TCustomListView::GetTextBuf() const { return editing_ != nullptr ? editText_ : TWinControl::GetTextBuf(); }

void TCustomListView::SetTextBuf(const AnsiString& s)
{
    if (editing_ != nullptr)
        editText_ = s;
    else
        TWinControl::SetTextBuf(s);
}

void TCustomListView::DoExit()
{
    // Leaving commits the edit; a list that is being freed drops it.
    EndEditCaption(!IsDestroying());
    TWinControl::DoExit();
}

// ---- geometry ----------------------------------------------------------------

int TCustomListView::RowHeight() const { return Canvas()->TextHeight("Wg") + 4; }

int TCustomListView::HeaderHeight() const
{
    return viewStyle_ == vsReport && showColumnHeaders_ ? RowHeight() + 2 : 0;
}

int TCustomListView::VisibleRows() const
{
    if (viewStyle_ == vsIcon) return std::max(1, ClientWidth() / kIconCellWidth);
    return std::max(1, (ClientHeight() - HeaderHeight()) / RowHeight());
}

TRect TCustomListView::ItemRect(const TListItem* item) const
{
    const int index = items_->IndexOf(item);
    if (index < 0) return TRect{};
    if (viewStyle_ == vsIcon) {
        const int perRow = std::max(1, ClientWidth() / kIconCellWidth);
        return Bounds((index % perRow) * kIconCellWidth, (index / perRow) * kIconCellHeight, kIconCellWidth, kIconCellHeight);
    }
    int width = ClientWidth();
    if (viewStyle_ == vsReport && columns_->Count() > 0) {
        width = 0;
        for (int i = 0; i < columns_->Count(); ++i) width += columns_->Items(i)->Width();
    }
    return Bounds(0, HeaderHeight() + index * RowHeight(), width, RowHeight());
}

TListItem* TCustomListView::GetItemAt(int x, int y) const
{
    if (x < 0 || y < 0) return nullptr;
    int index = -1;
    if (viewStyle_ == vsIcon) {
        const int perRow = std::max(1, ClientWidth() / kIconCellWidth);
        if (x / kIconCellWidth >= perRow) return nullptr;
        index = (y / kIconCellHeight) * perRow + x / kIconCellWidth;
    } else {
        if (y < HeaderHeight()) return nullptr;
        index = (y - HeaderHeight()) / RowHeight();
        if (viewStyle_ == vsReport && columns_->Count() > 0) {
            // Without RowSelect only the first column is the item.
            int limit = 0;
            for (int i = 0; i < (rowSelect_ ? columns_->Count() : 1); ++i) limit += columns_->Items(i)->Width();
            if (x >= limit) return nullptr;
        }
    }
    return index < items_->Count() ? items_->items_[static_cast<size_t>(index)].get() : nullptr;
}

TListColumn* TCustomListView::GetColumnAt(int x, int y) const
{
    if (y < 0 || y >= HeaderHeight() || x < 0) return nullptr;
    int left = 0;
    for (int i = 0; i < columns_->Count(); ++i) {
        TListColumn* c = columns_->Items(i);
        left += c->Width();
        if (x < left) return c;
    }
    return nullptr;
}

int TCustomListView::ColumnContentWidth(int column, bool withHeader) const
{
    const TCanvas* canvas = Canvas();
    int width = 0;
    for (const auto& item : items_->items_) {
        const TStrings* sub = item->subItems_.get();
        if (column == 0)
            width = std::max(width, canvas->TextWidth(item->caption_));
        else if (column - 1 < sub->Count())
            width = std::max(width, canvas->TextWidth(sub->Get(column - 1)));
    }
    if (withHeader && column >= 0 && column < columns_->Count())
        width = std::max(width, canvas->TextWidth(columns_->Items(column)->Caption()));
    return width + kColumnTextMargin;
}

// ---- input ---------------------------------------------------------------------

void TCustomListView::MoveFocusBy(Word key, TShiftState shift)
{
    const int count = items_->Count();
    if (count == 0) return;
    const int current = focused_ != nullptr ? focused_->Index() : -1;
    const int page = VisibleRows();
    const bool grid = viewStyle_ != vsReport;
    int target = current;
    switch (key) {
    case VK_UP: target = current < 0 ? 0 : current - (viewStyle_ == vsIcon ? page : 1); break;
    case VK_DOWN: target = current < 0 ? 0 : current + (viewStyle_ == vsIcon ? page : 1); break;
    case VK_LEFT: target = current < 0 ? 0 : current - 1; break;
    case VK_RIGHT: target = current < 0 ? 0 : current + 1; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    case VK_PRIOR: target = current - page; break;
    case VK_NEXT: target = current + page; break;
    default: return;
    }
    if ((key == VK_LEFT || key == VK_RIGHT) && !grid) return;
    target = std::clamp(target, 0, count - 1);
    TListItem* item = items_->items_[static_cast<size_t>(target)].get();
    if (shift.Contains(ssCtrl) && multiSelect_)
        ChangeFocus(item);  // moves the focus only; Ctrl+Space then toggles
    else
        SelectFromInput(item, shift.Contains(ssShift), false);
}

void TCustomListView::KeyDown(Word& key, TShiftState shift)
{
    if (editing_ != nullptr) {
        // The editor has the keys: Enter commits, Esc cancels.
        if (key == VK_RETURN || key == VK_ESCAPE) {
            EndEditCaption(key == VK_RETURN);
            key = 0;
        }
        return;
    }
    const TControlLink alive = Link();
    TWinControl::KeyDown(key, shift);
    if (!alive || key == 0) return;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT: MoveFocusBy(key, shift); break;
    case VK_SPACE:
        if (focused_ == nullptr) break;
        if (checkboxes_)
            focused_->SetChecked(!focused_->checked_);
        else if (shift.Contains(ssCtrl) && multiSelect_)
            SelectFromInput(focused_, false, true);
        break;
    case VK_F2:
        if (focused_ != nullptr) EditCaption(focused_);
        break;
    default: break;
    }
}

void TCustomListView::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        const TControlLink alive = Link();
        EndEditCaption(true);
        if (!alive) return;
        if (TListColumn* column = GetColumnAt(x, y); column != nullptr) {
            if (columnClick_) ColumnClicked(column);
        } else if (TListItem* item = GetItemAt(x, y); item != nullptr) {
            if (checkboxes_ && x - ItemRect(item).Left < kCheckBoxWidth)
                item->SetChecked(!item->checked_);
            else
                SelectFromInput(item, shift.Contains(ssShift), shift.Contains(ssCtrl));
        } else if (!shift.Contains(ssCtrl)) {
            ClearSelection();
        }
        if (!alive) return;
    }
    TWinControl::MouseDown(button, shift, x, y);
}

}  // namespace qvn
