#include "controls/RowOrder.h"

#include "vcl/ListView.h"

namespace qvn {
namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

unsigned char FoldAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

}  // namespace

int CompareTextIgnoringCase(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    bool trail = false;  // both texts agree up to here, so a lead byte leads in both
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (!trail) {
            ca = FoldAscii(ca);
            cb = FoldAscii(cb);
        }
        if (ca != cb) return ca < cb ? -1 : 1;
        trail = !trail && IsLeadByte(ca);
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string RowColumnText(const TListItem& row, int column)
{
    if (column <= 0) return row.Caption();
    const TStrings* sub = row.SubItems();
    return column - 1 < sub->Count() ? sub->Get(column - 1) : std::string();
}

int CompareRows(const TListItem& a, const TListItem& b, int sortColumn, bool ascending)
{
    return CompareRowTexts([&](int c) { return RowColumnText(a, c); }, [&](int c) { return RowColumnText(b, c); },
                           sortColumn, ascending);
}

bool SameCaption(std::string_view a, std::string_view b, TCheckDuplicate rule)
{
    switch (rule) {
    case cd_CheckCase: return a == b;
    case cd_CaseInsensitive: return a.size() == b.size() && CompareTextIgnoringCase(a, b) == 0;
    default: return false;
    }
}

}  // namespace qvn
