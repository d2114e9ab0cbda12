// Published-property lookup reads a name in words from both ends, and path
// splitting looks for dots a word at a time: the cases below sit on the
// boundaries of those reads (1-3, 4-7, 8, 9-16, over 16 characters) and on
// names that agree everywhere those reads could be careless.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "support/ErrorOf.h"
#include "vcl/Colors.h"
#include "vcl/Component.h"
#include "vcl/PropAccess.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

class TNamed : public TComponent {
    QVN_CLASS_INFO()
public:
    TNamed() : TComponent(nullptr) {}
    int values[12] = {};
    template <int I>
    int Value() const { return values[I]; }
    template <int I>
    void SetValue(int v) { values[I] = v; }
    TNamed* Child() const { return child_; }
    void SetChild(TNamed* c) { child_ = c; }

private:
    TNamed* child_ = nullptr;
};

// Pairs differ in one byte only: in the middle, at an end, or in a byte that
// must not fold ('@' is not a letter; 0xC1 is a lead byte of double-byte text).
const char* const kNames[12] = {"X",        "Xy",           "Abcd",           "AbXd",
                                "Abcdefgh", "AbcdefgX",     "Abcdefghi",      "AbcdefgXi",
                                "P@q",      "P\xC1q",          "AbcdefghijklmnopQ", "AbcdefghijklmnopR"};

template <int... I>
void AddValues(TPropTable& t, std::integer_sequence<int, I...>)
{
    (AddIntProp<TNamed, &TNamed::Value<I>, &TNamed::SetValue<I>>(t, kNames[I]), ...);
}

QVN_DEFINE_CLASS_INFO(TNamed, TComponent, [](TPropTable& t) {
    AddValues(t, std::make_integer_sequence<int, 12>{});
    AddObjectProp<TNamed, &TNamed::Child>(t, "Child", "TNamed");
    AddObjectProp<TNamed, &TNamed::Child>(t, "ChildWithALongName", "TNamed");
})

std::string Flip(std::string s)
{
    for (char& c : s)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) c ^= 0x20;
    return s;
}

TEST(PropLookupTest, EveryNameFindsItsOwnPropertyInAnyCaseAndNoOther)
{
    TNamed o;
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(kNames[i]);
        const std::string name = kNames[i];
        const TPropInfo* p = FindPropInfo(&o, name);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Name, name);
        EXPECT_EQ(FindPropInfo(&o, Flip(name)), p);
        // A view into a longer buffer must only read its own characters.
        const std::string padded = "##" + name + "##";
        EXPECT_EQ(FindPropInfo(&o, std::string_view(padded).substr(2, name.size())), p);
    }
}

TEST(PropLookupTest, NearMissesAreNotFound)
{
    TNamed o;
    for (const char* miss : {"Y", "Xz", "Abc", "Abce", "Abcdefg", "Abcdefgi", "AbcdefghX", "P q", "P@Q2",
                             "AbcdefghijklmnopS", "AbcdefghijklmnoQ", "AbcdefghijklmnopQQ"}) {
        SCOPED_TRACE(miss);
        EXPECT_EQ(FindPropInfo(&o, miss), nullptr);
    }
}

TEST(PropLookupTest, OnlyAsciiLettersFoldIntoEachOther)
{
    // '`' and 0xE1 sit 0x20 above '@' and 0xC1, as 'a' does above 'A'.
    TNamed o;
    EXPECT_EQ(FindPropInfo(&o, "p@Q")->Name, "P@q");
    EXPECT_EQ(FindPropInfo(&o, "P`q"), nullptr);
    EXPECT_EQ(FindPropInfo(&o, "p\xC1Q")->Name, "P\xC1q");
    EXPECT_EQ(FindPropInfo(&o, "P\xE1q"), nullptr);
    EXPECT_FALSE(HasPropByName(&o, std::string("X\0", 2)));
}

TEST(PropLookupTest, PathsSplitAtEveryDotWhateverTheSegmentLengths)
{
    TNamed root, mid, leaf;
    root.SetChild(&mid);
    mid.SetChild(&leaf);
    struct Case {
        const char* path;
        const TNamed* target;
        int index;
    };
    const Case cases[] = {
        {"X", &root, 0},
        {"child.Xy", &mid, 1},
        {"Child.Child.abcd", &leaf, 2},
        {"ChildWithALongName.Abcdefgh", &mid, 4},
        {"ChildWithALongName.childwithalongname.AbcdefghijklmnopR", &leaf, 11},
        {"Child.ChildWithALongName.AbcdefgXi", &leaf, 7},
        {"Child.Abcdefgh", &mid, 4},      // last segment of exactly one word
        {"CHILD.child.x", &leaf, 0},      // shorter than a word after the first dot
        {"Child.abcdefghi", &mid, 6},     // last segment one past a word
        {"Abcdefgh", &root, 4},           // a whole path of one word
        {"child.P@q", &mid, 8},
    };
    int value = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        SetPropPath(&root, c.path, Variant(++value));
        EXPECT_EQ(c.target->values[c.index], value);
    }
}

TEST(PropLookupTest, BadPathsRaiseTheNamedError)
{
    TNamed root;  // no child assigned
    struct Case {
        const char* path;
        const char* error;
    };
    const Case cases[] = {
        {"Child.X", "Cannot set property X of no object"},
        {"Childx.X", "Property Childx does not exist"},
        {"X.Xy", "Property X is not an object"},
        {".X", "Property  does not exist"},
        {"ChildWithALongName.", "Cannot set property  of no object"},
        {"", "Property  does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(test::ErrorOf<EPropertyError>([&] { SetPropPath(&root, c.path, Variant(1)); }), c.error);
        EXPECT_FALSE(TrySetPropPath(&root, c.path, Variant(1)));
    }
}

// Identifier tables are scanned without measuring their names first: a
// prefix, an extension or a trailing NUL must still miss.
TEST(PropLookupTest, IdentifiersMatchWholeNamesOnly)
{
    struct Case {
        std::string_view text;
        bool found;
    };
    const Case cases[] = {{"CLRED", true},   {"clRe", false}, {"clRedX", false},
                          {std::string_view("clRed\0", 6), false}, {"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        int32_t color = -1;
        EXPECT_EQ(IdentToColor(c.text, color), c.found);
        if (c.found) {
            EXPECT_EQ(color, clRed);
        }
    }
}

}  // namespace
}  // namespace qvn
