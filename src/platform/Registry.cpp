#include "platform/Registry.h"

#include <cstdlib>

#include "platform/IniFile.h"

namespace qvn {
namespace {

std::string_view StripSlashes(std::string_view key)
{
    while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
    while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
    return key;
}

}  // namespace

TRegistry::TRegistry(RegistryRoot root) : root_(root) {}
TRegistry::~TRegistry() = default;

std::string TRegistry::FileName()
{
    const char* p = std::getenv("QVN_REGISTRY");
    return (p != nullptr && *p != '\0') ? std::string(p) : std::string("/etc/qvn/registry.ini");
}

std::string TRegistry::FindSectionFor(std::string_view key) const
{
    std::string_view k = StripSlashes(key);
    const char* longRoot = root_ == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\";
    const char* shortRoot = root_ == RegistryRoot::LocalMachine ? "HKLM\\" : "HKCU\\";
    for (const std::string& candidate : {std::string(longRoot) + std::string(k), std::string(shortRoot) + std::string(k)})
        if (file_->SectionExists(candidate)) return candidate;
    return {};
}

bool TRegistry::KeyExists(std::string_view key) const { return file_ && !FindSectionFor(key).empty(); }

bool TRegistry::OpenKeyReadOnly(std::string_view key)
{
    CloseKey();
    if (!file_) file_ = std::make_unique<TIniFile>(FileName());
    std::string section = FindSectionFor(key);
    if (section.empty()) return false;
    currentSection_ = section;
    currentKey_ = std::string(StripSlashes(key));
    return true;
}

bool TRegistry::ValueExists(std::string_view name) const
{
    return !currentSection_.empty() && file_->ValueExists(currentSection_, name);
}

std::string TRegistry::ReadString(std::string_view name) const
{
    if (currentSection_.empty()) return {};
    return file_->ReadString(currentSection_, name, "");
}

void TRegistry::CloseKey()
{
    currentKey_.clear();
    currentSection_.clear();
}

}  // namespace qvn
