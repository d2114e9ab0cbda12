#pragma once
// Captions mark their accelerator character with '&' ("&Help": Alt+H);
// "&&" stands for one '&'. These helpers give the text as shown and the key.

#include <string>
#include <string_view>

namespace qvn {

// The caption as drawn: markers removed, "&&" as '&'.
std::string StripAccelChars(std::string_view caption);
// The accelerator character in upper case, or 0 when the caption has none.
char AccelCharOf(std::string_view caption);
// key, in either case, is the caption's accelerator (never for a caption without one).
bool IsAccel(char key, std::string_view caption);

}  // namespace qvn
