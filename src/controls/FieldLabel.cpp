#include "controls/FieldLabel.h"

#include "vcl/Component.h"
#include "vcl/PropAccess.h"

namespace qvn {
namespace {

TFieldLabelResolver& CurrentResolver()
{
    static TFieldLabelResolver resolver;
    return resolver;
}

}  // namespace

TFieldLabelResolver SetFieldLabelResolver(TFieldLabelResolver resolver)
{
    TFieldLabelResolver previous = std::move(CurrentResolver());
    CurrentResolver() = std::move(resolver);
    return previous;
}

std::optional<std::string> FieldDisplayLabel(const TComponent* control)
{
    if (control == nullptr) return std::nullopt;
    const std::string field = GetStrPropByName(control, "DataField");
    if (field.empty()) return std::nullopt;
    const TFieldLabelResolver& resolver = CurrentResolver();
    if (!resolver) return field;
    try {
        return resolver(*control, field);
    } catch (...) {
        // A label that cannot be found leaves the caller's caption as it was.
        return std::nullopt;
    }
}

}  // namespace qvn
