#include "vcl/Memo.h"

#include "vcl/PropTable.h"

namespace qvn {
namespace {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(text.substr(pos));
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end;
        if (text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
    }
    return lines;
}

}  // namespace

QVN_DEFINE_CLASS_INFO(TMemoStrings, TStrings)

int TMemoStrings::Count() const { return static_cast<int>(memo_.CachedLines().size()); }

std::string TMemoStrings::Get(int index) const
{
    const auto& lines = memo_.CachedLines();
    if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
    return lines[static_cast<size_t>(index)];
}

void TMemoStrings::Rewrite(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    Changing();
    memo_.SetText(text);
    Changed();
}

void TMemoStrings::Put(int index, const std::string& s)
{
    std::vector<std::string> lines = memo_.CachedLines();
    if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
    lines[static_cast<size_t>(index)] = s;
    Rewrite(lines);
}

void TMemoStrings::Insert(int index, const std::string& s)
{
    std::vector<std::string> lines = memo_.CachedLines();
    if (index < 0 || index > static_cast<int>(lines.size())) IndexError(index);
    lines.insert(lines.begin() + index, s);
    Rewrite(lines);
}

void TMemoStrings::Delete(int index)
{
    std::vector<std::string> lines = memo_.CachedLines();
    if (index < 0 || index >= static_cast<int>(lines.size())) IndexError(index);
    lines.erase(lines.begin() + index);
    Rewrite(lines);
}

void TMemoStrings::Clear()
{
    if (memo_.Text().empty()) return;
    Rewrite({});
}

QVN_DEFINE_CLASS_INFO(TCustomMemo, TCustomEdit)

QVN_DEFINE_CLASS_INFO(TMemo, TCustomMemo, [](TPropTable& t) {
    edit_props::Common(t);
    AddObjectProp<TCustomMemo, &TCustomMemo::Lines, &TCustomMemo::SetLines>(t, "Lines", "TStrings");
    AddEnumProp<TCustomMemo, &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars>(
        t, "ScrollBars", "TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
    AddBoolProp<TCustomMemo, &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns>(t, "WantReturns");
    AddBoolProp<TCustomMemo, &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs>(t, "WantTabs");
    AddBoolProp<TCustomMemo, &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap>(t, "WordWrap");
})

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(*this))
{
    SetAutoSize(false);
    SetBounds(Left(), Top(), 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

const std::vector<std::string>& TCustomMemo::CachedLines() const
{
    if (!cacheValid_) {
        cache_ = SplitLines(Text());
        cacheValid_ = true;
    }
    return cache_;
}

void TCustomMemo::TextChanged()
{
    cacheValid_ = false;
    TCustomEdit::TextChanged();
}

void TCustomMemo::SetWordWrap(bool on)
{
    if (on == wordWrap_) return;
    wordWrap_ = on;
    Invalidate();
}

void TCustomMemo::SetScrollBars(TScrollStyle s)
{
    if (s < ssNone || s > ssBoth || s == scrollBars_) return;
    scrollBars_ = s;
    Invalidate();
}

LRESULT TCustomMemo::DialogCode() const
{
    LRESULT code = DLGC_WANTARROWS;
    if (wantTabs_) code |= DLGC_WANTTAB;
    if (wantReturns_) code |= DLGC_WANTALLKEYS;
    return code;
}

}  // namespace qvn
