#include "util/CodePageText.h"

#include "log/AlertLog.h"
#include "platform/CodePage.h"
#include "platform/Exceptions.h"

namespace qvn {
namespace {

using ElementConverter = Variant (*)(const Variant& element, int codePage);

Variant WideElementToCodePage(const Variant& element, int codePage)
{
    return Variant(WideToCodePage(element.WideRef(), codePage));
}

Variant WideElementFromCodePage(const Variant& element, int codePage)
{
    return Variant(CodePageToWide(WideToAnsi(element.WideRef()), codePage));
}

// Builds the converted array afresh instead of copying and overwriting, so a
// large array is walked once and no element is copied only to be replaced.
Variant ConvertArray(const Variant& value, int codePage, ElementConverter convert)
{
    const VarArray& source = value.ArrayRef();
    const int dims = source.DimCount();
    if (dims > 2) return value;
    VarArray target = dims == 1 ? VarArray(source.LowBound(1), source.HighBound(1))
                                : VarArray(VarBound{source.LowBound(1), source.HighBound(1)},
                                           VarBound{source.LowBound(2), source.HighBound(2)});
    const auto& in = source.Elements();
    auto& out = target.MutableElements();
    for (size_t i = 0; i < in.size(); ++i) {
        const Variant& e = in[i];
        if (e.Type() == VarType::OleStr)
            out[i] = convert(e, codePage);
        else if (dims == 1 && e.IsArray())
            out[i] = ConvertArray(e, codePage, convert);
        else
            out[i] = e;
    }
    return Variant(std::move(target));
}

Variant ConvertLogged(const Variant& value, int codePage, ElementConverter convert, Variant (*single)(const Variant&, int),
                      const char* line)
{
    try {
        if (value.IsEmpty() || value.IsNull()) return value;
        if (value.IsArray()) return ConvertArray(value, codePage, convert);
        if (value.IsText()) return single(value, codePage);
        return value;
    } catch (const std::exception& e) {
        WriteAlertLog("libstrs", std::string(line) + e.what(), "D");
        return value;
    }
}

Variant SingleToCodePage(const Variant& value, int codePage)
{
    return Variant(WideToCodePage(value.Type() == VarType::OleStr ? value.WideRef() : AnsiToWide(value.AnsiRef()), codePage));
}

Variant SingleFromCodePage(const Variant& value, int codePage)
{
    const AnsiString narrow = value.Type() == VarType::OleStr ? WideToAnsi(value.WideRef()) : value.AnsiRef();
    return Variant(CodePageToWide(narrow, codePage));
}

}  // namespace

AnsiString WideToCodePage(const WideString& text, int codePage)
{
    if (auto converted = FromWide(text, codePage, ConvertMode::Replace)) return std::move(*converted);
    return WideToAnsi(text);
}

WideString CodePageToWide(const AnsiString& text, int codePage)
{
    if (auto converted = ToWide(text, codePage, ConvertMode::Replace)) return std::move(*converted);
    return AnsiToWide(text);
}

Variant VarToCodePage(const Variant& value, int codePage)
{
    return ConvertLogged(value, codePage, WideElementToCodePage, SingleToCodePage, "LINE[2735] ");
}

Variant VarFromCodePage(const Variant& value, int codePage)
{
    return ConvertLogged(value, codePage, WideElementFromCodePage, SingleFromCodePage, "LINE[115] ");
}

}  // namespace qvn
