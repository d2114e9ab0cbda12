#pragma once
// Operating-system facts and file-system helpers, with the Windows habits of the
// suite mapped onto Linux: '\' in configured paths is read as '/', a drive prefix
// ("D:") or a share ("//host") counts as absolute.

#include <string>
#include <string_view>

namespace qvn {

// gethostname, cut to 15 characters as the suite's computer names are.
std::string ComputerName();
// The login user (LOGNAME/USER, else the password database); empty when unknown.
std::string LoginUserName();
// $TMPDIR or "/tmp/", always ending with '/'.
std::string TempFolder();
// Full path of the module (shared library or executable) that contains the address.
std::string ModuleFileName(const void* addressInModule);
// Full path of the running executable.
std::string ExecutableFileName();

// Path text helpers.
std::string NormalisePathSeparators(std::string_view path);  // '\' -> '/'
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string ExtractFilePath(std::string_view fileName);       // with trailing '/'
std::string ExtractFileName(std::string_view fileName);
// A drive prefix ("D:"), a share ("//host" or "\\host") counts as absolute.
bool HasDriveOrSharePrefix(std::string_view path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool ForceDirectories(const std::string& path);

}  // namespace qvn
