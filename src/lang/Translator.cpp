#include "lang/Translator.h"

#include <climits>

#include "platform/Exceptions.h"
#include "platform/Format.h"

namespace qvn {

TTranslator::TTranslator() { Load(); }

void TTranslator::Load()
{
    if (library_.IsOpen()) return;
    if (!library_.Open(kLanguageLibraryName)) throw Exception(Format("Load Library %s Error!", {kLanguageLibraryName}));
    gbToBig5_ = library_.Function<ConvertFn>("GBtoBIG5");
    big5ToGB_ = library_.Function<ConvertFn>("BIG5toGB");
    if (gbToBig5_ == nullptr || big5ToGB_ == nullptr) {
        library_.Close();
        throw Exception("Get Library Procedure Address Error!");
    }
}

std::string TTranslator::Call(ConvertFn fn, std::string_view text)
{
    if (fn == nullptr || text.empty() || text.size() > INT_MAX / 2) return std::string(text);
    const int length = static_cast<int>(text.size());
    // The conversion keeps the length of almost every text; one retry covers the rest.
    std::string out(text.size() + 16, '\0');
    int n = fn(text.data(), length, out.data(), static_cast<int>(out.size()));
    if (n < 0) return std::string(text);
    if (static_cast<size_t>(n) >= out.size()) {
        out.assign(static_cast<size_t>(n) + 1, '\0');
        n = fn(text.data(), length, out.data(), static_cast<int>(out.size()));
        if (n < 0 || static_cast<size_t>(n) >= out.size()) return std::string(text);
    }
    out.resize(static_cast<size_t>(n));
    return out;
}

std::string TTranslator::GBToBig5(std::string_view text) const { return Call(gbToBig5_, text); }

std::string TTranslator::Big5ToGB(std::string_view text) const { return Call(big5ToGB_, text); }

}  // namespace qvn
