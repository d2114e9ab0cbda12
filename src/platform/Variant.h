#pragma once
// The automation variant: Empty, Null, Boolean, Integer, Int64, Double, Date,
// 8-bit text (String), wide text (OleStr), Dispatch, and arrays of variants
// with one or two dimensions and any bounds. Arrays have value semantics with
// copy-on-write storage, so handing a large array around costs nothing until
// somebody writes to a shared copy. Conversions follow the rules the system
// relies on; failures raise EVariantError.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "platform/DateTime.h"
#include "platform/Format.h"
#include "platform/Strings.h"

namespace qvn {

class Dispatch;
using DispatchPtr = std::shared_ptr<Dispatch>;
class Variant;

enum class VarType : uint8_t { Empty, Null, Boolean, Integer, Int64, Double, Date, String, OleStr, Dispatch, Array };

// Name of a type as conversion errors print it ("Null", "OleStr", "Array Variant"...).
const char* VarTypeName(VarType t);

struct VarBound {
    int Low = 0;
    int High = -1;
    int Count() const { return High - Low + 1; }
};

// Storage of a variant array. Elements of a two-dimensional array are kept
// with the last index running fastest.
class VarArray {
public:
    VarArray();                                   // one dimension, no elements (0..-1)
    VarArray(int low, int high);                  // one dimension
    VarArray(VarBound dim1, VarBound dim2);       // two dimensions

    int DimCount() const;
    // dim is 1-based as the platform counts; raises EVariantError when out of range.
    int LowBound(int dim = 1) const;
    int HighBound(int dim = 1) const;
    int ElementCount() const;

    // Index checks raise EVariantError ("Variant or safe array index out of bounds").
    const Variant& Get(int i) const;
    const Variant& Get(int i, int j) const;
    Variant& Ref(int i);          // detaches shared storage first
    Variant& Ref(int i, int j);
    void Put(int i, Variant v);
    void Put(int i, int j, Variant v);

    // Changes the high bound of the last dimension, keeping the elements that
    // remain; new elements are Empty.
    void Redim(int newHigh);

    // All elements in storage order (for whole-array walks).
    const std::vector<Variant>& Elements() const;
    std::vector<Variant>& MutableElements();  // detaches shared storage first

    bool SharesStorageWith(const VarArray& other) const { return data_ == other.data_; }
    friend bool operator==(const VarArray& a, const VarArray& b);

private:
    struct Storage;
    const Storage& Read() const;  // a moved-from array reads as empty
    void Detach();
    size_t Offset(int i) const;
    size_t Offset(int i, int j) const;
    std::shared_ptr<Storage> data_;
};

class Variant {
public:
    struct NullTag { friend bool operator==(NullTag, NullTag) { return true; } };

    Variant() = default;
    Variant(bool v) : v_(v) {}
    Variant(int v) : v_(int32_t{v}) {}
    Variant(int64_t v) : v_(v) {}
    Variant(double v) : v_(v) {}
    Variant(TDateTime v) : v_(v) {}
    Variant(const char* v) : v_(AnsiString(v ? v : "")) {}
    Variant(AnsiString v) : v_(std::move(v)) {}
    Variant(std::string_view v) : v_(AnsiString(v)) {}
    Variant(WideString v) : v_(std::move(v)) {}
    Variant(const char8_t* v) : v_(WideString(v)) {}
    Variant(DispatchPtr v) : v_(std::move(v)) {}
    Variant(VarArray v) : v_(std::move(v)) {}

    static Variant Null() { Variant v; v.v_ = NullTag{}; return v; }

    VarType Type() const { return static_cast<VarType>(v_.index()); }
    bool IsEmpty() const { return Type() == VarType::Empty; }
    bool IsNull() const { return Type() == VarType::Null; }
    bool IsArray() const { return Type() == VarType::Array; }
    bool IsText() const { return Type() == VarType::String || Type() == VarType::OleStr; }
    bool IsNumeric() const;  // Boolean, Integer, Int64, Double

    // Conversions (Empty gives the neutral value; Null raises, except in ToString).
    // ToString is the platform's VarToStr: Empty and Null give an empty text.
    AnsiString ToString() const;
    WideString ToWideString() const;
    int32_t ToInt() const;
    int64_t ToInt64() const;
    double ToDouble() const;
    bool ToBool() const;
    TDateTime ToDate() const;
    DispatchPtr ToDispatch() const;  // Empty gives nullptr
    FormatArg ToFormatArg() const;

    // The stored integer without a conversion; nullptr when another type is stored.
    const int32_t* IntegerIf() const noexcept { return std::get_if<int32_t>(&v_); }
    // The stored value itself; raise EVariantError on another type.
    const AnsiString& AnsiRef() const;
    const WideString& WideRef() const;
    const VarArray& ArrayRef() const;
    VarArray& ArrayRef();  // writes to the array go through copy-on-write

    // Array shortcuts (raise EVariantError when this is not an array).
    int DimCount() const { return IsArray() ? ArrayRef().DimCount() : 0; }
    int LowBound(int dim = 1) const { return ArrayRef().LowBound(dim); }
    int HighBound(int dim = 1) const { return ArrayRef().HighBound(dim); }
    const Variant& operator[](int i) const { return ArrayRef().Get(i); }
    Variant& operator[](int i) { return ArrayRef().Ref(i); }
    const Variant& operator()(int i, int j) const { return ArrayRef().Get(i, j); }
    Variant& operator()(int i, int j) { return ArrayRef().Ref(i, j); }

    // Same type and same value (arrays element by element, bounds included).
    friend bool operator==(const Variant& a, const Variant& b) { return a.v_ == b.v_; }

private:
    std::variant<std::monostate, NullTag, bool, int32_t, int64_t, double, TDateTime, AnsiString, WideString,
                 DispatchPtr, VarArray>
        v_;
};

// A one-dimensional array with bounds 0..n-1 holding the given values.
Variant VarArrayOf(std::initializer_list<Variant> values);
Variant VarArrayOf(std::vector<Variant> values);
// A one-dimensional array low..high of Empty elements.
Variant VarArrayCreate(int low, int high);
// A two-dimensional array of Empty elements.
Variant VarArrayCreate(VarBound dim1, VarBound dim2);
bool VarIsArray(const Variant& v);
int VarArrayDimCount(const Variant& v);
int VarArrayLowBound(const Variant& v, int dim);   // raises EVariantError when v is no array
int VarArrayHighBound(const Variant& v, int dim);
void VarArrayRedim(Variant& v, int newHigh);

// Readable text of any variant for logs and test failures (arrays shown nested).
std::string VarDebugText(const Variant& v);

}  // namespace qvn
