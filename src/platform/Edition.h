#pragma once
// The one place that tells the two editions apart. Only code compiled once per
// edition may include this header; the edition-neutral core never does.

namespace qvn {

#ifdef QVN_BASIC_EDITION
inline constexpr bool kBasicEdition = true;
#else
inline constexpr bool kBasicEdition = false;
#endif

}  // namespace qvn
