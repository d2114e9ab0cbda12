#pragma once
// An installation of the suite in a scratch folder: the registry stand-in
// pointing at it, and the configuration files the test writes.

#include <memory>
#include <string>

#include "support/TempDir.h"

namespace qvn::test {

class ZentorInstall {
public:
    // registryBody: the values under the suite's key; "%DIR%" becomes the scratch folder.
    explicit ZentorInstall(const std::string& registryBody = "ClientPath=%DIR%client\nServerPath=%DIR%server\n");

    const TempDir& Dir() const { return dir_; }
    std::string Folder(const std::string& relative) const { return dir_.Folder() + relative; }
    std::string WriteFile(const std::string& relative, const std::string& content) const { return dir_.Write(relative, content); }
    void WriteRegistry(const std::string& registryBody);

private:
    TempDir dir_;
    std::unique_ptr<ScopedEnv> env_;
};

}  // namespace qvn::test
