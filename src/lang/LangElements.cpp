#include "lang/LangElements.h"

namespace qvn {

TObject* IndexedElement(TObject*, std::string_view, int) { return nullptr; }

bool IndexedContainerKnows(const TObject*, std::string_view) { return false; }

bool SetElementText(TObject*, std::string_view, const std::string&) { return false; }

}  // namespace qvn
