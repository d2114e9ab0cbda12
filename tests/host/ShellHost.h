#pragma once
// A minimal shell for tests: it knows the module only through the shell's
// header, loads it by path and records what the controller tells it.

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "VKLB58C/Controller.h"

namespace qvn::test {

// A loaded module. Stays loaded for the rest of the process: the controllers
// and exceptions a test got from it must never outlive its code.
class LoadedModule {
public:
    // Loads once per path; fails the test (nullptr) when the module cannot be loaded.
    static LoadedModule* Load(const std::string& path);

    const std::string& Path() const { return path_; }
    void* Symbol(const char* name) const;
    std::unique_ptr<Controller> NewController() const;
    // The names the module exports (defined dynamic symbols), as the
    // toolchain's nm lists them; empty when nm is not available.
    std::set<std::string> ExportedNames() const;

private:
    LoadedModule(std::string path, void* handle) : path_(std::move(path)), handle_(handle) {}
    std::string path_;
    void* handle_;
};

struct Notification {
    int32_t code;
    Controller* sender;
    friend bool operator==(const Notification&, const Notification&) = default;
};

// The shell's OnNotify handler.
class NotifyRecorder {
public:
    ControllerNotifyEvent Handler() { return ControllerNotifyEvent{&Receive, this}; }
    void AttachTo(Controller& controller) { controller.OnNotify = Handler(); }

    std::vector<Notification> received;
    // Everything that happened, in order ("notify 272", and whatever else writes to it).
    std::vector<std::string>* log = nullptr;
    // What the shell does while it handles a notification.
    std::function<void(int32_t code, Controller* sender)> reaction;

private:
    static void Receive(void* data, int32_t code, Controller* sender);
};

std::vector<int32_t> CodesOf(const std::vector<Notification>& notifications);

}  // namespace qvn::test
