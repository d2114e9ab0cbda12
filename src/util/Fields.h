#pragma once
// Splitting of the suite's packed setting texts. The separator may be longer
// than one character; the suite's own separator is character 3 (ETX).

#include <string>
#include <string_view>

namespace qvn {

inline constexpr char kFieldSep[] = "\x03";

// The n-th field (1-based); empty when Text has fewer than n fields.
std::string GetField(std::string_view text, std::string_view sep, int n);
// Number of fields; 0 for an empty text.
int CountFields(std::string_view text, std::string_view sep);
// Head receives the text before the first Sep and Text keeps what follows it;
// without Sep, Head receives all of Text and Text becomes empty.
void CutField(std::string& text, std::string_view sep, std::string& head);

}  // namespace qvn
