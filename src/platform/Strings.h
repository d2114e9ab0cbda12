#pragma once
// 8-bit text in a code page (AnsiString) and Unicode text (WideString) as two
// distinct types, so the two never mix without an explicit conversion.

#include <compare>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace qvn {

// True when every byte is below 0x80: such text reads the same in every
// ASCII-compatible code page.
inline bool IsAsciiText(std::string_view s) noexcept
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// 8-bit text in the process code page (or a code page the caller names).
using AnsiString = std::string;

// Unicode text, stored as UTF-8. Conversions to and from code pages are in CodePage.h.
class WideString {
public:
    WideString() = default;
    static WideString FromUtf8(std::string utf8) { WideString w; w.utf8_ = std::move(utf8); return w; }
    static WideString FromUtf8(std::string_view utf8) { return FromUtf8(std::string(utf8)); }
    static WideString FromUtf8(const char* utf8) { return FromUtf8(std::string(utf8)); }
    // From a u8"" literal (never affected by the narrow execution character set).
    WideString(const char8_t* s) : utf8_(reinterpret_cast<const char*>(s)) {}
    WideString(std::u8string_view s) : utf8_(reinterpret_cast<const char*>(s.data()), s.size()) {}

    const std::string& Utf8() const noexcept { return utf8_; }
    std::string& Utf8() noexcept { return utf8_; }
    bool IsEmpty() const noexcept { return utf8_.empty(); }
    std::size_t ByteLength() const noexcept { return utf8_.size(); }
    // Number of Unicode code points (invalid bytes count one each).
    std::size_t Length() const noexcept;

    WideString& operator+=(const WideString& other) { utf8_ += other.utf8_; return *this; }
    friend WideString operator+(WideString a, const WideString& b) { a += b; return a; }
    friend bool operator==(const WideString&, const WideString&) = default;
    friend std::strong_ordering operator<=>(const WideString& a, const WideString& b) { return a.utf8_ <=> b.utf8_; }

private:
    std::string utf8_;
};

inline std::size_t WideString::Length() const noexcept
{
    std::size_t n = 0;
    for (unsigned char c : utf8_)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace qvn

template <>
struct std::hash<qvn::WideString> {
    std::size_t operator()(const qvn::WideString& w) const noexcept { return std::hash<std::string>{}(w.Utf8()); }
};
