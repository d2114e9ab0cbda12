#include "util/TextUtils.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "util/Fields.h"

namespace qvn {

std::string ReplaceAll(std::string_view text, std::string_view oldText, std::string_view newText, bool trimResult)
{
    if (SameTextAscii(oldText, newText)) return std::string(text);
    std::string result(text);
    if (!oldText.empty()) {
        const bool selfFeeding = newText.find(oldText) != std::string_view::npos;
        size_t from = 0;
        for (;;) {
            size_t pos = result.find(oldText, from);
            if (pos == std::string::npos) break;
            result.replace(pos, oldText.size(), newText);
            if (selfFeeding) {
                from = pos + newText.size();
            } else {
                // Nothing before pos matched, so a new occurrence can start at the
                // earliest where it would overlap the inserted text.
                from = pos >= oldText.size() ? pos - oldText.size() + 1 : 0;
            }
        }
    }
    return trimResult ? TrimText(result) : result;
}

WideString PackVarArrayText(const WideString& name, const Variant& items)
{
    const WideString sep = WideString::FromUtf8(kFieldSep);
    WideString out = name;
    out += sep;
    if (!items.IsArray() || items.DimCount() != 1 || items.LowBound() > 0 || items.HighBound() < 0) {
        out += WideString(u8"0");
        out += sep;
        return out;
    }
    const Variant& countItem = items[0];
    out += countItem.ToWideString();
    out += sep;
    int count = 0;
    try {
        count = countItem.ToInt();
    } catch (const Exception&) {
        count = 0;
    }
    const int last = std::min(count, items.HighBound());
    for (int i = 1; i <= last; ++i) {
        try {
            out += items[i].ToWideString();
        } catch (const Exception&) {
            // An item that is no text (an array, an object) adds nothing.
        }
        out += sep;
    }
    return out;
}

std::string DialogButtonCaption(std::string_view buttonName)
{
    struct Caption { const char* name; const char* caption; };
    static constexpr Caption captions[] = {
        {"Yes", "是(&Y)"},     {"No", "否(&N)"},        {"OK", "确定"},           {"Cancel", "取消"},
        {"Abort", "中断(&A)"}, {"Retry", "重试(&R)"},   {"Ignore", "忽略(&I)"},   {"All", "全部(&A)"},
        {"NoToAll", "全否(&o)"}, {"YesToAll", "全是(&A)"}, {"Help", "帮助(&H)"},
    };
    for (const auto& c : captions)
        if (buttonName == c.name) return c.caption;
    return std::string(buttonName);
}

double StrToFloatDefault(std::string_view text, double def)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    const size_t start = i;
    auto digits = [&] {
        size_t n = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++n;
        return n;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return def;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() == 0) return def;
    }
    if (i != text.size()) return def;
    std::string number(text.substr(start));
    double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : def;
}

bool IsLoopbackAddress(std::string_view text) { return text == "127.0.0.1"; }

Variant VarIif(bool flag, const Variant& a, const Variant& b) { return flag ? a : b; }

bool VarIsBlank(const Variant& v) { return v.IsEmpty() || v.IsNull(); }

}  // namespace qvn
