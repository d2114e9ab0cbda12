#pragma once
// What the shell receives is an OLE variant: 8-bit text becomes wide text in
// the process code page, inside arrays too; every other value passes as it is.

#include "platform/Variant.h"

namespace qvn {

Variant ToOleVariant(const Variant& value);

}  // namespace qvn
