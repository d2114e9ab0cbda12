#include "platform/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "platform/Exceptions.h"

namespace qvn {
namespace {

std::string Fmt(std::string_view format, std::vector<FormatArg> args, const FormatSettings& fs = FormatSettings())
{
    return Format(format, std::span<const FormatArg>(args), fs);
}

struct FormatCase {
    const char* format;
    std::vector<FormatArg> args;
    const char* expected;
};

TEST(FormatTest, IntegerDirectives)
{
    const FormatCase cases[] = {
        {"%d", {42}, "42"},
        {"%.2d", {5}, "05"},
        {"%.3d", {-5}, "-005"},
        {"%.4d%s%.2d%s%.2d", {2024, "/", 1, "/", 31}, "2024/01/31"},
        {"%.2d", {113}, "113"},
        {"%5d|", {42}, "   42|"},
        {"%-5d|", {42}, "42   |"},
        {"%d", {int64_t{-9000000000}}, "-9000000000"},
        {"%d", {18446744073709551615ull}, "18446744073709551615"},
        {"%u", {-1}, "4294967295"},
        {"%u", {7u}, "7"},
        {"%x", {255}, "FF"},
        {"%.4x", {255}, "00FF"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%X", {int64_t{0x123456789}}, "123456789"},
        {"%*d|", {4, 7}, "   7|"},
        {"%-*d|", {4, 7}, "7   |"},
        {"%.*d", {3, 7}, "007"},
        {"%1:s %0:s %s", {"a", "b", "c"}, "b a b"},
        {"%1:d %0:d %d", {1, 2}, "2 1 2"},
    };
    for (const auto& c : cases) EXPECT_EQ(Fmt(c.format, c.args), c.expected) << c.format;
}

TEST(FormatTest, FloatDirectives)
{
    FormatSettings fs;
    fs.ThousandSeparator = ',';
    const FormatCase cases[] = {
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%.3e", {-0.00012345}, "-1.23E-004"},
        {"%e", {0.0}, "0.00000000000000E+000"},
        {"%f", {1.0 / 3.0}, "0.33"},
        {"%.0f", {2.5}, "3"},
        {"%.2f", {0.125}, "0.13"},       // halves round away from zero
        {"%.2f", {-0.125}, "-0.13"},
        {"%.2f", {-0.001}, "0.00"},      // no sign on a value that rounds to zero
        {"%.3f", {9.9996}, "10.000"},
        {"%8.2f|", {3.14159}, "    3.14|"},
        {"%g", {1234.5}, "1234.5"},
        {"%g", {0.000001}, "1E-6"},
        {"%g", {1e20}, "1E20"},
        {"%.3g", {1234.5}, "1.23E3"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%.0n", {-999.5}, "-1,000"},
        {"%n", {12.0}, "12.00"},
        {"%f", {std::numeric_limits<double>::infinity()}, "INF"},
        {"%g", {std::nan("")}, "NAN"},
    };
    for (const auto& c : cases) EXPECT_EQ(Fmt(c.format, c.args, fs), c.expected) << c.format;
}

TEST(FormatTest, MoneyFollowsTheCurrencySettings)
{
    FormatSettings fs;
    fs.CurrencyString = "$";
    fs.CurrencyDecimals = 2;
    const char* expected[] = {"$1,234.50", "1,234.50$", "$ 1,234.50", "1,234.50 $"};
    for (int form = 0; form < 4; ++form) {
        fs.CurrencyFormat = form;
        EXPECT_EQ(Fmt("%m", {1234.5}, fs), expected[form]) << form;
        EXPECT_EQ(Fmt("%m", {-1234.5}, fs), std::string("-") + expected[form]) << form;
    }
    fs.CurrencyFormat = 0;
    fs.CurrencyDecimals = 0;
    EXPECT_EQ(Fmt("%m", {7.4}, fs), "$7");
    EXPECT_EQ(Fmt("%.1m", {7.44}, fs), "$7.4");
}

TEST(FormatTest, StringsPointersAndLiterals)
{
    const FormatCase cases[] = {
        {"%s", {"abc"}, "abc"},
        {"%.2s", {"abc"}, "ab"},
        {"[%5s]", {"ab"}, "[   ab]"},
        {"[%-5s]", {"ab"}, "[ab   ]"},
        {"%s", {'c'}, "c"},
        {"100%%", {}, "100%"},
        {"%%d", {}, "%d"},
        {"", {}, ""},
        {"\xC6\xF0\xCA\xBC%s", {"\xC4\xEA"}, "\xC6\xF0\xCA\xBC\xC4\xEA"},  // GB text copied byte for byte
    };
    for (const auto& c : cases) EXPECT_EQ(Fmt(c.format, c.args), c.expected) << c.format;
    EXPECT_EQ(Fmt("%s", {WideString(u8"年")}), "\xC4\xEA");
    const void* p = reinterpret_cast<const void*>(uintptr_t{0xABC});
    EXPECT_EQ(Fmt("%p", {p}), std::string(sizeof(void*) * 2 - 3, '0') + "ABC");
}

TEST(FormatTest, MismatchesAndMalformedDirectivesRaise)
{
    const FormatCase cases[] = {
        {"%d", {"12"}, nullptr},       {"%d", {1.5}, nullptr},      {"%f", {1}, nullptr},
        {"%s", {12}, nullptr},         {"%x", {1.0}, nullptr},      {"%p", {1}, nullptr},
        {"%d %d", {1}, nullptr},       {"%d", {}, nullptr},         {"%k", {1}, nullptr},
        {"abc%", {}, nullptr},         {"%5", {1}, nullptr},        {"%*d", {"4", 1}, nullptr},
        {"%2:d %d", {1, 2, 3}, nullptr}, {"%99999999999d", {1}, nullptr}, {"%.999999999f", {1.0}, nullptr},
        {"%*d", {int64_t{1} << 40, 1}, nullptr}, {"%m", {5}, nullptr},
    };
    for (const auto& c : cases) {
        try {
            Fmt(c.format, c.args);
            ADD_FAILURE() << "no error for " << c.format;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("Format '") + c.format + "' invalid or incompatible with argument");
        }
    }
}

TEST(FormatTest, UsesTheProcessSettingsByDefault)
{
    FormatSettings& process = ProcessFormatSettings();
    const FormatSettings saved = process;
    process.DecimalSeparator = ',';
    EXPECT_EQ(Format("%.1f", {2.25}), "2,3");
    EXPECT_EQ(FloatToStr(1.5), "1,5");
    process = saved;
}

TEST(NumberTextTest, FloatToStrWritesFifteenSignificantDigits)
{
    struct Case { double value; const char* expected; };
    const Case cases[] = {
        {1.5, "1.5"},
        {1e20, "1E20"},
        {0.1 + 0.2, "0.3"},
        {1e-5, "1E-5"},
        {0.0001, "0.0001"},
        {123456789012345678.0, "1.23456789012346E17"},
        {999999999999999.0, "999999999999999"},
        {-2.0, "-2"},
        {0.0, "0"},
        {1.0 / 3.0, "0.333333333333333"},
    };
    for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value, FormatSettings()), c.expected) << c.value;
}

TEST(NumberTextTest, IntegerTexts)
{
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0x1234, 2), "1234");
    EXPECT_EQ(IntToHex(0, 0), "0");
}

TEST(NumberTextTest, StrToIntAcceptsDecimalAndHexWithLeadingBlanks)
{
    struct Case { const char* text; bool ok; int value; };
    const Case cases[] = {
        {"42", true, 42},
        {"  -42", true, -42},
        {"+7", true, 7},
        {"$FF", true, 255},
        {"0x1f", true, 31},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1},  // hex fills every bit of the type
        {"$8000000F", true, static_cast<int>(0x8000000Fu)},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {"$100000000", false, 0},
        {"42 ", false, 0},
        {"", false, 0},
        {" ", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"4x", false, 0},
        {"1.0", false, 0},
        {"--1", false, 0},
    };
    for (const auto& c : cases) {
        int out = 12345;
        EXPECT_EQ(TryStrToInt(c.text, out), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(out, c.value) << c.text;
        }
        EXPECT_EQ(StrToIntDef(c.text, -99), c.ok ? c.value : -99) << c.text;
    }
    int64_t big = 0;
    EXPECT_TRUE(TryStrToInt64("9223372036854775807", big));
    EXPECT_EQ(big, INT64_MAX);
    EXPECT_FALSE(TryStrToInt64("9223372036854775808", big));
    EXPECT_TRUE(TryStrToInt64("$FFFFFFFFFFFFFFFF", big));
    EXPECT_EQ(big, -1);
    try {
        StrToInt("12a");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
    }
}

TEST(NumberTextTest, StrToFloatReadsTheSettingsSeparator)
{
    FormatSettings fs;
    struct Case { const char* text; bool ok; double value; };
    const Case cases[] = {
        {"1.5", true, 1.5}, {"  -1.5  ", true, -1.5}, {"+2", true, 2.0},  {"1e3", true, 1000.0}, {"1.5E-2", true, 0.015},
        {".5", true, 0.5},  {"5.", true, 5.0},         {"", false, 0},     {".", false, 0},      {"1e", false, 0},
        {"1,5", false, 0},  {"1.5x", false, 0},        {"1e999", false, 0}, {"inf", false, 0},   {"1 000", false, 0},
    };
    for (const auto& c : cases) {
        double out = -7.0;
        EXPECT_EQ(TryStrToFloat(c.text, out, fs), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(out, c.value) << c.text;
        }
    }
    fs.DecimalSeparator = ',';
    double out = 0;
    EXPECT_TRUE(TryStrToFloat("1,25", out, fs));
    EXPECT_EQ(out, 1.25);
    EXPECT_FALSE(TryStrToFloat("1.25", out, fs));
    try {
        StrToFloat("abc", fs);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
    }
}

}  // namespace
}  // namespace qvn
