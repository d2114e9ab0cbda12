#include "lang/LangPath.h"

#include <charconv>
#include <optional>
#include <vector>

#include "lang/LangElements.h"
#include "vcl/Component.h"
#include "vcl/PropAccess.h"
#include "vcl/Strings.h"

namespace qvn {
namespace {

// The most lines a language file may ask a list to grow to (a guard against
// absurd indexes; no screen list comes near it).
constexpr int kMaxLangListLine = 100000;

struct Segment {
    std::string_view name;
    std::optional<int> index;  // the N of "Name_N"
};

Segment ParseSegment(std::string_view text)
{
    const size_t underscore = text.rfind('_');
    if (underscore == std::string_view::npos || underscore == 0 || underscore + 1 == text.size()) return {text, {}};
    int n = 0;
    const char* first = text.data() + underscore + 1;
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, n);
    if (ec != std::errc() || ptr != last || n < 0) return {text, {}};
    return {text.substr(0, underscore), n};
}

std::vector<std::string_view> SplitPath(std::string_view path)
{
    std::vector<std::string_view> parts;
    while (true) {
        const size_t dot = path.find('.');
        parts.push_back(path.substr(0, dot));
        if (dot == std::string_view::npos) break;
        path.remove_prefix(dot + 1);
    }
    return parts;
}

bool IsIndexedListName(std::string_view name) { return name == "Items" || name == "Columns"; }

// One navigation step through "Items_N" / "Columns_N": an item of a collection,
// a column or item of a list view, a node of a tree view; otherwise the object
// property of that name. Nothing when the step cannot be taken.
TObject* NavigateIndexed(TObject* current, const Segment& seg)
{
    if (TObject* element = IndexedElement(current, seg.name, *seg.index); element != nullptr) return element;
    if (IndexedContainerKnows(current, seg.name)) return current;  // index past the end: unchanged
    return GetObjectPropByName(current, std::string(seg.name));
}

void SetListLine(TObject* owner, std::string_view listName, int line, const std::string& value)
{
    auto* list = dynamic_cast<TStrings*>(GetObjectPropByName(owner, std::string(listName)));
    if (list == nullptr || line > kMaxLangListLine) return;
    while (list->Count() <= line) list->Add("");
    list->Put(line, value);
}

}  // namespace

void ApplyLangPath(TComponent* component, std::string_view path, const std::string& value)
{
    if (component == nullptr || path.empty()) return;
    try {
        const std::vector<std::string_view> parts = SplitPath(path);
        TObject* current = component;
        for (size_t i = 0; i + 1 < parts.size(); ++i) {
            const Segment seg = ParseSegment(parts[i]);
            TObject* next = nullptr;
            if (seg.index) {
                if (!IsIndexedListName(seg.name)) break;  // any other indexed name ends the walk
                next = NavigateIndexed(current, seg);
            } else {
                next = GetObjectPropByName(current, std::string(seg.name));
            }
            if (next == nullptr) return;
            current = next;
        }
        const Segment last = ParseSegment(parts.back());
        if (current == component && last.index) {
            SetListLine(component, last.name, *last.index, value);
            return;
        }
        if (SetElementText(current, last.name, value)) return;
        TrySetPropPath(current, std::string(parts.back()), Variant(value));
    } catch (...) {
        // A failing assignment is ignored; the next attribute goes on.
    }
}

}  // namespace qvn
