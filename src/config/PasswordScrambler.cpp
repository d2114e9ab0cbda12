#include "config/PasswordScrambler.h"

#include "log/AlertLog.h"
#include "platform/Exceptions.h"

namespace qvn {
namespace {

constexpr std::string_view kKey = "Qv#Zentor!Pw";
constexpr char kHexDigits[] = "0123456789ABCDEF";

unsigned char KeyByte(size_t i) { return static_cast<unsigned char>(kKey[i % kKey.size()] + 31 * i); }

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string ScrambleText(std::string_view plain)
{
    std::string out;
    out.reserve(plain.size() * 2);
    unsigned char previous = 0xA5;
    for (size_t i = 0; i < plain.size(); ++i) {
        auto c = static_cast<unsigned char>(static_cast<unsigned char>(plain[i]) ^ KeyByte(i) ^ previous);
        out += kHexDigits[c >> 4];
        out += kHexDigits[c & 0x0F];
        previous = c;
    }
    return out;
}

std::string ScramblePassword(std::string_view plain)
{
    return ScrambleText(plain.empty() ? kEmptyPasswordMarker : plain);
}

std::string UnscrambleText(std::string_view scrambled)
{
    if (scrambled.size() % 2 != 0) throw EConvertError("'" + std::string(scrambled) + "' has an odd number of digits");
    std::string out;
    out.reserve(scrambled.size() / 2);
    unsigned char previous = 0xA5;
    for (size_t i = 0; i < scrambled.size(); i += 2) {
        int hi = HexValue(scrambled[i]), lo = HexValue(scrambled[i + 1]);
        if (hi < 0 || lo < 0)
            throw EConvertError("'" + std::string(scrambled.substr(i, 2)) + "' is not a valid integer value");
        auto c = static_cast<unsigned char>(hi * 16 + lo);
        out += static_cast<char>(c ^ KeyByte(i / 2) ^ previous);
        previous = c;
    }
    return out;
}

std::string DecodeStoredPassword(std::string_view stored)
{
    if (stored.empty()) return {};
    try {
        std::string plain = UnscrambleText(stored);
        return plain == kEmptyPasswordMarker ? std::string() : plain;
    } catch (const Exception& e) {
        WriteExceptionReport(&e, ScrambleText("DecodeSQLSa"), "解析 Sa 时发生错误!");
        return std::string(kPasswordErrorMarker);
    }
}

}  // namespace qvn
