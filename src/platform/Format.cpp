#include "platform/Format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <type_traits>

#include "platform/CodePage.h"
#include "platform/Exceptions.h"

namespace qvn {

FormatArg::FormatArg(const WideString& s) : v_(WideToAnsi(s)) {}

namespace {

// The largest width or precision a directive may ask for: templates come from
// outside, and a width of a billion blanks is a broken template, not a request.
constexpr int64_t MaxWidthOrPrecision = 100000;
// The platform converts floating values with at most 18 significant digits.
constexpr int MaxFloatDigits = 18;

// A floating value as decimal digits: value = 0.d1d2d3... * 10^Exponent.
struct DecimalDigits {
    bool Negative = false;
    std::string Digits;  // no trailing zeros; empty for zero
    int Exponent = 0;
};

// Seventeen significant digits identify every double; rounding to fewer
// digits is then done on the decimal text, half away from zero, as the
// platform rounds.
DecimalDigits ToDecimal(double v)
{
    DecimalDigits d;
    d.Negative = std::signbit(v);
    if (v == 0.0) return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.16e", std::fabs(v));
    const std::string_view text(buf);
    const size_t e = text.find('e');
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.Digits += text[i];
    int exp10 = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exp10);
    d.Exponent = exp10 + 1;
    while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero.
void RoundDigits(DecimalDigits& d, int keep)
{
    if (keep >= static_cast<int>(d.Digits.size())) return;
    if (keep < 0) {
        d.Digits.clear();
        return;
    }
    const bool roundUp = d.Digits[static_cast<size_t>(keep)] >= '5';
    d.Digits.resize(static_cast<size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && d.Digits[static_cast<size_t>(i)] == '9') {
            d.Digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.Digits[static_cast<size_t>(i)];
        } else {
            d.Digits.insert(d.Digits.begin(), '1');
            ++d.Exponent;
        }
    }
    while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
}

char DigitAt(const DecimalDigits& d, int index)
{
    return index >= 0 && index < static_cast<int>(d.Digits.size()) ? d.Digits[static_cast<size_t>(index)] : '0';
}

// Text of a value that is not a number, or empty for a finite value.
std::string NonFiniteText(double v)
{
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    return {};
}

std::string ExponentText(int exponent, int minDigits, bool alwaysSign)
{
    std::string text;
    if (exponent < 0) text += '-';
    else if (alwaysSign) text += '+';
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
    return text + digits;
}

std::string FormatScientific(double v, int precision, const FormatSettings& fs)
{
    if (auto special = NonFiniteText(v); !special.empty()) return special;
    DecimalDigits d = ToDecimal(v);
    RoundDigits(d, precision);
    const bool zero = d.Digits.empty();
    std::string text = (d.Negative && !zero) ? "-" : "";
    text += DigitAt(d, 0);
    if (precision > 1) {
        text += fs.DecimalSeparator;
        for (int i = 1; i < precision; ++i) text += DigitAt(d, i);
    }
    text += 'E';
    text += ExponentText(zero ? 0 : d.Exponent - 1, 3, true);
    return text;
}

std::string FormatGeneral(double v, int precision, const FormatSettings& fs)
{
    if (auto special = NonFiniteText(v); !special.empty()) return special;
    DecimalDigits d = ToDecimal(v);
    RoundDigits(d, precision);
    if (d.Digits.empty()) return "0";
    std::string text = d.Negative ? "-" : "";
    const int count = static_cast<int>(d.Digits.size());
    if (d.Exponent > precision || d.Exponent < -3) {
        text += d.Digits[0];
        if (count > 1) {
            text += fs.DecimalSeparator;
            text.append(d.Digits, 1);
        }
        text += 'E';
        text += ExponentText(d.Exponent - 1, 0, false);
        return text;
    }
    if (d.Exponent <= 0) {
        text += '0';
        text += fs.DecimalSeparator;
        text.append(static_cast<size_t>(-d.Exponent), '0');
        text += d.Digits;
        return text;
    }
    for (int i = 0; i < d.Exponent; ++i) text += DigitAt(d, i);
    if (count > d.Exponent) {
        text += fs.DecimalSeparator;
        text.append(d.Digits, static_cast<size_t>(d.Exponent));
    }
    return text;
}

std::string GroupThousands(const std::string& integerPart, char separator)
{
    if (separator == '\0') return integerPart;
    std::string text;
    const size_t n = integerPart.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) text += separator;
        text += integerPart[i];
    }
    return text;
}

// The absolute value with `decimals` places; `negative` tells whether a sign is due.
std::string FixedMagnitude(double v, int decimals, bool thousands, const FormatSettings& fs, bool& negative)
{
    DecimalDigits d = ToDecimal(v);
    RoundDigits(d, d.Exponent + decimals);
    negative = d.Negative && !d.Digits.empty();
    std::string integerPart;
    for (int i = 0; i < d.Exponent; ++i) integerPart += DigitAt(d, i);
    if (integerPart.empty()) integerPart = "0";
    std::string text = thousands ? GroupThousands(integerPart, fs.ThousandSeparator) : integerPart;
    if (decimals > 0) {
        text += fs.DecimalSeparator;
        for (int i = 0; i < decimals; ++i) text += DigitAt(d, d.Exponent + i);
    }
    return text;
}

std::string FormatFixed(double v, int decimals, bool thousands, const FormatSettings& fs)
{
    if (auto special = NonFiniteText(v); !special.empty()) return special;
    bool negative = false;
    std::string text = FixedMagnitude(v, decimals, thousands, fs, negative);
    return negative ? "-" + text : text;
}

std::string FormatCurrency(double v, int decimals, const FormatSettings& fs)
{
    if (auto special = NonFiniteText(v); !special.empty()) return special;
    bool negative = false;
    const std::string amount = FixedMagnitude(v, decimals, true, fs, negative);
    std::string text;
    switch (fs.CurrencyFormat) {
    case 1: text = amount + fs.CurrencyString; break;
    case 2: text = fs.CurrencyString + " " + amount; break;
    case 3: text = amount + " " + fs.CurrencyString; break;
    default: text = fs.CurrencyString + amount; break;
    }
    return negative ? "-" + text : text;
}

std::string HexText(uint64_t v, int minDigits)
{
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), HexDigits[v & 0xF]);
        v >>= 4;
    } while (v != 0);
    if (static_cast<int>(text.size()) < minDigits) text.insert(0, static_cast<size_t>(minDigits) - text.size(), '0');
    return text;
}

std::string WithLeadingZeros(std::string digits, int minDigits)
{
    const bool negative = !digits.empty() && digits[0] == '-';
    const int length = static_cast<int>(digits.size()) - (negative ? 1 : 0);
    if (length < minDigits) digits.insert(negative ? 1 : 0, static_cast<size_t>(minDigits - length), '0');
    return digits;
}

// Integer arguments are 32-bit values on the platform unless they do not fit,
// so the unsigned and hex forms of a negative value follow that width.
uint64_t UnsignedBits(const FormatArg::Value& v)
{
    if (const auto* u = std::get_if<uint64_t>(&v)) return *u;
    const int64_t i = std::get<int64_t>(v);
    if (i < 0 && i >= std::numeric_limits<int32_t>::min()) return static_cast<uint32_t>(static_cast<int32_t>(i));
    return static_cast<uint64_t>(i);
}

class Formatter {
public:
    Formatter(std::string_view format, std::span<const FormatArg> args, const FormatSettings& fs)
        : f_(format), args_(args), fs_(fs)
    {
    }

    std::string Run()
    {
        size_t i = 0;
        while (i < f_.size()) {
            const size_t percent = f_.find('%', i);
            if (percent == std::string_view::npos) {
                out_.append(f_.substr(i));
                break;
            }
            out_.append(f_.substr(i, percent - i));
            i = percent + 1;
            if (i >= f_.size()) Fail();
            if (f_[i] == '%') {
                out_ += '%';
                ++i;
                continue;
            }
            i = Directive(i);
        }
        return out_;
    }

private:
    [[noreturn]] void Fail() const
    {
        throw EConvertError("Format '" + std::string(f_) + "' invalid or incompatible with argument");
    }

    char At(size_t pos) const
    {
        if (pos >= f_.size()) Fail();
        return f_[pos];
    }

    const FormatArg::Value& NextArg()
    {
        if (argPos_ >= args_.size()) Fail();
        return args_[argPos_++].Get();
    }

    // A number written in the directive, '*' for one taken from the arguments, or -1 for none.
    int64_t ReadNumber(size_t& pos)
    {
        if (At(pos) == '*') {
            ++pos;
            const auto& arg = NextArg();
            if (const auto* i = std::get_if<int64_t>(&arg)) return *i;
            if (const auto* u = std::get_if<uint64_t>(&arg))
                return *u > static_cast<uint64_t>(MaxWidthOrPrecision) ? MaxWidthOrPrecision + 1 : static_cast<int64_t>(*u);
            Fail();
        }
        int64_t value = -1;
        while (At(pos) >= '0' && At(pos) <= '9') {
            value = (value < 0 ? 0 : value) * 10 + (f_[pos] - '0');
            if (value > MaxWidthOrPrecision) Fail();
            ++pos;
        }
        return value;
    }

    size_t Directive(size_t pos)
    {
        bool left = false;
        int64_t number = ReadNumber(pos);
        if (At(pos) == ':') {
            // The argument index: this and the following directives go on from there.
            if (number < 0) number = 0;
            argPos_ = static_cast<size_t>(number);
            number = -1;
            ++pos;
        }
        if (At(pos) == '-') {
            left = true;
            ++pos;
        }
        if (number < 0) number = ReadNumber(pos);
        const int64_t width = number;
        int64_t precision = -1;
        if (At(pos) == '.') {
            ++pos;
            precision = ReadNumber(pos);
            if (precision == -1 && f_[pos - 1] == '.') precision = 0;
        }
        if (width > MaxWidthOrPrecision || precision > MaxWidthOrPrecision) Fail();
        const char type = At(pos++);
        std::string text = Convert(type, static_cast<int>(precision));
        Pad(text, static_cast<int>(width), left);
        return pos;
    }

    std::string Convert(char type, int precision)
    {
        const auto& arg = NextArg();
        switch (type) {
        case 'd':
        case 'D':
            if (const auto* i = std::get_if<int64_t>(&arg)) return WithLeadingZeros(std::to_string(*i), precision);
            if (const auto* u = std::get_if<uint64_t>(&arg)) return WithLeadingZeros(std::to_string(*u), precision);
            break;
        case 'u':
        case 'U':
            if (IsInteger(arg)) return WithLeadingZeros(std::to_string(UnsignedBits(arg)), precision);
            break;
        case 'x':
        case 'X':
            if (IsInteger(arg)) return HexText(UnsignedBits(arg), precision);
            break;
        case 'e':
        case 'E':
            if (const auto* v = std::get_if<double>(&arg)) return FormatScientific(*v, FloatPrecision(precision), fs_);
            break;
        case 'f':
        case 'F':
            if (const auto* v = std::get_if<double>(&arg)) return FormatFixed(*v, Decimals(precision, 2), false, fs_);
            break;
        case 'g':
        case 'G':
            if (const auto* v = std::get_if<double>(&arg)) return FormatGeneral(*v, FloatPrecision(precision), fs_);
            break;
        case 'n':
        case 'N':
            if (const auto* v = std::get_if<double>(&arg)) return FormatFixed(*v, Decimals(precision, 2), true, fs_);
            break;
        case 'm':
        case 'M':
            if (const auto* v = std::get_if<double>(&arg))
                return FormatCurrency(*v, Decimals(precision, fs_.CurrencyDecimals), fs_);
            break;
        case 'p':
        case 'P':
            if (const auto* p = std::get_if<const void*>(&arg))
                return HexText(reinterpret_cast<uintptr_t>(*p), static_cast<int>(sizeof(void*) * 2));
            break;
        case 's':
        case 'S':
            if (const auto* s = std::get_if<std::string>(&arg))
                return precision >= 0 && static_cast<size_t>(precision) < s->size() ? s->substr(0, static_cast<size_t>(precision)) : *s;
            break;
        default:
            break;
        }
        Fail();
    }

    static bool IsInteger(const FormatArg::Value& v)
    {
        return std::holds_alternative<int64_t>(v) || std::holds_alternative<uint64_t>(v);
    }

    static int FloatPrecision(int precision)
    {
        if (precision < 0) return 15;
        if (precision < 1) return 1;
        return precision > MaxFloatDigits ? MaxFloatDigits : precision;
    }

    static int Decimals(int precision, int fallback)
    {
        const int decimals = precision < 0 ? fallback : precision;
        if (decimals < 0) return 0;
        return decimals > MaxFloatDigits ? MaxFloatDigits : decimals;
    }

    void Pad(const std::string& text, int width, bool left)
    {
        const size_t fill = width > static_cast<int>(text.size()) ? static_cast<size_t>(width) - text.size() : 0;
        if (!left) out_.append(fill, ' ');
        out_ += text;
        if (left) out_.append(fill, ' ');
    }

    std::string_view f_;
    std::span<const FormatArg> args_;
    const FormatSettings& fs_;
    size_t argPos_ = 0;
    std::string out_;
};

std::string_view SkipLeadingBlanks(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    return text.substr(i);
}

// Reads an optionally signed decimal or hex ('$', "0x") integer filling the
// whole text. Hex may use every bit of the type (the platform reads
// "$FFFFFFFF" as -1); decimal values must fit.
template <typename Int>
bool ParseInteger(std::string_view text, Int& out)
{
    using UInt = std::make_unsigned_t<Int>;
    text = SkipLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    UInt magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    if (base == 16) {
        const UInt bits = negative ? static_cast<UInt>(UInt{0} - magnitude) : magnitude;
        out = static_cast<Int>(bits);
        return true;
    }
    const UInt limit = static_cast<UInt>(std::numeric_limits<Int>::max()) + (negative ? 1u : 0u);
    if (magnitude > limit) return false;
    out = negative ? static_cast<Int>(UInt{0} - magnitude) : static_cast<Int>(magnitude);
    return true;
}

}  // namespace

std::string Format(std::string_view format, std::span<const FormatArg> args, const FormatSettings& fs)
{
    return Formatter(format, args, fs).Run();
}

std::string IntToStr(int64_t v)
{
    return std::to_string(v);
}

std::string IntToHex(uint64_t v, int digits)
{
    return HexText(v, digits > 32 ? 32 : digits);
}

std::string FloatToStr(double v, const FormatSettings& fs)
{
    return FormatGeneral(v, 15, fs);
}

bool TryStrToInt(std::string_view text, int& out)
{
    int32_t value = 0;
    if (!ParseInteger<int32_t>(text, value)) return false;
    out = value;
    return true;
}

bool TryStrToInt64(std::string_view text, int64_t& out)
{
    return ParseInteger<int64_t>(text, out);
}

int StrToInt(std::string_view text)
{
    int value = 0;
    if (!TryStrToInt(text, value)) throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

int StrToIntDef(std::string_view text, int def)
{
    int value = 0;
    return TryStrToInt(text, value) ? value : def;
}

bool TryStrToFloat(std::string_view text, double& out, const FormatSettings& fs)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    // Rewritten in the C notation for the converter, checking the shape on the way.
    std::string plain;
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    int mantissaDigits = 0;
    auto copyDigits = [&](int& count) {
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            plain += text[i++];
            ++count;
        }
    };
    copyDigits(mantissaDigits);
    if (i < text.size() && text[i] == fs.DecimalSeparator) {
        plain += '.';
        ++i;
        copyDigits(mantissaDigits);
    }
    if (mantissaDigits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) plain += text[i++];
        int exponentDigits = 0;
        copyDigits(exponentDigits);
        if (exponentDigits == 0) return false;
    }
    if (i != text.size()) return false;
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) return false;
    out = value;
    return true;
}

double StrToFloat(std::string_view text, const FormatSettings& fs)
{
    double value = 0.0;
    if (!TryStrToFloat(text, value, fs))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

}  // namespace qvn
