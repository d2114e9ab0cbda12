#include "platform/Variant.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/Dispatch.h"
#include "platform/Exceptions.h"
#include "support/ErrorOf.h"
#include "support/VariantPrinting.h"

namespace qvn {
namespace {

constexpr const char* kOutOfBounds = "Variant or safe array index out of bounds";

class NullObject : public Dispatch {
public:
    Variant Invoke(std::string_view member, CallKind, std::span<Variant>) override { RaiseUnknownMember(member); }
};

// ---------------------------------------------------------------- arrays

TEST(VarArrayTest, BoundsAreKeptAndIndexesOutsideThemRaise)
{
    struct Case { int low, high; };
    for (Case c : std::vector<Case>{{0, 4}, {1, 1}, {-3, 2}, {-5, -2}, {7, 6}, {INT_MAX - 1, INT_MAX}}) {
        SCOPED_TRACE(std::to_string(c.low) + ".." + std::to_string(c.high));
        VarArray a(c.low, c.high);
        EXPECT_EQ(a.DimCount(), 1);
        EXPECT_EQ(a.LowBound(), c.low);
        EXPECT_EQ(a.HighBound(1), c.high);
        EXPECT_EQ(a.ElementCount(), c.high - c.low + 1);
        if (a.ElementCount() > 0) {
            a.Put(c.low, 10);
            a.Put(c.high, 20);
            EXPECT_EQ(a.Get(c.high), Variant(20));
            if (c.low != c.high) {
                EXPECT_EQ(a.Get(c.low), Variant(10));
            }
        }
        EXPECT_EQ(test::ErrorOf<EVariantError>([&] { a.Get(c.low - 1); }), kOutOfBounds);
        if (c.high < INT_MAX) {
            EXPECT_EQ(test::ErrorOf<EVariantError>([&] { a.Ref(c.high + 1); }), kOutOfBounds);
        }
    }
}

TEST(VarArrayTest, DefaultArrayIsOneEmptyDimension)
{
    VarArray a;
    EXPECT_EQ(a.DimCount(), 1);
    EXPECT_EQ(a.LowBound(), 0);
    EXPECT_EQ(a.HighBound(), -1);
    EXPECT_EQ(a.ElementCount(), 0);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { a.Get(0); }), kOutOfBounds);
}

TEST(VarArrayTest, InvalidBoundsRaiseInsteadOfAllocating)
{
    const std::string createError = "Error creating variant or safe array";
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { VarArray(5, 3); }), createError);
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { VarArray(INT_MIN, INT_MAX); }), createError);
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { VarArray({0, -2}, {0, 1}); }), createError);
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { VarArray({0, 99999}, {0, 99999}); }), createError);  // 10^10 elements
}

TEST(VarArrayTest, WrongNumberOfIndexesOrDimensionRaises)
{
    VarArray one(0, 2);
    VarArray two({0, 1}, {0, 1});
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { one.Get(0, 0); }), kOutOfBounds);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { one.Ref(0, 0); }), kOutOfBounds);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { two.Get(0); }), kOutOfBounds);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { two.Put(0, 1); }), kOutOfBounds);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { one.LowBound(2); }), kOutOfBounds);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { two.HighBound(3); }), kOutOfBounds);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { two.LowBound(0); }), kOutOfBounds);
}

TEST(VarArrayTest, TwoDimensionsStoreTheLastIndexFastest)
{
    VarArray a({1, 2}, {-1, 1});
    EXPECT_EQ(a.DimCount(), 2);
    EXPECT_EQ(a.ElementCount(), 6);
    for (int i = 1; i <= 2; ++i)
        for (int j = -1; j <= 1; ++j) a.Put(i, j, i * 10 + j);
    std::vector<Variant> expected{9, 10, 11, 19, 20, 21};
    EXPECT_EQ(a.Elements(), expected);
    EXPECT_EQ(a.Get(2, -1), Variant(19));
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { a.Get(0, 0); }), kOutOfBounds);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { a.Get(1, 2); }), kOutOfBounds);
}

TEST(VarArrayTest, RedimOneDimensionKeepsTheRemainingElements)
{
    Variant v = VarArrayOf({1, 2, 3});
    VarArrayRedim(v, 4);
    EXPECT_EQ(VarDebugText(v), "[1, 2, 3, Empty, Empty]");
    VarArrayRedim(v, 1);
    EXPECT_EQ(VarDebugText(v), "[1, 2]");
    VarArrayRedim(v, -1);  // empty: high = low - 1
    EXPECT_EQ(v.ArrayRef().ElementCount(), 0);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { VarArrayRedim(v, -2); }), "Error creating variant or safe array");
    EXPECT_EQ(v.HighBound(), -1);  // a refused Redim leaves the array as it was
}

TEST(VarArrayTest, RedimTwoDimensionsReLaysEachRow)
{
    VarArray a({0, 1}, {1, 3});
    for (int i = 0; i <= 1; ++i)
        for (int j = 1; j <= 3; ++j) a.Put(i, j, i * 10 + j);
    a.Redim(4);
    EXPECT_EQ(VarDebugText(Variant(a)), "[0..1, 1..4: 1, 2, 3, Empty; 11, 12, 13, Empty]");
    a.Redim(1);
    EXPECT_EQ(VarDebugText(Variant(a)), "[0..1, 1..1: 1; 11]");
    EXPECT_EQ(a.Get(1, 1), Variant(11));
}

TEST(VarArrayTest, NestedArraysAreElements)
{
    Variant v = VarArrayOf({1, VarArrayOf({2, 3})});
    EXPECT_EQ(v[1].DimCount(), 1);
    EXPECT_EQ(v[1][1], Variant(3));
    v[1][0] = "x";
    EXPECT_EQ(VarDebugText(v), R"([1, ["x", 3]])");
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { static_cast<const Variant&>(v)[0][0]; }), "Invalid variant type conversion");
}

TEST(VarArrayTest, EqualityComparesBoundsAndElements)
{
    EXPECT_EQ(VarArrayOf({1, "a"}), VarArrayOf({1, "a"}));
    EXPECT_NE(VarArrayOf({1, "a"}), VarArrayOf({1, "b"}));
    EXPECT_NE(Variant(VarArray(0, 1)), Variant(VarArray(1, 2)));  // same elements, other bounds
    EXPECT_NE(Variant(VarArray(0, 3)), Variant(VarArray({0, 1}, {0, 1})));
    EXPECT_NE(VarArrayOf({1}), VarArrayOf({int64_t{1}}));  // element types count
}

TEST(VarArrayTest, MovedFromArrayReadsAsEmpty)
{
    VarArray a(0, 2);
    VarArray b = std::move(a);
    EXPECT_EQ(b.ElementCount(), 3);
    EXPECT_EQ(a.ElementCount(), 0);  // NOLINT(bugprone-use-after-move): the point of the test
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { a.Get(0); }), kOutOfBounds);
    a.MutableElements().push_back(1);  // writable again
    EXPECT_EQ(a.Elements().size(), 1u);
}

// ---------------------------------------------------------------- copy on write

// Each way of writing to an array, applied to element 0 of a 1-D array of at least one element.
struct Mutator {
    const char* name;
    void (*apply)(VarArray&);
};

const Mutator kMutators[] = {
    {"Ref", [](VarArray& a) { a.Ref(a.LowBound()) = "changed"; }},
    {"Put", [](VarArray& a) { a.Put(a.LowBound(), "changed"); }},
    {"Redim", [](VarArray& a) { a.Redim(a.HighBound() + 1); }},
    {"MutableElements", [](VarArray& a) { a.MutableElements()[0] = "changed"; }},
};

TEST(VarArrayCopyOnWriteTest, WritingToTheOriginalLeavesTheCopyAlone)
{
    for (const Mutator& m : kMutators) {
        SCOPED_TRACE(m.name);
        VarArray original = VarArrayOf({1, 2, 3}).ArrayRef();
        VarArray copy = original;
        ASSERT_TRUE(copy.SharesStorageWith(original));
        m.apply(original);
        EXPECT_FALSE(copy.SharesStorageWith(original));
        EXPECT_EQ(Variant(copy), VarArrayOf({1, 2, 3}));
        EXPECT_NE(Variant(original), VarArrayOf({1, 2, 3}));
    }
}

TEST(VarArrayCopyOnWriteTest, WritingToTheCopyLeavesTheOriginalAlone)
{
    for (const Mutator& m : kMutators) {
        SCOPED_TRACE(m.name);
        Variant original = VarArrayOf({1, 2, 3});
        Variant copy = original;
        VarArray& copied = copy.ArrayRef();
        m.apply(copied);
        EXPECT_EQ(original, VarArrayOf({1, 2, 3}));
        EXPECT_NE(copy, original);
    }
}

TEST(VarArrayCopyOnWriteTest, LargeArrayCopiesShareStorageUntilWritten)
{
    Variant big = VarArrayCreate(0, 99999);
    big[99999] = 42;
    Variant copy = big;
    std::vector<Variant> passedAround{copy, copy};
    EXPECT_TRUE(copy.ArrayRef().SharesStorageWith(big.ArrayRef()));
    EXPECT_TRUE(passedAround[1].ArrayRef().SharesStorageWith(big.ArrayRef()));
    // Reading (also through a non-const variant's array) must not detach.
    EXPECT_EQ(static_cast<const Variant&>(copy)[99999], Variant(42));
    EXPECT_EQ(copy.HighBound(), 99999);
    EXPECT_TRUE(copy.ArrayRef().SharesStorageWith(big.ArrayRef()));
    copy[0] = 1;
    EXPECT_FALSE(copy.ArrayRef().SharesStorageWith(big.ArrayRef()));
    EXPECT_TRUE(big[0].IsEmpty());
}

TEST(VarArrayCopyOnWriteTest, NestedArrayWriteDoesNotReachOtherCopies)
{
    Variant outer = VarArrayOf({VarArrayOf({1, 2})});
    Variant copy = outer;
    outer[0][1] = 99;
    EXPECT_EQ(VarDebugText(copy), "[[1, 2]]");
    EXPECT_EQ(VarDebugText(outer), "[[1, 99]]");
}

TEST(VarArrayCopyOnWriteTest, PuttingAnArrayIntoItselfStoresItsEarlierValue)
{
    VarArray a = VarArrayOf({1, 2}).ArrayRef();
    a.Put(0, Variant(a));
    EXPECT_EQ(VarDebugText(Variant(a)), "[[1, 2], 2]");
    // No cycle: the sanitizer build's leak check would report one.
}

// ---------------------------------------------------------------- types

TEST(VariantTest, ConstructorsChooseTheType)
{
    DispatchPtr object = std::make_shared<NullObject>();
    struct Case { Variant v; VarType type; const char* name; bool numeric; };
    const Case cases[] = {
        {Variant(), VarType::Empty, "Empty", false},
        {Variant::Null(), VarType::Null, "Null", false},
        {Variant(true), VarType::Boolean, "Boolean", true},
        {Variant(5), VarType::Integer, "Integer", true},
        {Variant(int64_t{5}), VarType::Int64, "Int64", true},
        {Variant(0.5), VarType::Double, "Double", true},
        {Variant(TDateTime(1.0)), VarType::Date, "Date", false},
        {Variant("a"), VarType::String, "String", false},
        {Variant(std::string_view("a")), VarType::String, "String", false},
        {Variant(u8"a"), VarType::OleStr, "OleStr", false},
        {Variant(object), VarType::Dispatch, "Dispatch", false},
        {VarArrayOf({}), VarType::Array, "Array Variant", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.v.Type(), c.type);
        EXPECT_STREQ(VarTypeName(c.v.Type()), c.name);
        EXPECT_EQ(c.v.IsNumeric(), c.numeric);
    }
    EXPECT_EQ(Variant(static_cast<const char*>(nullptr)), Variant(""));
}

TEST(VariantTest, RefAccessorsRaiseOnAnotherType)
{
    Variant text("a");
    Variant wide(u8"w");
    EXPECT_EQ(text.AnsiRef(), "a");
    EXPECT_EQ(wide.WideRef(), WideString(u8"w"));
    const std::string invalid = "Invalid variant type conversion";
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { wide.AnsiRef(); }), invalid);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { text.WideRef(); }), invalid);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { text.ArrayRef(); }), invalid);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { text[0]; }), invalid);
}

TEST(VariantTest, ArrayFunctionsOnOtherVariants)
{
    Variant number(1);
    EXPECT_FALSE(VarIsArray(number));
    EXPECT_EQ(VarArrayDimCount(number), 0);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { VarArrayLowBound(number, 1); }), "Variant is not an array");
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { VarArrayHighBound(Variant(), 1); }), "Variant is not an array");
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { VarArrayRedim(number, 3); }), "Variant is not an array");

    Variant grid = VarArrayCreate({1, 3}, {-2, 0});
    EXPECT_TRUE(VarIsArray(grid));
    EXPECT_EQ(VarArrayDimCount(grid), 2);
    EXPECT_EQ(VarArrayLowBound(grid, 2), -2);
    EXPECT_EQ(VarArrayHighBound(grid, 1), 3);
    EXPECT_EQ(test::ErrorOf<EVariantError>([&] { VarArrayHighBound(grid, 3); }), kOutOfBounds);
}

// ---------------------------------------------------------------- conversions

std::string ConvertError(const char* from, const char* to)
{
    return std::string("Could not convert variant of type (") + from + ") into type (" + to + ")";
}

std::string OverflowError(const char* from, const char* to)
{
    return std::string("Arithmetic overflow converting variant of type (") + from + ") into type (" + to + ")";
}

struct ErrorCase {
    Variant v;
    std::string message;
};

TEST(VariantToStringTest, ProducesThePlatformTexts)
{
    struct Case { Variant v; std::string text; };
    const Case cases[] = {
        {Variant(), ""},
        {Variant::Null(), ""},
        {Variant(true), "True"},
        {Variant(false), "False"},
        {Variant(-42), "-42"},
        {Variant(int64_t{9000000000}), "9000000000"},
        {Variant(1.5), FloatToStr(1.5)},
        {Variant(TDateTime(45000.5)), DateTimeToStr(TDateTime(45000.5))},
        {Variant("中文"), "中文"},
        {Variant(u8"中文"), "中文"},  // wide text comes out in the process code page (GB)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(VarDebugText(c.v));
        EXPECT_EQ(c.v.ToString(), c.text);
    }
    EXPECT_EQ(Variant(1.5).ToString(), "1.5");
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { Variant(std::make_shared<NullObject>()).ToString(); }),
              ConvertError("Dispatch", "String"));
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { VarArrayOf({1}).ToString(); }), ConvertError("Array Variant", "String"));
}

TEST(VariantToWideStringTest, ConvertsFromTheProcessCodePage)
{
    EXPECT_EQ(Variant(u8"ü中").ToWideString(), WideString(u8"ü中"));  // kept as is, even where GB has no ü
    EXPECT_EQ(Variant("中文").ToWideString(), WideString(u8"中文"));
    EXPECT_EQ(Variant(12).ToWideString(), WideString(u8"12"));
    EXPECT_EQ(Variant::Null().ToWideString(), WideString());
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { VarArrayOf({}).ToWideString(); }), ConvertError("Array Variant", "OleStr"));
}

TEST(VariantToIntTest, ConvertsAndRoundsHalfToEven)
{
    struct Case { Variant v; int32_t expected; };
    const Case cases[] = {
        {Variant(), 0},
        {Variant(true), -1},
        {Variant(false), 0},
        {Variant(INT32_MIN), INT32_MIN},
        {Variant(int64_t{INT32_MAX}), INT32_MAX},
        {Variant(2.5), 2},
        {Variant(3.5), 4},
        {Variant(-2.5), -2},
        {Variant(-0.5), 0},
        {Variant(1.4999999), 1},
        {Variant(-1.6), -2},
        {Variant(2147483647.4), INT32_MAX},
        {Variant(TDateTime(45000.5)), 45000},
        {Variant(" 12 "), 12},
        {Variant("-7"), -7},
        {Variant("$1F"), 31},
        {Variant("0x10"), 16},
        {Variant("2.5"), 2},
        {Variant("1E3"), 1000},
        {Variant(u8" 42"), 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(VarDebugText(c.v));
        EXPECT_EQ(c.v.ToInt(), c.expected);
        EXPECT_EQ(c.v.ToInt64(), c.expected);
    }
}

TEST(VariantToIntTest, RaisesForNullTextThatIsNoNumberAndOverflow)
{
    std::vector<ErrorCase> cases = {
        {Variant::Null(), ConvertError("Null", "Integer")},
        {Variant("abc"), ConvertError("String", "Integer")},
        {Variant(""), ConvertError("String", "Integer")},
        {Variant("12abc"), ConvertError("String", "Integer")},
        {Variant(u8"abc"), ConvertError("OleStr", "Integer")},
        {Variant(int64_t{3000000000}), OverflowError("Int64", "Integer")},
        {Variant(2147483647.5), OverflowError("Double", "Integer")},  // rounds to 2^31
        {Variant(-2147483648.6), OverflowError("Double", "Integer")},
        {Variant(1e300), OverflowError("Double", "Integer")},
        {Variant(std::numeric_limits<double>::quiet_NaN()), OverflowError("Double", "Integer")},
        {Variant("3000000000"), OverflowError("String", "Integer")},
        {Variant(TDateTime(1e12)), OverflowError("Date", "Integer")},
        {Variant(std::make_shared<NullObject>()), ConvertError("Dispatch", "Integer")},
        {VarArrayOf({1}), ConvertError("Array Variant", "Integer")},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(VarDebugText(c.v));
        EXPECT_EQ(test::ErrorOf<EVariantError>([&] { c.v.ToInt(); }), c.message);
    }
}

TEST(VariantToInt64Test, CoversTheWholeRangeAndRaisesBeyondIt)
{
    EXPECT_EQ(Variant("9223372036854775807").ToInt64(), INT64_MAX);
    EXPECT_EQ(Variant(3e9).ToInt64(), 3000000000);
    EXPECT_EQ(Variant(-9.2e18).ToInt64(), int64_t{-9200000000000000000});
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { Variant(9.3e18).ToInt64(); }), OverflowError("Double", "Int64"));
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { Variant("99999999999999999999").ToInt64(); }), OverflowError("String", "Int64"));
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { Variant::Null().ToInt64(); }), ConvertError("Null", "Int64"));
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { Variant("x").ToInt64(); }), ConvertError("String", "Int64"));
}

TEST(VariantToDoubleTest, ConvertsNumbersDatesAndText)
{
    struct Case { Variant v; double expected; };
    const Case cases[] = {
        {Variant(), 0.0},
        {Variant(true), -1.0},
        {Variant(7), 7.0},
        {Variant(int64_t{1} << 40), 1099511627776.0},
        {Variant(0.25), 0.25},
        {Variant(TDateTime(3.75)), 3.75},
        {Variant("2.5"), 2.5},
        {Variant(u8"-1E2"), -100.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(VarDebugText(c.v));
        EXPECT_EQ(c.v.ToDouble(), c.expected);
    }
    std::vector<ErrorCase> errors = {
        {Variant::Null(), ConvertError("Null", "Double")},
        {Variant("x"), ConvertError("String", "Double")},
        {Variant(u8""), ConvertError("OleStr", "Double")},
        {VarArrayOf({}), ConvertError("Array Variant", "Double")},
    };
    for (const ErrorCase& c : errors) {
        SCOPED_TRACE(VarDebugText(c.v));
        EXPECT_EQ(test::ErrorOf<EVariantError>([&] { c.v.ToDouble(); }), c.message);
    }
}

TEST(VariantToBoolTest, AcceptsNumbersAndBooleanOrNumericText)
{
    struct Case { Variant v; bool expected; };
    const Case cases[] = {
        {Variant(), false},
        {Variant(true), true},
        {Variant(0), false},
        {Variant(2), true},
        {Variant(int64_t{-1}), true},
        {Variant(0.0), false},
        {Variant(0.1), true},
        {Variant("true"), true},
        {Variant(" FALSE "), false},
        {Variant(u8"True"), true},
        {Variant("0"), false},
        {Variant("-1"), true},
        {Variant("0.5"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(VarDebugText(c.v));
        EXPECT_EQ(c.v.ToBool(), c.expected);
    }
    std::vector<ErrorCase> errors = {
        {Variant::Null(), ConvertError("Null", "Boolean")},
        {Variant("yes"), ConvertError("String", "Boolean")},
        {Variant(""), ConvertError("String", "Boolean")},
        {Variant(std::make_shared<NullObject>()), ConvertError("Dispatch", "Boolean")},
    };
    for (const ErrorCase& c : errors) {
        SCOPED_TRACE(VarDebugText(c.v));
        EXPECT_EQ(test::ErrorOf<EVariantError>([&] { c.v.ToBool(); }), c.message);
    }
}

TEST(VariantToDateTest, ReadsDayNumbersAndDateText)
{
    EXPECT_EQ(Variant().ToDate(), TDateTime(0.0));
    EXPECT_EQ(Variant(TDateTime(45000.25)).ToDate(), TDateTime(45000.25));
    EXPECT_EQ(Variant(2).ToDate(), TDateTime(2.0));
    EXPECT_EQ(Variant(1.5).ToDate(), TDateTime(1.5));
    TDateTime day = EncodeDate(2024, 3, 9);
    EXPECT_EQ(Variant(DateToStr(day)).ToDate(), day);
    EXPECT_EQ(Variant(DateTimeToStr(day + 0.5)).ToDate(), day + 0.5);
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { Variant("not a date").ToDate(); }), ConvertError("String", "Date"));
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { Variant(u8"").ToDate(); }), ConvertError("OleStr", "Date"));
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { Variant::Null().ToDate(); }), ConvertError("Null", "Date"));
}

TEST(VariantToDispatchTest, GivesTheObjectOrNothingForEmpty)
{
    DispatchPtr object = std::make_shared<NullObject>();
    EXPECT_EQ(Variant(object).ToDispatch(), object);
    EXPECT_EQ(Variant().ToDispatch(), nullptr);
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { Variant::Null().ToDispatch(); }), ConvertError("Null", "Dispatch"));
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { Variant(1).ToDispatch(); }), ConvertError("Integer", "Dispatch"));
}

TEST(VariantToFormatArgTest, KeepsNumbersAndPassesTheRestAsText)
{
    using Value = FormatArg::Value;
    struct Case { Variant v; Value expected; };
    const Case cases[] = {
        {Variant(5), Value(int64_t{5})},
        {Variant(int64_t{-9000000000}), Value(int64_t{-9000000000})},
        {Variant(1.25), Value(1.25)},
        {Variant(TDateTime(2.5)), Value(2.5)},
        {Variant(true), Value(std::string("True"))},
        {Variant("中"), Value(std::string("中"))},
        {Variant(u8"中"), Value(std::string("中"))},
        {Variant(), Value(std::string())},
        {Variant::Null(), Value(std::string())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(VarDebugText(c.v));
        EXPECT_EQ(c.v.ToFormatArg().Get(), c.expected);
    }
    EXPECT_EQ(Format("%d|%s|%s", {Variant(3).ToFormatArg(), Variant(false).ToFormatArg(), Variant::Null().ToFormatArg()}),
              "3|False|");
    EXPECT_EQ(test::ErrorOf<EVariantError>([] { VarArrayOf({}).ToFormatArg(); }), ConvertError("Array Variant", "String"));
}

// ---------------------------------------------------------------- debug text

TEST(VarDebugTextTest, MarksTypesAndNesting)
{
    struct Case { Variant v; std::string text; };
    const Case cases[] = {
        {VarArrayOf({1, "a", u8"b", Variant::Null(), VarArrayOf({2, 3})}), R"([1, "a", W"b", Null, [2, 3]])"},
        {VarArrayOf({Variant(), true, int64_t{7}, 2.0, 0.5}), "[Empty, True, Int64(7), 2.0, 0.5]"},
        {VarArrayOf({}), "[]"},
        {VarArrayCreate(-1, 0), "[-1..0: Empty, Empty]"},
        {VarArrayCreate({0, 1}, {0, 0}), "[0..1, 0..0: Empty; Empty]"},
        {Variant(TDateTime(45000.5)), "Date(2023-03-15 12:00:00.000)"},
        {Variant(TDateTime(1e20)), "Date(1e+20)"},
        {Variant("say \"hi\"\n"), R"("say \"hi\"\n")"},
        {Variant(DispatchPtr()), "Dispatch(nil)"},
    };
    for (const Case& c : cases) EXPECT_EQ(VarDebugText(c.v), c.text);
}

}  // namespace
}  // namespace qvn
