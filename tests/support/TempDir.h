#pragma once
// A scratch folder for one test, removed with everything in it afterwards.

#include <filesystem>
#include <string>

namespace qvn::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Path text with a trailing '/'.
    std::string Folder() const { return path_.string() + "/"; }
    // Writes a file (parents created) and returns its path.
    std::string Write(const std::string& relative, const std::string& content) const;
    std::string Read(const std::string& relative) const;

private:
    std::filesystem::path path_;
};

// Sets an environment variable for the lifetime of the object, then restores it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    bool had_ = false;
    std::string old_;
};

}  // namespace qvn::test
