#include "vcl/IdentMap.h"

#include <map>
#include <mutex>

#include "platform/Format.h"
#include "platform/IniFile.h"
#include "vcl/Charsets.h"
#include "vcl/Colors.h"
#include "vcl/Cursors.h"

namespace qvn {
namespace {

struct CaseFoldLess {
    using is_transparent = void;  // lets a lookup take the caller's view without building a string
    bool operator()(std::string_view a, std::string_view b) const
    {
        const size_t n = a.size() < b.size() ? a.size() : b.size();
        for (size_t i = 0; i < n; ++i) {
            const int ca = Fold(a[i]), cb = Fold(b[i]);
            if (ca != cb) return ca < cb;
        }
        return a.size() < b.size();
    }
    static int Fold(char c)
    {
        const auto u = static_cast<unsigned char>(c);
        return (u >= 'a' && u <= 'z') ? u - 'a' + 'A' : u;
    }
};

struct Registry {
    std::mutex lock;
    // Nodes of a map never move, so a found mapping stays valid while others are added.
    std::map<std::string, TIdentMapping, CaseFoldLess> byType;

    Registry()
    {
        byType["TColor"] = {&ColorToIdent, &IdentToColor};
        byType["TCursor"] = {&CursorToIdent, &IdentToCursor};
        byType["TFontCharset"] = {&CharsetToIdent, &IdentToCharset};
    }
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

}  // namespace

bool IntToIdent(int32_t value, std::string& ident, std::span<const TIdentMapEntry> map)
{
    for (const TIdentMapEntry& e : map) {
        if (e.Value == value) {
            ident = e.Name;
            return true;
        }
    }
    return false;
}

namespace {

// ident equals the NUL-terminated name without regard to ASCII case; walks
// the name only as far as it agrees, so a table scan never measures names.
bool SameIdent(std::string_view ident, const char* name)
{
    for (const char c : ident) {
        if (*name == '\0' || CaseFoldLess::Fold(c) != CaseFoldLess::Fold(*name)) return false;
        ++name;
    }
    return *name == '\0';
}

}  // namespace

bool IdentToInt(std::string_view ident, int32_t& value, std::span<const TIdentMapEntry> map)
{
    for (const TIdentMapEntry& e : map) {
        if (SameIdent(ident, e.Name)) {
            value = e.Value;
            return true;
        }
    }
    return false;
}

const TIdentMapping* FindIdentMapping(std::string_view typeName)
{
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    auto it = r.byType.find(typeName);
    return it == r.byType.end() ? nullptr : &it->second;
}

void RegisterIntegerConsts(std::string_view typeName, TIdentToInt toInt, TIntToIdent toIdent)
{
    if (typeName.empty() || toInt == nullptr || toIdent == nullptr) return;
    Registry& r = TheRegistry();
    std::lock_guard guard(r.lock);
    r.byType[std::string(typeName)] = {toIdent, toInt};
}

std::string IntToIdentOrNumber(std::string_view typeName, int32_t value)
{
    std::string ident;
    const TIdentMapping* m = FindIdentMapping(typeName);
    if (m != nullptr && m->ToIdent(value, ident)) return ident;
    return IntToStr(value);
}

bool IdentOrNumberToInt(std::string_view typeName, std::string_view text, int32_t& value)
{
    const TIdentMapping* m = FindIdentMapping(typeName);
    if (m != nullptr && m->ToInt(text, value)) return true;
    int number = 0;
    if (!TryStrToInt(text, number)) return false;
    value = number;
    return true;
}

}  // namespace qvn
