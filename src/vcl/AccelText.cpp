#include "vcl/AccelText.h"

#include <cctype>

namespace qvn {

std::string StripAccelChars(std::string_view caption)
{
    std::string out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        else if (caption[i] == '&') continue;
        out += caption[i];
    }
    return out;
}

char AccelCharOf(std::string_view caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
        ++i;
    }
    return 0;
}

bool IsAccel(char key, std::string_view caption)
{
    const char accel = AccelCharOf(caption);
    return accel != 0 && key != 0 && accel == static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
}

}  // namespace qvn
