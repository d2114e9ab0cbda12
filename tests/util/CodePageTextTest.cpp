#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "support/VariantPrinting.h"
#include "support/TempDir.h"
#include "util/CodePageText.h"

namespace qvn {
namespace {

TEST(CodePageTextTest, TextFunctionsFallBackToTheProcessCodePage)
{
    EXPECT_EQ(WideToCodePage(u8"應付", 950), "\xC0\xB3\xA5\x49");
    EXPECT_EQ(WideToCodePage(u8"应付", 12345), "\xD3\xA6\xB8\xB6");  // unknown page: process page (936)
    EXPECT_EQ(WideToCodePage(u8"a\U0001F600", 936), "a?");
    EXPECT_EQ(CodePageToWide("\xC0\xB3\xA5\x49", 950), WideString(u8"應付"));
    EXPECT_EQ(CodePageToWide("\xD3\xA6", 12345), WideString(u8"应"));
    EXPECT_EQ(CodePageToWide("", 950), WideString());
    EXPECT_EQ(CodePageToWide("a\xFF", 936), WideString(u8"a\uFFFD"));
}

TEST(CodePageTextTest, VarToCodePageConvertsWideTextsAtEveryLevelOfOneDimensionalArrays)
{
    const Variant input = VarArrayOf({Variant(u8"应付"), Variant(7), Variant("\xD3\xA6"),
                                      VarArrayOf({Variant(u8"供应商"), VarArrayOf({Variant(u8"员工")})}), Variant::Null()});
    const Variant out = VarToCodePage(input, CP_GBK);
    const Variant expected = VarArrayOf({Variant("\xD3\xA6\xB8\xB6"), Variant(7), Variant("\xD3\xA6"),
                                         VarArrayOf({Variant("\xB9\xA9\xD3\xA6\xC9\xCC"), VarArrayOf({Variant("\xD4\xB1\xB9\xA4")})}),
                                         Variant::Null()});
    EXPECT_EQ(out, expected) << VarDebugText(out);
    // The input is untouched.
    EXPECT_EQ(input[0], Variant(u8"应付"));
}

TEST(CodePageTextTest, TwoDimensionalArraysConvertTheirOwnElementsOnly)
{
    Variant grid = VarArrayCreate(VarBound{1, 2}, VarBound{0, 1});
    grid(1, 0) = Variant(u8"年");
    grid(1, 1) = VarArrayOf({Variant(u8"月")});
    grid(2, 0) = Variant(3.5);
    const Variant out = VarToCodePage(grid, CP_GBK);
    EXPECT_EQ(out(1, 0), Variant("\xC4\xEA"));
    EXPECT_EQ(out(1, 1), VarArrayOf({Variant(u8"月")}));
    EXPECT_EQ(out(2, 0), Variant(3.5));
    EXPECT_EQ(out.LowBound(1), 1);
}

TEST(CodePageTextTest, SingleValuesAndBlanks)
{
    EXPECT_EQ(VarToCodePage(Variant::Null(), 936), Variant::Null());
    EXPECT_EQ(VarToCodePage(Variant(), 936), Variant());
    EXPECT_EQ(VarToCodePage(Variant(42), 936), Variant(42));
    EXPECT_EQ(VarToCodePage(Variant(u8"應"), 950), Variant("\xC0\xB3"));
    // An 8-bit text is read in the process code page (936) first.
    EXPECT_EQ(VarToCodePage(Variant("\xB8\xB6"), 950), Variant("\xA5\x49"));
    // Bytes convert, characters do not: Big5 has no simplified character.
    EXPECT_EQ(VarToCodePage(Variant("\xD3\xA6"), 950), Variant("?"));
    EXPECT_EQ(VarFromCodePage(Variant("\xC0\xB3"), 950), Variant(u8"\u61C9"));
}

TEST(CodePageTextTest, VarFromCodePageMirrorsVarToCodePage)
{
    // Wide elements that carry Big5 bytes narrowed in the process code page (as
    // a server hands them over) are read in code page 950.
    const WideString carried = AnsiToWide("\xC0\xB3\xB4\xDA");
    const Variant input = VarArrayOf({Variant(carried), Variant("untouched"), VarArrayOf({Variant(carried)})});
    const Variant out = VarFromCodePage(input, CP_BIG5);
    EXPECT_EQ(out[0], Variant(u8"應款"));
    EXPECT_EQ(out[1], Variant("untouched"));
    EXPECT_EQ(out[2][0], Variant(u8"應款"));
    // Array elements that are 8-bit texts already are left as they are.
    const Variant wide = VarArrayOf({Variant(u8"应付账款"), Variant(u8"ABC")});
    EXPECT_EQ(VarFromCodePage(VarToCodePage(wide, CP_GBK), CP_GBK),
              VarArrayOf({Variant("\xD3\xA6\xB8\xB6\xD5\xCB\xBF\xEE"), Variant("ABC")}));
}

}  // namespace
}  // namespace qvn
