#include <gtest/gtest.h>

#include "util/Fields.h"

namespace qvn {
namespace {

TEST(FieldsTest, GetFieldTakesTheNthFieldOrNothing)
{
    struct Case { const char* text; const char* sep; int n; const char* expected; };
    const Case cases[] = {
        {"a#b#c", "#", 1, "a"}, {"a#b#c", "#", 2, "b"}, {"a#b#c", "#", 3, "c"}, {"a#b#c", "#", 4, ""},
        {"a#", "#", 1, "a"},    {"a#", "#", 2, ""},     {"", "#", 1, ""},       {"a##c", "#", 2, ""},
        {"a##c", "#", 3, "c"},  {"a<>b<>c", "<>", 2, "b"}, {"abc", "#", 1, "abc"}, {"abc", "#", 0, ""},
        {"abc", "", 1, "abc"},  {"x\x03y", kFieldSep, 2, "y"},
    };
    for (const auto& c : cases) EXPECT_EQ(GetField(c.text, c.sep, c.n), c.expected) << c.text << " n=" << c.n;
}

TEST(FieldsTest, CountFieldsCountsOverlappingSeparators)
{
    struct Case { const char* text; const char* sep; int expected; };
    const Case cases[] = {
        {"", ",", 0},       {"a,b,c", ",", 3},  {"abc", ",", 1},   {"a,", ",", 2},
        {"a#b", "#", 2},    {"aaa", "aa", 3},   {"a,,b", ",,", 2}, {"x", "", 1},
        // A separator beginning with the overwrite mark must still end the count.
        {"1#a2#a3", "#a", 3}, {"##", "#", 3},
    };
    for (const auto& c : cases) EXPECT_EQ(CountFields(c.text, c.sep), c.expected) << c.text << " / " << c.sep;
}

TEST(FieldsTest, CutFieldMovesTheHeadOut)
{
    std::string text = "2024/02/30", head;
    CutField(text, "/", head);
    EXPECT_EQ(head, "2024");
    EXPECT_EQ(text, "02/30");
    text = "no separator";
    CutField(text, "/", head);
    EXPECT_EQ(head, "no separator");
    EXPECT_EQ(text, "");
    text = "a<>b";
    CutField(text, "<>", head);
    EXPECT_EQ(head, "a");
    EXPECT_EQ(text, "b");
}

}  // namespace
}  // namespace qvn
