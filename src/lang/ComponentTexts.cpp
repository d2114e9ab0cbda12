#include "lang/ComponentTexts.h"

#include "vcl/Collection.h"
#include "vcl/ComboBox.h"
#include "vcl/Grids.h"
#include "vcl/ListView.h"
#include "vcl/Menus.h"
#include "vcl/TabSet.h"
#include "vcl/TreeView.h"

namespace qvn {
namespace {

void ConvertTabSet(TTabSet* tabSet, const TextConversion& convert)
{
    const int index = tabSet->TabIndex();
    tabSet->Tabs()->SetText(convert(tabSet->Tabs()->Text()));
    tabSet->SetTabIndex(index);
}

void ConvertComboBox(TCustomComboBox* combo)
{
    if (combo->Style() != csSimple) combo->SetStyle(csOwnerDrawFixed);
    if (combo->ItemIndex() < 0 && combo->Items()->Count() > 0) combo->SetItemIndex(0);
}

void ConvertTreeView(TCustomTreeView* tree, const TextConversion& convert)
{
    TTreeNodes* nodes = tree->Items();
    for (int i = 0; i < nodes->Count(); ++i) nodes->Item(i)->SetText(convert(nodes->Item(i)->Text()));
}

void ConvertStringGrid(TStringGrid* grid, const TextConversion& convert)
{
    for (int r = 0; r < grid->RowCount(); ++r)
        for (int c = 0; c < grid->ColCount(); ++c) {
            const AnsiString text = grid->Cells(c, r);
            if (!text.empty()) grid->SetCells(c, r, convert(text));
        }
}

}  // namespace

void ConvertListViewTexts(TCustomListView* listView, const TextConversion& convert)
{
    if (listView == nullptr) return;
    TListColumns* columns = listView->Columns();
    for (int i = 0; i < columns->Count(); ++i) columns->Items(i)->SetCaption(convert(columns->Items(i)->Caption()));
    TListItems* items = listView->Items();
    items->BeginUpdate();
    for (int i = 0; i < items->Count(); ++i) {
        TListItem* item = items->Item(i);
        item->SetCaption(convert(item->Caption()));
        // Sub-item k lies under column k + 1; the others are not shown and stay.
        TStrings* sub = item->SubItems();
        for (int k = 0; k < sub->Count() && k + 1 < columns->Count(); ++k) sub->Put(k, convert(sub->Get(k)));
    }
    items->EndUpdate();
}

void ConvertComponentTexts(TComponent* component, uint8_t d, const TextConversion& convert)
{
    const bool texts = d == 1 || d == 2;
    if (auto* listView = dynamic_cast<TCustomListView*>(component)) {
        if (texts) ConvertListViewTexts(listView, convert);
    } else if (auto* tabSet = dynamic_cast<TTabSet*>(component)) {
        if (texts) ConvertTabSet(tabSet, convert);
    } else if (auto* own = dynamic_cast<ITextConvertible*>(component)) {
        if (texts) own->ConvertOwnTexts(convert);
    } else if (auto* combo = dynamic_cast<TCustomComboBox*>(component)) {
        if (component->ClassName() == "TComboBox") ConvertComboBox(combo);
    } else if (auto* menu = dynamic_cast<TMenu*>(component)) {
        menu->SetOwnerDraw(true);
    } else if (auto* tree = dynamic_cast<TCustomTreeView*>(component)) {
        if (texts) ConvertTreeView(tree, convert);
    } else if (auto* grid = dynamic_cast<TStringGrid*>(component)) {
        if (texts) ConvertStringGrid(grid, convert);
    }
}

void ForEachCollectionItem(TObject* collection, const std::function<void(TObject*)>& fn)
{
    auto* c = dynamic_cast<TCollection*>(collection);
    if (c == nullptr) return;
    for (int i = 0; i < c->Count(); ++i) fn(c->Items(i));
}

}  // namespace qvn
