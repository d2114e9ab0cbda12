#include "ChineseTextConverter.h"

#include <opencc/SimpleConverter.hpp>

#include "platform/CodePage.h"

namespace qvn {
const char* ChineseTextConverter::ConfigName(Direction direction)
{
    // The plain s2t tables produce characters Big5 lacks; the Taiwan ones do not.
    return direction == Direction::GBToBig5 ? "s2tw.json" : "tw2s.json";
}

ChineseTextConverter::ChineseTextConverter(Direction direction)
    : direction_(direction),
      from_(direction == Direction::GBToBig5 ? CP_GBK : CP_BIG5),
      to_(direction == Direction::GBToBig5 ? CP_BIG5 : CP_GBK)
{
    try {
        characters_ = std::make_unique<opencc::SimpleConverter>(ConfigName(direction));
    } catch (...) {
        // Without its tables the library still converts the bytes.
        characters_.reset();
    }
}

ChineseTextConverter::~ChineseTextConverter() = default;

std::string ChineseTextConverter::Convert(std::string_view text) const
{
    if (IsAsciiText(text)) return std::string(text);
    auto wide = ToWide(text, from_, ConvertMode::Replace);
    if (!wide) return std::string(text);
    std::string utf8 = std::move(wide->Utf8());
    if (characters_) {
        try {
            utf8 = characters_->Convert(utf8.data(), utf8.size());
        } catch (...) {
            // Keep the characters as they are; the bytes are still converted.
        }
    }
    auto out = FromWide(WideString::FromUtf8(std::move(utf8)), to_, ConvertMode::Replace);
    return out ? std::move(*out) : std::string(text);
}

}  // namespace qvn
