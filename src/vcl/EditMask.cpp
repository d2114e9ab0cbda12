#include "vcl/EditMask.h"

#include <algorithm>
#include <cctype>

namespace qvn {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The first ';' that is not escaped ends the mask proper.
size_t FieldSeparator(std::string_view mask)
{
    for (size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] == '\\') {
            ++i;
            continue;
        }
        if (mask[i] == ';') return i;
    }
    return std::string_view::npos;
}

}  // namespace

TEditMask::TEditMask(std::string_view mask) : text_(mask)
{
    const size_t sep = FieldSeparator(mask);
    std::string_view body = mask.substr(0, sep);
    if (sep != std::string_view::npos) {
        std::string_view rest = mask.substr(sep + 1);
        const size_t next = rest.find(';');
        const std::string_view save = rest.substr(0, next);
        saveLiterals_ = save.empty() || save[0] != '0';
        if (next != std::string_view::npos && next + 1 < rest.size()) blank_ = rest[next + 1];
    }
    int letterCase = 0;
    for (size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        Place p;
        p.letterCase = letterCase;
        switch (c) {
        case '!': reverse_ = true; continue;
        case '>': letterCase = 1; continue;
        case '<':
            if (i + 1 < body.size() && body[i + 1] == '>') {
                ++i;
                letterCase = 0;
            } else {
                letterCase = 2;
            }
            continue;
        case '\\':
            if (i + 1 >= body.size()) continue;
            p.literal = body[++i];
            break;
        case '0': p.kind = Kind::Digit; p.required = true; break;
        case '9': p.kind = Kind::Digit; break;
        case '#': p.kind = Kind::DigitSign; break;
        case 'L': p.kind = Kind::Letter; p.required = true; break;
        case 'l': p.kind = Kind::Letter; break;
        case 'A': p.kind = Kind::AlphaNum; p.required = true; break;
        case 'a': p.kind = Kind::AlphaNum; break;
        case 'C': p.kind = Kind::Any; p.required = true; break;
        case 'c': p.kind = Kind::Any; break;
        case '_': p.literal = ' '; break;
        default: p.literal = c; break;
        }
        places_.push_back(p);
    }
}

bool TEditMask::Accept(const Place& place, char& c) const
{
    if (c == blank_ || c == ' ' || c == 0) return false;
    switch (place.kind) {
    case Kind::Digit:
        if (!IsDigit(c)) return false;
        break;
    case Kind::DigitSign:
        if (!IsDigit(c) && c != '+' && c != '-') return false;
        break;
    case Kind::Letter:
        if (!IsLetter(c)) return false;
        break;
    case Kind::AlphaNum:
        if (!IsLetter(c) && !IsDigit(c)) return false;
        break;
    case Kind::Any: break;
    case Kind::Literal: return false;
    }
    if (place.letterCase == 1) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (place.letterCase == 2) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return true;
}

std::string TEditMask::BlankEditText() const
{
    std::string out;
    for (const Place& p : places_) out += p.kind == Kind::Literal ? p.literal : blank_;
    return out;
}

std::string TEditMask::Fill(std::string_view text, bool withLiterals, bool backwards) const
{
    const int n = static_cast<int>(places_.size());
    std::string out(static_cast<size_t>(n), blank_);
    size_t next = 0;  // characters of text used, counted from the end when going backwards
    auto peek = [&]() { return backwards ? text[text.size() - 1 - next] : text[next]; };
    for (int k = 0; k < n; ++k) {
        const int i = backwards ? n - 1 - k : k;
        const Place& place = places_[static_cast<size_t>(i)];
        if (place.kind == Kind::Literal) {
            out[static_cast<size_t>(i)] = place.literal;
            if (withLiterals && next < text.size() && peek() == place.literal) ++next;
            continue;
        }
        while (next < text.size()) {
            char c = peek();
            ++next;
            if (c == ' ' || c == blank_) break;  // an empty place
            if (Accept(place, c)) {
                out[static_cast<size_t>(i)] = c;
                break;
            }
        }
    }
    return out;
}

std::string TEditMask::FormatText(std::string_view text, bool withLiterals) const
{
    if (!IsMasked()) return std::string(text);
    return Fill(text, withLiterals, reverse_ && !withLiterals);
}

std::string TEditMask::DataText(std::string_view editText) const
{
    std::string data;
    for (size_t i = 0; i < places_.size() && i < editText.size(); ++i)
        if (places_[i].kind != Kind::Literal) data += editText[i];
    if (reverse_) {
        const size_t first = data.find_first_not_of(blank_);
        data.erase(0, first == std::string::npos ? data.size() : first);
    } else {
        const size_t last = data.find_last_not_of(blank_);
        data.erase(last == std::string::npos ? 0 : last + 1);
    }
    std::replace(data.begin(), data.end(), blank_, ' ');
    return data;
}

std::string TEditMask::ReportedText(std::string_view editText) const
{
    if (!IsMasked()) return std::string(editText);
    if (!saveLiterals_) return DataText(editText);
    std::string out(editText);
    for (size_t i = 0; i < out.size() && i < places_.size(); ++i)
        if (places_[i].kind != Kind::Literal && out[i] == blank_) out[i] = ' ';
    return out;
}

bool TEditMask::Validate(std::string_view editText, int& errorPos) const
{
    for (size_t i = 0; i < places_.size(); ++i) {
        const Place& p = places_[i];
        if (p.kind == Kind::Literal) continue;
        char c = i < editText.size() ? editText[i] : blank_;
        const bool filled = Accept(p, c);
        if (p.required && !filled) {
            errorPos = static_cast<int>(i);
            return false;
        }
    }
    errorPos = -1;
    return true;
}

}  // namespace qvn
