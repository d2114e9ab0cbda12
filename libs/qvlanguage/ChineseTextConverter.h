#pragma once
// GB <-> Big5 text conversion: iconv for the bytes, OpenCC (Taiwan standard
// configurations) for the characters. The OpenCC converters are created once
// and reused; a text of plain ASCII never reaches them.

#include <memory>
#include <string>
#include <string_view>

namespace opencc {
class SimpleConverter;
}

namespace qvn {

class ChineseTextConverter {
public:
    enum class Direction { GBToBig5, Big5ToGB };
    explicit ChineseTextConverter(Direction direction);
    ~ChineseTextConverter();
    std::string Convert(std::string_view text) const;

    // The OpenCC configuration used for a direction ("s2tw.json" / "tw2s.json").
    static const char* ConfigName(Direction direction);

private:
    Direction direction_;
    int from_, to_;
    std::unique_ptr<opencc::SimpleConverter> characters_;  // null when OpenCC could not start
};

}  // namespace qvn
