#include "vcl/Strings.h"

#include <algorithm>

#include "platform/Format.h"

namespace qvn {
namespace {

int FoldAscii(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? u - 'a' + 'A' : u;
}

bool NeedsQuotes(std::string_view s)
{
    return std::any_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '"' || c == ','; });
}

std::string Quoted(std::string_view s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

void SkipBlanks(std::string_view text, size_t& pos)
{
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

// From the opening quote at pos to the closing one (doubled quotes stand for
// one); an unclosed quote takes the rest of the text.
std::string ExtractQuoted(std::string_view text, size_t& pos)
{
    std::string out;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == '"') {
            if (pos + 1 < text.size() && text[pos + 1] == '"') {
                out += '"';
                pos += 2;
                continue;
            }
            ++pos;
            break;
        }
        out += text[pos++];
    }
    return out;
}

}  // namespace

QVN_DEFINE_CLASS_INFO(TStrings, TPersistent)
QVN_DEFINE_CLASS_INFO(TStringList, TStrings)

// --- TStrings -------------------------------------------------------------

void TStrings::IndexError(int index) { throw EStringListError("List index out of bounds (" + IntToStr(index) + ")"); }

void TStrings::Error(const char* message) { throw EStringListError(message); }

void TStrings::Put(int index, const std::string& s)
{
    TObject* object = GetObject(index);
    BeginUpdate();
    try {
        Delete(index);
        InsertObject(index, s, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TObject* TStrings::GetObject(int index) const
{
    if (index < 0 || index >= Count()) IndexError(index);
    return nullptr;
}

void TStrings::PutObject(int index, TObject*)
{
    if (index < 0 || index >= Count()) IndexError(index);
}

int TStrings::AddObject(const std::string& s, TObject* object)
{
    const int index = Count();
    InsertObject(index, s, object);
    return index;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object)
{
    Insert(index, s);
    PutObject(index, object);
}

void TStrings::AddStrings(const TStrings& source)
{
    if (&source == this) return;
    BeginUpdate();
    try {
        for (int i = 0; i < source.Count(); ++i) AddObject(source.Get(i), source.GetObject(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Exchange(int index1, int index2)
{
    if (index1 == index2) {
        if (index1 < 0 || index1 >= Count()) IndexError(index1);
        return;
    }
    BeginUpdate();
    try {
        const std::string s1 = Get(index1);
        TObject* o1 = GetObject(index1);
        const std::string s2 = Get(index2);
        TObject* o2 = GetObject(index2);
        Put(index1, s2);
        PutObject(index1, o2);
        Put(index2, s1);
        PutObject(index2, o1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex) return;
    if (newIndex < 0 || newIndex >= Count()) IndexError(newIndex);
    BeginUpdate();
    try {
        const std::string s = Get(curIndex);
        TObject* object = GetObject(curIndex);
        Delete(curIndex);
        InsertObject(newIndex, s, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const
{
    if (caseSensitive_) return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = FoldAscii(a[i]), cb = FoldAscii(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int TStrings::IndexOf(std::string_view s) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), s) == 0) return i;
    return -1;
}

int TStrings::IndexOfName(std::string_view name) const
{
    for (int i = 0; i < Count(); ++i) {
        const std::string line = Get(i);
        const size_t eq = line.find('=');
        if (eq != std::string::npos && CompareStrings(std::string_view(line).substr(0, eq), name) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object) return i;
    return -1;
}

std::string TStrings::Names(int index) const
{
    const std::string line = Get(index);
    const size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStrings::Values(std::string_view name) const
{
    const int index = IndexOfName(name);
    if (index < 0) return std::string();
    const std::string line = Get(index);
    return line.substr(line.find('=') + 1);
}

void TStrings::SetValues(std::string_view name, const std::string& value)
{
    const int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    const std::string line = std::string(name) + "=" + value;
    if (index < 0)
        Add(line);
    else
        Put(index, line);
}

std::string TStrings::Text() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(std::string_view text)
{
    BeginUpdate();
    try {
        Clear();
        size_t pos = 0;
        while (pos < text.size()) {
            const size_t end = text.find_first_of("\r\n", pos);
            if (end == std::string_view::npos) {
                Add(std::string(text.substr(pos)));
                break;
            }
            Add(std::string(text.substr(pos, end - pos)));
            pos = end;
            if (text[pos] == '\r') ++pos;
            if (pos < text.size() && text[pos] == '\n') ++pos;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TStrings::CommaText() const
{
    const int count = Count();
    if (count == 1 && Get(0).empty()) return "\"\"";
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += ',';
        const std::string s = Get(i);
        text += NeedsQuotes(s) ? Quoted(s) : s;
    }
    return text;
}

void TStrings::SetCommaText(std::string_view text)
{
    BeginUpdate();
    try {
        Clear();
        size_t pos = 0;
        SkipBlanks(text, pos);
        while (pos < text.size()) {
            if (text[pos] == '"') {
                Add(ExtractQuoted(text, pos));
            } else {
                const size_t start = pos;
                while (pos < text.size() && static_cast<unsigned char>(text[pos]) > ' ' && text[pos] != ',') ++pos;
                Add(std::string(text.substr(start, pos - start)));
                // A control character outside quotes ends the item and is dropped.
                if (pos < text.size() && text[pos] == '\0') ++pos;
            }
            SkipBlanks(text, pos);
            if (pos < text.size() && text[pos] == ',') {
                ++pos;
                SkipBlanks(text, pos);
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::BeginUpdate()
{
    if (updateCount_++ == 0) changedInUpdate_ = false;
}

void TStrings::EndUpdate()
{
    if (updateCount_ == 0) return;
    if (--updateCount_ > 0 || !changedInUpdate_) return;
    changedInUpdate_ = false;
    OnChange(this);
}

void TStrings::Changing()
{
    if (updateCount_ == 0) {
        OnChanging(this);
    } else if (!changedInUpdate_) {
        changedInUpdate_ = true;
        OnChanging(this);
    }
}

void TStrings::Changed()
{
    if (updateCount_ == 0) OnChange(this);
}

void TStrings::Assign(const TPersistent& source)
{
    const auto* strings = dynamic_cast<const TStrings*>(&source);
    if (strings == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this) return;
    BeginUpdate();
    try {
        Clear();
        AddStrings(*strings);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

bool TStrings::Equals(const TStrings& other) const
{
    if (Count() != other.Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != other.Get(i)) return false;
    return true;
}

// --- TStringList ----------------------------------------------------------

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count()) IndexError(index);
}

std::string TStringList::Get(int index) const
{
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const std::string& s)
{
    if (sorted_) Error("Operation not allowed on sorted string list");
    CheckIndex(index);
    Changing();
    items_[static_cast<size_t>(index)].text = s;
    Changed();
}

TObject* TStringList::GetObject(int index) const
{
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObject(int index, TObject* object)
{
    CheckIndex(index);
    Changing();
    items_[static_cast<size_t>(index)].object = object;
    Changed();
}

int TStringList::AddObject(const std::string& s, TObject* object)
{
    int index = Count();
    if (sorted_ && Find(s, index)) {
        if (duplicates_ == dupIgnore) return index;
        if (duplicates_ == dupError) Error("String list does not allow duplicates");
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::InsertObject(int index, const std::string& s, TObject* object)
{
    if (sorted_) Error("Operation not allowed on sorted string list");
    if (index < 0 || index > Count()) IndexError(index);
    InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object)
{
    Changing();
    items_.insert(items_.begin() + index, Item{s, object});
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (items_.empty()) return;
    Changing();
    items_.clear();
    Changed();
}

void TStringList::Exchange(int index1, int index2)
{
    // Swapping two lines of a sorted list would break the order Find relies on.
    if (sorted_) Error("Operation not allowed on sorted string list");
    CheckIndex(index1);
    CheckIndex(index2);
    if (index1 == index2) return;
    Changing();
    std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
    Changed();
}

int TStringList::IndexOf(std::string_view s) const
{
    if (!sorted_) return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(std::string_view s, int& index) const
{
    int low = 0;
    int high = Count() - 1;
    bool found = false;
    while (low <= high) {
        const int mid = low + (high - low) / 2;
        const int c = CompareStrings(items_[static_cast<size_t>(mid)].text, s);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) found = true;  // keep going left: the first of equal lines
        }
    }
    index = low;
    return found;
}

void TStringList::SetSorted(bool value)
{
    if (value == sorted_) return;
    if (value) Sort();
    sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (value == CaseSensitive()) return;
    TStrings::SetCaseSensitive(value);
    if (sorted_) Sort();
}

void TStringList::Sort()
{
    CustomSort([](TStringList& list, int a, int b) {
        return list.CompareStrings(list.items_[static_cast<size_t>(a)].text, list.items_[static_cast<size_t>(b)].text);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& compare)
{
    if (Count() < 2 || !compare) return;
    Changing();
    QuickSort(0, Count() - 1, compare);
    Changed();
}

// Works on positions, as the comparison may look at the list by index.
void TStringList::QuickSort(int low, int high, const TStringListSortCompare& compare)
{
    while (low < high) {
        int i = low;
        int j = high;
        int pivot = low + (high - low) / 2;
        while (i <= j) {
            // Bounded, so an inconsistent comparison cannot walk off the list.
            while (i < high && compare(*this, i, pivot) < 0) ++i;
            while (j > low && compare(*this, j, pivot) > 0) --j;
            if (i <= j) {
                if (i != j) std::swap(items_[static_cast<size_t>(i)], items_[static_cast<size_t>(j)]);
                if (pivot == i)
                    pivot = j;
                else if (pivot == j)
                    pivot = i;
                ++i;
                --j;
            }
        }
        if (low < j) QuickSort(low, j, compare);
        low = i;
    }
}

}  // namespace qvn
