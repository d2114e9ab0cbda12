#include "host/OleVariant.h"

#include "platform/CodePage.h"

namespace qvn {

Variant ToOleVariant(const Variant& value)
{
    if (value.Type() == VarType::String) return Variant(AnsiToWide(value.AnsiRef()));
    if (!value.IsArray()) return value;
    Variant copy = value;
    for (Variant& element : copy.ArrayRef().MutableElements()) element = ToOleVariant(element);
    return copy;
}

}  // namespace qvn
