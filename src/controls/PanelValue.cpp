#include "controls/PanelValue.h"

#include "controls/OrinListView.h"
#include "controls/SelectPnl.h"
#include "platform/Exceptions.h"
#include "util/Fields.h"

namespace qvn {
namespace {

std::vector<std::string> SplitColumns(const std::string& piece)
{
    std::vector<std::string> columns;
    const int count = CountFields(piece, kPanelColumnSep);
    columns.reserve(static_cast<size_t>(count));
    size_t from = 0;
    for (int i = 0; i < count; ++i) {
        const size_t cut = piece.find(kPanelColumnSep[0], from);
        columns.push_back(piece.substr(from, cut == std::string::npos ? std::string::npos : cut - from));
        from = cut == std::string::npos ? piece.size() : cut + 1;
    }
    return columns;
}

void AppendRange(std::string& out, const TSelectPanel& panel)
{
    out += kPanelFieldSep;
    out += panel.BeginEdit()->Text();
    out += kPanelFieldSep;
    out += panel.EndEdit()->Text();
}

void AppendRows(std::string& out, const TSelectPanel& panel)
{
    out += kPanelFieldSep;
    out += WritePanelRows(*panel.ItemList()->Items());
}

}  // namespace

std::string WritePanelRows(const TListItems& rows)
{
    std::string out;
    for (int i = 0; i < rows.Count(); ++i) {
        const TListItem* row = rows.Item(i);
        out += row->Caption();
        const TStrings* sub = row->SubItems();
        for (int k = 0; k < sub->Count(); ++k) {
            out += kPanelColumnSep;
            out += sub->Get(k);
        }
        out += kPanelRowEnd;
    }
    return out;
}

std::vector<std::vector<std::string>> SplitPanelRows(std::string_view rows)
{
    std::vector<std::vector<std::string>> result;
    size_t from = 0;
    while (from < rows.size()) {
        const size_t cut = rows.find(kPanelRowEnd[0], from);
        const std::string piece(rows.substr(from, cut == std::string_view::npos ? std::string_view::npos : cut - from));
        if (!piece.empty()) result.push_back(SplitColumns(piece));
        if (cut == std::string_view::npos) break;
        from = cut + 1;
    }
    return result;
}

bool ReadPanelRows(TOrinListView& list, std::string_view rows)
{
    try {
        list.ClearItems();
        for (const auto& columns : SplitPanelRows(rows))
            if (!list.AddItem(columns)) return false;
        return true;
    } catch (...) {
        return false;
    }
}

// ---- the panel's value ---------------------------------------------------------------

std::string TSelectPanel::PanelValue() const
{
    std::string out = SelectStyleNames()[static_cast<size_t>(style_)];
    switch (style_) {
    case sp_Range: AppendRange(out, *this); break;
    case sp_Discrete: AppendRows(out, *this); break;
    case sp_UserChoice:
        out += kPanelFieldSep;
        out += userChoice_ ? "True" : "False";
        if (userChoice_)
            AppendRange(out, *this);
        else
            AppendRows(out, *this);
        break;
    }
    return out;
}

void TSelectPanel::SetPanelValue(const std::string& value)
{
    const std::string style = GetField(value, kPanelFieldSep, 1);
    if (style == "sp_Range") {
        beginEdit_->SetText(GetField(value, kPanelFieldSep, 2));
        endEdit_->SetText(GetField(value, kPanelFieldSep, 3));
    } else if (style == "sp_Discrete") {
        if (!ReadPanelRows(*itemList_, GetField(value, kPanelFieldSep, 2))) throw Exception(kPanelValueError);
    } else if (style == "sp_UserChoice") {
        const std::string choice = GetField(value, kPanelFieldSep, 2);
        // Neither Boolean word: the value is not one the panel wrote; leave the panel as it is.
        if (choice != "True" && choice != "False") return;
        SetUserChoice(choice == "True");
        if (choice == "True") {
            beginEdit_->SetText(GetField(value, kPanelFieldSep, 3));
            endEdit_->SetText(GetField(value, kPanelFieldSep, 4));
        } else {
            ReadPanelRows(*itemList_, GetField(value, kPanelFieldSep, 3));
        }
    }
}

}  // namespace qvn
