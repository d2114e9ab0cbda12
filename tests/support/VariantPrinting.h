#pragma once
// Lets test failures show variants readably instead of as raw bytes.

#include <ostream>

#include "platform/Variant.h"

namespace qvn {

inline void PrintTo(const Variant& v, std::ostream* os) { *os << VarDebugText(v); }

}  // namespace qvn
