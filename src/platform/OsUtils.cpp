#include "platform/OsUtils.h"

#include <dlfcn.h>
#include <pwd.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace qvn {

std::string ComputerName()
{
    char buf[256] = {};
    if (gethostname(buf, sizeof buf - 1) != 0) return {};
    std::string name(buf);
    if (name.size() > 15) name.resize(15);
    return name;
}

std::string LoginUserName()
{
    for (const char* var : {"LOGNAME", "USER"})
        if (const char* v = std::getenv(var); v != nullptr && *v != '\0') return v;
    if (const passwd* pw = getpwuid(geteuid()); pw != nullptr && pw->pw_name != nullptr) return pw->pw_name;
    return {};
}

std::string TempFolder()
{
    const char* t = std::getenv("TMPDIR");
    std::string dir = (t != nullptr && *t != '\0') ? t : "/tmp/";
    return IncludeTrailingPathDelimiter(dir);
}

std::string ModuleFileName(const void* addressInModule)
{
    Dl_info info{};
    if (dladdr(addressInModule, &info) == 0 || info.dli_fname == nullptr) return {};
    std::error_code ec;
    auto p = std::filesystem::absolute(info.dli_fname, ec);
    return ec ? std::string(info.dli_fname) : p.string();
}

std::string ExecutableFileName()
{
    std::error_code ec;
    auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

std::string NormalisePathSeparators(std::string_view path)
{
    std::string out(path);
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

std::string IncludeTrailingPathDelimiter(std::string_view path)
{
    std::string out(path);
    if (out.empty() || out.back() != '/') out += '/';
    return out;
}

std::string ExtractFilePath(std::string_view fileName)
{
    auto pos = fileName.find_last_of('/');
    return pos == std::string_view::npos ? std::string() : std::string(fileName.substr(0, pos + 1));
}

std::string ExtractFileName(std::string_view fileName)
{
    auto pos = fileName.find_last_of('/');
    return std::string(pos == std::string_view::npos ? fileName : fileName.substr(pos + 1));
}

bool HasDriveOrSharePrefix(std::string_view path)
{
    if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':') return true;
    auto sep = [](char c) { return c == '/' || c == '\\'; };
    return path.size() >= 2 && sep(path[0]) && sep(path[1]);
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool DirectoryExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

bool ForceDirectories(const std::string& path)
{
    if (path.empty()) return false;
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return DirectoryExists(path);
}

}  // namespace qvn
