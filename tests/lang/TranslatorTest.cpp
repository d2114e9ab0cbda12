#include <gtest/gtest.h>

#include "Qvlanguage.h"
#include "lang/Translator.h"

namespace qvn {
namespace {

TEST(TranslatorTest, ConvertsCharactersAndBytesBothWays)
{
    TTranslator t;
    struct Case { const char* gb; const char* big5; };
    const Case cases[] = {
        {"应付", "\xC0\xB3\xA5\x49"},  // 應付: characters change, not only bytes
        {"供应商编号 A01", "\xA8\xD1\xC0\xB3\xB0\xD3\xBD\x73\xB8\xB9 A01"},
        {"plain ASCII 123", "plain ASCII 123"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(t.GBToBig5(c.gb), c.big5) << c.gb;
        EXPECT_EQ(t.Big5ToGB(c.big5), c.gb) << c.gb;
    }
    // Taiwan usage one way (账 -> 賬), and 帳 -> 帐 the other way.
    EXPECT_EQ(t.GBToBig5("账款"), "\xBD\xE3\xB4\xDA");
    EXPECT_EQ(t.Big5ToGB("\xB1\x62\xB4\xDA"), "帐款");
}

TEST(TranslatorTest, MissingCharactersAndBadBytesBecomeVisibleReplacements)
{
    TTranslator t;
    // GB bytes with an invalid lead byte and a truncated character at the end.
    EXPECT_EQ(t.GBToBig5("A\xFF" "B\xD3"), "A?B?");
    // Characters of GB that Big5 lacks (a kana, a Cyrillic letter).
    EXPECT_EQ(t.GBToBig5("x\xA4\xA1y\xA7\xD1"), "x?y?");
    // A long text converts whole.
    std::string big;
    for (int i = 0; i < 20000; ++i) big += "应付";
    EXPECT_EQ(t.Big5ToGB(t.GBToBig5(big)), big);
}

TEST(LanguageLibraryTest, OutputBufferProtocol)
{
    char small[4];
    const char* gb = "应付账款";
    EXPECT_EQ(GBtoBIG5(gb, 8, small, sizeof small), 8);  // length of the whole result
    EXPECT_STREQ(small, "\xC0\xB3\xA5");                  // cut, but terminated
    char none[1] = {'z'};
    EXPECT_EQ(GBtoBIG5(gb, 8, none, 0), 8);
    EXPECT_EQ(none[0], 'z');
    EXPECT_EQ(GBtoBIG5(nullptr, 3, small, 4), -1);
    EXPECT_EQ(GBtoBIG5(gb, -1, small, 4), -1);
    EXPECT_EQ(BIG5toGB(gb, 8, nullptr, 4), -1);
    EXPECT_EQ(BIG5toGB(nullptr, 0, small, 4), 0);
    EXPECT_STREQ(small, "");
}

}  // namespace
}  // namespace qvn
