#pragma once
// The indexed elements a language file can address: items of a collection,
// columns and items of a list view, nodes of a tree view (by absolute index).

#include <string>
#include <string_view>

namespace qvn {

class TObject;

// The element "Items"/"Columns" number index of container; nullptr when the
// container has no such list or the index is past its end.
TObject* IndexedElement(TObject* container, std::string_view listName, int index);
// Whether container has a list of that name that an index addresses (so an index
// past the end leaves the walk where it is).
bool IndexedContainerKnows(const TObject* container, std::string_view listName);
// Sets the text of a list item ("Caption") or a tree node ("Text"); false for
// anything else.
bool SetElementText(TObject* element, std::string_view property, const std::string& value);

}  // namespace qvn
