#include "util/Fields.h"

namespace qvn {

std::string GetField(std::string_view text, std::string_view sep, int n)
{
    std::string_view field;
    int taken = 0;
    while (taken < n && !text.empty()) {
        size_t pos = sep.empty() ? std::string_view::npos : text.find(sep);
        if (pos == std::string_view::npos) {
            field = text;
            text = {};
        } else {
            field = text.substr(0, pos);
            text.remove_prefix(pos + sep.size());
        }
        ++taken;
    }
    return taken < n ? std::string() : std::string(field);
}

int CountFields(std::string_view text, std::string_view sep)
{
    if (text.empty()) return 0;
    if (sep.empty()) return 1;
    // Each found separator has its first character overwritten so the next search
    // moves on; a separator that starts inside the previous one's tail still counts.
    // The overwrite character always differs from the separator's first character,
    // so every round removes one candidate start and the loop ends.
    const char mark = sep.front() == '#' ? '*' : '#';
    std::string work(text);
    int count = 1;
    size_t from = 0;
    for (;;) {
        size_t pos = work.find(sep, from);
        if (pos == std::string::npos) break;
        work[pos] = mark;
        ++count;
        // An earlier match can only appear where the overwrite completed one.
        from = pos >= sep.size() ? pos - sep.size() + 1 : 0;
    }
    return count;
}

void CutField(std::string& text, std::string_view sep, std::string& head)
{
    size_t pos = sep.empty() ? std::string::npos : text.find(sep);
    if (pos == std::string::npos) {
        head = std::move(text);
        text.clear();
        return;
    }
    head = text.substr(0, pos);
    text.erase(0, pos + sep.size());
}

}  // namespace qvn
