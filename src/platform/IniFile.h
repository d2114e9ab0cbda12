#pragma once
// Read-only INI file with the semantics of the platform's profile reader:
// sections and keys match case-insensitively, the first section and the first
// key of a name win, blanks around keys and values are dropped and a value in
// matching quotes loses them, ';' starts a comment line, and a value is cut at
// 2047 characters. A missing or unreadable file reads as empty.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qvn {

class TIniFile {
public:
    explicit TIniFile(const std::string& fileName);
    static TIniFile FromText(std::string_view text);

    const std::string& FileName() const { return fileName_; }
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // The value as an integer (decimal, or hex with "0x"); def when missing or not a number.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    // Key names of a section in file order (a line without '=' is a key on its own;
    // repeated keys are listed each time).
    std::vector<std::string> ReadSection(std::string_view section) const;
    // One "key=value" pair per key of ReadSection, the value being that of the first line with the key.
    std::vector<std::pair<std::string, std::string>> ReadSectionValues(std::string_view section) const;
    std::vector<std::string> ReadSections() const;

private:
    TIniFile() = default;
    void Parse(std::string_view text);
    struct Entry { std::string key; std::string value; };
    struct Section { std::string name; std::vector<Entry> entries; };
    const Section* FindSection(std::string_view name) const;
    const Entry* FindEntry(std::string_view section, std::string_view key) const;

    std::string fileName_;
    std::vector<Section> sections_;
};

// ASCII case-insensitive comparison (multi-byte text bytes compare exactly).
bool SameTextAscii(std::string_view a, std::string_view b);
// Removes leading and trailing blanks and control characters.
std::string TrimText(std::string_view s);

}  // namespace qvn
