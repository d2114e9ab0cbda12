#include "vcl/Collection.h"

#include <algorithm>

#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TCollectionItem, TPersistent)
QVN_DEFINE_CLASS_INFO(TCollection, TPersistent)

int TCollectionItem::Index() const { return collection_ != nullptr ? collection_->IndexOf(this) : -1; }

void TCollectionItem::SetIndex(int index)
{
    if (collection_ == nullptr) return;
    const int count = collection_->Count();
    collection_->Move(Index(), std::clamp(index, 0, count - 1));
}

void TCollectionItem::Changed(bool allItems)
{
    if (collection_ != nullptr) collection_->Changed(allItems ? nullptr : this);
}

TCollection::TCollection(TPersistent* owner, ItemFactory factory) : owner_(owner), factory_(std::move(factory)) {}

TCollection::~TCollection()
{
    // Items die without reporting to a collection that is going away.
    updateCount_ = 1;
    items_.clear();
}

void TCollection::CheckIndex(int index) const
{
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

TCollectionItem* TCollection::Items(int index) const
{
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].get();
}

TCollectionItem* TCollection::FindItemByIndex(int index) const
{
    return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)].get() : nullptr;
}

TCollectionItem* TCollection::FindItemID(int id) const
{
    for (const auto& item : items_)
        if (item->id_ == id) return item.get();
    return nullptr;
}

int TCollection::IndexOf(const TCollectionItem* item) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return static_cast<int>(i);
    return -1;
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int index)
{
    if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    std::unique_ptr<TCollectionItem> item = factory_(this);
    item->collection_ = this;
    item->id_ = nextId_++;
    TCollectionItem* raw = item.get();
    items_.insert(items_.begin() + index, std::move(item));
    Notify(raw, TOperation::opInsert);
    Changed();
    return raw;
}

void TCollection::Delete(int index)
{
    CheckIndex(index);
    Notify(items_[static_cast<size_t>(index)].get(), TOperation::opRemove);
    items_.erase(items_.begin() + index);
    Changed();
}

void TCollection::Clear()
{
    if (items_.empty()) return;
    BeginUpdate();
    while (!items_.empty()) Delete(Count() - 1);
    EndUpdate();
}

void TCollection::Move(int curIndex, int newIndex)
{
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    if (curIndex == newIndex) return;
    std::unique_ptr<TCollectionItem> item = std::move(items_[static_cast<size_t>(curIndex)]);
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, std::move(item));
    Changed();
}

void TCollection::EndUpdate()
{
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0 && changedInUpdate_) {
        changedInUpdate_ = false;
        Update(nullptr);
    }
}

void TCollection::Changed(TCollectionItem* item)
{
    if (updateCount_ > 0) {
        changedInUpdate_ = true;
        return;
    }
    Update(item);
}

void TCollection::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TCollection*>(&source);
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

}  // namespace qvn
