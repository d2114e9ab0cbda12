#pragma once
// The texts particular kinds of components keep beyond their published
// properties (list view columns and items, tab lists, tree nodes, grid cells,
// the selection panel's word lists...), converted for a whole-form conversion.

#include <functional>
#include <string>

namespace qvn {

class TComponent;
class TObject;

using TextConversion = std::function<std::string(const std::string&)>;

// Applies the first matching kind rule to the component; direction d is the
// form's UI conversion kind (menus turn owner-drawn for any d).
void ConvertComponentTexts(TComponent* component, uint8_t d, const TextConversion& convert);

// Calls fn for every item of a collection object (nothing for anything else).
void ForEachCollectionItem(TObject* collection, const std::function<void(TObject*)>& fn);

}  // namespace qvn
