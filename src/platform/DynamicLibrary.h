#pragma once
// A dynamic library loaded by path or by name (dlopen), unloaded when the
// object goes away. A library the suite names "X.dll" is "X.so" here.

#include <string>
#include <string_view>

namespace qvn {

class DynamicLibrary {
public:
    DynamicLibrary() = default;
    ~DynamicLibrary() { Close(); }
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;

    // A name without '/' is searched as the loader does (RUNPATH of the module, then
    // the library path); a ".dll" ending is mapped to ".so".
    bool Open(std::string_view nameOrPath);
    bool IsOpen() const { return handle_ != nullptr; }
    // nullptr when missing.
    void* Symbol(const char* name) const;
    template <typename Fn>
    Fn Function(const char* name) const { return reinterpret_cast<Fn>(Symbol(name)); }
    void Close();
    const std::string& LastError() const { return lastError_; }

private:
    void* handle_ = nullptr;
    mutable std::string lastError_;
};

// "Qvlanguage.dll" -> "Qvlanguage.so"; other names unchanged.
std::string LibraryFileName(std::string_view suiteName);

}  // namespace qvn
