#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

#include <cctype>
#include <utility>

namespace qvn {

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), lastError_(std::move(other.lastError_))
{
}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept
{
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
        lastError_ = std::move(other.lastError_);
    }
    return *this;
}

std::string LibraryFileName(std::string_view suiteName)
{
    std::string name(suiteName);
    if (name.size() >= 4) {
        std::string tail = name.substr(name.size() - 4);
        for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (tail == ".dll") name.replace(name.size() - 4, 4, ".so");
    }
    return name;
}

bool DynamicLibrary::Open(std::string_view nameOrPath)
{
    Close();
    std::string file = LibraryFileName(nameOrPath);
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* err = dlerror();
        lastError_ = err ? err : ("cannot load " + file);
        return false;
    }
    lastError_.clear();
    return true;
}

void* DynamicLibrary::Symbol(const char* name) const
{
    if (handle_ == nullptr) {
        lastError_ = "library not loaded";
        return nullptr;
    }
    dlerror();
    void* p = dlsym(handle_, name);
    if (p == nullptr) {
        const char* err = dlerror();
        lastError_ = err ? err : (std::string("missing symbol ") + name);
    }
    return p;
}

void DynamicLibrary::Close()
{
    if (handle_ != nullptr) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}

}  // namespace qvn
