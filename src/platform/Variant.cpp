#include "platform/Variant.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <new>
#include <stdexcept>

#include "platform/CodePage.h"
#include "platform/Exceptions.h"

namespace qvn {
namespace {

constexpr const char* kIndexOutOfBounds = "Variant or safe array index out of bounds";
constexpr const char* kCreateFailed = "Error creating variant or safe array";
constexpr const char* kNotAnArray = "Variant is not an array";
constexpr const char* kInvalidTypeConversion = "Invalid variant type conversion";

[[noreturn]] void RaiseVariantError(const char* message) { throw EVariantError(message); }

[[noreturn]] void RaiseConvertError(VarType from, const char* to)
{
    throw EVariantError(std::string("Could not convert variant of type (") + VarTypeName(from) + ") into type (" +
                        to + ")");
}

[[noreturn]] void RaiseOverflow(VarType from, const char* to)
{
    throw EVariantError(std::string("Arithmetic overflow converting variant of type (") + VarTypeName(from) +
                        ") into type (" + to + ")");
}

// Element count of one dimension; a dimension may be empty (high = low - 1) but never negative.
int64_t CheckedCount(VarBound b)
{
    int64_t count = int64_t{b.High} - int64_t{b.Low} + 1;
    if (count < 0) RaiseVariantError(kCreateFailed);
    return count;
}

// The whole array must stay countable in an int, as ElementCount reports it.
size_t CheckedTotal(int64_t total)
{
    if (total > INT_MAX) RaiseVariantError(kCreateFailed);
    return static_cast<size_t>(total);
}

template <typename Fn>
auto TranslateAllocationFailure(Fn&& fn)
{
    try {
        return fn();
    } catch (const std::bad_alloc&) {
        RaiseVariantError(kCreateFailed);
    } catch (const std::length_error&) {
        RaiseVariantError(kCreateFailed);
    }
}

}  // namespace

// ---------------------------------------------------------------- VarArray

struct VarArray::Storage {
    int dims = 1;
    VarBound bounds[2] = {};
    std::vector<Variant> items;

    int64_t Columns() const { return dims == 2 ? int64_t{bounds[1].High} - bounds[1].Low + 1 : 1; }
};

VarArray::VarArray() : data_(std::make_shared<Storage>()) {}

VarArray::VarArray(int low, int high) : data_(std::make_shared<Storage>())
{
    VarBound b{low, high};
    size_t total = CheckedTotal(CheckedCount(b));
    data_->bounds[0] = b;
    TranslateAllocationFailure([&] { data_->items.resize(total); });
}

VarArray::VarArray(VarBound dim1, VarBound dim2) : data_(std::make_shared<Storage>())
{
    size_t total = CheckedTotal(CheckedCount(dim1) * CheckedCount(dim2));
    data_->dims = 2;
    data_->bounds[0] = dim1;
    data_->bounds[1] = dim2;
    TranslateAllocationFailure([&] { data_->items.resize(total); });
}

const VarArray::Storage& VarArray::Read() const
{
    static const Storage empty;
    return data_ ? *data_ : empty;
}

int VarArray::DimCount() const { return Read().dims; }

int VarArray::LowBound(int dim) const
{
    const Storage& s = Read();
    if (dim < 1 || dim > s.dims) RaiseVariantError(kIndexOutOfBounds);
    return s.bounds[dim - 1].Low;
}

int VarArray::HighBound(int dim) const
{
    const Storage& s = Read();
    if (dim < 1 || dim > s.dims) RaiseVariantError(kIndexOutOfBounds);
    return s.bounds[dim - 1].High;
}

int VarArray::ElementCount() const { return static_cast<int>(Read().items.size()); }

size_t VarArray::Offset(int i) const
{
    const Storage& s = Read();
    if (s.dims != 1 || i < s.bounds[0].Low || i > s.bounds[0].High) RaiseVariantError(kIndexOutOfBounds);
    return static_cast<size_t>(int64_t{i} - s.bounds[0].Low);
}

size_t VarArray::Offset(int i, int j) const
{
    const Storage& s = Read();
    if (s.dims != 2 || i < s.bounds[0].Low || i > s.bounds[0].High || j < s.bounds[1].Low || j > s.bounds[1].High)
        RaiseVariantError(kIndexOutOfBounds);
    return static_cast<size_t>((int64_t{i} - s.bounds[0].Low) * s.Columns() + (int64_t{j} - s.bounds[1].Low));
}

const Variant& VarArray::Get(int i) const { return Read().items[Offset(i)]; }

const Variant& VarArray::Get(int i, int j) const { return Read().items[Offset(i, j)]; }

Variant& VarArray::Ref(int i)
{
    size_t at = Offset(i);  // check before copying anything
    Detach();
    return data_->items[at];
}

Variant& VarArray::Ref(int i, int j)
{
    size_t at = Offset(i, j);
    Detach();
    return data_->items[at];
}

// The value is taken by value, so storing an array inside itself stores the
// array as it was: the argument shares the storage and makes Detach copy it.
void VarArray::Put(int i, Variant v) { Ref(i) = std::move(v); }

void VarArray::Put(int i, int j, Variant v) { Ref(i, j) = std::move(v); }

void VarArray::Redim(int newHigh)
{
    Detach();
    Storage& s = *data_;
    VarBound& last = s.bounds[s.dims - 1];
    VarBound resized{last.Low, newHigh};
    int64_t newCount = CheckedCount(resized);
    if (s.dims == 1) {
        size_t total = CheckedTotal(newCount);
        TranslateAllocationFailure([&] { s.items.resize(total); });
        last = resized;
        return;
    }
    // Rows keep their leading elements; each row gets the new width.
    int64_t rows = int64_t{s.bounds[0].High} - s.bounds[0].Low + 1;
    size_t total = CheckedTotal(rows * newCount);
    int64_t oldColumns = s.Columns();
    int64_t kept = std::min(oldColumns, newCount);
    std::vector<Variant> relaid = TranslateAllocationFailure([&] { return std::vector<Variant>(total); });
    for (int64_t r = 0; r < rows; ++r)
        for (int64_t c = 0; c < kept; ++c)
            relaid[static_cast<size_t>(r * newCount + c)] = std::move(s.items[static_cast<size_t>(r * oldColumns + c)]);
    s.items = std::move(relaid);
    last = resized;
}

const std::vector<Variant>& VarArray::Elements() const { return Read().items; }

std::vector<Variant>& VarArray::MutableElements()
{
    Detach();
    return data_->items;
}

void VarArray::Detach()
{
    if (!data_)
        data_ = std::make_shared<Storage>();
    else if (data_.use_count() > 1)
        data_ = TranslateAllocationFailure([&] { return std::make_shared<Storage>(*data_); });
}

bool operator==(const VarArray& a, const VarArray& b)
{
    if (a.SharesStorageWith(b)) return true;
    if (a.DimCount() != b.DimCount()) return false;
    for (int d = 1; d <= a.DimCount(); ++d)
        if (a.LowBound(d) != b.LowBound(d) || a.HighBound(d) != b.HighBound(d)) return false;
    return a.Elements() == b.Elements();
}

// ---------------------------------------------------------------- Variant

const char* VarTypeName(VarType t)
{
    switch (t) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Boolean: return "Boolean";
    case VarType::Integer: return "Integer";
    case VarType::Int64: return "Int64";
    case VarType::Double: return "Double";
    case VarType::Date: return "Date";
    case VarType::String: return "String";
    case VarType::OleStr: return "OleStr";
    case VarType::Dispatch: return "Dispatch";
    case VarType::Array: return "Array Variant";
    }
    return "Unknown";
}

namespace {

constexpr const char* kInteger = "Integer";
constexpr const char* kInt64 = "Int64";
constexpr const char* kDouble = "Double";
constexpr const char* kBoolean = "Boolean";
constexpr const char* kDate = "Date";
constexpr const char* kString = "String";
constexpr const char* kOleStr = "OleStr";
constexpr const char* kDispatch = "Dispatch";

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

bool SameTextAscii(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The platform's Round: to the nearest integer, ties to the even one.
double RoundHalfEven(double x)
{
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5) r = 2.0 * std::round(x / 2.0);
    return r;
}

bool RoundToInt64(double x, int64_t& out)
{
    double r = RoundHalfEven(x);
    // 2^63 is exactly representable; anything at or beyond it (and NaN) does not fit.
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0)) return false;
    out = static_cast<int64_t>(r);
    return true;
}

enum class TextNumber { Ok, NotANumber, Overflow };

// Text as an integer: decimal or hex first, else a float rounded as Round does.
TextNumber TextToInt64(std::string_view text, int64_t& out)
{
    std::string_view trimmed = TrimBlanks(text);
    if (TryStrToInt64(trimmed, out)) return TextNumber::Ok;
    double d = 0;
    if (!TryStrToFloat(trimmed, d)) return TextNumber::NotANumber;
    return RoundToInt64(d, out) ? TextNumber::Ok : TextNumber::Overflow;
}

// Integer value of a variant that does not hold an integer; `target` names
// the type the caller asked for in error messages.
int64_t ConvertToInteger(const Variant& v, const char* target)
{
    int64_t out = 0;
    switch (v.Type()) {
    case VarType::Empty: return 0;
    case VarType::Boolean: return v.ToBool() ? -1 : 0;
    case VarType::Double:
    case VarType::Date:
        if (!RoundToInt64(v.ToDouble(), out)) RaiseOverflow(v.Type(), target);
        return out;
    case VarType::String:
    case VarType::OleStr:
        switch (TextToInt64(v.ToString(), out)) {
        case TextNumber::Ok: return out;
        case TextNumber::Overflow: RaiseOverflow(v.Type(), target);
        case TextNumber::NotANumber: break;
        }
        break;
    default: break;
    }
    RaiseConvertError(v.Type(), target);
}

}  // namespace

bool Variant::IsNumeric() const
{
    switch (Type()) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Int64:
    case VarType::Double: return true;
    default: return false;
    }
}

AnsiString Variant::ToString() const
{
    switch (Type()) {
    case VarType::Empty:
    case VarType::Null: return {};
    case VarType::Boolean: return std::get<bool>(v_) ? "True" : "False";
    case VarType::Integer: return std::to_string(std::get<int32_t>(v_));
    case VarType::Int64: return std::to_string(std::get<int64_t>(v_));
    case VarType::Double: return FloatToStr(std::get<double>(v_));
    case VarType::Date: return DateTimeToStr(std::get<TDateTime>(v_));
    case VarType::String: return std::get<AnsiString>(v_);
    case VarType::OleStr: return WideToAnsi(std::get<WideString>(v_));
    case VarType::Dispatch:
    case VarType::Array: break;
    }
    RaiseConvertError(Type(), kString);
}

WideString Variant::ToWideString() const
{
    if (Type() == VarType::OleStr) return std::get<WideString>(v_);
    if (Type() == VarType::Dispatch || Type() == VarType::Array) RaiseConvertError(Type(), kOleStr);
    return AnsiToWide(ToString());
}

int64_t Variant::ToInt64() const
{
    switch (Type()) {
    case VarType::Integer: return std::get<int32_t>(v_);
    case VarType::Int64: return std::get<int64_t>(v_);
    default: return ConvertToInteger(*this, kInt64);
    }
}

int32_t Variant::ToInt() const
{
    int64_t wide = 0;
    switch (Type()) {
    case VarType::Integer: return std::get<int32_t>(v_);
    case VarType::Int64: wide = std::get<int64_t>(v_); break;
    default: wide = ConvertToInteger(*this, kInteger); break;
    }
    if (wide < INT32_MIN || wide > INT32_MAX) RaiseOverflow(Type(), kInteger);
    return static_cast<int32_t>(wide);
}

double Variant::ToDouble() const
{
    switch (Type()) {
    case VarType::Empty: return 0.0;
    case VarType::Boolean: return std::get<bool>(v_) ? -1.0 : 0.0;
    case VarType::Integer: return std::get<int32_t>(v_);
    case VarType::Int64: return static_cast<double>(std::get<int64_t>(v_));
    case VarType::Double: return std::get<double>(v_);
    case VarType::Date: return std::get<TDateTime>(v_).Value;
    case VarType::String:
    case VarType::OleStr: {
        double out = 0;
        if (TryStrToFloat(ToString(), out)) return out;
        break;
    }
    case VarType::Null:
    case VarType::Dispatch:
    case VarType::Array: break;
    }
    RaiseConvertError(Type(), kDouble);
}

bool Variant::ToBool() const
{
    switch (Type()) {
    case VarType::Empty: return false;
    case VarType::Boolean: return std::get<bool>(v_);
    case VarType::Integer:
    case VarType::Int64:
    case VarType::Double:
    case VarType::Date: return ToDouble() != 0.0;
    case VarType::String:
    case VarType::OleStr: {
        AnsiString text = ToString();
        std::string_view trimmed = TrimBlanks(text);
        if (SameTextAscii(trimmed, "True")) return true;
        if (SameTextAscii(trimmed, "False")) return false;
        double number = 0;
        if (TryStrToFloat(trimmed, number)) return number != 0.0;
        break;
    }
    case VarType::Null:
    case VarType::Dispatch:
    case VarType::Array: break;
    }
    RaiseConvertError(Type(), kBoolean);
}

TDateTime Variant::ToDate() const
{
    switch (Type()) {
    case VarType::Empty: return TDateTime(0.0);
    case VarType::Date: return std::get<TDateTime>(v_);
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Int64:
    case VarType::Double: return TDateTime(ToDouble());
    case VarType::String:
    case VarType::OleStr: {
        TDateTime out;
        if (TryStrToDateTime(TrimBlanks(ToString()), out)) return out;
        break;
    }
    case VarType::Null:
    case VarType::Dispatch:
    case VarType::Array: break;
    }
    RaiseConvertError(Type(), kDate);
}

DispatchPtr Variant::ToDispatch() const
{
    if (Type() == VarType::Dispatch) return std::get<DispatchPtr>(v_);
    if (Type() == VarType::Empty) return nullptr;
    RaiseConvertError(Type(), kDispatch);
}

FormatArg Variant::ToFormatArg() const
{
    switch (Type()) {
    case VarType::Integer: return FormatArg(static_cast<long long>(std::get<int32_t>(v_)));
    case VarType::Int64: return FormatArg(static_cast<long long>(std::get<int64_t>(v_)));
    case VarType::Double: return FormatArg(std::get<double>(v_));
    case VarType::Date: return FormatArg(std::get<TDateTime>(v_).Value);
    default: return FormatArg(ToString());  // Boolean as its text; Dispatch and arrays raise
    }
}

const AnsiString& Variant::AnsiRef() const
{
    if (Type() != VarType::String) RaiseVariantError(kInvalidTypeConversion);
    return std::get<AnsiString>(v_);
}

const WideString& Variant::WideRef() const
{
    if (Type() != VarType::OleStr) RaiseVariantError(kInvalidTypeConversion);
    return std::get<WideString>(v_);
}

const VarArray& Variant::ArrayRef() const
{
    if (Type() != VarType::Array) RaiseVariantError(kInvalidTypeConversion);
    return std::get<VarArray>(v_);
}

VarArray& Variant::ArrayRef()
{
    if (Type() != VarType::Array) RaiseVariantError(kInvalidTypeConversion);
    return std::get<VarArray>(v_);
}

// ---------------------------------------------------------------- array helpers

Variant VarArrayOf(std::initializer_list<Variant> values) { return VarArrayOf(std::vector<Variant>(values)); }

Variant VarArrayOf(std::vector<Variant> values)
{
    size_t total = CheckedTotal(static_cast<int64_t>(values.size()));
    VarArray array(0, static_cast<int>(total) - 1);
    array.MutableElements() = std::move(values);
    return Variant(std::move(array));
}

Variant VarArrayCreate(int low, int high) { return Variant(VarArray(low, high)); }

Variant VarArrayCreate(VarBound dim1, VarBound dim2) { return Variant(VarArray(dim1, dim2)); }

bool VarIsArray(const Variant& v) { return v.IsArray(); }

int VarArrayDimCount(const Variant& v) { return v.DimCount(); }

int VarArrayLowBound(const Variant& v, int dim)
{
    if (!v.IsArray()) RaiseVariantError(kNotAnArray);
    return v.ArrayRef().LowBound(dim);
}

int VarArrayHighBound(const Variant& v, int dim)
{
    if (!v.IsArray()) RaiseVariantError(kNotAnArray);
    return v.ArrayRef().HighBound(dim);
}

void VarArrayRedim(Variant& v, int newHigh)
{
    if (!v.IsArray()) RaiseVariantError(kNotAnArray);
    v.ArrayRef().Redim(newHigh);
}

// ---------------------------------------------------------------- debug text

namespace {

// Backslashes are left alone: in GB text 0x5C is also a trail byte.
void AppendQuoted(std::string& out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        auto u = static_cast<unsigned char>(c);
        if (c == '"') {
            out += "\\\"";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", u);
            out += buf;
        } else {
            out += c;
        }
    }
    out += '"';
}

// Shortest text that reads back as the same double, independent of the
// process settings; a whole number keeps ".0" so it never reads as an Integer.
std::string DoubleDebugText(double d)
{
    if (std::isnan(d)) return "NaN";
    if (std::isinf(d)) return d > 0 ? "+Inf" : "-Inf";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, d);
    std::string text(buf, res.ptr);
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text;
}

std::string DateDebugText(TDateTime d)
{
    // Years 100..9999; anything else (or not finite) shows the raw day number.
    if (!(d.Value >= -657434.0 && d.Value < 2958466.0)) return "Date(" + DoubleDebugText(d.Value) + ")";
    DateParts date = DecodeDate(d);
    TimeParts time = DecodeTime(d);
    char buf[64];
    std::snprintf(buf, sizeof buf, "Date(%04d-%02d-%02d %02d:%02d:%02d.%03d)", date.Year, date.Month, date.Day,
                  time.Hour, time.Minute, time.Second, time.Millisecond);
    return buf;
}

void AppendDebugText(std::string& out, const Variant& v);

void AppendArrayDebugText(std::string& out, const VarArray& a)
{
    const auto& items = a.Elements();
    out += '[';
    if (a.DimCount() == 1) {
        if (a.LowBound(1) != 0) out += std::to_string(a.LowBound(1)) + ".." + std::to_string(a.HighBound(1)) + ": ";
        for (size_t k = 0; k < items.size(); ++k) {
            if (k > 0) out += ", ";
            AppendDebugText(out, items[k]);
        }
    } else {
        // Two dimensions always show their bounds and separate rows with ';',
        // so they never look like an array of arrays.
        out += std::to_string(a.LowBound(1)) + ".." + std::to_string(a.HighBound(1)) + ", " +
               std::to_string(a.LowBound(2)) + ".." + std::to_string(a.HighBound(2)) + ":";
        size_t columns = static_cast<size_t>(a.HighBound(2) - a.LowBound(2) + 1);
        size_t rows = static_cast<size_t>(a.HighBound(1) - a.LowBound(1) + 1);
        for (size_t r = 0; r < rows; ++r) {
            out += r > 0 ? "; " : " ";
            for (size_t c = 0; c < columns; ++c) {
                if (c > 0) out += ", ";
                AppendDebugText(out, items[r * columns + c]);
            }
        }
    }
    out += ']';
}

void AppendDebugText(std::string& out, const Variant& v)
{
    switch (v.Type()) {
    case VarType::Empty: out += "Empty"; return;
    case VarType::Null: out += "Null"; return;
    case VarType::Boolean: out += v.ToBool() ? "True" : "False"; return;
    case VarType::Integer: out += std::to_string(v.ToInt()); return;
    case VarType::Int64: out += "Int64(" + std::to_string(v.ToInt64()) + ")"; return;
    case VarType::Double: out += DoubleDebugText(v.ToDouble()); return;
    case VarType::Date: out += DateDebugText(v.ToDate()); return;
    case VarType::String: AppendQuoted(out, v.AnsiRef()); return;
    case VarType::OleStr: out += 'W'; AppendQuoted(out, WideToAnsi(v.WideRef())); return;
    case VarType::Dispatch: {
        DispatchPtr p = v.ToDispatch();
        char buf[48];
        std::snprintf(buf, sizeof buf, "Dispatch(%p)", static_cast<const void*>(p.get()));
        out += p ? buf : "Dispatch(nil)";
        return;
    }
    case VarType::Array: AppendArrayDebugText(out, v.ArrayRef()); return;
    }
}

}  // namespace

std::string VarDebugText(const Variant& v)
{
    std::string out;
    AppendDebugText(out, v);
    return out;
}

}  // namespace qvn
