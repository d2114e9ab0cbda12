#pragma once
// Delphi-compatible Format: %[index:][-][width][.precision]type with the types
// d u e f g n m p s x, '*' for width/precision taken from the arguments, and
// "%%" for a percent sign. A mismatch between a directive and its argument,
// or a missing argument, raises EConvertError ("Format '...' invalid or
// incompatible with argument"): templates come from the server, so a bad one
// must be an error, never undefined behaviour.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "platform/FormatSettings.h"
#include "platform/Strings.h"

namespace qvn {

class FormatArg {
public:
    using Value = std::variant<int64_t, uint64_t, double, std::string, const void*>;
    FormatArg(int v) : v_(int64_t{v}) {}
    FormatArg(long v) : v_(int64_t{v}) {}
    FormatArg(long long v) : v_(int64_t{v}) {}
    FormatArg(unsigned v) : v_(uint64_t{v}) {}
    FormatArg(unsigned long v) : v_(uint64_t{v}) {}
    FormatArg(unsigned long long v) : v_(uint64_t{v}) {}
    FormatArg(double v) : v_(v) {}
    FormatArg(char c) : v_(std::string(1, c)) {}
    FormatArg(const char* s) : v_(std::string(s ? s : "")) {}
    FormatArg(std::string s) : v_(std::move(s)) {}
    FormatArg(std::string_view s) : v_(std::string(s)) {}
    FormatArg(const WideString& s);  // converted to the process code page
    FormatArg(const void* p) : v_(p) {}
    const Value& Get() const noexcept { return v_; }

private:
    Value v_;
};

std::string Format(std::string_view format, std::span<const FormatArg> args,
                   const FormatSettings& fs = ProcessFormatSettings());
inline std::string Format(std::string_view format, std::initializer_list<FormatArg> args)
{
    return Format(format, std::span<const FormatArg>(args.begin(), args.size()));
}

// Number texts as the platform writes them.
std::string IntToStr(int64_t v);
std::string IntToHex(uint64_t v, int digits);
// General format with 15 significant digits ("1.5", "1E20", "0.001").
std::string FloatToStr(double v, const FormatSettings& fs = ProcessFormatSettings());
// Whole text must be an integer (decimal, or hex with '$' or 0x); leading and
// trailing blanks are rejected as the platform does (leading blanks allowed).
bool TryStrToInt(std::string_view text, int& out);
bool TryStrToInt64(std::string_view text, int64_t& out);
int StrToInt(std::string_view text);           // raises EConvertError
int StrToIntDef(std::string_view text, int def);
// Decimal separator from the settings; optional exponent; leading and trailing blanks allowed.
bool TryStrToFloat(std::string_view text, double& out, const FormatSettings& fs = ProcessFormatSettings());
double StrToFloat(std::string_view text, const FormatSettings& fs = ProcessFormatSettings());  // raises EConvertError

}  // namespace qvn
