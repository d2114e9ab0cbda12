#include "platform/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace qvn {
namespace {

std::atomic<int> g_processCodePage{0};

std::string NormaliseCharsetName(std::string_view name)
{
    std::string out;
    for (char c : name) {
        if (c == '-' || c == '_' || c == ' ') continue;
        out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

// The character set named by the locale environment (LC_ALL, LC_CTYPE, LANG).
std::string LocaleCharset()
{
    for (const char* var : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* v = std::getenv(var);
        if (v == nullptr || *v == '\0') continue;
        std::string_view s(v);
        auto dot = s.find('.');
        if (dot == std::string_view::npos) return {};
        s.remove_prefix(dot + 1);
        auto at = s.find('@');
        return std::string(s.substr(0, at));
    }
    return {};
}

int CodePageFromEnvironment()
{
    if (const char* acp = std::getenv("QVN_ACP"); acp != nullptr && *acp != '\0') {
        char* end = nullptr;
        long v = std::strtol(acp, &end, 10);
        if (end != acp && *end == '\0' && v > 0 && v < 65536) return static_cast<int>(v);
    }
    int cp = CodePageFromCharsetName(LocaleCharset());
    if (cp == 0 || cp == CP_UTF8 || cp == 20127) return CP_GBK;
    return cp;
}

// One open iconv handle per (from, to) pair and thread.
class IconvCache {
public:
    ~IconvCache()
    {
        for (auto& e : entries_)
            if (e.handle != invalid()) iconv_close(e.handle);
    }
    // invalid() when the pair cannot be converted.
    iconv_t Get(int fromCp, int toCp)
    {
        for (auto& e : entries_)
            if (e.from == fromCp && e.to == toCp) {
                if (e.handle != invalid()) iconv(e.handle, nullptr, nullptr, nullptr, nullptr);
                return e.handle;
            }
        std::string from = IconvCharsetName(fromCp), to = IconvCharsetName(toCp);
        iconv_t h = invalid();
        if (!from.empty() && !to.empty()) h = iconv_open(to.c_str(), from.c_str());
        entries_.push_back({fromCp, toCp, h});
        return h;
    }
    static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }

private:
    struct Entry { int from; int to; iconv_t handle; };
    std::vector<Entry> entries_;
};

IconvCache& Cache()
{
    thread_local IconvCache cache;
    return cache;
}

// Length of the invalid or unconvertible unit at p in the source code page,
// so that Replace mode skips a whole character.
size_t BadUnitLength(const char* p, size_t left, int fromCp)
{
    auto c = static_cast<unsigned char>(*p);
    if (fromCp == CP_UTF8) {
        size_t n = 1;
        while (n < left && n < 4 && (static_cast<unsigned char>(p[n]) & 0xC0) == 0x80) ++n;
        return (c >= 0xC0) ? n : 1;
    }
    if ((fromCp == CP_GBK || fromCp == CP_BIG5) && c >= 0x81 && c <= 0xFE && left >= 2) {
        auto t = static_cast<unsigned char>(p[1]);
        if (t >= 0x40 && t != 0x7F && t != 0xFF) return 2;
    }
    return 1;
}

// Encodings that keep a shift state and need a final reset sequence.
bool IsStateful(int codePage)
{
    return (codePage >= 50220 && codePage <= 50229) || codePage == 52936 || codePage == 65000;
}

bool IsAsciiCompatible(int codePage)
{
    return codePage == CP_GBK || codePage == CP_BIG5 || codePage == CP_UTF8 || codePage == CP_OEM_US ||
           codePage == CP_LATIN1 || codePage == 20127 || (codePage >= 28591 && codePage <= 28606);
}

std::optional<std::string> Convert(std::string_view in, int fromCp, int toCp, ConvertMode mode)
{
    iconv_t h = Cache().Get(fromCp, toCp);
    if (h == IconvCache::invalid()) return std::nullopt;
    if (in.empty()) return std::string();
    // Plain ASCII reads the same in every ASCII-compatible code page.
    if (IsAsciiCompatible(fromCp) && IsAsciiCompatible(toCp) && IsAsciiText(in)) return std::string(in);

    const std::string_view replacement = (toCp == CP_UTF8) ? std::string_view("\xEF\xBF\xBD") : std::string_view("?");
    // One scratch buffer per thread: the result is then allocated once at its exact size.
    thread_local std::vector<char> scratch;
    if (scratch.size() < in.size() * 2 + 8) scratch.resize(in.size() * 2 + 8);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    size_t used = 0;
    while (srcLeft > 0) {
        char* dst = scratch.data() + used;
        size_t dstLeft = scratch.size() - used;
        size_t r = iconv(h, &src, &srcLeft, &dst, &dstLeft);
        used = scratch.size() - dstLeft;
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            scratch.resize(scratch.size() * 2);
            continue;
        }
        // EILSEQ (invalid or unmappable) or EINVAL (incomplete at the end).
        if (mode == ConvertMode::Strict) return std::nullopt;
        size_t skip = std::min(srcLeft, BadUnitLength(src, srcLeft, fromCp));
        src += skip;
        srcLeft -= skip;
        if (scratch.size() - used < replacement.size()) scratch.resize(scratch.size() * 2 + replacement.size());
        std::copy(replacement.begin(), replacement.end(), scratch.data() + used);
        used += replacement.size();
        iconv(h, nullptr, nullptr, nullptr, nullptr);
    }
    if (IsStateful(toCp)) {
        if (scratch.size() - used < 16) scratch.resize(used + 16);
        char* dst = scratch.data() + used;
        size_t dstLeft = scratch.size() - used;
        if (iconv(h, nullptr, nullptr, &dst, &dstLeft) != static_cast<size_t>(-1)) used = scratch.size() - dstLeft;
    }
    return std::string(scratch.data(), used);
}

}  // namespace

int ProcessCodePage()
{
    int cp = g_processCodePage.load(std::memory_order_relaxed);
    if (cp == 0) {
        cp = CodePageFromEnvironment();
        g_processCodePage.store(cp, std::memory_order_relaxed);
    }
    return cp;
}

void SetProcessCodePage(int codePage) { g_processCodePage.store(codePage, std::memory_order_relaxed); }

std::string SystemCodePageText()
{
    int cp = ProcessCodePage();
    if (cp == CP_GBK || cp == CP_BIG5) return std::to_string(cp);
    return "437";
}

std::string IconvCharsetName(int codePage)
{
    switch (codePage) {
    case CP_UTF8: return "UTF-8";
    case 1200: return "UTF-16LE";
    case 1201: return "UTF-16BE";
    case 20127: return "ASCII";
    case 20866: return "KOI8-R";
    case 20932: return "EUC-JP";
    case 51949: return "EUC-KR";
    case 54936: return "GB18030";
    case 932: return "CP932";
    default: break;
    }
    if (codePage >= 28591 && codePage <= 28606) return "ISO-8859-" + std::to_string(codePage - 28590);
    if (codePage > 0 && codePage < 65536) return "CP" + std::to_string(codePage);
    return {};
}

int CodePageFromCharsetName(std::string_view name)
{
    std::string n = NormaliseCharsetName(name);
    if (n.empty()) return 0;
    struct Known { const char* name; int cp; };
    static constexpr Known known[] = {
        {"GB2312", CP_GBK}, {"GBK", CP_GBK}, {"GB18030", CP_GBK}, {"EUCCN", CP_GBK}, {"CP936", CP_GBK},
        {"BIG5", CP_BIG5}, {"BIG5HKSCS", CP_BIG5}, {"CP950", CP_BIG5},
        {"UTF8", CP_UTF8}, {"UTF16", 1200}, {"UTF16LE", 1200}, {"UCS2", 1200}, {"UTF16BE", 1201},
        {"ASCII", 20127}, {"USASCII", 20127}, {"ANSIX3.41968", 20127},
        {"CP437", CP_OEM_US}, {"IBM437", CP_OEM_US},
        {"CP1252", CP_LATIN1}, {"WINDOWS1252", CP_LATIN1},
        {"SHIFTJIS", 932}, {"SJIS", 932}, {"CP932", 932}, {"EUCJP", 20932}, {"EUCKR", 51949}, {"KOI8R", 20866},
    };
    for (const auto& k : known)
        if (n == k.name) return k.cp;
    if (n.rfind("ISO8859", 0) == 0) {
        int part = std::atoi(n.c_str() + 7);
        if (part >= 1 && part <= 16) return 28590 + part;
    }
    if (n.rfind("WINDOWS", 0) == 0) return std::atoi(n.c_str() + 7);
    if (n.rfind("CP", 0) == 0) return std::atoi(n.c_str() + 2);
    return 0;
}

bool IsCodePageSupported(int codePage)
{
    if (codePage == CP_UTF8) return true;
    return Cache().Get(CP_UTF8, codePage) != IconvCache::invalid();
}

std::optional<AnsiString> FromWide(const WideString& text, int codePage, ConvertMode mode)
{
    if (codePage == CP_UTF8 && mode == ConvertMode::Strict) return text.Utf8();
    return Convert(text.Utf8(), CP_UTF8, codePage, mode);
}

std::optional<WideString> ToWide(std::string_view text, int codePage, ConvertMode mode)
{
    auto r = Convert(text, codePage, CP_UTF8, mode);
    if (!r) return std::nullopt;
    return WideString::FromUtf8(std::move(*r));
}

AnsiString WideToAnsi(const WideString& text)
{
    auto r = FromWide(text, ProcessCodePage(), ConvertMode::Replace);
    return r ? std::move(*r) : text.Utf8();
}

WideString AnsiToWide(std::string_view text)
{
    auto r = ToWide(text, ProcessCodePage(), ConvertMode::Replace);
    return r ? std::move(*r) : WideString::FromUtf8(text);
}

std::string AnsiToUtf8(std::string_view text) { return AnsiToWide(text).Utf8(); }

}  // namespace qvn
