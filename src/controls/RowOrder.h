#pragma once
// The order of a selection panel's list rows: by one column's text without
// regard to case, ties broken by the caption and then by column 1; and the
// caption equality its duplicate-row rule uses.

#include <string>
#include <string_view>

#include "controls/SelectTypes.h"

namespace qvn {

class TListItem;

// Case-insensitive for single-byte letters; both bytes of a double-byte
// character compare exactly (a trail byte is never folded).
int CompareTextIgnoringCase(std::string_view a, std::string_view b);

// Text of column 0 (the caption) or k >= 1 (sub-item k - 1, empty when missing).
std::string RowColumnText(const TListItem& row, int column);

// Orders two rows given as column readers (column index -> text).
template <typename ColumnA, typename ColumnB>
int CompareRowTexts(const ColumnA& a, const ColumnB& b, int sortColumn, bool ascending)
{
    const int tieBreak[2] = {0, 1};
    int result = CompareTextIgnoringCase(a(sortColumn), b(sortColumn));
    for (int column : tieBreak) {
        if (result != 0) break;
        if (column != sortColumn) result = CompareTextIgnoringCase(a(column), b(column));
    }
    return ascending ? result : -result;
}

int CompareRows(const TListItem& a, const TListItem& b, int sortColumn, bool ascending);

// Captions that count as the same row under the rule (never for cd_None).
bool SameCaption(std::string_view a, std::string_view b, TCheckDuplicate rule);

}  // namespace qvn
