#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "support/TempDir.h"

namespace qvn {
namespace {

// Restores the process code page the test main fixed.
class CodePageTest : public ::testing::Test {
protected:
    void TearDown() override { SetProcessCodePage(CP_GBK); }
};

TEST_F(CodePageTest, ProcessCodePageComesFromOverrideThenLocale)
{
    struct Case { const char* acp; const char* lang; int expected; };
    const Case cases[] = {
        {"950", "zh_CN.UTF-8", 950},  {"1252", "", 1252},         {"", "zh_TW.Big5", 950},
        {"", "zh_CN.GB2312", 936},    {"", "zh_CN.GB18030", 936}, {"", "en_US.UTF-8", 936},
        {"", "C", 936},               {"", "de_DE.ISO-8859-1", 28591}, {"abc", "zh_TW.BIG5@euro", 950},
    };
    for (const auto& c : cases) {
        test::ScopedEnv acp("QVN_ACP", c.acp);
        test::ScopedEnv all("LC_ALL", c.lang);
        SetProcessCodePage(0);
        EXPECT_EQ(ProcessCodePage(), c.expected) << c.acp << " / " << c.lang;
    }
}

TEST_F(CodePageTest, SystemCodePageTextKnowsOnlyTheTwoChinesePages)
{
    for (auto [cp, text] : {std::pair{936, "936"}, {950, "950"}, {1252, "437"}, {437, "437"}, {65001, "437"}}) {
        SetProcessCodePage(cp);
        EXPECT_EQ(SystemCodePageText(), text) << cp;
    }
}

TEST_F(CodePageTest, RoundTripsThroughTheSuitesCodePages)
{
    struct Case { int cp; WideString text; std::string bytes; };
    const Case cases[] = {
        {936, u8"应付账款", "\xD3\xA6\xB8\xB6\xD5\xCB\xBF\xEE"},
        {950, u8"應付帳款", "\xC0\xB3\xA5\x49\xB1\x62\xB4\xDA"},
        {437, u8"Caf\u00e9", "Caf\x82"},
        {936, u8"", ""},
    };
    for (const auto& c : cases) {
        auto narrow = FromWide(c.text, c.cp, ConvertMode::Strict);
        ASSERT_TRUE(narrow) << c.cp;
        EXPECT_EQ(*narrow, c.bytes) << c.cp;
        auto wide = ToWide(c.bytes, c.cp, ConvertMode::Strict);
        ASSERT_TRUE(wide);
        EXPECT_EQ(*wide, c.text);
    }
}

TEST_F(CodePageTest, UnconvertibleInputIsReplacedOrRefused)
{
    // A character Big5 lacks, and bytes that are no GB text.
    EXPECT_FALSE(FromWide(u8"a\u20AC\U0001F600b", CP_BIG5, ConvertMode::Strict));
    EXPECT_EQ(*FromWide(u8"a\U0001F600b", CP_BIG5, ConvertMode::Replace), "a?b");
    const std::string badGb = "A\xFF\x80" "B\xD3";  // invalid lead bytes and a truncated character
    EXPECT_FALSE(ToWide(badGb, CP_GBK, ConvertMode::Strict));
    auto replaced = ToWide(badGb, CP_GBK, ConvertMode::Replace);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->Utf8().substr(0, 1), "A");
    EXPECT_NE(replaced->Utf8().find('B'), std::string::npos);
    EXPECT_NE(replaced->Utf8().find("\xEF\xBF\xBD"), std::string::npos);
    // Invalid UTF-8 inside a wide string never stops a conversion.
    EXPECT_EQ(*FromWide(WideString::FromUtf8(std::string("x\xC3(y")), CP_GBK, ConvertMode::Replace), "x?(y");
}

TEST_F(CodePageTest, UnknownCodePagesAreReportedNotGuessed)
{
    EXPECT_FALSE(FromWide(u8"abc", 12345));
    EXPECT_FALSE(ToWide("abc", -1));
    EXPECT_FALSE(IsCodePageSupported(12345));
    EXPECT_TRUE(IsCodePageSupported(936));
    EXPECT_TRUE(IsCodePageSupported(950));
    EXPECT_TRUE(IsCodePageSupported(437));
}

TEST_F(CodePageTest, CharsetNamesMapToCodePages)
{
    const std::pair<const char*, int> cases[] = {
        {"GB2312", 936}, {"gbk", 936}, {"Big5", 950}, {"big5-hkscs", 950}, {"UTF-8", 65001},
        {"utf-16", 1200}, {"ISO-8859-1", 28591}, {"windows-1252", 1252}, {"IBM437", 437}, {"", 0}, {"klingon", 0},
    };
    for (auto [name, cp] : cases) EXPECT_EQ(CodePageFromCharsetName(name), cp) << name;
}

TEST_F(CodePageTest, ProcessCodePageHelpersFollowTheProcessSetting)
{
    SetProcessCodePage(CP_BIG5);
    EXPECT_EQ(WideToAnsi(u8"應付"), "\xC0\xB3\xA5\x49");
    SetProcessCodePage(CP_GBK);
    EXPECT_EQ(WideToAnsi(u8"应付"), "\xD3\xA6\xB8\xB6");
    EXPECT_EQ(AnsiToWide("\xD3\xA6\xB8\xB6"), WideString(u8"应付"));
    EXPECT_EQ(AnsiToUtf8("应付"), std::string(reinterpret_cast<const char*>(u8"应付")));
}

TEST_F(CodePageTest, LargeTextsConvertWhole)
{
    std::string big;
    for (int i = 0; i < 200000; ++i) big += "\xD3\xA6" "a";
    auto wide = ToWide(big, CP_GBK);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->Length(), 400000u);
    EXPECT_EQ(*FromWide(*wide, CP_GBK), big);
}

}  // namespace
}  // namespace qvn
