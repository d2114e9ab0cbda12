#include <gtest/gtest.h>

#include <cmath>

#include "support/VariantPrinting.h"
#include "util/Fields.h"
#include "util/TextUtils.h"

namespace qvn {
namespace {

TEST(TextUtilsTest, ReplaceAll)
{
    struct Case { const char* text; const char* oldText; const char* newText; bool trim; const char* expected; };
    const Case cases[] = {
        {"Abc", "abc", "ABC", false, "Abc"},        // equal ignoring case: no change
        {"abc", "ABC", "xyz", false, "abc"},        // the search is case-sensitive
        {" a-b-c ", "-", "", true, "abc"},
        {"aab", "ab", "b", false, "b"},             // replacements are searched again
        {"$$TMCMD x $$TMCMC", "$$", "DB..", false, "DB..TMCMD x DB..TMCMC"},
        {"abc", "", "x", false, "abc"},
        {"\t x \r\n", "y", "z", true, "x"},
        // New containing Old must terminate: one pass from left to right.
        {"a.b.c", ".", "..", false, "a..b..c"},
        {"xx", "x", "xy", false, "xyxy"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceAll(c.text, c.oldText, c.newText, c.trim), c.expected) << c.text << " " << c.oldText;
}

TEST(TextUtilsTest, ReplaceAllOnALargeText)
{
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "ab";
    EXPECT_EQ(ReplaceAll(text, "ab", "c", false), std::string(100000, 'c'));
}

TEST(TextUtilsTest, PackVarArrayText)
{
    const Variant items = VarArrayOf({Variant("2"), Variant("A01"), Variant(u8"乙02"), Variant("ignored")});
    EXPECT_EQ(PackVarArrayText(u8"DL", items).Utf8(),
              std::string("DL\x03" "2\x03" "A01\x03") + reinterpret_cast<const char*>(u8"乙02") + "\x03");
    // A count larger than the array, or no array at all, never reads past the end.
    const Variant shortItems = VarArrayOf({Variant(5), Variant("x")});
    EXPECT_EQ(PackVarArrayText(u8"N", shortItems).Utf8(), "N\x03" "5\x03x\x03");
    EXPECT_EQ(PackVarArrayText(u8"N", Variant()).Utf8(), "N\x03" "0\x03");
    EXPECT_EQ(PackVarArrayText(u8"N", VarArrayOf({Variant("abc")})).Utf8(), "N\x03" "abc\x03");
}

TEST(TextUtilsTest, DialogButtonCaption)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Yes", "是(&Y)"},     {"No", "否(&N)"},       {"OK", "确定"},         {"Cancel", "取消"},
        {"Abort", "中断(&A)"}, {"Retry", "重试(&R)"},  {"Ignore", "忽略(&I)"}, {"All", "全部(&A)"},
        {"NoToAll", "全否(&o)"}, {"YesToAll", "全是(&A)"}, {"Help", "帮助(&H)"}, {"yes", "yes"}, {"", ""},
    };
    for (auto [name, caption] : cases) EXPECT_EQ(DialogButtonCaption(name), caption) << name;
    // The captions are the GB bytes of the design texts.
    EXPECT_EQ(DialogButtonCaption("OK"), "\xC8\xB7\xB6\xA8");
}

TEST(TextUtilsTest, StrToFloatDefault)
{
    struct Case { const char* text; double expected; };
    const Case cases[] = {
        {"1.5", 1.5},   {"  -2", -2},   {"+3e2", 300}, {"1E-2", 0.01}, {".5", 0.5}, {"5.", 5},
        {"1.5 ", -1},   {"1,5", -1},    {"", -1},      {" ", -1},      {"abc", -1}, {"1e", -1},
        {"0x10", -1},   {"inf", -1},    {"nan", -1},   {"1e999", -1},  {"--1", -1}, {".", -1},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(StrToFloatDefault(c.text, -1), c.expected) << c.text;
}

TEST(TextUtilsTest, SmallHelpers)
{
    EXPECT_TRUE(IsLoopbackAddress("127.0.0.1"));
    for (const char* other : {"localhost", " 127.0.0.1", "127.0.0.2", "::1", ""}) EXPECT_FALSE(IsLoopbackAddress(other)) << other;
    EXPECT_EQ(VarIif(true, Variant(1), Variant("b")), Variant(1));
    EXPECT_EQ(VarIif(false, Variant(1), Variant("b")), Variant("b"));
    EXPECT_TRUE(VarIsBlank(Variant()));
    EXPECT_TRUE(VarIsBlank(Variant::Null()));
    EXPECT_FALSE(VarIsBlank(Variant("")));
    EXPECT_FALSE(VarIsBlank(Variant(0)));
}

}  // namespace
}  // namespace qvn
