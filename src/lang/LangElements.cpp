#include "lang/LangElements.h"

#include "vcl/Collection.h"
#include "vcl/ListView.h"
#include "vcl/TreeView.h"

namespace qvn {

TObject* IndexedElement(TObject* container, std::string_view listName, int index)
{
    if (index < 0) return nullptr;
    if (auto* collection = dynamic_cast<TCollection*>(container))
        return index < collection->Count() ? collection->Items(index) : nullptr;
    if (auto* listView = dynamic_cast<TCustomListView*>(container)) {
        if (listName == "Columns") return index < listView->Columns()->Count() ? listView->Columns()->Items(index) : nullptr;
        if (listName == "Items") return index < listView->Items()->Count() ? listView->Items()->Item(index) : nullptr;
    }
    if (auto* treeView = dynamic_cast<TCustomTreeView*>(container); treeView != nullptr && listName == "Items")
        return index < treeView->Items()->Count() ? treeView->Items()->Item(index) : nullptr;
    return nullptr;
}

bool IndexedContainerKnows(const TObject* container, std::string_view listName)
{
    if (dynamic_cast<const TCollection*>(container) != nullptr) return true;
    if (dynamic_cast<const TCustomListView*>(container) != nullptr) return listName == "Columns" || listName == "Items";
    return dynamic_cast<const TCustomTreeView*>(container) != nullptr && listName == "Items";
}

bool SetElementText(TObject* element, std::string_view property, const std::string& value)
{
    if (auto* item = dynamic_cast<TListItem*>(element); item != nullptr && property == "Caption") {
        item->SetCaption(value);
        return true;
    }
    if (auto* node = dynamic_cast<TTreeNode*>(element); node != nullptr && property == "Text") {
        node->SetText(value);
        return true;
    }
    return false;
}

}  // namespace qvn
