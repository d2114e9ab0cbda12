#include "Qvlanguage.h"

#include <algorithm>
#include <cstring>

#include "ChineseTextConverter.h"

namespace {

using qvn::ChineseTextConverter;

const ChineseTextConverter& Converter(ChineseTextConverter::Direction direction)
{
    static const ChineseTextConverter toBig5(ChineseTextConverter::Direction::GBToBig5);
    static const ChineseTextConverter toGB(ChineseTextConverter::Direction::Big5ToGB);
    return direction == ChineseTextConverter::Direction::GBToBig5 ? toBig5 : toGB;
}

int ConvertInto(ChineseTextConverter::Direction direction, const char* source, int length, char* output, int outputSize)
{
    if (length < 0 || outputSize < 0 || (source == nullptr && length > 0) || (output == nullptr && outputSize > 0))
        return -1;
    try {
        const std::string result = Converter(direction).Convert(std::string_view(source ? source : "", static_cast<size_t>(length)));
        if (outputSize > 0) {
            const size_t n = std::min(result.size(), static_cast<size_t>(outputSize - 1));
            std::memcpy(output, result.data(), n);
            output[n] = '\0';
        }
        return result.size() > 0x7FFFFFFF ? -1 : static_cast<int>(result.size());
    } catch (...) {
        return -1;
    }
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int GBtoBIG5(const char* Source, int Length, char* Output, int OutputSize)
{
    return ConvertInto(ChineseTextConverter::Direction::GBToBig5, Source, Length, Output, OutputSize);
}

__attribute__((visibility("default"))) int BIG5toGB(const char* Source, int Length, char* Output, int OutputSize)
{
    return ConvertInto(ChineseTextConverter::Direction::Big5ToGB, Source, Length, Output, OutputSize);
}
}
