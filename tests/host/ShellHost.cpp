#include "host/ShellHost.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>

namespace qvn::test {

LoadedModule* LoadedModule::Load(const std::string& path)
{
    static std::map<std::string, std::unique_ptr<LoadedModule>> loaded;
    if (auto it = loaded.find(path); it != loaded.end()) return it->second.get();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        ADD_FAILURE() << "cannot load " << path << ": " << dlerror();
        return nullptr;
    }
    auto module = std::unique_ptr<LoadedModule>(new LoadedModule(path, handle));
    return loaded.emplace(path, std::move(module)).first->second.get();
}

void* LoadedModule::Symbol(const char* name) const { return dlsym(handle_, name); }

std::unique_ptr<Controller> LoadedModule::NewController() const
{
    auto getController = reinterpret_cast<GetControllerFunc>(Symbol("GetController"));
    if (getController == nullptr) return nullptr;
    return std::unique_ptr<Controller>(getController());
}

std::set<std::string> LoadedModule::ExportedNames() const
{
    std::set<std::string> names;
    const std::string command = "nm -D --defined-only '" + path_ + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return names;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        // "<address> <type> <name>"
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name) names.insert(name);
    }
    pclose(pipe);
    return names;
}

void NotifyRecorder::Receive(void* data, int32_t code, Controller* sender)
{
    auto* self = static_cast<NotifyRecorder*>(data);
    self->received.push_back({code, sender});
    if (self->log != nullptr) self->log->push_back("notify " + std::to_string(code));
    if (self->reaction) self->reaction(code, sender);
}

std::vector<int32_t> CodesOf(const std::vector<Notification>& notifications)
{
    std::vector<int32_t> codes;
    for (const auto& n : notifications) codes.push_back(n.code);
    return codes;
}

}  // namespace qvn::test
