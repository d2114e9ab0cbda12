#pragma once
// Collections: an ordered list of items of one class, each knowing its
// collection and its position. The collection owns its items. Changes are
// reported to the collection's Update hook (the owning control repaints or
// re-lays out there); between BeginUpdate and EndUpdate the reports are held
// back and one report follows the outermost EndUpdate.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vcl/Component.h"

namespace qvn {

class TCollection;

class TCollectionItem : public TPersistent {
    QVN_CLASS_INFO()
public:
    explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
    ~TCollectionItem() override = default;

    TCollection* Collection() const { return collection_; }
    // Position in the collection (-1 when in none). Setting moves the item (clamped).
    int Index() const;
    void SetIndex(int index);
    // A number that stays with the item while it lives (unlike its index).
    int ID() const { return id_; }
    virtual std::string DisplayName() const { return ClassName(); }

protected:
    // Tells the collection this item changed (all items when allItems).
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_;
    int id_ = 0;
};

class TCollection : public TPersistent {
    QVN_CLASS_INFO()
public:
    using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;
    // owner: the object the collection belongs to (a control, say); not owned.
    TCollection(TPersistent* owner, ItemFactory factory);
    ~TCollection() override;

    TPersistent* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError "List index out of bounds (N)" out of range.
    TCollectionItem* Items(int index) const;
    TCollectionItem* operator[](int index) const { return Items(index); }
    // nullptr out of range.
    TCollectionItem* FindItemByIndex(int index) const;
    TCollectionItem* FindItemID(int id) const;

    TCollectionItem* Add();
    // index 0..Count; raises EListError otherwise.
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    void Move(int curIndex, int newIndex);
    int IndexOf(const TCollectionItem* item) const;

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Replaces the items with copies of source's (same item class expected:
    // each new item Assigns from its counterpart).
    void Assign(const TPersistent& source) override;

protected:
    // A change happened: item changed (nullptr: the list itself changed).
    // Runs at once outside updates, once after the outermost EndUpdate inside.
    virtual void Update(TCollectionItem* item) { (void)item; }
    // An item was added (opInsert) or is about to go (opRemove).
    virtual void Notify(TCollectionItem* item, TOperation operation)
    {
        (void)item;
        (void)operation;
    }
    void Changed(TCollectionItem* item = nullptr);

private:
    friend class TCollectionItem;
    void CheckIndex(int index) const;

    TPersistent* owner_;
    ItemFactory factory_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
    int nextId_ = 0;
    int updateCount_ = 0;
    bool changedInUpdate_ = false;
};

// A collection of one item class with typed access (TTypedCollection<TListColumn>).
template <typename Item>
class TTypedCollection : public TCollection {
public:
    explicit TTypedCollection(TPersistent* owner)
        : TCollection(owner, [](TCollection* c) -> std::unique_ptr<TCollectionItem> { return std::make_unique<Item>(c); })
    {
    }
    Item* Add() { return static_cast<Item*>(TCollection::Add()); }
    Item* Insert(int index) { return static_cast<Item*>(TCollection::Insert(index)); }
    Item* Items(int index) const { return static_cast<Item*>(TCollection::Items(index)); }
    Item* operator[](int index) const { return Items(index); }
};

}  // namespace qvn
