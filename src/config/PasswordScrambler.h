#pragma once
// The reversible scrambling of database passwords stored in the server's
// configuration file: each byte is mixed with a fixed key and the previous
// scrambled byte, and written as two hexadecimal digits. An empty password is
// stored as a fixed marker so that "no password" and "no value" differ.

#include <string>
#include <string_view>

namespace qvn {

// The stored form of an empty password (36 ASCII characters).
inline constexpr std::string_view kEmptyPasswordMarker = "QVN.EMPTY.PASSWORD.#4D2C0E87B91A5F36";
// The password that stands in for one that cannot be unscrambled (21 ASCII characters).
inline constexpr std::string_view kPasswordErrorMarker = "QVN.PASSWORD.ERROR.21";
static_assert(kEmptyPasswordMarker.size() == 36);
static_assert(kPasswordErrorMarker.size() == 21);

// Plain text -> upper-case hex text; the empty password becomes the scrambled marker.
std::string ScramblePassword(std::string_view plain);
// Scrambles any text without the empty-password rule (also used for report places).
std::string ScrambleText(std::string_view plain);
// Hex text -> plain text. Raises EConvertError when the text is not pairs of hex digits.
std::string UnscrambleText(std::string_view scrambled);

// As the configuration reader needs it: empty stays empty, the empty marker gives
// an empty password, and a text that cannot be unscrambled gives the error
// marker plus a report in the generator alert log.
std::string DecodeStoredPassword(std::string_view stored);

}  // namespace qvn
