#pragma once
// The registry stand-in: a text file of keys and string values, read-only.
//   [HKEY_LOCAL_MACHINE\Software\QVN\Zentor]
//   ClientPath=/opt/qvn/client/
// Key paths and value names match case-insensitively; "HKLM" and "HKCU" may
// abbreviate the root. The file is QVN_REGISTRY, default /etc/qvn/registry.ini.

#include <memory>
#include <string>
#include <string_view>

namespace qvn {

class TIniFile;

enum class RegistryRoot { LocalMachine, CurrentUser };

class TRegistry {
public:
    explicit TRegistry(RegistryRoot root = RegistryRoot::LocalMachine);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // False when the file or the key does not exist.
    bool OpenKeyReadOnly(std::string_view key);
    bool KeyExists(std::string_view key) const;
    bool ValueExists(std::string_view name) const;
    // Empty when the value is missing or no key is open.
    std::string ReadString(std::string_view name) const;
    void CloseKey();
    const std::string& CurrentPath() const { return currentKey_; }

    static std::string FileName();

private:
    std::string FindSectionFor(std::string_view key) const;

    RegistryRoot root_;
    std::unique_ptr<TIniFile> file_;
    std::string currentKey_;
    std::string currentSection_;
};

}  // namespace qvn
