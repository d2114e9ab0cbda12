#pragma once
// Applies one attribute of a language file to a component: the attribute name
// is a property path ("Caption", "Font.Color", "Columns_1.Caption", "Items_3"),
// the value the text to assign. Failures are ignored one by one.

#include <string>
#include <string_view>

namespace qvn {

class TComponent;

void ApplyLangPath(TComponent* component, std::string_view path, const std::string& value);

}  // namespace qvn
