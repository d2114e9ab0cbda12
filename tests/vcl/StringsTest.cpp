#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ErrorOf.h"
#include "vcl/Strings.h"

namespace qvn {
namespace {

using Lines = std::vector<std::string>;

Lines LinesOf(const TStrings& list)
{
    Lines lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
    return lines;
}

void Fill(TStrings& list, const Lines& lines)
{
    list.Clear();
    for (const std::string& s : lines) list.Add(s);
}

TEST(StringListTest, IndexOutOfBoundsRaisesWithTheIndex)
{
    TStringList list;
    Fill(list, {"a", "b"});
    struct Case {
        const char* what;
        std::function<void()> run;
        const char* message;
    } cases[] = {
        {"get", [&] { list.Get(2); }, "List index out of bounds (2)"},
        {"get negative", [&] { list.Get(-1); }, "List index out of bounds (-1)"},
        {"put", [&] { list.Put(5, "x"); }, "List index out of bounds (5)"},
        {"object", [&] { list.GetObject(2); }, "List index out of bounds (2)"},
        {"insert past end", [&] { list.Insert(3, "x"); }, "List index out of bounds (3)"},
        {"delete", [&] { list.Delete(2); }, "List index out of bounds (2)"},
        {"exchange", [&] { list.Exchange(0, 9); }, "List index out of bounds (9)"},
        {"move", [&] { list.Move(0, 2); }, "List index out of bounds (2)"},
        {"names", [&] { list.Names(4); }, "List index out of bounds (4)"},
    };
    for (const Case& c : cases) EXPECT_EQ(test::ErrorOf<EStringListError>(c.run), c.message) << c.what;
    EXPECT_EQ(LinesOf(list), (Lines{"a", "b"}));
}

TEST(StringListTest, EditingKeepsObjectsWithTheirLines)
{
    TStringList list, a, b;
    list.AddObject("one", &a);
    list.Add("two");
    list.InsertObject(0, "zero", &b);
    list.Insert(3, "three");
    EXPECT_EQ(LinesOf(list), (Lines{"zero", "one", "two", "three"}));
    list.Exchange(0, 1);
    list.Move(0, 3);  // "one" to the end
    EXPECT_EQ(LinesOf(list), (Lines{"zero", "two", "three", "one"}));
    EXPECT_EQ(list.Objects(0), &b);
    EXPECT_EQ(list.Objects(3), &a);
    EXPECT_EQ(list.IndexOfObject(&a), 3);
    list.Put(3, "uno");
    EXPECT_EQ(list.Objects(3), &a);
    list.Delete(0);
    EXPECT_EQ(LinesOf(list), (Lines{"two", "three", "uno"}));
}

TEST(StringListTest, IndexOfIgnoresCaseUnlessCaseSensitive)
{
    TStringList list;
    Fill(list, {"Alpha", "beta", "\xD6\xD0\xCE\xC4"});
    EXPECT_EQ(list.IndexOf("ALPHA"), 0);
    EXPECT_EQ(list.IndexOf("Beta"), 1);
    EXPECT_EQ(list.IndexOf("\xD6\xD0\xCE\xC4"), 2);
    EXPECT_EQ(list.IndexOf("gamma"), -1);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("ALPHA"), -1);
    EXPECT_EQ(list.IndexOf("Alpha"), 0);
}

TEST(StringListTest, NameValueLines)
{
    TStringList list;
    Fill(list, {"Host=db1", "plain", "Port=", "a=b=c"});
    EXPECT_EQ(list.Names(0), "Host");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.Values("HOST"), "db1");
    EXPECT_EQ(list.Values("a"), "b=c");
    EXPECT_EQ(list.Values("plain"), "");
    EXPECT_EQ(list.IndexOfName("port"), 2);
    list.SetValues("host", "db2");  // replaces the line, written with the given name
    list.SetValues("User", "sa");
    list.SetValues("a", "");  // an empty value removes the line
    list.SetValues("missing", "");
    EXPECT_EQ(LinesOf(list), (Lines{"host=db2", "plain", "Port=", "User=sa"}));
}

TEST(StringListTest, TextSplitsAtAnyLineEnd)
{
    struct Case {
        const char* text;
        Lines lines;
    } cases[] = {
        {"a\r\nb", {"a", "b"}},       {"a\nb\n", {"a", "b"}},        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}}, {"a\n\rb", {"a", "", "b"}},    {"", {}},
        {"\r\n", {""}},                {" x \r\n\ty", {" x ", "\ty"}},
    };
    TStringList list;
    for (const Case& c : cases) {
        list.SetText(c.text);
        EXPECT_EQ(LinesOf(list), c.lines) << c.text;
    }
    Fill(list, {"a", "", "b"});
    EXPECT_EQ(list.Text(), "a\r\n\r\nb\r\n");
    TStringList copy;
    copy.SetText(list.Text());
    EXPECT_EQ(LinesOf(copy), LinesOf(list));
}

TEST(StringListTest, CommaTextQuotesWhatWouldNotSurviveSplitting)
{
    struct Case {
        Lines lines;
        const char* text;
    } cases[] = {
        {{"a", "b"}, "a,b"},
        {{"a b", "c"}, "\"a b\",c"},
        {{"x,y"}, "\"x,y\""},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {{""}, "\"\""},
        {{"a", "", "b"}, "a,,b"},
        {{}, ""},
        {{"tab\there"}, "\"tab\there\""},
        {{"\xD6\xD0,\xCE\xC4"}, "\"\xD6\xD0,\xCE\xC4\""},
    };
    TStringList list, back;
    for (const Case& c : cases) {
        Fill(list, c.lines);
        EXPECT_EQ(list.CommaText(), c.text);
        back.SetCommaText(list.CommaText());
        EXPECT_EQ(LinesOf(back), c.lines) << c.text;  // round trip
    }
}

TEST(StringListTest, CommaTextSplitsAtCommasAndUnquotedBlanks)
{
    struct Case {
        const char* text;
        Lines lines;
    } cases[] = {
        {"a b", {"a", "b"}},           {"  a  ,  b  ", {"a", "b"}},   {",a", {"", "a"}},
        {"a,", {"a"}},                 {"a,,b", {"a", "", "b"}},      {"\"x\"\"y\"", {"x\"y"}},
        {"\"unclosed", {"unclosed"}},  {"\"ab\"cd", {"ab", "cd"}},    {"", {}},
        {"   ", {}},
    };
    TStringList list;
    for (const Case& c : cases) {
        list.SetCommaText(c.text);
        EXPECT_EQ(LinesOf(list), c.lines) << c.text;
    }
}

TEST(StringListTest, SortedListKeepsOrderAndHandlesDuplicates)
{
    TStringList list;
    list.SetSorted(true);
    Fill(list, {"pear", "Apple", "fig"});
    EXPECT_EQ(LinesOf(list), (Lines{"Apple", "fig", "pear"}));
    EXPECT_EQ(list.IndexOf("PEAR"), 2);
    EXPECT_EQ(list.IndexOf("kiwi"), -1);
    int at = -1;
    EXPECT_FALSE(list.Find("grape", at));
    EXPECT_EQ(at, 2);

    EXPECT_EQ(list.Add("APPLE"), 0);  // ignored: the existing index
    EXPECT_EQ(list.Count(), 3);
    list.SetDuplicates(dupError);
    EXPECT_EQ(test::ErrorOf<EStringListError>([&] { list.Add("Fig"); }), "String list does not allow duplicates");
    list.SetDuplicates(dupAccept);
    list.Add("Fig");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.IndexOf("fig"), 1);  // the first of equal lines

    for (auto op : {std::function<void()>([&] { list.Insert(0, "z"); }), std::function<void()>([&] { list.Put(0, "z"); }),
                    std::function<void()>([&] { list.Exchange(0, 1); })})
        EXPECT_EQ(test::ErrorOf<EStringListError>(op), "Operation not allowed on sorted string list");
}

TEST(StringListTest, SortingSortsLinesWithTheirObjects)
{
    TStringList list, a, b, c;
    list.AddObject("ccc", &c);
    list.AddObject("a", &a);
    list.AddObject("BB", &b);
    list.Sort();
    EXPECT_EQ(LinesOf(list), (Lines{"a", "BB", "ccc"}));
    EXPECT_EQ(list.Objects(1), &b);
    list.CustomSort([](TStringList& l, int i, int j) {
        return static_cast<int>(l[j].size()) - static_cast<int>(l[i].size());  // longest first
    });
    EXPECT_EQ(LinesOf(list), (Lines{"ccc", "BB", "a"}));
    EXPECT_EQ(list.Objects(0), &c);
    // A comparison that contradicts itself must not take the sort out of the list.
    Fill(list, {"5", "3", "9", "1", "7", "2", "8"});
    list.CustomSort([](TStringList&, int, int) { return -1; });
    EXPECT_EQ(list.Count(), 7);
}

TEST(StringListTest, UpdatesFireTheEventsOnceAndOnlyForChanges)
{
    TStringList list;
    std::vector<std::string> events;
    list.OnChanging = TNotifyEvent::From([&](TObject*) { events.push_back("changing"); });
    list.OnChange = TNotifyEvent::From([&](TObject*) { events.push_back("change"); });
    list.Add("a");
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "change"}));

    events.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("b");
    list.Add("c");
    list.EndUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"changing"}));
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "change"}));

    events.clear();
    list.BeginUpdate();
    list.IndexOf("b");
    list.EndUpdate();
    list.EndUpdate();  // unbalanced: ignored
    EXPECT_TRUE(events.empty());
    list.SetText("x\r\ny");  // one update around the whole replacement
    EXPECT_EQ(events, (std::vector<std::string>{"changing", "change"}));
}

TEST(StringListTest, AssignAndAddStringsCopyLinesAndObjects)
{
    TStringList source, target, marker;
    source.AddObject("b", &marker);
    source.Add("a");
    target.Add("old");
    target.SetSorted(true);
    target.Assign(source);
    EXPECT_EQ(LinesOf(target), (Lines{"a", "b"}));  // the target keeps its own sorting
    EXPECT_EQ(target.Objects(1), &marker);
    target.AddStrings(target);  // adding a list to itself changes nothing
    EXPECT_EQ(target.Count(), 2);
    source.AddStrings(target);
    EXPECT_EQ(LinesOf(source), (Lines{"b", "a", "a", "b"}));
    EXPECT_TRUE(target.Equals(target));
    EXPECT_FALSE(target.Equals(source));
    struct NotAList : TPersistent {} other;
    EXPECT_EQ(test::ErrorOf<EConvertError>([&] { target.Assign(other); }),
              "Cannot assign a TPersistent to a TStringList");
}

}  // namespace
}  // namespace qvn
