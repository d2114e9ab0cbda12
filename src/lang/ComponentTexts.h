#pragma once
// The texts particular kinds of components keep beyond their published
// properties (list view columns and items, tab lists, tree nodes, grid cells),
// converted for a whole-form conversion. A component of the program's own with
// such texts (the selection panel, an aligned grid) implements
// ITextConvertible and converts its own.

#include <cstdint>
#include <functional>
#include <string>

namespace qvn {

class TComponent;
class TObject;
class TCustomListView;

using TextConversion = std::function<std::string(const std::string&)>;

class ITextConvertible {
public:
    virtual ~ITextConvertible() = default;
    // Converts the component's own texts (word lists, inner lists) with convert.
    virtual void ConvertOwnTexts(const TextConversion& convert) = 0;
};

// Applies the first matching kind rule to the component; d is the form's UI
// conversion kind (texts change only for 1 and 2; menus turn owner-drawn for any d).
void ConvertComponentTexts(TComponent* component, uint8_t d, const TextConversion& convert);

// Every column caption, item caption and sub-item under a column of a list view.
void ConvertListViewTexts(TCustomListView* listView, const TextConversion& convert);

// Calls fn for every item of a collection object (nothing for anything else).
void ForEachCollectionItem(TObject* collection, const std::function<void(TObject*)>& fn);

}  // namespace qvn
