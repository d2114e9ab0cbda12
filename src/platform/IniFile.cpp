#include "platform/IniFile.h"

#include <fstream>
#include <iterator>

#include "platform/Format.h"

namespace qvn {
namespace {

constexpr size_t kMaxValueLength = 2047;

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string StripQuotes(std::string s)
{
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        return s.substr(1, s.size() - 2);
    return s;
}

}  // namespace

bool SameTextAscii(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

std::string TrimText(std::string_view s)
{
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return std::string(s.substr(b, e - b));
}

TIniFile::TIniFile(const std::string& fileName) : fileName_(fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Parse(text);
}

TIniFile TIniFile::FromText(std::string_view text)
{
    TIniFile f;
    f.Parse(text);
    return f;
}

void TIniFile::Parse(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Section* current = nullptr;
    bool currentIsDuplicate = false;
    while (!text.empty()) {
        size_t eol = text.find_first_of("\r\n");
        std::string line = TrimText(text.substr(0, eol));
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            size_t close = line.find(']');
            std::string name = TrimText(std::string_view(line).substr(1, close == std::string::npos ? std::string::npos : close - 1));
            // A repeated section is never reached by the platform's reader: skip its lines.
            currentIsDuplicate = FindSection(name) != nullptr;
            if (!currentIsDuplicate) {
                sections_.push_back({name, {}});
                current = &sections_.back();
            }
            continue;
        }
        if (current == nullptr || currentIsDuplicate) continue;
        size_t eq = line.find('=');
        Entry e;
        if (eq == std::string::npos) {
            e.key = line;
        } else {
            e.key = TrimText(std::string_view(line).substr(0, eq));
            e.value = StripQuotes(TrimText(std::string_view(line).substr(eq + 1)));
            if (e.value.size() > kMaxValueLength) e.value.resize(kMaxValueLength);
        }
        current->entries.push_back(std::move(e));
    }
}

const TIniFile::Section* TIniFile::FindSection(std::string_view name) const
{
    for (const auto& s : sections_)
        if (SameTextAscii(s.name, name)) return &s;
    return nullptr;
}

const TIniFile::Entry* TIniFile::FindEntry(std::string_view section, std::string_view key) const
{
    const Section* s = FindSection(section);
    if (s == nullptr) return nullptr;
    for (const auto& e : s->entries)
        if (SameTextAscii(e.key, key)) return &e;
    return nullptr;
}

bool TIniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return FindEntry(section, key) != nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    const Entry* e = FindEntry(section, key);
    return e ? e->value : std::string(def);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const
{
    std::string s = ReadString(section, key, "");
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s = "$" + s.substr(2);
    return StrToIntDef(s, def);
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const
{
    std::vector<std::string> keys;
    if (const Section* s = FindSection(section))
        for (const auto& e : s->entries) keys.push_back(e.key);
    return keys;
}

std::vector<std::pair<std::string, std::string>> TIniFile::ReadSectionValues(std::string_view section) const
{
    std::vector<std::pair<std::string, std::string>> lines;
    for (auto& key : ReadSection(section)) {
        std::string value = ReadString(section, key, "");
        lines.emplace_back(std::move(key), std::move(value));
    }
    return lines;
}

std::vector<std::string> TIniFile::ReadSections() const
{
    std::vector<std::string> names;
    for (const auto& s : sections_) names.push_back(s.name);
    return names;
}

}  // namespace qvn
