#pragma once
// The display label of the data field a control is bound to. A control is
// bound when it publishes a non-empty "DataField" text. Until a database
// layer installs its own resolver, a field's display label is its name, as
// for a field whose label was never set.

#include <functional>
#include <optional>
#include <string>

namespace qvn {

class TComponent;

// Answers the display label of field for control; nullopt when the field does not exist.
using TFieldLabelResolver = std::function<std::optional<std::string>(const TComponent& control, const std::string& field)>;

// Installs a resolver (an empty one restores field names); returns the previous one.
TFieldLabelResolver SetFieldLabelResolver(TFieldLabelResolver resolver);

// The bound field's display label; nullopt when the control is not bound,
// the field is unknown or the resolver fails.
std::optional<std::string> FieldDisplayLabel(const TComponent* control);

}  // namespace qvn
