#include "controls/OrinListView.h"

#include <algorithm>

#include "controls/RowOrder.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

// Marks the list's own row changes, so Change can tell them from changes made behind its back.
class OwnChange {
public:
    explicit OwnChange(int& depth) : depth_(depth) { ++depth_; }
    ~OwnChange() { --depth_; }
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;

private:
    int& depth_;
};

}  // namespace

QVN_DEFINE_CLASS_INFO(TOrinListView, TListView, [](TPropTable& t) {
    AddBoolProp<TOrinListView, &TOrinListView::ColumnsAutoSize, &TOrinListView::SetColumnsAutoSize>(t, "ColumnsAutoSize");
})

TOrinListView::TOrinListView(TComponent* owner) : TListView(owner)
{
    OnCompare = TLVCompareEvent::Of<&TOrinListView::CompareForSort>(this);
}

void TOrinListView::CompareForSort(TObject*, TListItem* a, TListItem* b, int, int& compare)
{
    compare = CompareRows(*a, *b, sortColumn_, sortAscending_);
}

// ---- adding rows -----------------------------------------------------------------

bool TOrinListView::AddItem(const std::vector<std::string>& values)
{
    if (values.empty()) return false;
    const OwnChange own(ownChanges_);
    try {
        if (ChangedBehindOurBack()) SyncWithRows();
        AddMissingColumns(values.size());
        PadRowsTo(std::max(subItemCount_, static_cast<int>(values.size()) - 1));
        TListItem* row = InsertRow(values, SortListBox() ? SortedPlace(values) : Items()->Count());
        CountCells(*row, +1);
        knownRows_ = Items()->Count();
        if (checkDuplicate_ == cd_None)
            mayHoldDuplicates_ = true;
        else if (mayHoldDuplicates_)
            RemoveDuplicates();
        else
            RemoveNeighbourDuplicatesOf(row);
        if (columnsAutoSize_) AutoSizeColumns();
        return true;
    } catch (...) {
        // Whatever got in stays; the bookkeeping is rebuilt from the rows next time.
        rowsTouched_ = true;
        return false;
    }
}

void TOrinListView::AddMissingColumns(size_t count)
{
    while (static_cast<size_t>(Columns()->Count()) < count)
        Columns()->Add()->SetCaption("Data" + std::to_string(Columns()->Count()));
}

int TOrinListView::SortedPlace(const std::vector<std::string>& values) const
{
    static const std::string kEmpty;
    auto valueAt = [&](int c) -> const std::string& {
        return c >= 0 && static_cast<size_t>(c) < values.size() ? values[static_cast<size_t>(c)] : kEmpty;
    };
    auto sortsBefore = [&](int index) {
        const TListItem& row = *Items()->Item(index);
        return CompareRowTexts(valueAt, [&](int c) { return RowColumnText(row, c); }, sortColumn_, sortAscending_) < 0;
    };
    // Lookups answer in key order: most rows belong at the end.
    const int count = Items()->Count();
    if (count == 0 || !sortsBefore(count - 1)) return count;
    // After every row it does not sort before, as the list's own sorting places a changed row.
    int low = 0, high = count - 1;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (sortsBefore(mid))
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

TListItem* TOrinListView::InsertRow(const std::vector<std::string>& values, int place)
{
    TListItem* row = Items()->Insert(place);
    TStrings* sub = row->SubItems();
    sub->BeginUpdate();
    for (size_t i = 1; i < values.size(); ++i) sub->Add(values[i]);
    while (sub->Count() < subItemCount_) sub->Add("");
    sub->EndUpdate();
    row->SetCaption(values[0]);
    return row;
}

void TOrinListView::PadRowsTo(int subItems)
{
    if (subItems <= subItemCount_ && !padPending_) return;
    subItemCount_ = std::max(subItems, subItemCount_);
    subItems = subItemCount_;
    padPending_ = false;
    for (int i = 0; i < Items()->Count(); ++i) {
        TStrings* sub = Items()->Item(i)->SubItems();
        if (sub->Count() >= subItems) continue;
        sub->BeginUpdate();
        while (sub->Count() < subItems) sub->Add("");
        sub->EndUpdate();
    }
}

// ---- duplicates ------------------------------------------------------------------

void TOrinListView::SetCheckDuplicate(TCheckDuplicate rule)
{
    if (rule == checkDuplicate_) return;
    checkDuplicate_ = rule;
    mayHoldDuplicates_ = true;
}

void TOrinListView::RemoveDuplicates()
{
    if (checkDuplicate_ == cd_None) return;
    const OwnChange own(ownChanges_);
    if (ChangedBehindOurBack()) SyncWithRows();
    for (int i = Items()->Count() - 1; i >= 1; --i)
        if (i < Items()->Count() && SameCaption(Items()->Item(i)->Caption(), Items()->Item(i - 1)->Caption(), checkDuplicate_))
            DeleteRow(i);
    mayHoldDuplicates_ = false;
}

// The list had no equal neighbours before row came, so only row's two neighbours can be equal to it.
void TOrinListView::RemoveNeighbourDuplicatesOf(TListItem* row)
{
    const int at = row->Index();
    if (at < 0) return;
    if (at + 1 < Items()->Count() && SameCaption(row->Caption(), Items()->Item(at + 1)->Caption(), checkDuplicate_))
        DeleteRow(at + 1);
    if (at > 0 && SameCaption(Items()->Item(at - 1)->Caption(), row->Caption(), checkDuplicate_)) DeleteRow(at);
}

void TOrinListView::DeleteRow(int index)
{
    CountCells(*Items()->Item(index), -1);
    Items()->Delete(index);
    knownRows_ = Items()->Count();
}

void TOrinListView::DeleteSelected()
{
    const OwnChange own(ownChanges_);
    if (ChangedBehindOurBack()) SyncWithRows();
    for (int i = 0; i < Items()->Count();) {
        if (Items()->Item(i)->Selected())
            DeleteRow(i);
        else
            ++i;
    }
    // Rows that were apart may now be neighbours.
    mayHoldDuplicates_ = true;
}

void TOrinListView::ClearItems()
{
    const OwnChange own(ownChanges_);
    Items()->Clear();
    cellLengths_.clear();
    subItemCount_ = 0;
    knownRows_ = 0;
    rowsTouched_ = false;
    mayHoldDuplicates_ = false;
}

// ---- sorting ---------------------------------------------------------------------

void TOrinListView::SetSortListBox(bool on)
{
    if (on == sortListBox_) return;
    sortListBox_ = on;
    if (on) SortRows();
}

void TOrinListView::SetSortOrder(int column, bool ascending)
{
    sortColumn_ = column;
    sortAscending_ = ascending;
}

void TOrinListView::SortRows()
{
    mayHoldDuplicates_ = true;
    CustomSort([this](TListItem* a, TListItem* b, intptr_t) { return CompareRows(*a, *b, sortColumn_, sortAscending_); });
}

// ---- column widths ---------------------------------------------------------------

void TOrinListView::CountCells(const TListItem& row, int delta)
{
    const TStrings* sub = row.SubItems();
    const size_t columns = static_cast<size_t>(sub->Count()) + 1;
    if (cellLengths_.size() < columns) cellLengths_.resize(columns);
    for (size_t c = 0; c < columns; ++c) {
        const size_t length = c == 0 ? row.Caption().size() : sub->Get(static_cast<int>(c - 1)).size();
        if (length == 0) continue;
        LengthCounts& counts = cellLengths_[c];
        if (delta > 0) {
            ++counts[length];
        } else if (auto it = counts.find(length); it != counts.end() && --it->second <= 0) {
            counts.erase(it);
        }
    }
}

void TOrinListView::AutoSizeColumns()
{
    if (ChangedBehindOurBack()) {
        const OwnChange own(ownChanges_);
        SyncWithRows();
    }
    ApplyColumnWidths();
}

void TOrinListView::ApplyColumnWidths()
{
    const int w = Canvas()->TextWidth("W");
    for (int c = 0; c < Columns()->Count(); ++c) {
        TListColumn* column = Columns()->Items(c);
        size_t longest = column->Caption().size();
        if (static_cast<size_t>(c) < cellLengths_.size() && !cellLengths_[static_cast<size_t>(c)].empty())
            longest = std::max(longest, cellLengths_[static_cast<size_t>(c)].rbegin()->first);
        // Absurdly long texts stay within what a width can hold.
        const int64_t width = std::min<int64_t>(static_cast<int64_t>(w) * static_cast<int64_t>(longest), INT32_MAX / 2);
        column->SetWidth(static_cast<int>(width));
    }
}

// ---- changes behind our back -----------------------------------------------------

bool TOrinListView::ChangedBehindOurBack() const { return rowsTouched_ || knownRows_ != Items()->Count(); }

void TOrinListView::SyncWithRows()
{
    cellLengths_.clear();
    subItemCount_ = 0;
    for (int i = 0; i < Items()->Count(); ++i) {
        const TListItem& row = *Items()->Item(i);
        subItemCount_ = std::max(subItemCount_, row.SubItems()->Count());
        CountCells(row, +1);
    }
    // Shorter rows wait for the next AddItem, which pads every row.
    padPending_ = false;
    for (int i = 0; i < Items()->Count() && !padPending_; ++i)
        padPending_ = Items()->Item(i)->SubItems()->Count() < subItemCount_;
    knownRows_ = Items()->Count();
    rowsTouched_ = false;
    mayHoldDuplicates_ = true;
}

void TOrinListView::Change(TListItem* item, TItemChange change)
{
    if (change == ctText && ownChanges_ == 0) {
        rowsTouched_ = true;
        // A row changed from outside: a sorting list sorts itself again, as the platform's list does.
        if (sortListBox_) {
            const OwnChange own(ownChanges_);
            SortRows();
        }
    }
    TListView::Change(item, change);
}

void TOrinListView::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && !Focused()) {
        const TControlLink alive = Link();
        if (CanFocus()) SetFocus();
        if (!alive || !Focused()) return;
    }
    TListView::MouseDown(button, shift, x, y);
}

}  // namespace qvn
