#pragma once
// TOrinListView: the selection panel's list of chosen rows. Rows arrive one
// at a time from lookups (tens of thousands of them), so AddItem keeps the
// list padded, free of neighbouring duplicates, sorted and its columns sized
// with constant work per row: it remembers the cell lengths per column and
// that the list was already clean before the row came. Changes made to the
// rows behind its back (through Items) are noticed and paid for once, on the
// next AddItem or AutoSizeColumns.

#include <map>
#include <string>
#include <vector>

#include "controls/SelectTypes.h"
#include "vcl/ListView.h"

namespace qvn {

class TOrinListView : public TListView {
    QVN_CLASS_INFO()
public:
    explicit TOrinListView(TComponent* owner);

    bool ColumnsAutoSize() const { return columnsAutoSize_; }
    void SetColumnsAutoSize(bool on) { columnsAutoSize_ = on; }

    // Appends one row: values[0] the caption, the rest its sub-items. Adds
    // the columns "Data1", "Data2", ... it lacks, pads every row to the same
    // number of sub-items, removes neighbouring duplicates and sizes the
    // columns (with ColumnsAutoSize). False for no values or when the append
    // failed (what was added before the failure stays).
    bool AddItem(const std::vector<std::string>& values);
    // Deletes every row.
    void ClearItems();
    // Column k gets the width of "W" times the longest text (in bytes) of
    // its caption and its cells.
    void AutoSizeColumns();

    // Keeping the rows sorted (by the row order below) or not.
    bool SortListBox() const { return sortListBox_; }
    void SetSortListBox(bool on);
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return sortAscending_; }
    void SetSortOrder(int column, bool ascending);
    // Sorts now by the row order.
    void SortRows();

    TCheckDuplicate CheckDuplicate() const { return checkDuplicate_; }
    void SetCheckDuplicate(TCheckDuplicate rule);
    // From the last row to the second: a row whose caption equals the one
    // before it is deleted.
    void RemoveDuplicates();
    // Deletes the selected rows.
    void DeleteSelected();

protected:
    void Change(TListItem* item, TItemChange change) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    // Lengths of one column's cells: length -> number of cells, so the longest
    // is known after any deletion.
    using LengthCounts = std::map<size_t, int>;

    void CompareForSort(TObject* sender, TListItem* a, TListItem* b, int data, int& compare);
    void AddMissingColumns(size_t count);
    int SortedPlace(const std::vector<std::string>& values) const;
    TListItem* InsertRow(const std::vector<std::string>& values, int place);
    void PadRowsTo(int subItems);
    void RemoveNeighbourDuplicatesOf(TListItem* row);
    void DeleteRow(int index);
    void CountCells(const TListItem& row, int delta);
    void SyncWithRows();
    void ApplyColumnWidths();
    bool ChangedBehindOurBack() const;

    bool columnsAutoSize_ = true;
    TCheckDuplicate checkDuplicate_ = cd_None;
    int sortColumn_ = 0;
    bool sortAscending_ = true;
    std::vector<LengthCounts> cellLengths_;  // per column
    int subItemCount_ = 0;                   // every row holds this many sub-items...
    bool padPending_ = false;                // ...unless rows changed behind our back were shorter
    int knownRows_ = 0;                      // the row count our own changes left
    bool rowsTouched_ = false;               // row texts changed by someone else
    bool mayHoldDuplicates_ = false;         // neighbours were not compared under the current rule
    int ownChanges_ = 0;                     // nesting of our own row changes
    bool sortListBox_ = false;  // the list's own sort type stays stNone: AddItem places each row itself
};

}  // namespace qvn
