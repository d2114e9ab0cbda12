#include "platform/Dispatch.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "platform/DynamicLibrary.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/OsUtils.h"

namespace qvn {

// ---------------------------------------------------------------- Dispatch

Variant Dispatch::Call(std::string_view member, std::initializer_list<Variant> args)
{
    std::vector<Variant> copies(args);
    return Invoke(member, CallKind::Method, copies);
}

Variant Dispatch::Get(std::string_view member) { return Invoke(member, CallKind::PropertyGet, {}); }

void Dispatch::Set(std::string_view member, Variant value)
{
    Variant args[1] = {std::move(value)};
    Invoke(member, CallKind::PropertyPut, args);
}

void RaiseUnknownMember(std::string_view member)
{
    throw EOleError("Method '" + std::string(member) + "' not supported by automation object");
}

// ---------------------------------------------------------------- class registry

namespace {

constexpr const char* kDefaultClassTable = "/etc/qvn/classes.ini";
constexpr const char* kClassSection = "Classes";
constexpr const char* kFactoryExport = "QvnCreateObject";

[[noreturn]] void RaiseInvalidClassString() { throw EOleError("Invalid class string"); }

[[noreturn]] void RaiseClassError(std::string_view progId, const std::string& reason)
{
    throw EOleError("Cannot create object of class '" + std::string(progId) + "': " + reason);
}

// Program IDs compare without regard to ASCII case, as the system's class registration does.
std::string ClassKey(std::string_view progId)
{
    std::string key(progId);
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return key;
}

class InProcessClasses {
public:
    void Register(std::string progId, DispatchFactory factory)
    {
        std::lock_guard lock(mutex_);
        factories_[ClassKey(progId)] = std::move(factory);
    }

    void Unregister(std::string_view progId)
    {
        std::lock_guard lock(mutex_);
        factories_.erase(ClassKey(progId));
    }

    // A copy, so the factory runs outside the lock and may itself use the registry.
    DispatchFactory Find(std::string_view progId)
    {
        std::lock_guard lock(mutex_);
        auto it = factories_.find(ClassKey(progId));
        return it == factories_.end() ? DispatchFactory{} : it->second;
    }

private:
    std::mutex mutex_;
    std::unordered_map<std::string, DispatchFactory> factories_;
};

// Never destroyed: objects and registrations may still be released while
// static objects of other modules are torn down.
InProcessClasses& Classes()
{
    static auto* classes = new InProcessClasses;
    return *classes;
}

// Class libraries stay loaded for the life of the process: the objects they
// create (and the code of their destructors) may outlive any call.
class ClassLibraries {
public:
    // The library's factory export; raises EOleError naming the class and the reason.
    QvnCreateObjectFn Factory(std::string_view progId, const std::string& path)
    {
        {
            std::lock_guard lock(mutex_);
            if (auto it = loaded_.find(path); it != loaded_.end()) return it->second.create;
        }
        // Loading runs the library's initialisers: do it outside the lock.
        Loaded entry;
        if (!entry.library.Open(path))
            RaiseClassError(progId, "cannot load library " + path + " (" + entry.library.LastError() + ")");
        entry.create = entry.library.Function<QvnCreateObjectFn>(kFactoryExport);
        if (entry.create == nullptr)
            RaiseClassError(progId, "library " + path + " has no export " + kFactoryExport);
        std::lock_guard lock(mutex_);
        // Another thread may have loaded it meanwhile; theirs is kept, ours only drops a reference.
        return loaded_.try_emplace(path, std::move(entry)).first->second.create;
    }

private:
    struct Loaded {
        DynamicLibrary library;
        QvnCreateObjectFn create = nullptr;
    };
    std::mutex mutex_;
    std::map<std::string, Loaded> loaded_;
};

ClassLibraries& Libraries()
{
    static auto* libraries = new ClassLibraries;
    return *libraries;
}

DispatchPtr CreateFromLibrary(std::string_view progId, const std::string& path)
{
    QvnCreateObjectFn create = Libraries().Factory(progId, path);
    std::string id(progId);
    Dispatch* object = create(id.c_str());
    if (object == nullptr) RaiseClassError(progId, "library " + path + " created no object");
    return DispatchPtr(object);
}

struct ClassEntry {
    std::string scheme;  // "library", "tcp", ...
    std::string target;  // what follows the scheme
};

// The class table's entry for progId; false when there is none or it is malformed.
bool FindClassEntry(std::string_view progId, ClassEntry& entry)
{
    TIniFile table(ClassTableFileName());
    std::string value = table.ReadString(kClassSection, progId, "");
    size_t colon = value.find(':');
    if (colon == std::string::npos || colon == 0) return false;
    entry.scheme = TrimText(std::string_view(value).substr(0, colon));
    entry.target = TrimText(std::string_view(value).substr(colon + 1));
    return !entry.scheme.empty() && !entry.target.empty();
}

DispatchPtr CreateFromClassTable(std::string_view progId)
{
    ClassEntry entry;
    if (!FindClassEntry(progId, entry)) RaiseInvalidClassString();
    if (SameTextAscii(entry.scheme, "library")) return CreateFromLibrary(progId, NormalisePathSeparators(entry.target));
    throw EOleError("Class '" + std::string(progId) + "' uses an unsupported transport: " + entry.scheme);
}

}  // namespace

void RegisterOleClass(std::string progId, DispatchFactory factory)
{
    Classes().Register(std::move(progId), std::move(factory));
}

void UnregisterOleClass(std::string_view progId) { Classes().Unregister(progId); }

DispatchPtr CreateOleObject(std::string_view progId)
{
    if (progId.empty()) RaiseInvalidClassString();
    if (DispatchFactory factory = Classes().Find(progId)) {
        DispatchPtr object = factory();
        if (!object) RaiseClassError(progId, "its factory created no object");
        return object;
    }
    return CreateFromClassTable(progId);
}

std::string ClassTableFileName()
{
    const char* path = std::getenv("QVN_CLASSES");
    return (path != nullptr && *path != '\0') ? std::string(path) : std::string(kDefaultClassTable);
}

}  // namespace qvn
